// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vexlor {

// Reads a stored counter. Leading blanks are skipped; then either a decimal
// number with at most one sign inside the 32-bit range, or one of the prefixes
// "$", "x", "X", "0x", "0X" and one to eight hex digits taken as a 32-bit
// pattern ("0xFFFFFFFF" is -1). Anything else, an empty text included, gives
// nothing, and the caller uses the key's default.
std::optional<int32_t> ParseStoreInteger(std::string_view text);

}  // namespace vexlor
