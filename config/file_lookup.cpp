// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/file_lookup.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <system_error>

#include "config/player_folder.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

bool SameNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// folder + name as text, as the game has always joined them: a name that
// starts with a separator is still read under the folder.
fs::path Join(const fs::path& folder, std::string_view name) {
  std::string joined = folder.string();
  if (joined.empty() || joined.back() != '/') joined += '/';
  return fs::path(joined.append(name));
}

// Adds `folder` when it exists and is none of `taken`.
void AddFolder(std::vector<fs::path>& taken, const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return;
  for (const fs::path& other : taken) {
    if (fs::equivalent(folder, other, error)) return;
  }
  taken.push_back(folder);
}

// The names in each folder listed so far, sorted; a folder that cannot be
// listed (missing, unreadable) has none.
struct Listings {
  std::mutex mutex;
  std::map<fs::path, std::vector<std::string>> names;
  std::size_t made = 0;
};

Listings& FolderListings() {
  static Listings listings;
  return listings;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
  fs::path key = folder.lexically_normal();
  if (!key.has_filename() && key.has_parent_path()) key = key.parent_path();
  Listings& listings = FolderListings();
  const std::lock_guard lock(listings.mutex);
  const auto kept = listings.names.find(key);
  if (kept != listings.names.end()) return kept->second;
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  ++listings.made;
  return listings.names.emplace(std::move(key), std::move(names)).first->second;
}

}  // namespace

bool IsFileEntry(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  return fs::exists(status) && !fs::is_directory(status);
}

std::optional<fs::path> FindFileNoCase(const fs::path& folder, std::string_view name) {
  if (name.empty()) return std::nullopt;
  const fs::path exact = folder / fs::path(name);
  if (IsFileEntry(exact)) return exact;

  for (const std::string& candidate : NamesIn(folder)) {
    if (SameNoCase(candidate, name) && IsFileEntry(folder / candidate)) return folder / candidate;
  }
  return std::nullopt;
}

std::size_t FolderListingsMade() {
  Listings& listings = FolderListings();
  const std::lock_guard lock(listings.mutex);
  return listings.made;
}

void ForgetFolderListings() {
  Listings& listings = FolderListings();
  const std::lock_guard lock(listings.mutex);
  listings.names.clear();
}

std::vector<fs::path> DataFolders(const fs::path& appDir) {
  std::vector<fs::path> folders;
  std::error_code error;
  const fs::path player = DefaultPlayerFolder();
  if (fs::is_directory(player, error) && !fs::equivalent(player, appDir, error))
    folders.push_back(player);
  folders.push_back(appDir);  // always searched, and named when a file is missing
  AddFolder(folders, (appDir / ".." / "share" / kDataFolderName).lexically_normal());
  return folders;
}

fs::path FindDataFile(const fs::path& appDir, std::string_view name) {
  for (const fs::path& folder : DataFolders(appDir)) {
    fs::path candidate = Join(folder, name);
    if (IsFileEntry(candidate)) return candidate;
  }
  return Join(appDir, name);
}

std::optional<fs::path> FindDataFileNoCase(const fs::path& appDir, std::string_view name) {
  for (const fs::path& folder : DataFolders(appDir)) {
    if (auto found = FindFileNoCase(folder, name)) return found;
  }
  return std::nullopt;
}

}  // namespace vexlor
