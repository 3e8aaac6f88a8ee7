// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/standard_error.h"
#include "config/version.h"
#include "sound/audio_module_abi.h"
#include "sound/sdl_audio.h"

extern "C" {

__attribute__((visibility("default"))) const char* vexlor_audio_module_version() {
  return vexlor::kProgramVersion.data();
}

__attribute__((visibility("default"))) void vexlor_make_audio_device(
    const std::function<void(std::function<void()>)>& postToUi,
    const std::function<std::string(std::string_view)>& translate,
    std::unique_ptr<vexlor::AudioDevice>& out) {
  vexlor::SetSayTranslation(translate);
  out = std::make_unique<vexlor::SdlAudio>(postToUi);
}
}
