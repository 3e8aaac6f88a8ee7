// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/plain_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace vexlor {
namespace {

std::string SizeText(std::uintmax_t bytes) {
  return bytes % (1u << 20) == 0 ? std::to_string(bytes >> 20) + " MB"
                                 : std::to_string(bytes) + " bytes";
}

}  // namespace

PlainFile ReadPlainFile(const std::filesystem::path& path, std::uintmax_t maxBytes,
                        std::uintmax_t keep) {
  PlainFile file;
  // Without blocking: opening a FIFO for reading would wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    file.result = errno == ENOENT ? PlainRead::Missing : PlainRead::Failed;
    if (errno != ENOENT) file.why = std::strerror(errno);
    return file;
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    file.result = PlainRead::NotPlain;
    file.why = "it is not a plain file";
    return file;
  }
  const auto size = static_cast<std::uintmax_t>(status.st_size);
  const std::uintmax_t wanted = size > maxBytes ? std::min(size, keep) : size;
  file.bytes.resize(static_cast<std::size_t>(wanted));
  std::size_t got = 0;
  while (got < file.bytes.size()) {
    const ssize_t n = ::read(fd, file.bytes.data() + got, file.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      file.why = std::strerror(errno);
      ::close(fd);
      file.bytes.clear();
      return file;
    }
    if (n == 0) break;  // the file became shorter meanwhile
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  file.bytes.resize(got);
  if (size > maxBytes) {
    file.result = PlainRead::TooLarge;
    file.why = "it is larger than " + SizeText(maxBytes);
    return file;
  }
  file.result = PlainRead::Read;
  return file;
}

bool IsPlainFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace vexlor
