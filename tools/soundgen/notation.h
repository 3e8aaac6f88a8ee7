// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the tune notation of assets/sounds (described in its README.md) into a Song.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tools/soundgen/song.h"

namespace vexlor::soundgen {

// A fault in a tune's source; what() reads "FILE:LINE: message".
class NotationError : public std::runtime_error {
 public:
  NotationError(const std::string& file, int line, const std::string& message);
  int line() const { return line_; }

 private:
  int line_;
};

// `file` only names the source in messages.
Song ParseTune(std::string_view text, const std::string& file);
// Throws NotationError for a source that cannot be read, too.
Song ReadTune(const std::filesystem::path& path);

}  // namespace vexlor::soundgen
