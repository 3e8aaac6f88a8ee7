// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/wav_file.h"

#include <cmath>
#include <fstream>
#include <numbers>
#include <string_view>

namespace vexlor::testing {
namespace {

constexpr uint32_t kRate = 8000;

void Put32(std::vector<unsigned char>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}
void Put16(std::vector<unsigned char>& out, uint16_t v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}
void PutTag(std::vector<unsigned char>& out, std::string_view tag) {
  for (char c : tag)
    out.push_back(static_cast<unsigned char>(c));
}

}  // namespace

std::vector<unsigned char> WavImage(int durationMs) {
  const uint32_t samples = kRate * static_cast<uint32_t>(durationMs) / 1000;
  std::vector<unsigned char> out;
  PutTag(out, "RIFF");
  Put32(out, 36 + 2 * samples);
  PutTag(out, "WAVEfmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, kRate);
  Put32(out, kRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, 2 * samples);
  for (uint32_t i = 0; i < samples; ++i) {
    const double t = static_cast<double>(i) / kRate;
    Put16(out, static_cast<uint16_t>(
                   static_cast<int16_t>(3000 * std::sin(2 * std::numbers::pi * 440 * t))));
  }
  return out;
}

void WriteWav(const std::filesystem::path& path, int durationMs) {
  const std::vector<unsigned char> bytes = WavImage(durationMs);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vexlor::testing
