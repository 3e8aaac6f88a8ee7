// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/player_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "config/file_lookup.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

fs::path PlayerFolderFor(std::string_view dataHome, std::string_view home,
                         std::string_view passwordHome) {
  // Only absolute folders count: a relative one would depend on where the game was started.
  const auto absolute = [](std::string_view folder) {
    return !folder.empty() && folder.front() == '/';
  };
  if (absolute(dataHome)) return fs::path(dataHome) / kDataFolderName;
  for (std::string_view candidate : {home, passwordHome}) {
    if (absolute(candidate)) return fs::path(candidate) / ".local" / "share" / kDataFolderName;
  }
  return {};
}

fs::path DefaultPlayerFolder() {
  const fs::path folder = PlayerFolderFor(Env("XDG_DATA_HOME"), Env("HOME"), "");
  return folder.empty() ? PlayerFolderFor("", "", PasswordHome()) : folder;
}

std::string PasswordHome() {
  const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr) {
    return "";
  }
  return found->pw_dir;
}

}  // namespace vexlor
