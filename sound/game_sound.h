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

// The endings of the nine cue files, each after AssetPrefix.
inline constexpr std::array<std::string_view, 9> kCueEndings = {
    "0.wav", "1.wav", "2.wav", "3.wav", "5.wav", "6.wav", "7.wav", "8.wav", "Win.wav"};

// AssetPrefix + ending in the first data folder that has it (AppDir first;
// AppDir when none has).
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

  // Reads the reel-stop and count cues into the game. One message for the
  // cues that could not be read, or none; the game goes on without them.
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
  struct Cue {
    std::vector<unsigned char> bytes;  // empty: the file is missing or not a WAV file
  };
  // The cue file with this ending, read on its first play.
  const Cue* CueFile(const char* ending);
  // How long the cue plays, in ms; 0 when it does not play.
  int64_t Play(const std::vector<unsigned char>& bytes, bool gated);
  int64_t PlayFile(const char* ending, bool gated);

  GameState& state_;
  AudioDevice& device_;
  std::function<void(const std::string&)> error_;
  std::map<std::string, Cue> cues_;  // by file name; node addresses stay put
};

}  // namespace vexlor
