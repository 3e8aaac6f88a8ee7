#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sound/audio_device.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace vexlor {

// The General MIDI soundfont the game plays its tunes with: $SDL_SOUNDFONTS
// when set, else the one Debian's timgm6mb-soundfont installs. Empty when none exists.
std::string FindSoundFont();

// The audio device on SDL2_mixer: one cue channel, and MIDI tunes through
// FluidSynth with a General MIDI soundfont. Audio is opened on a thread of its
// own as the device is made, so the window does not wait for it; the first
// call that needs it waits for that. Without an audio device or a soundfont
// the game is silent (or without music) and says so once on standard error.
// One SdlAudio at a time per process.
class SdlAudio : public AudioDevice {
 public:
  // `postToUi` runs a function later on the user-interface thread; it is
  // called from the audio thread when a tune ends. The tunes play with the
  // General MIDI `soundFont`; without one there is no music.
  explicit SdlAudio(std::function<void(std::function<void()>)> postToUi,
                    std::string soundFont = FindSoundFont());
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool PlayCue(std::span<const unsigned char> wav) override;
  std::string OpenTune(const std::string& path) override;
  void PlayTune() override;
  void CloseTune() override;
  bool PlaysCues() override { return Ready(); }

  // Whether audio is open (waits for the opening); and whether tunes can play.
  bool Ready();
  bool CanPlayTunes();

 private:
  void Open();
  static void OnMusicFinished();

  std::function<void(std::function<void()>)> postToUi_;
  std::string soundFont_;
  std::thread opener_;
  bool opened_ = false;
  bool tunes_ = false;
  std::map<const unsigned char*, Mix_Chunk*> chunks_;  // by the image they were made from
  Mix_Music* music_ = nullptr;
  std::vector<unsigned char> tune_;  // the open tune's file; the player reads it while it plays
  std::atomic<bool> halting_{false};
  std::shared_ptr<SdlAudio*> alive_;  // posted calls find the device through this
};

}  // namespace vexlor
