// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"

namespace vexlor {

// A file the game ships and reads, where the game reads it.
struct GameFile {
  std::string kind;  // "manual", "cue", "tune" or "audio" (the sound module)
  std::string path;
  bool found = false;
};

// The manual, the nine cues, the five tunes and the audio module as the game resolves them for
// `state`'s identity (after SetIdentity and ReadTestingConfig).
std::vector<GameFile> LocateGameFiles(const GameState& state);

// `vexlorslots --files`: prints the data folders and then one line per game
// file, marking those missing, for the executable at `executablePath`
// (with its Testing.ini). Returns the exit status: 0 when every file was found.
int PrintGameFiles(const std::string& executablePath);

}  // namespace vexlor
