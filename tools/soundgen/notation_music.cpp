// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/soundgen/notation_music.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <utility>

#include "tools/soundgen/notation.h"

namespace vexlor::soundgen::notation {
namespace {

constexpr int kAccent = 16;

constexpr std::array<std::pair<std::string_view, int>, 6> kDynamics = {{
    {"pp", 36},
    {"p", 48},
    {"mp", 60},
    {"mf", 72},
    {"f", 86},
    {"ff", 100},
}};

// General MIDI percussion keys.
constexpr std::array<std::pair<std::string_view, int>, 22> kDrums = {{
    {"kick", 36},  {"rim", 37},   {"snare", 38},  {"clap", 39},   {"snare2", 40}, {"toml", 45},
    {"hh", 42},    {"ph", 44},    {"ohh", 46},    {"tomm", 47},   {"tomh", 50},   {"crash", 49},
    {"ride", 51},  {"china", 52}, {"bell", 53},   {"tamb", 54},   {"splash", 55}, {"cowbell", 56},
    {"bongo", 60}, {"conga", 63}, {"shaker", 70}, {"claves", 75},
}};

int IntegerOf(std::string_view text) {
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return -1;
  return value;
}

// "c4" is middle C (60); "f#3", "bb2" and "b2" as one would write them.
int PitchKey(std::string_view text) {
  constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
  if (text.size() < 2 || text[0] < 'a' || text[0] > 'g') return -1;
  int key = kSteps[text[0] - 'a'];
  std::string_view rest = text.substr(1);
  if (rest[0] == '#' || (rest[0] == 'b' && rest.size() > 1)) {
    key += rest[0] == '#' ? 1 : -1;
    rest.remove_prefix(1);
  }
  const int octave = IntegerOf(rest);
  if (octave < 0 || octave > 9) return -1;
  key += 12 * (octave + 1);
  return key >= 0 && key <= 127 ? key : -1;
}

int DrumKey(std::string_view text) {
  for (const auto& [name, key] : kDrums) {
    if (name == text) return key;
  }
  return -1;
}

class VoiceReader {
 public:
  VoiceReader(const Voicing& voicing, const Meter& meter, const std::string& file)
      : voicing_(voicing),
        meter_(meter),
        file_(file),
        velocity_(voicing.velocity),
        length_(meter.quarter) {}

  void Read(const std::vector<Token>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
      line_ = tokens[i].line;
      const std::string_view text = tokens[i].text;
      if (text == "|") {
        CheckBar();
      } else if (const int v = DynamicVelocity(text); v >= 0) {
        velocity_ = v;
      } else if (text.starts_with('[') || text.starts_with(">[")) {
        i = ReadChord(tokens, i);
      } else {
        ReadSingle(text);
      }
    }
  }

  Voice Take() && { return {std::move(notes_), now_}; }

 private:
  [[noreturn]] void Fail(const std::string& message) const {
    throw NotationError(file_, line_, message);
  }

  void CheckBar() const {
    const Tick into = now_ % meter_.bar;
    if (into == 0) return;
    std::ostringstream where;
    where << "bar line at beat " << 1.0 + static_cast<double>(into) / meter_.beat << " of bar "
          << now_ / meter_.bar + 1 << ": the bars before it do not add up";
    Fail(where.str());
  }

  // Reads "N", "Nt", "N." joined by '+': 4 = quarter, 8t = eighth triplet, 4. = dotted quarter.
  Tick Duration(std::string_view text) const {
    Tick total = 0;
    while (true) {
      const std::size_t plus = text.find('+');
      std::string_view term = text.substr(0, plus);
      const bool dotted = term.ends_with('.');
      if (dotted) term.remove_suffix(1);
      const bool triplet = term.ends_with('t');
      if (triplet) term.remove_suffix(1);
      const int division = IntegerOf(term);
      const Tick whole = 4 * meter_.quarter;
      if (division <= 0 || division > 64 || (division & (division - 1)) != 0) {
        Fail("bad duration \"" + std::string(text) + "\": use 1, 2, 4, 8, 16, 32 or 64");
      }
      Tick ticks = whole / division;
      if (triplet) ticks = ticks * 2 / 3;
      if (dotted) ticks = ticks * 3 / 2;
      total += ticks;
      if (plus == std::string_view::npos) return total;
      text.remove_prefix(plus + 1);
    }
  }

