// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/music.h"

#include <filesystem>

#include "config/file_lookup.h"
#include "engine/spin.h"

namespace vexlor {

bool FileExistsOnDisk(const std::string& path) {
  return IsFileEntry(path);
}

void SetMusicFiles(GameState& state) {
  for (int n = 0; n < kTuneCount; ++n) {
    const std::string name = state.AssetPrefix + std::to_string(n) + ".mid";
    state.MusicFiles[static_cast<std::size_t>(n)] = CutToChars(
        FindDataFileNoCase(state.AppDir, name).value_or(FindDataFile(state.AppDir, name)).string(),
        255);
  }
}

void NextMusicTrack(GameState& state, const FileExists& exists) {
  bool any = false;
  for (const std::string& file : state.MusicFiles)
    any = any || exists(file);
  if (!any) {
    state.MusicTrack = kNoTunes;
    return;
  }
  int32_t track = state.MusicTrack;
  do {
    track = (track + 1) % kTuneCount;
  } while (!exists(state.MusicFiles[static_cast<std::size_t>(track)]));
  state.MusicTrack = track;
}

void StartMusicAtStartUp(GameState& state, GameSound& sound, const FileExists& exists) {
  // The first existing tune is the current one even with Music off, so that
  // switching Music on plays a tune that is there.
  state.MusicTrack = -1;
  NextMusicTrack(state, exists);
  if (state.MusicOn && state.MusicTrack != kNoTunes) state.MusicTrack += kTuneStartMark;
  sound.PlayStartCue();
}

void PollMusic(GameState& state, GameSound& sound) {
  StartPendingTune(state, sound);
}

void OnTuneEnded(GameState& state, GameSound& sound, TuneEnd end, const FileExists& exists) {
  if (end != TuneEnd::Successful || !state.MusicOn) return;
  NextMusicTrack(state, exists);
  if (state.MusicTrack == kNoTunes) {
    sound.Device().CloseTune();
    return;
  }
  // At once, not at the next poll: the device opens the next tune while the
  // last notes of this one die away, and starts it as it closes this one.
  sound.PlayTune(state.MusicFiles[static_cast<std::size_t>(state.MusicTrack)]);
}

void SwitchSound(GameState& state) {
  state.SoundOn = !state.SoundOn;
}

void SwitchMusic(GameState& state, GameSound& sound) {
  state.MusicOn = !state.MusicOn;
  if (!state.MusicOn) {
    sound.Device().CloseTune();
    return;
  }
  if (state.MusicTrack == kNoTunes) return;
  // A tune marked for starting is the one to play now.
  const int32_t track = state.MusicTrack % kTuneStartMark;
  if (track >= 0 && track < kTuneCount) {
    state.MusicTrack = track;
    sound.PlayTune(state.MusicFiles[static_cast<std::size_t>(track)]);
  }
}

}  // namespace vexlor
