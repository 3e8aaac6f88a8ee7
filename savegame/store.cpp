#include "savegame/store.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <system_error>

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

std::string EnvOr(const char* name, std::string_view fallback) {
  const char* value = std::getenv(name);
  return (value != nullptr && value[0] != '\0') ? std::string(value) : std::string(fallback);
}

StoreWriteError Refused(const GameStore& store) {
  return StoreWriteError("Unable to write to " + store.file.filename().string());
}

void WriteKey(const GameStore& store, const std::string& section, const char* key,
              std::string_view value) {
  if (!WriteProfileString(store.file, section, key, value)) throw Refused(store);
}

void Save(const GameState& state, const GameStore& store, const std::string& section,
          std::string_view gameName) {
  std::error_code error;
  fs::create_directories(store.file.parent_path(), error);
  RemoveStaleProfileTemporaries(store.file);
  WriteKey(store, section, "GameName", gameName);
  WriteKey(store, section, "GameDate", store.today());
  for (const CounterKey& counter : kCounterKeys) {
    WriteKey(store, section, counter.key, std::to_string(state.*counter.field));
  }
}

void Load(GameState& state, const GameStore& store, const std::string& section) {
  state.GameName = ReadProfileString(store.file, section, "GameName", section);
  state.GameDate = ReadProfileString(store.file, section, "GameDate", store.today());
  for (const CounterKey& counter : kCounterKeys) {
    const std::string text = ReadProfileString(store.file, section, counter.key, "");
    state.*counter.field = ParseStoreInteger(text).value_or(counter.fallback);
  }
}

}  // namespace

fs::path DefaultStoreFolder() {
  fs::path dataHome = EnvOr("XDG_DATA_HOME", "");
  if (dataHome.empty() || dataHome.is_relative()) {
    dataHome = fs::path(EnvOr("HOME", "/tmp")) / ".local" / "share";
  }
  return dataHome / kStoreFolderName;
}

GameStore MakeGameStore(const GameState& state, std::function<std::string()> today) {
  return GameStore{DefaultStoreFolder() / (state.ExeStem + ".ini"), std::move(today)};
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
    Save(state, store, section, gameName);
  } else {
    Load(state, store, section);
  }
}

}  // namespace vexlor