  // The sound's name before its duration, which stays as it was when left out.
  std::string_view SplitDuration(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return text;
    length_ = Duration(text.substr(slash + 1));
    return text.substr(0, slash);
  }

  int Key(std::string_view name) const {
    const int key = voicing_.drums ? DrumKey(name) : PitchKey(name);
    if (key >= 0) return key;
    if (voicing_.drums) Fail("unknown drum \"" + std::string(name) + "\"");
    Fail("bad note \"" + std::string(name) + "\": write a letter, # or b, and an octave, as f#4");
  }

  // `held` sounds the whole written length, whatever the part's gate.
  void Sound(const std::vector<int>& keys, bool accent, bool held) {
    const int velocity = std::min(127, velocity_ + (accent ? kAccent : 0));
    Tick sounding = held ? length_ : std::max<Tick>(1, length_ * voicing_.gate / 100);
    if (voicing_.drums) sounding = std::min(length_, meter_.quarter / 4);
    for (int key : keys) {
      notes_.push_back({now_, sounding, key, velocity});
    }
    now_ += length_;
    last_ = keys;
  }

  void ReadSingle(std::string_view text) {
    const bool accent = text.starts_with('>');
    if (accent) text.remove_prefix(1);
    const bool held = text.ends_with('~');
    if (held) text.remove_suffix(1);
    const std::string_view name = SplitDuration(text);
    if (name == "r") {
      now_ += length_;
    } else if (name == "=") {
      if (last_.empty()) Fail("'=' repeats a note or chord, but none came before it");
      Sound(last_, accent, held);
    } else {
      Sound({Key(name)}, accent, held);
    }
  }

  // From "[" (or ">[") to the token holding "]", which may carry the duration.
  std::size_t ReadChord(const std::vector<Token>& tokens, std::size_t i) {
    const bool accent = tokens[i].text.starts_with('>');
    std::vector<int> keys;
    std::string_view text = std::string_view(tokens[i].text).substr(accent ? 2 : 1);
    std::size_t close = 0;
    while ((close = text.find(']')) == std::string_view::npos) {
      if (!text.empty()) keys.push_back(Key(text));
      if (++i == tokens.size()) Fail("a chord is not closed with ']'");
      line_ = tokens[i].line;
      text = tokens[i].text;
    }
    if (close > 0) keys.push_back(Key(text.substr(0, close)));
    if (keys.empty()) Fail("an empty chord");
    std::string_view after = text.substr(close + 1);
    const bool held = after.ends_with('~');
    if (held) after.remove_suffix(1);
    if (!after.empty()) {
      if (!after.starts_with('/')) Fail("a chord's duration follows '/'");
      length_ = Duration(after.substr(1));
    }
    Sound(keys, accent, held);
    return i;
  }

  const Voicing& voicing_;
  const Meter& meter_;
  const std::string& file_;
  int velocity_;
  int line_ = 0;
  Tick length_;
  Tick now_ = 0;
  std::vector<Note> notes_;
  std::vector<int> last_;  // the keys of the last note or chord
};

}  // namespace

int DynamicVelocity(std::string_view word) {
  for (const auto& [mark, velocity] : kDynamics) {
    if (mark == word) return velocity;
  }
  return -1;
}

Voice ReadVoice(const std::vector<Token>& tokens, const Voicing& voicing, const Meter& meter,
                const std::string& file) {
  VoiceReader reader(voicing, meter, file);
  reader.Read(tokens);
  return std::move(reader).Take();
}

}  // namespace vexlor::soundgen::notation
