#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tools/soundgen/generate.h"
#include "tools/soundgen/notation.h"
#include "tools/soundgen/song.h"

namespace vexlor {
namespace {

using testing::TempFolder;

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

// The sounds as one build makes them, written once for all the tests here.
const std::filesystem::path& Generated() {
  static const auto folder = [] {
    auto made = std::make_unique<TempFolder>();
    soundgen::GenerateAll(made->path(), soundgen::DefaultSourceFolder());
    return made;
  }();
  return folder->path();
}

// ---- WAV -----------------------------------------------------------------

struct Wav {
  std::string error;  // empty when the header is the plain 44-byte PCM one
  std::vector<std::int16_t> samples;
  double Seconds() const { return samples.size() / 44100.0; }
};

Wav ReadWav(const std::string& bytes) {
  Wav wav;
  auto fail = [&wav](const std::string& what) {
    wav.error = what;
    return wav;
  };
  if (bytes.size() < 44) return fail("shorter than its header");
  if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 8, "WAVEfmt ") != 0) {
    return fail("not RIFF WAVE with fmt first");
  }
  if (Little(bytes, 4, 4) != bytes.size() - 8) return fail("RIFF size");
  if (Little(bytes, 16, 4) != 16) return fail("fmt chunk size");
  if (Little(bytes, 20, 2) != 1 || Little(bytes, 22, 2) != 1) return fail("not mono PCM");
  if (Little(bytes, 24, 4) != 44100 || Little(bytes, 28, 4) != 88200) return fail("rate");
  if (Little(bytes, 32, 2) != 2 || Little(bytes, 34, 2) != 16) return fail("not 16-bit");
  if (bytes.compare(36, 4, "data") != 0) return fail("data chunk not at 36");
  if (Little(bytes, 40, 4) != bytes.size() - 44 || bytes.size() % 2 != 0) return fail("data size");
  for (std::size_t at = 44; at < bytes.size(); at += 2) {
    wav.samples.push_back(static_cast<std::int16_t>(Little(bytes, at, 2)));
  }
  return wav;
}

double Db(double level) {
  return 20 * std::log10(level / 32768.0);
}

