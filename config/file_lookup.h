#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace vexlor {

// The regular file in `folder` named `name` without regard to ASCII letter
// case: the exact name when it exists, else the first match in name order.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name);

}  // namespace vexlor
