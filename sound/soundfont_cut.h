// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vexlor {

// A SoundFont 2 file cut down to the presets of some programs. FluidSynth
// holds every preset and instrument zone of a soundfont it loads in a table
// of about 2 KiB (5.6 MiB for the standard General MIDI soundfont); a cut
// holds those of the programs the tunes choose. The cut is the file's own
// bytes up to its preset data, then those data rewritten: the samples stay
// where they were, read from the file when FluidSynth asks for them.
struct SoundFontCut {
  std::string path;                    // the soundfont file
  uint64_t fileBytes = 0;              // its bytes the cut reads, from the start
  std::vector<unsigned char> presets;  // the rewritten preset data, after them
  uint32_t riffSize = 0;               // the cut's own RIFF size, in place of the file's

  uint64_t Size() const { return fileBytes + presets.size(); }
  // Copies `count` bytes from `at` of the cut into `out`, reading what lies
  // in the file from `file`. False past the cut's end or when the file fails.
  bool Read(std::FILE* file, uint64_t at, unsigned char* out, uint64_t count) const;
};

// The cut of the soundfont at `path` that holds every preset of `programs`,
// in every bank, and the instruments they use. Nothing when the file is not
// a soundfont laid out as the standard lays it out (its preset data last),
// when its preset data are damaged, or when no preset has those programs.
std::optional<SoundFontCut> CutSoundFont(const std::string& path, const std::bitset<128>& programs);

}  // namespace vexlor
