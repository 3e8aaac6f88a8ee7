// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "assets/synth/synth.h"

namespace vexlor::soundgen {

// A complete WAV file: 16-bit PCM, mono, kSampleRate, with the plain 44-byte
// header (RIFF, a 16-byte fmt chunk, then data). Samples beyond [-1, 1] are
// clamped; rounding is to the nearest step.
std::string EncodeWav(const Samples& samples);

}  // namespace vexlor::soundgen
