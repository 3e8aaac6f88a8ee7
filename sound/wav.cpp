#include "sound/wav.h"

#include <string_view>

namespace vexlor {
namespace {

uint32_t Little32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Little16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

bool Tag(const unsigned char* p, std::string_view tag) {
  return std::string_view(reinterpret_cast<const char*>(p), 4) == tag;
}

}  // namespace

std::optional<int64_t> WavDurationMs(std::span<const unsigned char> wav) {
  if (wav.size() < 12 || !Tag(wav.data(), "RIFF") || !Tag(wav.data() + 8, "WAVE")) {
    return std::nullopt;
  }
  uint32_t bytesPerSecond = 0;
  std::size_t at = 12;
  while (at + 8 <= wav.size()) {
    const unsigned char* chunk = wav.data() + at;
    const uint64_t size = Little32(chunk + 4);
    const uint64_t available = wav.size() - at - 8;
    if (Tag(chunk, "fmt ")) {
      if (size < 16 || available < 16) return std::nullopt;
      const uint16_t format = Little16(chunk + 8);
      if (format != 1 && format != 3 && format != 0xFFFE) return std::nullopt;  // PCM or float
      bytesPerSecond = Little32(chunk + 16);
    } else if (Tag(chunk, "data")) {
      if (bytesPerSecond == 0) return std::nullopt;
      const uint64_t data = size < available ? size : available;  // a cut file plays what it has
      return static_cast<int64_t>(data * 1000 / bytesPerSecond);
    }
    at += 8 + static_cast<std::size_t>(size) + (size & 1);  // chunks are padded to even sizes
    if (size > available) break;
  }
  return std::nullopt;
}

}  // namespace vexlor
