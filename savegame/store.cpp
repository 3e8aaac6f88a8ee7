// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/store.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "config/player_folder.h"
#include "config/profile.h"
#include "savegame/store_integer.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kStoreFolderName = "vexlorslots";

// The stored counters in the order a save writes them, with their defaults.
struct CounterKey {
  const char* key;
  int32_t GameState::*field;
  int32_t fallback;
};
constexpr std::array<CounterKey, 7> kCounterKeys = {{
    {"Credits", &GameState::Credits, 1000},
    {"Borrowed", &GameState::Borrowed, 1000},
    {"Spins", &GameState::Spins, 0},
    {"TotalBets", &GameState::TotalBets, 0},
    {"BonusWon", &GameState::BonusWon, 0},
    {"BonusPts", &GameState::BonusPts, 0},
    {"Nudges", &GameState::Nudges, 0},
}};

StoreWriteError Refused(const GameStore& store) {
  if (store.file.empty()) return StoreWriteError(std::string(kNoStoreMessage));
  std::string text = "Unable to write to " + store.file.filename().string();
  // A store the game cannot read whole is never replaced: the player is told why.
  if (const std::string problem = ProfileFileProblem(store.file); !problem.empty()) {
    text += ": " + problem + ", and is kept as it is";
  } else if (const std::string why = ProfileWriteProblem(store.file); !why.empty()) {
    text += ": " + why;
  }
  return StoreWriteError(text);
}

// Coins placed on a spin that has not started yet; they still belong to the
// player. While a spin runs (the machine is Busy) its coins are bet.
int32_t CoinsNotSpun(const GameState& state) {
  return state.Busy ? 0 : state.CoinsBet;
}

// Writes the nine keys of a save in one replacement of the file.
void Save(const GameState& state, int32_t credits, const GameStore& store,
          const std::string& section, std::string_view gameName) {
  if (store.file.empty()) throw Refused(store);
  std::error_code error;
  fs::create_directories(store.file.parent_path(), error);
  RemoveStaleProfileTemporaries(store.file);
  const std::string date = store.today();
  std::array<std::string, kCounterKeys.size()> numbers;
  std::array<ProfileEntry, 2 + kCounterKeys.size()> entries;
  entries[0] = {"GameName", gameName};
  entries[1] = {"GameDate", date};
  for (std::size_t i = 0; i < kCounterKeys.size(); ++i) {
    const CounterKey& counter = kCounterKeys[i];
    numbers[i] =
        std::to_string(counter.field == &GameState::Credits ? credits : state.*counter.field);
    entries[2 + i] = {counter.key, numbers[i]};
  }
  if (!WriteProfileSection(store.file, section, entries)) throw Refused(store);
}

// Reads the nine keys from one reading of the file, so a save by another copy
// of the game meanwhile cannot mix two games.
void Load(GameState& state, const GameStore& store, const std::string& section) {
  static_assert(kStoreKeys.size() == 2 + kCounterKeys.size());
  const auto values = ReadProfileValues(store.file, section, kStoreKeys);
  // Text an editor wrote in a Windows code page keeps its letters; saves write UTF-8.
  state.GameName = values[0] ? Utf8OrWindows1252(*values[0]) : section;
  state.GameDate = values[1] ? Utf8OrWindows1252(*values[1]) : store.today();
  for (std::size_t i = 0; i < kCounterKeys.size(); ++i) {
    const CounterKey& counter = kCounterKeys[i];
    state.*counter.field = ParseStoreInteger(values[2 + i].value_or("")).value_or(counter.fallback);
  }
}

}  // namespace

fs::path StoreFolderFor(std::string_view dataHome, std::string_view home,
                        std::string_view passwordHome) {
  return PlayerFolderFor(dataHome, home, passwordHome);
}

fs::path DefaultStoreFolder() {
  return DefaultPlayerFolder();
}

fs::path DefaultStateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return fs::path(state) / kStoreFolderName;
  const char* home = std::getenv("HOME");
  const fs::path store = StoreFolderFor("", home != nullptr ? home : "", PasswordHome());
  // HOME/.local/share/vexlorslots -> HOME/.local/state/vexlorslots
  return store.empty() ? store : store.parent_path().parent_path() / "state" / kStoreFolderName;
}

std::string SlotSection(int slotIndex) {
  if (slotIndex == kCurrentGameSlot) return std::string(kCurrentGameName);
  return "GameNo" + std::to_string(slotIndex + 1);
}

std::string FormatStoreDate(int year, int month, int day, char separator) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", month % 100, separator, day % 100, separator,
                ((year % 100) + 100) % 100);
  return text;
}

void TransferGame(GameState& state, const GameStore& store, int slotIndex, bool save,
                  std::string_view gameName) {
  const std::string section = SlotSection(slotIndex);
  if (save) {
    Save(state, state.Credits, store, section, gameName);
  } else {
    Load(state, store, section);
  }
}

void StoreLiveGame(const GameState& state, const GameStore& store, int slotIndex,
                   std::string_view gameName) {
  Save(state, SaturatingAdd(state.Credits, CoinsNotSpun(state)), store, SlotSection(slotIndex),
       gameName);
}

void OpenStoredGame(GameState& state, const GameStore& store, int slotIndex) {
  Load(state, store, SlotSection(slotIndex));
  // The meter has thirteen states; a count past them plays as the nearest.
  state.BonusPts = std::clamp(state.BonusPts, 0, kBonusPointsForRound);
}

void RestoreLiveGame(GameState& state, const GameStore& store, int slotIndex) {
  OpenStoredGame(state, store, slotIndex);
  state.Credits = SaturatingAdd(state.Credits, -CoinsNotSpun(state));
}

}  // namespace vexlor
