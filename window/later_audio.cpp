// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/later_audio.h"

namespace vexlor {

void LaterAudio::Open() {
  if (device_) return;
  device_ = make_ ? make_() : std::make_unique<SilentAudio>();
  device_->onTuneEnd = [this](TuneEnd end) {
    if (onTuneEnd) onTuneEnd(end);
  };
}

void LaterAudio::CloseTune() {
  if (device_) device_->CloseTune();  // no tune is open on a device not yet made
}

AudioDevice& LaterAudio::Device() {
  Open();
  return *device_;
}

}  // namespace vexlor
