// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/game_files.h"

#include <cstdio>
#include <filesystem>

#include "config/file_lookup.h"
#include "config/identity.h"
#include "dialogs/help_window.h"
#include "sound/audio_module.h"
#include "sound/game_sound.h"
#include "sound/music.h"

namespace vexlor {

std::vector<GameFile> LocateGameFiles(const GameState& state) {
  std::vector<GameFile> files;
  const auto add = [&files](std::string kind, std::string path) {
    const bool found = FileExistsOnDisk(path);
    files.push_back({std::move(kind), std::move(path), found});
  };
  add("manual", ManualForUiLanguage(state));
  for (const CueFile& cue : kCueFiles)
    add("cue", CueFilePath(state, cue.ending));
  GameState tunes = state;
  SetMusicFiles(tunes);
  for (const std::string& tune : tunes.MusicFiles)
    add("tune", tune);
  add("audio", AudioModulePath(state.AppDir));
  return files;
}

int PrintGameFiles(const std::string& executablePath) {
  GameState state;
  SetIdentity(state, executablePath);
  ReadTestingConfig(state);
  for (const std::filesystem::path& folder : DataFolders(state.AppDir))
    std::printf("folder %s\n", folder.c_str());
  bool all = true;
  for (const GameFile& file : LocateGameFiles(state)) {
    std::printf("%s %s%s\n", file.kind.c_str(), file.path.c_str(), file.found ? "" : " (missing)");
    all = all && file.found;
  }
  return all ? 0 : 1;
}

}  // namespace vexlor
