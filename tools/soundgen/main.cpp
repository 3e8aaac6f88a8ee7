// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the game's cues and tunes: vexlor_soundgen OUTDIR [SOURCES]
// SOURCES is the folder of tune files, assets/sounds of this source tree
// unless given.
#include <cstdio>
#include <exception>

#include "tools/soundgen/generate.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vexlor_soundgen OUTDIR [SOURCES]\n");
    return 2;
  }
  try {
    const auto sources =
        argc == 3 ? std::filesystem::path(argv[2]) : vexlor::soundgen::DefaultSourceFolder();
    vexlor::soundgen::GenerateAll(argv[1], sources);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vexlor_soundgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
