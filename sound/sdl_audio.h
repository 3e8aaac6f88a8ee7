// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <bitset>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "sound/audio_device.h"
#include "sound/tune_synth.h"

struct Mix_Chunk;

namespace vexlor {

// Where a General MIDI soundfont may be, in order: each entry of
// `sdlSoundFonts` (a list split at ':' and ';', as SDL_mixer reads
// $SDL_SOUNDFONTS), the places Debian, Fedora and Arch install theirs, then
// soundfonts/ (default.sf2, FluidR3_GM.sf2, TimGM6mb.sf2) under each folder of
// `xdgDataDirs` (default /usr/local/share:/usr/share).
std::vector<std::string> SoundFontCandidates(std::string_view sdlSoundFonts,
                                             std::string_view xdgDataDirs);

// The soundfont the game plays its tunes with: the first regular file of
// SoundFontCandidates for this environment. Empty when none exists.
std::string FindSoundFont();

// The audio device on SDL2_mixer: one cue channel, and MIDI tunes through
// FluidSynth (TuneSynth) mixed in under the cues. Audio is opened on a thread
// of its own as the device is made, so the window does not wait for it; the
// first call that needs it waits for that. The soundfont is loaded when the
// first tune is opened. Without an audio device or a soundfont the game is
// silent (or without music) and says so once on standard error. One SdlAudio
// at a time per process.
//
// After kRestMs with no cue and no tune the device closes, and the next cue or
// tune opens it again: a quiet game costs no audio thread.
//
// A tune has played through when the device has mixed as much of it as its
// file lasts (MidiEndSeconds, at least kShortestTuneMs): the end is handed on
// from the mixing round that reaches it, while the tune's last notes still
// ring. They ring on until they have died away or another tune starts.
class SdlAudio : public AudioDevice {
 public:
  // A tune file of no length, or nearly none, still plays this long, so that
  // such files do not have the device open tunes back to back.
  static constexpr int kShortestTuneMs = 1000;
  static constexpr int kRestMs = 3000;

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
  // Whether a tune is being mixed: from PlayTune until it is closed or its
  // last notes have died away. Safe from any thread.
  bool TuneSounding() const { return sounding_; }
  // Whether the device is open now rather than resting.
  bool Awake() const { return awake_; }

 private:
  void Open();
  // Opens the device again if it rests; false when it cannot be opened.
  bool Wake();
  void Sleep();
  // Posted from the audio thread: closes the device if it has stayed quiet
  // since, and has not rested and woken meanwhile (`wakes`).
  void RestIfStillQuiet(uint64_t wakes);
  // Counts a round without a cue or a tune; after kRestMs of them asks the
  // user-interface thread to close the device. With tuneMutex_ held.
  void AskToRestWhenQuiet(int frames);
  // The synthesizer with the soundfont's presets of `programs`, made by the
  // first tune, added to by the next; "" or why not.
  std::string MakeSynth(const std::bitset<128>& programs);
  // Hands on the end of the tune playing, once; with tuneMutex_ held.
  void SayTuneEnded(TuneEnd end);
  // SDL_mixer's music hook: the tune into the round, on the audio thread.
  static void MixTune(void* self, unsigned char* stream, int length);

  std::function<void(std::function<void()>)> postToUi_;
  std::string soundFont_;
  std::thread opener_;
  bool opened_ = false;
  bool awake_ = false;  // open now; user-interface thread only
  bool tunes_ = false;
  std::map<const unsigned char*, Mix_Chunk*> chunks_;  // by the image they were made from
  std::vector<unsigned char> tune_;  // the open tune's file; the player reads it while it plays
  int64_t tuneFrames_ = 0;           // how many frames the open tune lasts
  int frameBytes_ = 4;               // the mixer's: bytes of one sample on every output channel
  int frameRate_ = 44100;            // and frames a second
  // The synthesizer and the tune playing, or the last one played; shared with
  // the audio thread. tuneMutex_ is never held while calling into SDL_mixer,
  // which holds its own lock while it calls MixTune.
  std::mutex tuneMutex_;
  std::unique_ptr<TuneSynth> synth_;
  uint64_t playing_ = 0;     // counts PlayTune; an end of an earlier tune is not handed on
  int64_t mixedFrames_ = 0;  // how much of it has been mixed
  int64_t endFrames_ = -1;   // where it ends; -1 while no tune plays
  bool endSaid_ = true;      // its end has been handed on
  int64_t quietFrames_ = 0;  // mixed since the last cue or tune sounded
  bool restAsked_ = false;   // the user-interface thread has been asked to close the device
  uint64_t wakes_ = 0;       // times the device has opened again after resting
  std::atomic<bool> sounding_ = false;
  std::shared_ptr<SdlAudio*> alive_;  // posted calls find the device through this
};

}  // namespace vexlor
