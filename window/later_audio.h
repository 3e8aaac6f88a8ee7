// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "sound/audio_device.h"

namespace vexlor {

// The audio device, made when Open is called (once the machine is on screen)
// or when a sound is first asked for, whichever comes first, so that opening
// the device costs the start nothing. Tune ends are handed on as the device
// reports them.
class LaterAudio : public AudioDevice {
 public:
  using Maker = std::function<std::unique_ptr<AudioDevice>()>;
  explicit LaterAudio(Maker make) : make_(std::move(make)) {}

  void Open();
  bool IsOpen() const { return device_ != nullptr; }

  bool PlayCue(std::span<const unsigned char> wav) override { return Device().PlayCue(wav); }
  bool PlaysCues() override { return Device().PlaysCues(); }
  std::string OpenTune(const std::string& path) override { return Device().OpenTune(path); }
  void PlayTune() override { Device().PlayTune(); }
  void CloseTune() override;

 private:
  AudioDevice& Device();

  Maker make_;
  std::unique_ptr<AudioDevice> device_;
};

}  // namespace vexlor
