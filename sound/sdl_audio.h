#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
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
//
// A tune has played through when the device has mixed as much of it as its
// file lasts (MidiEndSeconds, at least kShortestTuneMs): the end is handed on
// from the mixing round that reaches it, while the tune's last notes still
// ring. FluidSynth's player would go on for seconds more, until every voice
// has died away below hearing and then two more seconds for the reverb.
class SdlAudio : public AudioDevice {
 public:
  // A tune file of no length, or nearly none, still plays this long, so that
  // such files do not have the device open tunes back to back.
  static constexpr int kShortestTuneMs = 1000;

  // `postToUi` runs a function later on the user-interface thread; it is
  // called from the audio thread when a tune ends. The tunes play with the
  // General MIDI `soundFont`; without one there is no music.
  explicit SdlAudio(std::function<void(std::function<void()>)> postToUi,
                    std::string soundFont = FindSoundFont());
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool PlayCue(std::span<const unsigned char> wav) override;
  // The tune open before sounds on until the new one is ready.
  std::string OpenTune(const std::string& path) override;
  void PlayTune() override;
  void CloseTune() override;
  bool PlaysCues() override { return Ready(); }

  // Whether audio is open (waits for the opening); and whether tunes can play.
  bool Ready();
  bool CanPlayTunes();

 private:
  void Open();
  // Hands on the end of the tune playing, once, with tuneMutex_ held: on the
  // audio thread, or on the user-interface thread inside Mix_HaltMusic.
  void SayTuneEnded(TuneEnd end);
  static void OnMusicFinished();
  static void CountMusicFrames(int channel, void* stream, int length, void* data);

  std::function<void(std::function<void()>)> postToUi_;
  std::string soundFont_;
  std::thread opener_;
  bool opened_ = false;
  bool tunes_ = false;
  std::map<const unsigned char*, Mix_Chunk*> chunks_;  // by the image they were made from
  Mix_Music* music_ = nullptr;
  std::vector<unsigned char> tune_;  // the open tune's file; the player reads it while it plays
  int64_t tuneFrames_ = 0;           // how many frames the open tune lasts
  int frameBytes_ = 4;               // the mixer's: bytes of one sample on every output channel
  int frameRate_ = 44100;            // and frames a second
  // The tune playing, or the last one played; shared with the audio thread.
  // Never held while calling into SDL_mixer, which takes its own lock first.
  std::mutex tuneMutex_;
  uint64_t playing_ = 0;     // counts PlayTune; an end of an earlier tune is not handed on
  int64_t mixedFrames_ = 0;  // how much of it has been mixed
  int64_t endFrames_ = -1;   // where it ends; -1 while no tune plays
  bool halting_ = false;     // CloseTune is stopping it: the end it causes is not a play-through
  bool endSaid_ = true;      // its end has been handed on
  std::shared_ptr<SdlAudio*> alive_;  // posted calls find the device through this
};

}  // namespace vexlor