int Peak(const Wav& wav) {
  int peak = 0;
  for (std::int16_t s : wav.samples)
    peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

// The loudest 50 ms of a cue, as RMS: how loud it strikes the ear.
double LoudestWindowDb(const Wav& wav) {
  const std::size_t window = std::min<std::size_t>(2205, wav.samples.size());
  double best = 0;
  for (std::size_t start = 0; start + window <= wav.samples.size(); start += 441) {
    double sum = 0;
    for (std::size_t i = start; i < start + window; ++i)
      sum += 1.0 * wav.samples[i] * wav.samples[i];
    best = std::max(best, std::sqrt(sum / window));
  }
  return Db(best);
}

struct CueSpec {
  const char* file;
  double shortest;  // seconds
  double longest;
};

const CueSpec kCues[] = {
    {"Vexlor0.wav", 0.08, 0.18}, {"Vexlor1.wav", 0.2, 0.4},   {"Vexlor2.wav", 0.45, 0.75},
    {"Vexlor3.wav", 0.01, 0.06}, {"Vexlor5.wav", 0.9, 1.5},   {"Vexlor6.wav", 0.15, 0.35},
    {"Vexlor7.wav", 0.75, 1.25}, {"Vexlor8.wav", 0.35, 0.65}, {"VexlorWin.wav", 1.2, 1.8},
};

TEST(SoundGen, WritesEveryFileTheGameLooksFor) {
  const std::vector<std::string> expected = {
      "Vexlor0.wav", "Vexlor1.wav", "Vexlor2.wav", "Vexlor3.wav",   "Vexlor5.wav",
      "Vexlor6.wav", "Vexlor7.wav", "Vexlor8.wav", "VexlorWin.wav", "Vexlor0.mid",
      "Vexlor1.mid", "Vexlor2.mid", "Vexlor3.mid", "Vexlor4.mid"};
  EXPECT_EQ(soundgen::OutputFiles(), expected);
  for (const std::string& file : expected) {
    EXPECT_TRUE(std::filesystem::is_regular_file(Generated() / file)) << file;
  }
}

TEST(SoundGen, CuesArePlainPcmOfTheirLengthPeakingBelowFullScale) {
  for (const CueSpec& cue : kCues) {
    SCOPED_TRACE(cue.file);
    const Wav wav = ReadWav(ReadBytes(Generated() / cue.file));
    ASSERT_EQ(wav.error, "");
    ASSERT_GE(wav.Seconds(), cue.shortest);
    EXPECT_LE(wav.Seconds(), cue.longest);
    // About 3 dB of headroom: never a sample at full scale, none of the cues faint.
    const double peakDb = Db(Peak(wav));
    EXPECT_LT(peakDb, -2.5);
    EXPECT_GT(peakDb, -5);
    // Faded at both ends, so starting and stopping do not click.
    EXPECT_LT(std::abs(wav.samples.front()), 330);
    EXPECT_LT(std::abs(wav.samples.back()), 330);
  }
}

TEST(SoundGen, NoCueIsMuchLouderThanTheOthers) {
  std::map<std::string, double> loudness;
  for (const CueSpec& cue : kCues) {
    loudness[cue.file] = LoudestWindowDb(ReadWav(ReadBytes(Generated() / cue.file)));
  }
  const auto [quietest, loudest] = std::minmax_element(
      loudness.begin(), loudness.end(), [](auto& a, auto& b) { return a.second < b.second; });
  EXPECT_LT(loudest->second - quietest->second, 8)
      << loudest->first << " against " << quietest->first;
}

TEST(SoundGen, TheSameSourcesGiveTheSameBytes) {
  TempFolder again;
  soundgen::GenerateAll(again.path(), soundgen::DefaultSourceFolder());
  for (const std::string& file : soundgen::OutputFiles()) {
    EXPECT_TRUE(ReadBytes(again.path() / file) == ReadBytes(Generated() / file)) << file;
  }
}

// ---- MIDI ----------------------------------------------------------------

struct MidiEvent {
  std::int64_t tick;
  int status;  // 0xff for meta events
  int data1;   // the meta type for meta events
  int data2;
  std::string meta;
};

struct Midi {
  int format = -1;
  int division = 0;
  std::vector<std::vector<MidiEvent>> tracks;
};

// A reader of its own, so the writer is checked against the file format and not against itself.
class MidiReader {
 public:
  explicit MidiReader(std::string bytes) : bytes_(std::move(bytes)) {}

  Midi Read() {
    Midi midi;
    Expect("MThd");
    if (Big(4) != 6) throw std::runtime_error("header length");
    midi.format = static_cast<int>(Big(2));
    const auto trackCount = Big(2);
    midi.division = static_cast<int>(Big(2));
    if (midi.division <= 0 || midi.division >= 0x8000) throw std::runtime_error("division");
    for (std::uint32_t t = 0; t < trackCount; ++t)
      midi.tracks.push_back(Track());
    if (at_ != bytes_.size()) throw std::runtime_error("bytes after the last track");
    return midi;
  }

 private:
  int Byte() {
    if (at_ >= end_) throw std::runtime_error("runs past its chunk");
    return static_cast<std::uint8_t>(bytes_[at_++]);
  }
  std::uint32_t Big(int count) {
    std::uint32_t value = 0;
    while (count-- > 0)
      value = value << 8 | static_cast<std::uint32_t>(Byte());
    return value;
  }
  std::int64_t VarLength() {
    std::int64_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const int b = Byte();
      value = value << 7 | (b & 0x7f);
      if (b < 0x80) return value;
    }
    throw std::runtime_error("variable length over four bytes");
  }
  void Expect(const char* id) {
    end_ = bytes_.size();
    if (bytes_.compare(at_, 4, id) != 0) throw std::runtime_error(std::string("no ") + id);
    at_ += 4;
  }

  std::vector<MidiEvent> Track() {
    Expect("MTrk");
    const std::uint32_t length = Big(4);
    end_ = at_ + length;
    if (end_ > bytes_.size()) throw std::runtime_error("track longer than the file");
    std::vector<MidiEvent> events;
    std::int64_t tick = 0;
    int running = 0;
    while (events.empty() || events.back().status != 0xff || events.back().data1 != 0x2f) {
      tick += VarLength();
      int status = Byte();
      MidiEvent event{tick, status, 0, 0, ""};
      if (status == 0xff) {
        event.data1 = Byte();
        const auto size = static_cast<std::size_t>(VarLength());
        for (std::size_t i = 0; i < size; ++i)
          event.meta.push_back(static_cast<char>(Byte()));
        running = 0;
      } else {
        if (status < 0x80) {
          if (running == 0) throw std::runtime_error("running status with none set");
          --at_;
          status = running;
        }
        if (status >= 0xf0) throw std::runtime_error("system event in a tune");
        running = status;
        event.status = status;
        event.data1 = Byte();
        const int kind = status & 0xf0;
        if (kind != 0xc0 && kind != 0xd0) event.data2 = Byte();
      }
      events.push_back(event);
    }
    if (at_ != end_) throw std::runtime_error("events after the end of the track");
    return events;
  }

  std::string bytes_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
};

