// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/standard_error.h"

#include <cstdio>
#include <set>
#include <string>
#include <utility>

namespace vexlor {
namespace {

std::function<std::string(std::string_view)>& Translation() {
  static std::function<std::string(std::string_view)> translate;
  return translate;
}

}  // namespace

void SetSayTranslation(std::function<std::string(std::string_view)> translate) {
  Translation() = std::move(translate);
}

const std::function<std::string(std::string_view)>& SayTranslation() {
  return Translation();
}

void Say(std::string_view english) {
  const std::string line = Translation() ? Translation()(english) : std::string(english);
  std::fprintf(stderr, "vexlorslots: %.*s\n", static_cast<int>(line.size()), line.data());
}

void SayOnce(std::string_view line) {
  static std::set<std::string, std::less<>> said;
  if (said.contains(line)) return;
  said.emplace(line);
  Say(line);
}

}  // namespace vexlor
