// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "sound/audio_device.h"
#include "sound/wav.h"

namespace vexlor::testing {

// An audio device that plays nothing and writes down what it was asked.
class RecordingAudio : public AudioDevice {
 public:
  struct Event {
    std::string what;    // "cue", "open", "play", "close"
    std::string detail;  // the tune's path, or the cue's length in ms
  };
  std::vector<Event> events;

  bool PlayCue(std::span<const unsigned char> wav) override {
    const auto length = WavDurationMs(wav);
    events.push_back({"cue", std::to_string(length.value_or(-1))});
    return length.has_value();
  }
  std::string OpenTune(const std::string& path) override {
    events.push_back({"open", path});
    return {};
  }
  void PlayTune() override { events.push_back({"play", ""}); }
  void CloseTune() override { events.push_back({"close", ""}); }

  int Count(const std::string& what) const {
    int n = 0;
    for (const Event& e : events)
      n += e.what == what ? 1 : 0;
    return n;
  }
};

}  // namespace vexlor::testing
