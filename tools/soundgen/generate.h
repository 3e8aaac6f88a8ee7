// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexlor::soundgen {

// assets/sounds of the source tree this generator was built from.
std::filesystem::path DefaultSourceFolder();

// The names of every file GenerateAll writes: the cues, then the tunes.
std::vector<std::string> OutputFiles();

// Synthesizes every cue and converts every tune of `sources` into `outDir`,
// which is created if missing. The same sources always give the same bytes.
// Throws NotationError for a faulty tune, before any file is written, and
// std::runtime_error for a file that cannot be written.
void GenerateAll(const std::filesystem::path& outDir, const std::filesystem::path& sources);

}  // namespace vexlor::soundgen
