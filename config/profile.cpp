#include "config/profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <SimpleIni.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <optional>
#include <system_error>

#include "engine/short_string.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);

enum class FileRead { Missing, Read, Failed };

// Reads the whole file into `bytes`. A missing file is not a failure.
FileRead ReadWholeFile(const fs::path& file, std::string& bytes) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (status.type() == fs::file_type::not_found) return FileRead::Missing;
  if (error || !fs::is_regular_file(status)) return FileRead::Failed;
  const std::uintmax_t size = fs::file_size(file, error);
  if (error || size > kProfileMaxFileBytes) return FileRead::Failed;
  std::ifstream in(file, std::ios::binary);
  if (!in) return FileRead::Failed;
  bytes.assign(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return in.bad() ? FileRead::Failed : FileRead::Read;
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

// Writes `bytes` to a fresh file beside `target`, flushes it to disk and
// renames it over `target`.
bool ReplaceFile(const fs::path& target, std::string_view bytes, mode_t mode) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern =
      (folder / (target.filename().string() + std::string(kTemporaryInfix) + "XXXXXX")).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(pattern.c_str(), target.c_str()) != 0) {
    ::unlink(pattern.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

// A link to the store is followed, so the file it names is the one replaced.
fs::path ResolveLink(const fs::path& file) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(file, error))) return file;
  const fs::path resolved = fs::weakly_canonical(file, error);
  return error ? file : resolved;
}

}  // namespace

std::optional<std::string> ProfileValueFromText(std::string_view text, std::string_view section,
                                                std::string_view key) {
  CSimpleIniA ini = MakeIni();
  if (ini.LoadData(text.data(), text.size()) < 0) return std::nullopt;
  const std::string sectionName(section);
  const std::string keyName(key);
  const char* value = ini.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
  if (value == nullptr) return std::nullopt;
  return CutToChars(StripQuotes(value), kProfileValueMaxChars);
}

std::optional<std::string> SetProfileValueInText(std::string_view text, std::string_view section,
                                                 std::string_view key, std::string_view value) {
  CSimpleIniA ini = MakeIni();
  ini.SetSpaces(false);
  if (!text.empty() && ini.LoadData(text.data(), text.size()) < 0) return std::nullopt;
  const std::string sectionName(section);
  const std::string keyName(key);
  const std::string clean = SanitizeValue(value);
  if (ini.SetValue(sectionName.c_str(), keyName.c_str(), clean.c_str(), nullptr, true) < 0) {
    return std::nullopt;
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

bool WriteProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
  const fs::path target = ResolveLink(file);
  std::string bytes;
  const FileRead read = ReadWholeFile(target, bytes);
  if (read == FileRead::Failed) return false;
  const std::optional<std::string> output = SetProfileValueInText(bytes, section, key, value);
  if (!output) return false;

  mode_t mode = 0644;
  struct stat existing {};
  if (read == FileRead::Read && ::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  }
  return ReplaceFile(target, *output, mode);
}

void RemoveStaleProfileTemporaries(const fs::path& file) {
  const fs::path target = ResolveLink(file);
  const std::string prefix = target.filename().string() + std::string(kTemporaryInfix);
  const auto cutoff = fs::file_time_type::clock::now() - kStaleTemporaryAge;
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
