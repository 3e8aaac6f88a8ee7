// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vexlor {

// How reading a file went. Only a regular file is read: a FIFO, a device or a
// folder is refused at once, never waited on, and a file past the size limit
// of its kind is refused before anything of it is read.
enum class PlainRead { Read, Missing, NotPlain, TooLarge, Failed };

struct PlainFile {
  PlainRead result = PlainRead::Failed;
  std::string bytes;  // the whole file when Read; the first `keep` bytes when TooLarge
  // Why it was not read, for a message: "it is not a plain file", "it is
  // larger than 64 MB", or the system's reason. Empty when read or missing.
  std::string why;
  bool ok() const { return result == PlainRead::Read; }
};

// Reads `path` whole when it is a regular file of at most `maxBytes`. For a
// larger one the first `keep` bytes are read all the same (none by default).
PlainFile ReadPlainFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                        std::uintmax_t keep = 0);

// Whether `path` is a regular file (a link to one counts), without opening it.
bool IsPlainFile(const std::filesystem::path& path);

}  // namespace vexlor