double Seconds(const Midi& midi) {
  std::map<std::int64_t, double> tempo;  // tick -> microseconds a quarter
  std::int64_t last = 0;
  for (const auto& track : midi.tracks) {
    for (const MidiEvent& e : track) {
      last = std::max(last, e.tick);
      if (e.status == 0xff && e.data1 == 0x51 && e.meta.size() == 3) {
        tempo[e.tick] = static_cast<std::uint8_t>(e.meta[0]) << 16 |
                        static_cast<std::uint8_t>(e.meta[1]) << 8 |
                        static_cast<std::uint8_t>(e.meta[2]);
      }
    }
  }
  double seconds = 0;
  std::int64_t from = 0;
  double perQuarter = 500000;
  for (const auto& [tick, micros] : tempo) {
    seconds += (tick - from) * perQuarter / midi.division / 1e6;
    from = tick;
    perQuarter = micros;
  }
  return seconds + (last - from) * perQuarter / midi.division / 1e6;
}

bool IsNoteOn(const MidiEvent& e) {
  return (e.status & 0xf0) == 0x90 && e.data2 > 0;
}
bool IsNoteOff(const MidiEvent& e) {
  return (e.status & 0xf0) == 0x80 || ((e.status & 0xf0) == 0x90 && e.data2 == 0);
}

TEST(SoundGen, TunesAreStandardMidiFilesOfHalfAMinuteToNinetySeconds) {
  for (int n = 0; n < 5; ++n) {
    const std::string file = "Vexlor" + std::to_string(n) + ".mid";
    SCOPED_TRACE(file);
    Midi midi;
    ASSERT_NO_THROW(midi = MidiReader(ReadBytes(Generated() / file)).Read());
    EXPECT_TRUE(midi.format == 0 || midi.format == 1);
    ASSERT_GE(midi.tracks.size(), 2u);
    const double seconds = Seconds(midi);
    EXPECT_GE(seconds, 30);
    EXPECT_LE(seconds, 90);

    int notes = 0;
    for (const auto& track : midi.tracks) {
      std::map<int, int> sounding;  // channel * 128 + key -> open note-ons
      for (const MidiEvent& e : track) {
        const int voice = (e.status & 0x0f) * 128 + e.data1;
        if (IsNoteOn(e)) {
          ++notes;
          ++sounding[voice];
          EXPECT_LE(e.data2, 110) << "background music plays softly";
        } else if (IsNoteOff(e)) {
          EXPECT_GT(sounding[voice]--, 0) << "a note-off without its note";
        }
      }
      // A note left on would sound into the next tune.
      for (const auto& [voice, open] : sounding)
        EXPECT_EQ(open, 0) << "key " << voice % 128;
    }
    EXPECT_GT(notes, 200);
  }
}

// ---- Notation ------------------------------------------------------------

const char* const kHeader =
    "tempo 120\n"
    "part keys channel 1 program 1 gate 100\n"
    "part kit channel 10\n";

