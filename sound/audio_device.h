// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <span>
#include <string>

namespace vexlor {

// How a tune stopped, as the music player reports it.
enum class TuneEnd { Successful, Superseded, Aborted, Failure };

// What the machine's sound needs from an audio back end: one cue channel on
// which a new cue cuts off the one still playing, and a music player that
// opens, plays and closes one tune at a time and tells when a tune stopped.
class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  // Starts a cue from a WAV image, cutting off the cue still playing. The
  // bytes stay alive and unchanged while the device lives. False when the
  // image cannot be played.
  virtual bool PlayCue(std::span<const unsigned char> wav) = 0;
  // Whether cues can play at all (false without a sound device).
  virtual bool PlaysCues() { return true; }
  // Opens a tune file, closing the one open before. Empty on success, else
  // the player's message.
  virtual std::string OpenTune(const std::string& path) = 0;
  virtual void PlayTune() = 0;
  virtual void CloseTune() = 0;

  // How the open tune stopped; always called on the user-interface thread.
  std::function<void(TuneEnd)> onTuneEnd;
};

// A device that plays nothing; its tunes never end.
class SilentAudio : public AudioDevice {
 public:
  bool PlayCue(std::span<const unsigned char>) override { return true; }
  std::string OpenTune(const std::string&) override { return {}; }
  void PlayTune() override {}
  void CloseTune() override {}
};

}  // namespace vexlor
