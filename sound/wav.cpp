// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wav.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "sound/file_bytes.h"

namespace vexlor {
namespace {

using file_bytes::Little16;
using file_bytes::Little32;
using file_bytes::Tag;

// SDL's loader gives up on a file of more chunks than this.
constexpr int kMaxChunks = 10000;

// The sub-format GUID of WAVE_FORMAT_EXTENSIBLE for format tag `tag`.
bool IsFormatGuid(const unsigned char* p, uint16_t tag) {
  static constexpr unsigned char kTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                              0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
  return Little16(p) == tag && std::memcmp(p + 2, kTail, sizeof kTail) == 0;
}

// One chunk of a WAV image: where its header starts, the length the header
// claims and how many of those bytes the image holds.
struct Chunk {
  std::size_t at;
  uint32_t claimed;
  std::size_t present;
  const unsigned char* body;
};

// Calls `visit` for the chunks of a RIFF WAVE image as SDL's loader finds
// them, until it returns false: from offset 12, each header wholly in the
// image, up to the end the RIFF header gives (the whole image when it gives
// 0), the chunks padded to even lengths, no more than SDL reads. False when
// the bytes are no RIFF WAVE image.
template <typename Visit>
bool ForEachChunk(std::span<const unsigned char> wav, Visit visit) {
  if (wav.size() < 12 || !Tag(wav.data(), "RIFF") || !Tag(wav.data() + 8, "WAVE")) return false;
  const uint64_t riffLength = Little32(wav.data() + 4);
  const uint64_t end = riffLength == 0 ? UINT64_MAX : 8 + riffLength;
  uint64_t at = 12;
  for (int count = 0; count < kMaxChunks && at < end && at + 8 <= wav.size(); ++count) {
    const auto start = static_cast<std::size_t>(at);
    const uint32_t claimed = Little32(wav.data() + start + 4);
    const std::size_t available = wav.size() - start - 8;
    const Chunk chunk{start, claimed, claimed < available ? claimed : available,
                      wav.data() + start + 8};
    if (!visit(chunk)) break;
    at += 8 + static_cast<uint64_t>(claimed) + (claimed & 1u);
  }
  return true;
}

// What the duration needs of a fmt chunk: the frame size and the sample rate
// of a format SDL's loader decodes, PCM of 8, 16, 24 or 32 bits or 32-bit
// float, plain or in the extensible header, 1 to 255 channels, each frame
// exactly its samples long. Nothing for any other.
struct Frames {
  uint32_t bytes;
  uint32_t rate;
};
std::optional<Frames> FramesOf(const Chunk& fmt) {
  if (fmt.present < 16) return std::nullopt;
  const unsigned char* p = fmt.body;
  uint16_t encoding = Little16(p);
  const uint16_t channels = Little16(p + 2);
  const uint32_t rate = Little32(p + 4);  // frames a second (p + 8 is the stated byte rate)
  const uint16_t blockAlign = Little16(p + 12);
  const uint16_t bits = Little16(p + 14);
  if (encoding == 0xFFFE) {  // WAVE_FORMAT_EXTENSIBLE: the format is in its GUID
    if (fmt.present < 40 || Little16(p + 16) < 22) return std::nullopt;
    encoding = IsFormatGuid(p + 24, 1) ? 1 : IsFormatGuid(p + 24, 3) ? 3 : 0;
  }
  const bool pcm = encoding == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool floats = encoding == 3 && bits == 32;
  if (!pcm && !floats) return std::nullopt;
  if (channels == 0 || channels > 255 || rate == 0 || rate > INT32_MAX) return std::nullopt;
  if (static_cast<uint32_t>(blockAlign) * 8 != static_cast<uint32_t>(channels) * bits) {
    return std::nullopt;
  }
  return Frames{blockAlign, rate};
}

}  // namespace

std::optional<int64_t> WavDurationMs(std::span<const unsigned char> wav) {
  std::optional<Frames> frames;
  bool fmtSeen = false;
  std::optional<int64_t> duration;
  ForEachChunk(wav, [&](const Chunk& chunk) {
    if (Tag(wav.data() + chunk.at, "fmt ") && !fmtSeen) {  // the first fmt chunk counts
      fmtSeen = true;
      frames = FramesOf(chunk);
      return frames.has_value();
    }
    if (!Tag(wav.data() + chunk.at, "data")) return true;
    // The first data chunk, after the format; a cut file plays what it has.
    if (frames) {
      const uint64_t count = chunk.present / frames->bytes;
      const uint64_t ms = count * 1000 / frames->rate;
      if (ms <= static_cast<uint64_t>(kMaxCueMs)) duration = static_cast<int64_t>(ms);
    }
    return false;
  });
  return duration;
}

std::optional<std::vector<unsigned char>> WavCutToSize(std::span<const unsigned char> wav) {
  std::optional<std::vector<unsigned char>> cut;
  ForEachChunk(wav, [&](const Chunk& chunk) {
    if (!Tag(wav.data() + chunk.at, "data")) return true;
    if (chunk.present < chunk.claimed) {
      cut.emplace(wav.begin(), wav.end());
      for (std::size_t i = 0; i < 4; ++i)
        (*cut)[chunk.at + 4 + i] = static_cast<unsigned char>(chunk.present >> (8 * i));
    }
    return false;
  });
  return cut;
}

}  // namespace vexlor