TEST(Notation, ReadsPitchesDurationsChordsAndLayers) {
  const soundgen::Song song = soundgen::ParseTune(std::string(kHeader) +
                                                      "pattern a\n"
                                                      "  keys: c4/4. f#3/8 [bb2 b2]/2 | =/2+4 r/4\n"
                                                      "end\n"
                                                      "pattern beat\n"
                                                      "  kit: kick/2 snare\n"
                                                      "end\n"
                                                      "play a+beat*2\n",
                                                  "test.tune");
  EXPECT_EQ(song.length, 2 * 2 * 1920);
  const auto& keys = song.parts[0].notes;
  ASSERT_EQ(keys.size(), 2u * 6);
  const std::vector<std::tuple<soundgen::Tick, soundgen::Tick, int>> first = {
      {0, 720, 60}, {720, 240, 54}, {960, 960, 46}, {960, 960, 47}, {1920, 1440, 46}};
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(std::tuple(keys[i].start, keys[i].length, keys[i].key), first[i]) << i;
  }
  EXPECT_EQ(keys[6].start, 2 * 1920);  // the second time through
  const auto& kit = song.parts[1].notes;
  ASSERT_EQ(kit.size(), 8u);  // the one-bar beat fills both bars, twice
  EXPECT_EQ(kit[0].key, 36);
  EXPECT_EQ(kit[3].start, 1920 + 960);
  EXPECT_EQ(kit[3].key, 38);
}

TEST(Notation, SwingDelaysTheOffBeatEighthInTheFile) {
  soundgen::Song song = soundgen::ParseTune(std::string(kHeader) +
                                                "swing 66\n"
                                                "pattern a\n"
                                                "  keys: c4/8 d4 e4/4 r/2\n"
                                                "end\n"
                                                "play a\n",
                                            "swing.tune");
  const Midi midi = MidiReader(soundgen::EncodeMidi(song)).Read();
  std::vector<std::int64_t> starts;
  for (const MidiEvent& e : midi.tracks[1]) {
    if (IsNoteOn(e)) starts.push_back(e.tick);
  }
  EXPECT_EQ(starts, (std::vector<std::int64_t>{0, 480 * 66 / 100, 480}));
  EXPECT_DOUBLE_EQ(Seconds(midi), 2.0);
}

TEST(Notation, NamesTheFileAndLineOfAFault) {
  struct Case {
    std::string body;
    int line;  // counted from the end of kHeader's three lines
    std::string says;
  };
  const Case cases[] = {
      {"pattern a\n  keys: c4 h4 e4 f4\nend\nplay a\n", 2, "bad note \"h4\""},
      {"pattern a\n  keys: c4 d4 e4\n  keys: c4/3\nend\n", 3, "bad duration"},
      {"pattern a\n  keys: c4 d4 e4 | f4\nend\n", 2, "bar line at beat 4"},
      {"pattern a\n  keys: c4/1\n  kit: kick/2\nend\n", 3, "this voice lasts 2 beats"},
      {"pattern a\n  kit: kick/4 gong\nend\n", 2, "unknown drum"},
      {"pattern a\n  keys: c4/1\nend\n\nplay a b\n", 5, "no pattern named \"b\""},
      {"pattern a\n  keys: [c4 e4 \\\n    g4\nend\n", 3, "not closed"},
      {"pattern a\n  keys: c4/1\n", 1, "has no 'end'"},
      {"part lead channel 2\n", 1, "needs a program"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    try {
      soundgen::ParseTune(std::string(kHeader) + c.body, "sounds/bad.tune");
      ADD_FAILURE() << "accepted";
    } catch (const soundgen::NotationError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("sounds/bad.tune:" + std::to_string(c.line + 3) + ": ", 0), 0u)
          << message;
      EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
  }
}

TEST(Notation, AFaultyTuneStopsTheGeneratorBeforeItWritesAnything) {
  TempFolder sources;
  for (const char* name : {"lounge", "pop", "ballad", "arcade", "bigband"}) {
    std::filesystem::copy_file(soundgen::DefaultSourceFolder() / (std::string(name) + ".tune"),
                               sources.path() / (std::string(name) + ".tune"));
  }
  std::ofstream(sources.path() / "bigband.tune", std::ios::app) << "play nowhere\n";
  TempFolder out;
  EXPECT_THROW(soundgen::GenerateAll(out.path(), sources.path()), soundgen::NotationError);
  EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

}  // namespace
}  // namespace vexlor
