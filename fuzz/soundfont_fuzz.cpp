// SPDX-License-Identifier: GPL-3.0-or-later
// Soundfont files through the cut the tunes' synthesizer loads: the input is
// written as the soundfont and cut to the presets of a few programs. A cut
// must read back whole, and cutting it again to the same programs must give
// it unchanged (every preset and instrument it holds is one it needs, its
// tables point where they did). Then the synthesizer loads the presets, as
// the game does when a tune starts, and plays a note, so that FluidSynth
// reads the cut's samples through the game's reader.
#include <fluidsynth.h>

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "sound/soundfont_cut.h"
#include "sound/tune_synth.h"

namespace {

using vexlor::fuzz::Require;

// One piano note of a tenth of a second, then the organ's program.
const unsigned char kNote[] = {'M',  'T',  'h', 'd', 0,    0,    0,  6,    0,    0,    0,    1,  0,
                               96,   'M',  'T', 'r', 'k',  0,    0,  0,    15,   0x00, 0x90, 60, 90,
                               0x14, 0x80, 60,  0,   0x00, 0xC0, 16, 0x00, 0xFF, 0x2F, 0x00};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::vector<unsigned char> ReadCut(const vexlor::SoundFontCut& cut) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(cut.path.c_str(), "rb"));
  std::vector<unsigned char> bytes(cut.Size());
  Require(file && cut.Read(file.get(), 0, bytes.data(), bytes.size()), "a cut reads back whole");
  Require(!cut.Read(file.get(), 1, bytes.data(), bytes.size()), "nothing is read past its end");
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const vexlor::fuzz::ScratchFolder folder;
  static const bool quiet = [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
      fluid_set_log_function(level, nullptr, nullptr);
    return true;
  }();
  (void)quiet;
  folder.Clear();
  const std::string font = folder.Write("font.sf2", data, size).string();
  std::bitset<128> programs;
  programs.set(0).set(16).set(size % 128);

  if (const std::optional<vexlor::SoundFontCut> cut = vexlor::CutSoundFont(font, programs)) {
    const std::vector<unsigned char> bytes = ReadCut(*cut);
    const std::string again = folder.Write("cut.sf2", bytes.data(), bytes.size()).string();
    const std::optional<vexlor::SoundFontCut> recut = vexlor::CutSoundFont(again, programs);
    Require(recut && recut->fileBytes == cut->fileBytes && recut->presets == cut->presets,
            "a cut cut again to its programs stays as it is");
  }

  vexlor::TuneSynth synth(44100);
  synth.LoadPrograms(font, programs);  // FluidSynth may turn it down: then nothing plays
  if (synth.Loaded() && synth.Start(kNote)) {
    std::vector<int16_t> round(2048 * 2);
    for (int i = 0; i < 4 && synth.MixInto(round.data(), 2048); ++i) {
    }
  }
  return 0;
}
