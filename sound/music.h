// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "engine/game_state.h"
#include "sound/audio_device.h"
#include "sound/game_sound.h"

namespace vexlor {

// Whether a file exists; the music rotation asks before each move.
using FileExists = std::function<bool(const std::string& path)>;
bool FileExistsOnDisk(const std::string& path);

// MusicFiles: AssetPrefix + N + ".mid" for N = 0..4, each in the first data
// folder that has it in any letter case (AppDir first; AppDir when none has).
void SetMusicFiles(GameState& state);

// Moves MusicTrack to the next tune whose file exists, in index order and
// round again; 9 when none exists.
void NextMusicTrack(GameState& state, const FileExists& exists);

// The end of start-up: the first existing tune becomes the current one and,
// with Music on, is marked for starting (the poll or the next spin starts
// it); then the start-up cue.
void StartMusicAtStartUp(GameState& state, GameSound& sound, const FileExists& exists);

// The music poll, every 100 ms: starts a tune marked for starting.
void PollMusic(GameState& state, GameSound& sound);

// The player's report that a tune stopped: after a tune that played to its
// end, with Music on, the next one starts there and then (opening it closes
// the one that ended; with no tune file left, the player is closed). Other
// endings (superseded, aborted, failed) change nothing.
void OnTuneEnded(GameState& state, GameSound& sound, TuneEnd end, const FileExists& exists);

// The Options menu's switches. Music off closes the player at once; on, it
// plays the current tune again from its beginning.
void SwitchSound(GameState& state);
void SwitchMusic(GameState& state, GameSound& sound);

}  // namespace vexlor
