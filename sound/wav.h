#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vexlor {

// How long a WAV image plays, in milliseconds, read from its format and data
// chunks; nothing when the bytes are not a PCM WAV file that can be played.
std::optional<int64_t> WavDurationMs(std::span<const unsigned char> wav);

}  // namespace vexlor
