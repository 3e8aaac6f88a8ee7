// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/soundgen/notation.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "tools/soundgen/notation_music.h"

namespace vexlor::soundgen {

NotationError::NotationError(const std::string& file, int line, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + message), line_(line) {}

namespace {

using notation::Meter;
using notation::Token;
using notation::Voicing;

constexpr int kDrumChannel = 10;

struct PartSpec {
  std::size_t index;  // into Song::parts
  Voicing voicing;
};

struct Pattern {
  int line;
  Tick length = -1;  // set by its first voice
  std::vector<std::pair<std::size_t, Note>> notes;
};

class TuneReader {
 public:
  explicit TuneReader(std::string file) : file_(std::move(file)) {}

  void ReadLine(std::string_view text, int line) {
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
      if (word.starts_with('#')) break;
      pending_.push_back({word, line});
    }
    if (!pending_.empty() && pending_.back().text == "\\") {
      pending_.pop_back();
      return;
    }
    if (!pending_.empty()) Statement(pending_);
    pending_.clear();
  }

  Song Finish(int lastLine) {
    if (!pending_.empty()) Fail(lastLine, "the last line goes on with '\\' but nothing follows");
    if (open_) Fail(open_->second.line, "pattern \"" + open_->first + "\" has no 'end'");
    if (!tempoSet_) Fail(lastLine, "no 'tempo' given");
    if (song_.length == 0) Fail(lastLine, "nothing is played: add a 'play' line");
    return std::move(song_);
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& message) const {
    throw NotationError(file_, line, message);
  }

  int Integer(const Token& token, int low, int high) const {
    int value = 0;
    const std::string& s = token.text;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size() || value < low || value > high) {
      Fail(token.line, "\"" + s + "\" is not a whole number from " + std::to_string(low) + " to " +
                           std::to_string(high));
    }
    return value;
  }

  void Expect(const std::vector<Token>& tokens, std::size_t count, const char* form) const {
    if (tokens.size() != count) Fail(tokens[0].line, std::string("write: ") + form);
  }

  void Statement(const std::vector<Token>& tokens) {
    const std::string& word = tokens[0].text;
    if (open_) {
      if (word == "end") return EndPattern(tokens);
      if (word.size() > 1 && word.ends_with(':')) return VoiceLine(tokens);
      Fail(tokens[0].line, "inside a pattern write 'PART: music' or 'end'");
    }
    if (word == "title") return Title(tokens);
    if (word == "tempo" || word == "time" || word == "swing") return Setting(tokens);
    if (word == "part") return PartLine(tokens);
    if (word == "pattern") return StartPattern(tokens);
    if (word == "play") return Play(tokens);
    Fail(tokens[0].line, "unknown statement \"" + word + "\"");
  }

  void Title(const std::vector<Token>& tokens) {
    song_.title.clear();
    for (std::size_t i = 1; i < tokens.size(); ++i) {
      song_.title += (i > 1 ? " " : "") + tokens[i].text;
    }
  }

  void Setting(const std::vector<Token>& tokens) {
    const std::string& word = tokens[0].text;
    if (!patterns_.empty()) Fail(tokens[0].line, "'" + word + "' comes before the first pattern");
    if (word == "tempo") {
      Expect(tokens, 2, "tempo BEATS-A-MINUTE");
      song_.tempoBpm = Integer(tokens[1], 20, 300);
      tempoSet_ = true;
    } else if (word == "swing") {
      Expect(tokens, 2, "swing PERCENT (50 is straight)");
      song_.swingPercent = Integer(tokens[1], 50, 75);
    } else {
      Expect(tokens, 2, "time BEATS/UNIT, as 4/4");
      const std::size_t slash = tokens[1].text.find('/');
      const Token beats{tokens[1].text.substr(0, slash), tokens[1].line};
      const Token unit{slash == std::string::npos ? "" : tokens[1].text.substr(slash + 1),
                       tokens[1].line};
      song_.beatsPerBar = Integer(beats, 1, 16);
      song_.beatUnit = Integer(unit, 2, 8);
      if ((song_.beatUnit & (song_.beatUnit - 1)) != 0) {
        Fail(tokens[1].line, "the beat unit is 2, 4 or 8");
      }
    }
  }

  void PartLine(const std::vector<Token>& tokens) {
    if (tokens.size() < 2 || tokens.size() % 2 != 0) {
      Fail(tokens[0].line, "write: part NAME channel N [program P] [volume V] ...");
    }
    const std::string& name = tokens[1].text;
    if (parts_.contains(name)) Fail(tokens[1].line, "part \"" + name + "\" is already named");
    PartSetup setup;
    setup.part.name = name;
    for (std::size_t i = 2; i < tokens.size(); i += 2) {
      PartSetting(tokens[i], tokens[i + 1], setup);
    }
    const int line = tokens[0].line;
    if (setup.channel == 0) Fail(line, "part \"" + name + "\" needs a channel");
    for (const Part& other : song_.parts) {
      if (other.channel == setup.channel - 1) Fail(line, "channel already taken");
    }
    setup.voicing.drums = setup.channel == kDrumChannel;
    if (!setup.voicing.drums && setup.program == 0) Fail(line, "a pitched part needs a program");
    setup.part.channel = setup.channel - 1;
    setup.part.program = setup.voicing.drums ? 0 : setup.program - 1;
    parts_.emplace(name, PartSpec{song_.parts.size(), setup.voicing});
    song_.parts.push_back(std::move(setup.part));
  }

