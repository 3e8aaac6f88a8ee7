// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/kept_store.h"

#include <unistd.h>

#include <vector>

#include "config/plain_file.h"
#include "config/profile.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

// The store's text anew: every section of the nine the old text holds, with
// the keys it holds, as the profile rules read them.
std::optional<std::string> Renewed(std::string_view old) {
  std::string text;
  for (int slot = 0; slot <= kCurrentGameSlot; ++slot) {
    const std::string section = SlotSection(slot);
    const auto values = ProfileValuesFromText(old, section, kStoreKeys);
    std::vector<ProfileEntry> entries;
    for (std::size_t i = 0; i < kStoreKeys.size(); ++i) {
      if (values[i]) entries.push_back({kStoreKeys[i], *values[i]});
    }
    if (entries.empty()) continue;
    std::optional<std::string> next = SetProfileValuesInText(text, section, entries);
    if (!next) return std::nullopt;
    text = std::move(*next);
  }
  return text;
}

fs::path FreeName(const fs::path& file, std::string_view stamp) {
  const std::string base = file.string() + ".kept-" + std::string(stamp);
  fs::path name = base;
  std::error_code error;
  for (int n = 2; fs::exists(fs::symlink_status(name, error)); ++n)
    name = base + "-" + std::to_string(n);
  return name;
}

}  // namespace

std::optional<KeptStore> KeepAsideUnwritableStore(const GameStore& store, std::string_view stamp) {
  if (store.file.empty()) return std::nullopt;
  std::error_code error;
  // A link to the store: the file it names is the one kept and renewed.
  const fs::path file = fs::is_symlink(fs::symlink_status(store.file, error))
                            ? fs::weakly_canonical(store.file, error)
                            : store.file;
  const std::string why = ProfileFileProblem(file);
  if (why.empty()) return std::nullopt;
  const PlainFile old = ReadPlainFile(file, kProfileMaxFileBytes, kProfileMaxFileBytes);
  if (old.result != PlainRead::Read && old.result != PlainRead::TooLarge) return std::nullopt;

  KeptStore kept{FreeName(file, stamp), why, false};
  // The old file gets its second name first, so that a crash at any moment
  // leaves it whole under one of them.
  if (::link(file.c_str(), kept.kept.c_str()) != 0) {
    fs::copy_file(file, kept.kept, error);
    if (error) return std::nullopt;
  }
  const std::optional<std::string> renewed = Renewed(old.bytes);
  kept.renewed = renewed && ReplaceWholeFile(file, *renewed);
  return kept;
}

}  // namespace vexlor
