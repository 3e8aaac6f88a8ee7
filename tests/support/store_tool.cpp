// SPDX-License-Identifier: GPL-3.0-or-later
// Writes and reads stores for the peer check against Python's configparser.
//   store_tool write FILE SEED   saves random games into all nine sections
//   store_tool read FILE         loads all nine sections
// Both print what they saved or loaded as JSON: {section: {key: value}}.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "savegame/store.h"

namespace {

using vexlor::GameState;

std::string Json(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

void Print(const GameState& game, const std::string& name, int slot, bool last) {
  std::printf(
      "%s: {\"GameName\": %s, \"GameDate\": %s, \"Credits\": %d, \"Borrowed\": %d, "
      "\"Spins\": %d, \"TotalBets\": %d, \"BonusWon\": %d, \"BonusPts\": %d, "
      "\"Nudges\": %d}%s\n",
      Json(vexlor::SlotSection(slot)).c_str(), Json(name).c_str(),
      Json(game.GameDate.str()).c_str(), game.Credits, game.Borrowed, game.Spins, game.TotalBets,
      game.BonusWon, game.BonusPts, game.Nudges, last ? "" : ",");
}

std::string RandomName(std::mt19937& random) {
  static const std::vector<std::string> kPieces = {
      "a", "b", "X", "Z", " ", "0", "9", "=", "[",        "]",
      "%", ";", "#", ":", "$", "-", "_", ".", "\xC3\xA9", "\xE2\x82\xAC"};
  std::string name = "N";
  for (int i = static_cast<int>(random() % 40); i > 0; --i)
    name += kPieces[random() % kPieces.size()];
  return name + "z";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string command = argv[1];
  const vexlor::GameStore store{argv[2], [] { return std::string("12/07/26"); }};
  std::mt19937 random(argc > 3 ? std::stoul(argv[3]) : 1);
  std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
  std::printf("{\n");
  for (int slot = 0; slot <= vexlor::kCurrentGameSlot; ++slot) {
    GameState game;
    if (command == "write") {
      for (int32_t* field : {&game.Credits, &game.Borrowed, &game.Spins, &game.TotalBets,
                             &game.BonusWon, &game.BonusPts, &game.Nudges}) {
        *field = (random() % 4 == 0) ? INT32_MIN + static_cast<int32_t>(random() % 2) : any(random);
      }
      const std::string name = RandomName(random);
      vexlor::TransferGame(game, store, slot, true, name);
      game.GameDate = store.today();
      Print(game, name, slot, slot == vexlor::kCurrentGameSlot);
    } else {
      vexlor::TransferGame(game, store, slot, false, "");
      Print(game, game.GameName.str(), slot, slot == vexlor::kCurrentGameSlot);
    }
  }
  std::printf("}\n");
  return 0;
}