  // A part's settings as written: channel and program count from 1, 0 when not given.
  struct PartSetup {
    Part part;
    Voicing voicing;
    int channel = 0;
    int program = 0;
  };

  void PartSetting(const Token& key, const Token& value, PartSetup& setup) const {
    if (key.text == "channel") {
      setup.channel = Integer(value, 1, 16);
    } else if (key.text == "program") {
      setup.program = Integer(value, 1, 128);
    } else if (key.text == "volume") {
      setup.part.volume = Integer(value, 0, 127);
    } else if (key.text == "pan") {
      setup.part.pan = Integer(value, 0, 127);
    } else if (key.text == "reverb") {
      setup.part.reverb = Integer(value, 0, 127);
    } else if (key.text == "gate") {
      setup.voicing.gate = Integer(value, 10, 100);
    } else if (key.text == "level") {
      setup.voicing.velocity = notation::DynamicVelocity(value.text);
      if (setup.voicing.velocity < 0) Fail(value.line, "level is one of pp p mp mf f ff");
    } else {
      Fail(key.line, "unknown part setting \"" + key.text + "\"");
    }
  }

  void StartPattern(const std::vector<Token>& tokens) {
    Expect(tokens, 2, "pattern NAME");
    if (patterns_.contains(tokens[1].text)) Fail(tokens[1].line, "pattern name already used");
    open_.emplace(tokens[1].text, Pattern{tokens[0].line, -1, {}});
  }

  void EndPattern(const std::vector<Token>& tokens) {
    Expect(tokens, 1, "end");
    if (open_->second.length <= 0) Fail(tokens[0].line, "an empty pattern");
    patterns_.insert(std::move(*open_));
    open_.reset();
  }

  Meter CurrentMeter() const {
    const Tick beat = song_.ticksPerQuarter * 4 / song_.beatUnit;
    return {song_.ticksPerQuarter, beat * song_.beatsPerBar, beat};
  }

  void VoiceLine(const std::vector<Token>& tokens) {
    const std::string name = tokens[0].text.substr(0, tokens[0].text.size() - 1);
    const auto part = parts_.find(name);
    if (part == parts_.end()) Fail(tokens[0].line, "no part named \"" + name + "\"");
    const std::vector<Token> music(tokens.begin() + 1, tokens.end());
    const notation::Voice voice =
        notation::ReadVoice(music, part->second.voicing, CurrentMeter(), file_);
    Pattern& pattern = open_->second;
    if (pattern.length < 0) pattern.length = voice.length;
    if (voice.length != pattern.length) {
      const Meter meter = CurrentMeter();
      std::ostringstream message;
      message << "this voice lasts " << static_cast<double>(voice.length) / meter.beat
              << " beats, the pattern's first voice "
              << static_cast<double>(pattern.length) / meter.beat;
      Fail(tokens[0].line, message.str());
    }
    for (const Note& note : voice.notes) {
      pattern.notes.emplace_back(part->second.index, note);
    }
  }

  // Items are PATTERN, PATTERN*REPEATS, and patterns layered with '+': A+B*2.
  // A layer shorter than the longest repeats to fill it.
  void Play(const std::vector<Token>& tokens) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
      const Token& item = tokens[i];
      const std::size_t star = item.text.find('*');
      const int repeats =
          star == std::string::npos ? 1 : Integer({item.text.substr(star + 1), item.line}, 1, 64);
      std::vector<const Pattern*> layers;
      std::istringstream names(item.text.substr(0, star));
      for (std::string name; std::getline(names, name, '+');) {
        const auto found = patterns_.find(name);
        if (found == patterns_.end()) Fail(item.line, "no pattern named \"" + name + "\"");
        layers.push_back(&found->second);
      }
      if (layers.empty()) Fail(item.line, "a play item names no pattern");
      Tick length = 0;
      for (const Pattern* layer : layers) {
        length = std::max(length, layer->length);
      }
      for (const Pattern* layer : layers) {
        if (length % layer->length != 0) {
          Fail(item.line, "a layer's length does not divide the longest layer's");
        }
      }
      for (int r = 0; r < repeats; ++r) {
        Place(layers, length);
      }
    }
  }

  void Place(const std::vector<const Pattern*>& layers, Tick length) {
    for (const Pattern* layer : layers) {
      for (Tick offset = 0; offset < length; offset += layer->length) {
        for (auto [index, note] : layer->notes) {
          note.start += song_.length + offset;
          song_.parts[index].notes.push_back(note);
        }
      }
    }
    song_.length += length;
  }

  std::string file_;
  Song song_;
  bool tempoSet_ = false;
  std::vector<Token> pending_;
  std::map<std::string, PartSpec> parts_;
  std::map<std::string, Pattern> patterns_;
  std::optional<std::pair<std::string, Pattern>> open_;
};

}  // namespace

Song ParseTune(std::string_view text, const std::string& file) {
  TuneReader reader(file);
  int line = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view current = text.substr(0, newline);
    if (current.ends_with('\r')) current.remove_suffix(1);
    reader.ReadLine(current, ++line);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  return reader.Finish(line);
}

Song ReadTune(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw NotationError(path.string(), 0, "cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseTune(text.str(), path.string());
}

}  // namespace vexlor::soundgen
