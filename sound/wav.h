// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vexlor {

// The longest cue played: three minutes, which the device holds decoded in
// about 32 MB, however few bytes a file takes to give them.
inline constexpr int64_t kMaxCueMs = 180'000;

// How long a WAV image plays, in milliseconds: its sample frames over its
// sample rate, read from its format and data chunks the way the decoder
// (SDL's) reads them, not from the byte rate the header states. Nothing when
// the bytes are not a PCM or float WAV file that the decoder plays, or when it
// plays longer than kMaxCueMs.
std::optional<int64_t> WavDurationMs(std::span<const unsigned char> wav);

// A cut WAV image as a decoder should be given it: the copy of the image with
// its data chunk's length cut to the bytes the image holds. SDL's decoder sets
// aside the whole length a data chunk claims before reading it, up to 4 GB
// for a file of a few bytes. Nothing when the image is whole or is no WAV image.
std::optional<std::vector<unsigned char>> WavCutToSize(std::span<const unsigned char> wav);

}  // namespace vexlor
