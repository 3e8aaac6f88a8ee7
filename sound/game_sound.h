// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "sound/audio_device.h"

namespace vexlor {

// The machine's nine cues.
enum class Cue { ReelStop, Coin, BonusReset, Count, Prize, BonusPoint, StartUp, ExtraHold, Win };

// Each cue's file, after AssetPrefix, and how it plays: only while SoundOn
// (`gated`), and from the image read at start-up (`inMemory`). By Cue.
struct CueFile {
  std::string_view ending;
  bool gated;
  bool inMemory;
};
inline constexpr std::array<CueFile, 9> kCueFiles = {{
    {"0.wav", true, true},     // reel stop
    {"1.wav", true, false},    // coin
    {"2.wav", true, false},    // bonus reset
    {"3.wav", true, true},     // count tick
    {"5.wav", true, false},    // prize
    {"6.wav", false, false},   // bonus point, heard with Sound off too
    {"7.wav", true, false},    // start-up
    {"8.wav", true, false},    // extra hold
    {"Win.wav", false, false}  // win, heard with Sound off too
}};

// AssetPrefix + ending in the first data folder that has it, in any letter
// case (AppDir first; AppDir when none has).
std::string CueFilePath(const GameState& state, std::string_view ending);

// The nine cues and the music player of the machine, over an audio device.
// Cue files are AssetPrefix + an ending, read from CueFilePath; the reel-stop
// and count cues play from the images read at start-up. Cues other than the
// win and the bonus point are heard only while SoundOn. A tune that cannot be
// opened is said through `error`.
class GameSound : public SoundHooks {
 public:
  GameSound(GameState& state, AudioDevice& device, std::function<void(const std::string&)> error)
      : state_(state), device_(device), error_(std::move(error)) {}

  // Reads the cues: the reel-stop and count cues into the game, the others
  // into the sound. A cue file that exists but cannot be played is named on
  // standard error; one message for the box when the reel-stop or count cue
  // cannot be read, or none. The game goes on without them.
  std::vector<std::string> LoadSoundImages();

  void PlayReelStopCue() override;
  void PlayCoinCue() override;
  int64_t PlayBonusResetCue() override;
  void PlayCountCue() override;
  void PlayPrizeCue() override;
  int64_t PlayBonusPointCue() override;
  void PlayStartCue() override;
  int64_t PlayExtraHoldCue() override;
  int64_t PlayWinCue() override;
  void PlayTune(const std::string& file) override;

  AudioDevice& Device() { return device_; }

 private:
  // The cue's image as read at start-up; empty when it cannot be played.
  const std::vector<unsigned char>& Image(Cue cue);
  // Plays a cue; how long it plays, in ms, or 0 when it does not play.
  int64_t Play(Cue cue);

  GameState& state_;
  AudioDevice& device_;
  std::function<void(const std::string&)> error_;
  std::array<std::vector<unsigned char>, kCueFiles.size()> files_;  // by Cue; not the two above
};

}  // namespace vexlor
