// SPDX-License-Identifier: GPL-3.0-or-later
// What the file-reading harnesses share: a folder that stands for the
// executable's folder, and a check that stops the run when it fails.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace vexlor::fuzz {

// Stops the run with a message when `condition` does not hold, so libFuzzer
// keeps the input as a crash.
inline void Require(bool condition, std::string_view what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

// A fresh folder in memory (/dev/shm) where there is one, else under the
// temporary folder; it stands for AppDir. Emptied before each input, removed
// with everything in it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    const std::filesystem::path shm = "/dev/shm";
    const std::filesystem::path base =
        std::filesystem::is_directory(shm, error) && ::access("/dev/shm", W_OK) == 0
            ? shm
            : std::filesystem::temp_directory_path();
    std::string pattern = (base / "vexlor-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "cannot make a scratch folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as AppDir holds it: with a trailing separator.
  std::string AppDir() const { return path_.string() + "/"; }

  // Removes everything in the folder.
  void Clear() const {
    std::error_code error;
    for (std::filesystem::directory_iterator it(path_, error), end; !error && it != end;
         it.increment(error)) {
      std::error_code ignored;
      std::filesystem::remove_all(it->path(), ignored);
    }
  }

  // Writes `bytes` as the file `name` in the folder and returns its path.
  std::filesystem::path Write(std::string_view name, const void* bytes, std::size_t size) const {
    const std::filesystem::path file = path_ / std::string(name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    Require(static_cast<bool>(out), "cannot write into the scratch folder");
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vexlor::fuzz
