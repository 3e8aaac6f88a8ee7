// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vexlor {

// The player's own folder of the game, DATA_HOME/vexlorslots, where the store
// is kept and the player's replacement files are read first. DATA_HOME is
// `dataHome`, else HOME/.local/share with HOME from `home`, else from
// `passwordHome`; relative folders are passed over. Empty without any home.
std::filesystem::path PlayerFolderFor(std::string_view dataHome, std::string_view home,
                                      std::string_view passwordHome);

// PlayerFolderFor with $XDG_DATA_HOME, $HOME and this user's password entry.
std::filesystem::path DefaultPlayerFolder();

// The home folder the password database gives this user, or "" when it has none.
std::string PasswordHome();

}  // namespace vexlor
