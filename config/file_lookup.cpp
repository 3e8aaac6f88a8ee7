#include "config/file_lookup.h"

#include <algorithm>
#include <cctype>
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

bool IsRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

std::optional<fs::path> FindFileNoCase(const fs::path& folder, std::string_view name) {
  if (name.empty()) return std::nullopt;
  const fs::path exact = folder / fs::path(name);
  if (IsRegularFile(exact)) return exact;

  std::optional<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& candidate = it->path();
    if (!SameNoCase(candidate.filename().string(), name) || !IsRegularFile(candidate)) continue;
    if (!found || candidate.filename() < found->filename()) found = candidate;
  }
  return found;
}

}  // namespace vexlor
