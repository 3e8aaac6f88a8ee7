// SPDX-License-Identifier: GPL-3.0-or-later
// Differential check of the stored-integer reader against std::from_chars.
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "savegame/store_integer.h"

namespace {

std::optional<int32_t> Reference(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  std::string_view digits;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    digits = text.substr(2);
  } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    digits = text.substr(1);
  } else {
    if (text.starts_with('+')) {
      text.remove_prefix(1);
      if (text.starts_with('-') || text.starts_with('+')) return std::nullopt;
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
  }
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t pattern = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), pattern, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return static_cast<int32_t>(pattern);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (vexlor::ParseStoreInteger(text) != Reference(text)) std::abort();
  return 0;
}
