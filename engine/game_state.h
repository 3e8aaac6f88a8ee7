// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hooks.h"
#include "engine/short_string.h"

namespace vexlor {

inline constexpr int kReelCount = 3;
inline constexpr int kLineCount = 3;
inline constexpr int kStripLength = 30;
inline constexpr int kMaxCoins = 3;
inline constexpr int kMaxHoldsPerSpin = 2;
inline constexpr int32_t kBonusPointsForRound = 12;
inline constexpr int kPrizeCount = 5;
inline constexpr int kTuneCount = 5;
inline constexpr int32_t kTuneStartMark = 10;  // added to MusicTrack while its start is pending
inline constexpr int32_t kNoTunes = 9;         // MusicTrack when no tune file exists

// Starting counters of a game begun with New Game.
inline constexpr int32_t kNewGameCredits = 1000;
inline constexpr int32_t kNewGameHolds = 6;

// The two-character line break used inside message texts.
inline constexpr std::string_view CrLf = "\r\n";

// The record of the whole game. One exists per process, owned by the main
// window; every window reads and changes it directly.
struct GameState {
  // Money and game counters: the part a saved game holds.
  int32_t Credits = 0;
  int32_t Borrowed = 0;
  int32_t Spins = 0;
  int32_t TotalBets = 0;
  int32_t BonusWon = 0;
  int32_t BonusPts = 0;  // 0..12
  int32_t Nudges = 0;    // holds in stock, shown under "Holds"
  ShortString<30> GameName;
  ShortString<10> GameDate;  // "mm/dd/yy" with the locale's separator

  // Spin state.
  int32_t CoinsBet = 0;        // 0..3, equals the number of lit paylines
  int32_t LastBet = 0;         // 0..3, re-bet by Spin when no coin is placed
  int32_t SpinWin = 0;         // payout of the current spin not yet counted into Credits
  bool Busy = false;           // bet, spin and hold inputs are ignored while set
  bool StopRequested = false;  // the machine is closing: a spin settles at once
  bool HoldsOpen = false;
  int32_t HoldsUsed = 0;  // 0..2
  std::array<bool, kReelCount> ReelHeld{};
  std::array<bool, kLineCount> LineWon{};  // 0 middle, 1 top, 2 bottom

  // Reels: strips of symbol digits '0'..'7'; stops 1..30 are the top row.
  std::array<std::string, kReelCount> ReelStrip;
  std::array<int32_t, kReelCount> ReelStop{};

  std::array<int32_t, kPrizeCount> BonusPrizes{};

  // Sound and music switches (they last for one run).
  bool SoundOn = false;
  bool MusicOn = false;
  int32_t MusicTrack = 0;  // 0..4 playing; +10 while its start is pending; 9 no tunes
  std::array<std::string, kTuneCount> MusicFiles;
  std::vector<unsigned char> ReelStopSound;
  std::vector<unsigned char> CountSound;

  // Identity and files.
  std::string AppDir;  // folder of the executable, with a trailing separator
  std::string ExeStem;
  std::string AssetPrefix;
  ShortString<30> AboutName;
  std::string WebPageName;
  ShortString<7> VersionText;

  // Screen metrics and layout, in pixels.
  int32_t ScreenWidth = 0;
  int32_t ScreenHeight = 0;
  int32_t CellSize = 0;
  int32_t ReelPitch = 0;
  int32_t ReelLeft = 0;
  int32_t ReelTop = 0;
  int32_t BlurHeight = 0;

  // Animation phases.
  int32_t AttractLamp = 0;  // 0..2, the button the idle chase lit last
  bool BetBlinkPhase = false;
  bool WinBlinkPhase = false;
  bool BetSpotBlinkPhase = false;
  bool HoldBlinkPhase = false;
  bool LineBlinkPhase = false;

  int32_t SlotDialogMode = 0;  // 1 save, 0 open
};

// New Game: fresh counters (1000 credits, 1000 borrowed, 6 holds), a full
// repaint, and the settled game handed to the window to store. Coins placed,
// holds, reel stops and the game's name stay as they are. Never during a
// spin: the window refuses it then.
void StartNewGame(GameState& state, MachineHooks& hooks);

// Adds without passing the int32 range: counters saturate instead of wrapping.
int32_t SaturatingAdd(int32_t a, int32_t b);

}  // namespace vexlor
