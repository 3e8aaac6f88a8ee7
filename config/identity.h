// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "config/version.h"
#include "engine/game_state.h"

namespace vexlor {

inline constexpr std::string_view kApplicationTitle = "Vexlor Slots";
inline constexpr std::string_view kDefaultAboutName = "Vexlor Slots";
inline constexpr std::string_view kDefaultWebPageName = "vexlorslots";
inline constexpr std::string_view kDefaultVersionText = kProgramVersion;
inline constexpr std::string_view kDefaultAssetPrefix = "Vexlor";
inline constexpr std::string_view kTestingFileName = "Testing.ini";

// AppDir and ExeStem from the executable's full path, and the built-in
// AboutName, WebPageName, VersionText and AssetPrefix. The stem drops a final
// ".exe" when the name has one.
void SetIdentity(GameState& state, std::string_view executablePath);

// When a data folder (DataFolders: AppDir first) holds Testing.ini (any
// letter case), the first such file's [Settings] keys
// SoundRoot, AboutName and WebPageName replace AssetPrefix, AboutName and
// WebPageName; a missing key leaves its value alone. SoundRoot is a prefix of
// file names: a value with "/", "\" or ".." is refused, and `problem` says
// so. Returns whether the file was read.
bool ReadTestingConfig(GameState& state, std::string* problem = nullptr);

// "&" + AboutName + " Manual": the Help menu's manual item.
std::string ManualMenuCaption(const GameState& state);

// ExeStem + ".html" in the first data folder that has it (AppDir when none
// has): the manual shown by the help window. With a `language` code such as
// "de", the manual in that language, ExeStem + ".de.html", when a data folder
// holds it as a plain file; else the English one.
std::string ManualFilePath(const GameState& state, std::string_view language = {});

// The text of the common error box (titled kApplicationTitle): the message
// with a full stop added when it does not end with one.
std::string ErrorBoxText(std::string_view message);

}  // namespace vexlor
