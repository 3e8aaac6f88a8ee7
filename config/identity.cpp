// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/identity.h"

#include <filesystem>

#include "config/file_lookup.h"
#include "config/plain_file.h"
#include "config/profile.h"
#include "engine/short_string.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kWindowsExtension = ".exe";

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - suffix.size());
  for (std::size_t i = 0; i < suffix.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(tail[i]) != lower(suffix[i])) return false;
  }
  return true;
}

}  // namespace

void SetIdentity(GameState& state, std::string_view executablePath) {
  const fs::path path{std::string(executablePath)};
  std::string folder = path.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  state.AppDir = folder;

  std::string name = path.filename().string();
  if (EndsWithNoCase(name, kWindowsExtension)) name.resize(name.size() - kWindowsExtension.size());
  state.ExeStem = name;

  state.AboutName = kDefaultAboutName;
  state.WebPageName = std::string(kDefaultWebPageName);
  static_assert(kDefaultVersionText.size() <= decltype(state.VersionText)::kMaxChars,
                "the version box holds seven characters");
  state.VersionText = kDefaultVersionText;
  state.AssetPrefix = std::string(kDefaultAssetPrefix);
}

bool ReadTestingConfig(GameState& state, std::string* problem) {
  const auto file = FindDataFileNoCase(state.AppDir, kTestingFileName);
  if (!file) return false;
  const std::string root = ReadProfileString(*file, "Settings", "SoundRoot", state.AssetPrefix);
  if (root.find_first_of("/\\") == std::string::npos && root.find("..") == std::string::npos) {
    state.AssetPrefix = root;
  } else if (problem != nullptr) {
    *problem = "SoundRoot in " + file->filename().string() +
               " is the start of file names, not a path: \"" + CutToChars(root, 60) +
               "\" is not used";
  }
  state.AboutName = ReadProfileString(*file, "Settings", "AboutName", state.AboutName);
  state.WebPageName = ReadProfileString(*file, "Settings", "WebPageName", state.WebPageName);
  return true;
}

std::string ManualMenuCaption(const GameState& state) {
  return "&" + state.AboutName.str() + " Manual";
}

std::string ManualFilePath(const GameState& state, std::string_view language) {
  if (!language.empty()) {
    const fs::path translated =
        FindDataFile(state.AppDir, state.ExeStem + "." + std::string(language) + ".html");
    if (IsPlainFile(translated)) return translated.string();
  }
  return FindDataFile(state.AppDir, state.ExeStem + ".html").string();
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

}  // namespace vexlor
