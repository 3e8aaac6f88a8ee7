// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vexlor::testing {

// A mono 16-bit PCM WAV image of `durationMs` of a soft tone at 8000 Hz.
std::vector<unsigned char> WavImage(int durationMs);
// Writes WavImage(durationMs) to `path`.
void WriteWav(const std::filesystem::path& path, int durationMs);

}  // namespace vexlor::testing
