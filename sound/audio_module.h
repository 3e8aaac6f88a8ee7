// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "sound/audio_device.h"

namespace vexlor {

// The audio device on SDL2_mixer and FluidSynth lives in a module of its own,
// loaded when the device is first made (once the machine is on screen), so
// that those libraries and the many they bring cost the start nothing.
inline constexpr const char* kAudioModuleName = "vexlorslots-audio.so";

// Where the module is for a program in `appDir`: beside the program (a build
// folder), else in the installed library folder, or Debian's lib/games, one
// level below the prefix. The first that exists; else the installed place,
// for a message.
std::filesystem::path AudioModulePath(const std::filesystem::path& appDir);

// The device from the module for the program in `appDir`, made with
// `postToUi` (see SdlAudio). When the module cannot be loaded, or was built
// for another version of the game, a silent device; the reason is said once
// on standard error.
std::unique_ptr<AudioDevice> LoadAudioDevice(const std::filesystem::path& appDir,
                                             std::function<void(std::function<void()>)> postToUi);

}  // namespace vexlor
