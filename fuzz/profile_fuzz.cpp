// SPDX-License-Identifier: GPL-3.0-or-later
// The INI layer on arbitrary file contents: reading never fails, and setting
// keys gives a file in which they read back as set while the keys of other
// sections keep their values.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/profile.h"
#include "savegame/store_integer.h"

namespace {

constexpr const char* kSections[] = {"CurrentGame", "GameNo1", "gameno2", "Settings"};
constexpr const char* kKeys[] = {"GameName", "Credits", "credits", "SoundRoot"};

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const char* section : kSections) {
    for (const char* key : kKeys) {
      if (const auto value = vexlor::ProfileValueFromText(text, section, key)) {
        Require(value->size() <= 4 * vexlor::kProfileValueMaxChars);
        vexlor::ParseStoreInteger(*value);
      }
    }
  }

  const vexlor::ProfileEntry entries[] = {{"Credits", "-2147483648"}, {"GameName", "a\nb=c"}};
  const auto written = vexlor::SetProfileValuesInText(text, "GameNo1", entries);
  if (!written) return 0;
  Require(vexlor::ProfileValueFromText(*written, "gameno1", "CREDITS") == "-2147483648");
  Require(vexlor::ProfileValueFromText(*written, "GameNo1", "gamename") == "a b=c");
  for (const char* section : {"CurrentGame", "Settings"}) {
    for (const char* key : {"GameName", "SoundRoot"}) {
      Require(vexlor::ProfileValueFromText(text, section, key) ==
              vexlor::ProfileValueFromText(*written, section, key));
    }
  }
  return 0;
}
