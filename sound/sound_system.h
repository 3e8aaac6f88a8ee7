#pragma once

#include <string>
#include <vector>

#include "engine/game_state.h"

namespace vexlor {

enum class Cue { ReelStop, Coin, BonusReset, Count, Prize, BonusPoint, Start, ExtraHold, Win };

// The machine's cues and music, as the main window uses them.
class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  // Reads the reel-stop and count cues into memory. Returns a message for
  // each that could not be read; the game then goes on without it.
  virtual std::vector<std::string> LoadSoundImages(GameState& state) = 0;
  // Plays a cue; the win, hold, reset and bonus-point cues return when they end.
  virtual void Play(Cue cue) = 0;
  virtual void StartPendingMusic() = 0;
};

// A sound system that stays quiet: for tests, and for machines without audio.
class SilentSound : public SoundSystem {
 public:
  std::vector<std::string> LoadSoundImages(GameState&) override { return {}; }
  void Play(Cue) override {}
  void StartPendingMusic() override {}
};

}  // namespace vexlor
