// SPDX-License-Identifier: GPL-3.0-or-later
// The tunes as MIDI files, read back by a reader of the test's own, and the
// notation of the tune sources.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "assets/sounds/sounds.h"
#include "tools/soundgen/generate.h"
#include "tools/soundgen/notation.h"
#include "tools/soundgen/song.h"

namespace vexlor {
namespace {

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

// The time of a tick by the tempo map of all tracks (120 beats a minute until the first tempo).
double SecondsAt(const Midi& midi, std::int64_t at) {
  std::map<std::int64_t, double> tempo;  // tick -> microseconds a quarter
  for (const auto& track : midi.tracks) {
    for (const MidiEvent& e : track) {
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
    if (tick >= at) break;
    seconds += (tick - from) * perQuarter / midi.division / 1e6;
    from = tick;
    perQuarter = micros;
  }
  return seconds + (at - from) * perQuarter / midi.division / 1e6;
}

// To the last event of the longest track: where the player ends the tune.
double Seconds(const Midi& midi) {
  std::int64_t last = 0;
  for (const auto& track : midi.tracks) {
    for (const MidiEvent& e : track)
      last = std::max(last, e.tick);
  }
  return SecondsAt(midi, last);
}

bool IsNoteOn(const MidiEvent& e) {
  return (e.status & 0xf0) == 0x90 && e.data2 > 0;
}
bool IsNoteOff(const MidiEvent& e) {
  return (e.status & 0xf0) == 0x80 || ((e.status & 0xf0) == 0x90 && e.data2 == 0);
}

TEST(Tunes, AreStandardMidiFilesOfHalfAMinuteToNinetySecondsThatEndAsTheirLastNoteDiesAway) {
  // The game starts the next tune where a tune's file ends: a file that goes
  // on after its last note is silence between the tunes. The tail lets the
  // last notes die away, and no more.
  ASSERT_LE(soundgen::kEndTailMs, 500);
  for (const sounds::Tune& tune : sounds::Tunes()) {
    SCOPED_TRACE(tune.file);
    const soundgen::Song song = soundgen::ReadTune(soundgen::DefaultSourceFolder() / tune.source);
    Midi midi;
    ASSERT_NO_THROW(midi = MidiReader(soundgen::EncodeMidi(song)).Read());
    EXPECT_TRUE(midi.format == 0 || midi.format == 1);
    ASSERT_GE(midi.tracks.size(), 2u);
    const double seconds = Seconds(midi);
    EXPECT_GE(seconds, 30);
    EXPECT_LE(seconds, 90);
    EXPECT_NEAR(seconds, soundgen::DurationSeconds(song), 0.001);  // tempo in whole microseconds

    int notes = 0;
    std::int64_t lastOff = 0;
    std::set<std::int64_t> ends;  // the End of Track of every track
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
          lastOff = std::max(lastOff, e.tick);
        }
      }
      ends.insert(track.back().tick);
      // A note left on would sound into the next tune.
      for (const auto& [voice, open] : sounding)
        EXPECT_EQ(open, 0) << "key " << voice % 128;
    }
    EXPECT_GT(notes, 200);
    ASSERT_EQ(ends.size(), 1u) << "every track ends together";
    EXPECT_NEAR(seconds - SecondsAt(midi, lastOff), soundgen::kEndTailMs / 1000.0,
                SecondsAt(midi, 1));
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
  // The closing rest is not written: the file ends 400 ms after the last note.
  EXPECT_DOUBLE_EQ(Seconds(midi), 1.0 + soundgen::kEndTailMs / 1000.0);
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

}  // namespace
}  // namespace vexlor
