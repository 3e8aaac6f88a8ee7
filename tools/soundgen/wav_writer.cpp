// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/soundgen/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vexlor::soundgen {
namespace {

void Put16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xff));
  out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v & 0xffff));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::string EncodeWav(const Samples& samples) {
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBits = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, kChannels);
  Put32(out, kSampleRate);
  Put32(out, kSampleRate * kBlockAlign);
  Put16(out, kBlockAlign);
  Put16(out, kBits);
  out += "data";
  Put32(out, dataBytes);
  for (float x : samples) {
    const double scaled = std::round(std::clamp(static_cast<double>(x), -1.0, 1.0) * 32767);
    Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(scaled)));
  }
  return out;
}

}  // namespace vexlor::soundgen
