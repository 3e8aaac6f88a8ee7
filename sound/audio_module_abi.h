// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "sound/audio_device.h"

// What the audio module exports, called by the program that loaded it. Both
// sides pass C++ objects, so a module is only used by the program of the same
// version, built with it.
extern "C" {
// The game's version the module was built for.
const char* vexlor_audio_module_version();
// Makes the SDL device into `out`. Lines the module says on standard error go
// through `translate` into the player's language (it may be empty).
void vexlor_make_audio_device(const std::function<void(std::function<void()>)>& postToUi,
                              const std::function<std::string(std::string_view)>& translate,
                              std::unique_ptr<vexlor::AudioDevice>& out);
}
