#include "config/file_lookup.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

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

bool IsOtherFolder(const fs::path& folder, const fs::path& other) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return false;
  return !fs::equivalent(folder, other, error);
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

  std::optional<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& candidate = it->path();
    if (!SameNoCase(candidate.filename().string(), name) || !IsFileEntry(candidate)) continue;
    if (!found || candidate.filename() < found->filename()) found = candidate;
  }
  return found;
}

std::vector<fs::path> DataFolders(const fs::path& appDir) {
  std::vector<fs::path> folders{appDir};
  const fs::path installed = (appDir / ".." / "share" / kDataFolderName).lexically_normal();
  if (IsOtherFolder(installed, appDir)) folders.push_back(installed);
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
