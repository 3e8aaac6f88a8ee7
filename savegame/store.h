// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/game_state.h"

namespace vexlor {

inline constexpr int kSavedSlotCount = 8;  // slots 0..7 are GameNo1..GameNo8
inline constexpr int kCurrentGameSlot = 8;
inline constexpr std::string_view kCurrentGameName = "CurrentGame";
inline constexpr std::string_view kNoStoreMessage =
    "No home folder was found for this user, so games cannot be stored";

// A save the file system refused. The text names the store file without its
// folder: "Unable to write to vexlorslots.ini", followed by the reason when
// the file holds what the game cannot read whole (not INI text, or too large)
// and is therefore never replaced.
class StoreWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the saved games live and how today's date is written there. An empty
// file means that games cannot be stored: every save is refused.
struct GameStore {
  std::filesystem::path file;
  std::function<std::string()> today;  // "mm/dd/yy" with the locale's separator
};

// The store's folder: DATA_HOME/vexlorslots, where DATA_HOME is $XDG_DATA_HOME,
// else HOME/.local/share with HOME from $HOME, else from the password
// database. Relative folders are passed over. Empty when there is no home at all.
std::filesystem::path StoreFolderFor(std::string_view dataHome, std::string_view home,
                                     std::string_view passwordHome);
// StoreFolderFor with this process's environment and this user's entry.
std::filesystem::path DefaultStoreFolder();
// The state folder, where a game the store refuses is rescued when the
// store's own folder refuses it too: $XDG_STATE_HOME/vexlorslots, else
// HOME/.local/state/vexlorslots. Empty without a home.
std::filesystem::path DefaultStateFolder();

// "CurrentGame" for slot 8, else "GameNo" + (slot + 1).
std::string SlotSection(int slotIndex);

// The nine keys of a section, in the order a save writes them.
inline constexpr std::array<std::string_view, 9> kStoreKeys = {"GameName", "GameDate", "Credits",
                                                               "Borrowed", "Spins",    "TotalBets",
                                                               "BonusWon", "BonusPts", "Nudges"};

// "mm/dd/yy" with `separator` in place of "/".
std::string FormatStoreDate(int year, int month, int day, char separator);

// Saves the game's nine stored fields into a slot's section (save = true) under
// `gameName`, dated today, or loads them from it (save = false; the name is
// not used). A missing or unreadable value loads as its default: the section's
// name, today, 1000 credits, 1000 borrowed, 0 for the rest. A save is all or
// nothing: a refused write throws StoreWriteError and leaves the file as it was.
void TransferGame(GameState& state, const GameStore& store, int slotIndex, bool save,
                  std::string_view gameName);

// The live game in and out of the store. Coins placed but not yet spun are
// stored as credits, so leaving never costs a coin, and taken back out of
// the credits when a game is restored while they are still placed: parking
// the live game and restoring it gives back exactly what was parked. Storing
// does not change the live game.
void StoreLiveGame(const GameState& state, const GameStore& store, int slotIndex,
                   std::string_view gameName);
void RestoreLiveGame(GameState& state, const GameStore& store, int slotIndex);

// A saved game loaded to be played: TransferGame's load, with BonusPts kept
// to the meter's 0..12.
void OpenStoredGame(GameState& state, const GameStore& store, int slotIndex);

}  // namespace vexlor
