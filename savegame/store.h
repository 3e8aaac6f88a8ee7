#pragma once

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

// A save the file system refused. The text names the store file without its
// folder: "Unable to write to vexlorslots.ini".
class StoreWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the saved games live and how today's date is written there.
struct GameStore {
  std::filesystem::path file;
  std::function<std::string()> today;  // "mm/dd/yy" with the locale's separator
};

// ${XDG_DATA_HOME:-$HOME/.local/share}/vexlorslots: the store's folder.
std::filesystem::path DefaultStoreFolder();

// The store of this executable: DefaultStoreFolder() / (ExeStem + ".ini").
GameStore MakeGameStore(const GameState& state, std::function<std::string()> today);

// "CurrentGame" for slot 8, else "GameNo" + (slot + 1).
std::string SlotSection(int slotIndex);

// "mm/dd/yy" with `separator` in place of "/".
std::string FormatStoreDate(int year, int month, int day, char separator);

// Saves the game's nine stored fields into a slot's section (save = true) under
// `gameName`, dated today, or loads them from it (save = false; the name is
// not used). A missing or unreadable value loads as its default: the section's
// name, today, 1000 credits, 1000 borrowed, 0 for the rest. A refused write
// throws StoreWriteError; the keys written before it stay written and the rest
// of that save is not.
void TransferGame(GameState& state, const GameStore& store, int slotIndex, bool save,
                  std::string_view gameName);

}  // namespace vexlor
