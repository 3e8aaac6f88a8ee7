// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/audio_module.h"

#include <dlfcn.h>

#include <optional>
#include <ranges>
#include <string_view>
#include <system_error>

#include "config/standard_error.h"
#include "config/version.h"
#include "sound/audio_module_abi.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<AudioDevice> Silent(const std::string& why) {
  SayOnce("no sound: " + why);
  return std::make_unique<SilentAudio>();
}

}  // namespace

fs::path AudioModulePath(const fs::path& appDir) {
  std::error_code error;
  if (fs::is_regular_file(appDir / kAudioModuleName, error)) return appDir / kAudioModuleName;
  std::optional<fs::path> first;
  for (const auto folder : std::views::split(std::string_view(VEXLOR_AUDIO_MODULE_DIRS), ':')) {
    const fs::path installed =
        (appDir / ".." / std::string_view(folder.begin(), folder.end()) / kAudioModuleName)
            .lexically_normal();
    if (fs::is_regular_file(installed, error)) return installed;
    if (!first) first = installed;
  }
  return *first;
}

std::unique_ptr<AudioDevice> LoadAudioDevice(const fs::path& appDir,
                                             std::function<void(std::function<void()>)> postToUi) {
  const fs::path path = AudioModulePath(appDir);
  // Never closed: the device and the threads it starts run code of the module.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) return Silent(dlerror());
  const auto version = reinterpret_cast<decltype(&vexlor_audio_module_version)>(
      dlsym(module, "vexlor_audio_module_version"));
  const auto make = reinterpret_cast<decltype(&vexlor_make_audio_device)>(
      dlsym(module, "vexlor_make_audio_device"));
  if (version == nullptr || make == nullptr)
    return Silent(path.string() + " is not the game's audio module");
  if (version() != kProgramVersion)
    return Silent(path.string() + " is the audio module of version " + version() +
                  ", not of this game's " + std::string(kProgramVersion));
  std::unique_ptr<AudioDevice> device;
  make(postToUi, SayTranslation(), device);
  return device ? std::move(device) : Silent("the audio module made no device");
}

}  // namespace vexlor
