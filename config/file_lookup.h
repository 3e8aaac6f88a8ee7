// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace vexlor {

// The installed data folder's name under PREFIX/share.
inline constexpr std::string_view kDataFolderName = "vexlorslots";

// Whether something other than a folder stands at `path`, a link followed. A
// FIFO or a device counts: the game names it when it cannot read it.
bool IsFileEntry(const std::filesystem::path& path);

// The file (IsFileEntry) in `folder` named `name` without regard to ASCII letter
// case: the exact name when it exists, else the first match in name order.
// A folder's names are listed once in the life of the process and kept.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name);

// How many folder listings FindFileNoCase has made; ForgetFolderListings
// drops those kept, for a caller that changes the names in a folder.
std::size_t FolderListingsMade();
void ForgetFolderListings();

// The folders the game reads its files from, in order: the player's folder
// (DefaultPlayerFolder) when it exists, `appDir` (the executable's folder),
// then the installed data folder appDir/../share/vexlorslots; each folder
// only once, and the last only when it exists.
std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& appDir);

// The first file (IsFileEntry) `name` (exact case) in DataFolders(appDir); when
// there is none, appDir / name, so that a message names the usual place.
std::filesystem::path FindDataFile(const std::filesystem::path& appDir, std::string_view name);

// FindFileNoCase in each of DataFolders(appDir), the first folder with a match winning.
std::optional<std::filesystem::path> FindDataFileNoCase(const std::filesystem::path& appDir,
                                                        std::string_view name);

}  // namespace vexlor
