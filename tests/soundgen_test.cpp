// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <vector>

#include "tests/support/temp_folder.h"
#include "tools/soundgen/generate.h"
#include "tools/soundgen/notation.h"

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

TEST(SoundGen, AFaultyTuneStopsTheGeneratorBeforeItWritesAnything) {
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
