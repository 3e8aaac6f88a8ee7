// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <SimpleIni.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <system_error>
#include <thread>

#include "config/plain_file.h"
#include "engine/short_string.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);
// A writer holds the lock for a few milliseconds; one that keeps it longer
// than this is stuck, and the save is refused rather than the game frozen.
constexpr auto kLockPatience = std::chrono::seconds(5);

std::function<void(ReplaceStep)>& ReplaceObserver() {
  static std::function<void(ReplaceStep)> observer;
  return observer;
}

void Report(ReplaceStep step) {
  if (ReplaceObserver()) ReplaceObserver()(step);
}

enum class FileRead { Missing, Read, Failed };

// Reads the whole file into `bytes`. A missing file is not a failure.
FileRead ReadWholeFile(const fs::path& file, std::string& bytes) {
  PlainFile read = ReadPlainFile(file, kProfileMaxFileBytes);
  if (read.result == PlainRead::Missing) return FileRead::Missing;
  if (!read.ok()) return FileRead::Failed;
  bytes = std::move(read.bytes);
  return FileRead::Read;
}

// Duplicate keys keep the first value, as the profile service reads them.
CSimpleIniA MakeIni() {
  return CSimpleIniA(false, true, false);
}

std::string StripQuotes(std::string value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string SanitizeValue(std::string_view value) {
  std::string clean(value);
  for (char& c : clean) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  }
  return clean;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The mode of a new file: read and write for all, less the user's umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

// Writes `bytes` to a fresh file beside `target`, flushes it to disk, renames
// it over `target` and flushes the folder, so the rename itself is durable.
bool ReplaceFile(const fs::path& target, std::string_view bytes, mode_t mode) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern =
      (folder / (target.filename().string() + std::string(kTemporaryInfix) + "XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed) Report(ReplaceStep::TemporaryWritten);
  if (!written || !closed || ::rename(pattern.c_str(), target.c_str()) != 0) {
    ::unlink(pattern.c_str());
    return false;
  }
  Report(ReplaceStep::Renamed);
  SyncFolder(folder);
  return true;
}

// An exclusive advisory lock on FILE.lock, held while the object lives. The
// lock file stays: removing it would let two writers lock different files.
class FileLock {
 public:
  explicit FileLock(const fs::path& file) {
    const std::string name = file.string() + std::string(kLockSuffix);
    fd_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline) {
        ::close(fd_);
        fd_ = -1;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// A link to the store is followed, so the file it names is the one replaced.
fs::path ResolveLink(const fs::path& file) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
  const fs::path resolved = fs::weakly_canonical(file, error);
  return error ? file : resolved;
}

// A line the reader takes in: blank, a comment, a section header, or a key
// (not blank) with "=".
bool IsIniLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return true;
  line.remove_prefix(first);
  switch (line.front()) {
    case ';':
    case '#':
      return true;
    case '[':
      return line.find(']') != std::string_view::npos;
    default:
      return line.find('=') != std::string_view::npos && line.front() != '=';
  }
}

std::optional<std::string> Lookup(const CSimpleIniA& ini, std::string_view section,
                                  std::string_view key) {
  const std::string sectionName(section);
  const std::string keyName(key);
  const char* value = ini.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
  if (value == nullptr) return std::nullopt;
  return CutToChars(StripQuotes(value), kProfileValueMaxChars);
}

}  // namespace

bool IsIniText(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return false;
  if (text.starts_with(kUtf8Signature)) text.remove_prefix(kUtf8Signature.size());
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    if (!IsIniLine(text.substr(0, end))) return false;
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return true;
}

std::string ProfileFileProblem(const fs::path& file) {
  const fs::path target = ResolveLink(file);
  std::error_code error;
  if (!fs::is_regular_file(target, error)) return "";
  const std::uintmax_t size = fs::file_size(target, error);
  if (!error && size > kProfileMaxFileBytes) {
    return "it is larger than " + std::to_string(kProfileMaxFileBytes >> 20) + " MB";
  }
  std::string bytes;
  if (ReadWholeFile(target, bytes) == FileRead::Read && !IsIniText(bytes)) {
    return "it is not INI text";
  }
  return "";
}

std::string ProfileWriteProblem(const fs::path& file) {
  const fs::path target = ResolveLink(file);
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) return "it is a folder";
  if (fs::exists(status) && !fs::is_regular_file(status)) return "it is not a plain file";
  const std::string lockName = target.string() + std::string(kLockSuffix);
  const int fd = ::open(lockName.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd >= 0) {
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    if (held) return "another program holds its lock";
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  if (::access(folder.c_str(), W_OK) != 0) return "its folder cannot be written";
  return "";
}

std::optional<std::string> ProfileValueFromText(std::string_view text, std::string_view section,
                                                std::string_view key) {
  CSimpleIniA ini = MakeIni();
  if (ini.LoadData(text.data(), text.size()) < 0) return std::nullopt;
  return Lookup(ini, section, key);
}

std::optional<std::string> SetProfileValuesInText(std::string_view text, std::string_view section,
                                                  std::span<const ProfileEntry> entries) {
  // What the reader would not take in, a rewrite would drop: such text is kept as it is.
  if (!IsIniText(text)) return std::nullopt;
  CSimpleIniA ini = MakeIni();
  ini.SetSpaces(false);
  if (!text.empty() && ini.LoadData(text.data(), text.size()) < 0) return std::nullopt;
  const std::string sectionName(section);
  for (const ProfileEntry& entry : entries) {
    const std::string keyName(entry.key);
    const std::string clean = SanitizeValue(entry.value);
    if (ini.SetValue(sectionName.c_str(), keyName.c_str(), clean.c_str(), nullptr, true) < 0) {
      return std::nullopt;
    }
  }
  std::string output;
  if (ini.Save(output) < 0) return std::nullopt;
  return output;
}

std::string ReadProfileString(const fs::path& file, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
  std::string bytes;
  if (ReadWholeFile(file, bytes) != FileRead::Read) return std::string(defaultValue);
  return ProfileValueFromText(bytes, section, key).value_or(std::string(defaultValue));
}

std::vector<std::optional<std::string>> ProfileValuesFromText(
    std::string_view text, std::string_view section, std::span<const std::string_view> keys) {
  std::vector<std::optional<std::string>> values(keys.size());
  CSimpleIniA ini = MakeIni();
  if (ini.LoadData(text.data(), text.size()) < 0) return values;
  for (std::size_t i = 0; i < keys.size(); ++i)
    values[i] = Lookup(ini, section, keys[i]);
  return values;
}

std::vector<std::optional<std::string>> ReadProfileValues(const fs::path& file,
                                                          std::string_view section,
                                                          std::span<const std::string_view> keys) {
  std::string bytes;
  if (ReadWholeFile(file, bytes) != FileRead::Read) return {keys.size(), std::nullopt};
  return ProfileValuesFromText(bytes, section, keys);
}

bool WriteProfileSection(const fs::path& file, std::string_view section,
                         std::span<const ProfileEntry> entries) {
  const fs::path target = ResolveLink(file);
  const FileLock lock(target);
  if (!lock.Held()) return false;
  Report(ReplaceStep::Locked);
  std::string bytes;
  const FileRead read = ReadWholeFile(target, bytes);
  if (read == FileRead::Failed) return false;
  const std::optional<std::string> output = SetProfileValuesInText(bytes, section, entries);
  if (!output) return false;

  mode_t mode = NewFileMode();
  struct stat existing {};
  if (read == FileRead::Read && ::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  }
  return ReplaceFile(target, *output, mode);
}

bool ReplaceWholeFile(const fs::path& file, std::string_view bytes) {
  const fs::path target = ResolveLink(file);
  const FileLock lock(target);
  if (!lock.Held()) return false;
  Report(ReplaceStep::Locked);
  mode_t mode = NewFileMode();
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) mode = existing.st_mode & 07777;
  return ReplaceFile(target, bytes, mode);
}

bool WriteProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
  const ProfileEntry entry{key, value};
  return WriteProfileSection(file, section, std::span(&entry, 1));
}

void SetProfileReplaceObserver(std::function<void(ReplaceStep)> observer) {
  ReplaceObserver() = std::move(observer);
}

void RemoveStaleProfileTemporaries(const fs::path& file, bool anyAge) {
  const fs::path target = ResolveLink(file);
  const std::string prefix = target.filename().string() + std::string(kTemporaryInfix);
  const auto cutoff =
      anyAge ? fs::file_time_type::max() : fs::file_time_type::clock::now() - kStaleTemporaryAge;
  std::error_code error;
  for (fs::directory_iterator it(target.parent_path(), error), end; !error && it != end;
       it.increment(error)) {
    const fs::path& candidate = it->path();
    if (!candidate.filename().string().starts_with(prefix)) continue;
    std::error_code ignored;
    if (fs::last_write_time(candidate, ignored) < cutoff) fs::remove(candidate, ignored);
  }
}

}  // namespace vexlor
