// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "savegame/store.h"

namespace vexlor {

// A store the game could not rewrite without losing part of it: lines that
// are no INI, a NUL byte, more than 16 MB.
struct KeptStore {
  std::filesystem::path kept;  // the old store, whole, under its new name
  std::string why;             // "it is not INI text", "it is larger than 16 MB"
  bool renewed = false;        // the games it held stand in a new store
};

// At start: such a store is set aside whole as STORE.kept-STAMP (never changed
// or deleted), and the games the profile rules read from it (the current game
// and the eight slots, from its first 16 MB) go into a new store, so that
// play goes on with them and saves work again. Nothing when the store is
// missing or may be rewritten.
std::optional<KeptStore> KeepAsideUnwritableStore(const GameStore& store, std::string_view stamp);

}  // namespace vexlor
