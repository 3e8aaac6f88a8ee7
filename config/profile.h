// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexlor {

// Single-key access to INI files, read the way the desktop profile service
// reads them: section and key names ignore letter case, blanks around names
// and values are dropped, a value in matching quotes loses them, CRLF or LF
// line ends, ';' and '#' comment lines.

// Values are read cut to this many characters.
inline constexpr std::size_t kProfileValueMaxChars = 2047;
// Files larger than this are not read (every key gives its default) and not rewritten.
inline constexpr std::uintmax_t kProfileMaxFileBytes = 16u << 20;

// Whether the reader takes in every line of `text`, so that a rewrite gives
// all of it back: each line blank, a comment, a section header or a key with
// "=", and no NUL byte (the reader stops at one). Text that is not is read for
// the keys it holds, but a write never replaces it.
bool IsIniText(std::string_view text);

// Why a write leaves `file` as it is for what the file holds: "it is larger
// than 16 MB" or "it is not INI text". Empty when it may be rewritten, or is
// missing or cannot be read at all.
std::string ProfileFileProblem(const std::filesystem::path& file);

// Why a write to `file` is refused for something other than what it holds:
// "it is a folder", "it is not a plain file", "another program holds its
// lock", "its folder cannot be written". Empty when none of these is so.
std::string ProfileWriteProblem(const std::filesystem::path& file);

// The key's value, or `defaultValue` when the file, section or key is missing
// or the file cannot be read. A key present with an empty value reads empty.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

// The values of several keys of one section, all from one reading of the file,
// so that a file replaced meanwhile cannot mix two versions. A key that is
// missing, like every key of a file that is missing or cannot be read, gives
// nothing.
std::vector<std::optional<std::string>> ReadProfileValues(const std::filesystem::path& file,
                                                          std::string_view section,
                                                          std::span<const std::string_view> keys);

// One key and the value a write gives it.
struct ProfileEntry {
  std::string_view key;
  std::string_view value;
};

// Sets the keys of one section in one replacement of the file, creating the
// file, section and keys as needed and keeping everything else in it. The
// replacement is a temporary file in the same folder, flushed to disk and
// renamed over the file, so a reader, or a process killed at any moment, sees
// the old file or the new one, never a mix. The read-change-replace runs under
// an advisory lock on FILE.lock, so two writers never lose each other's keys.
// Line breaks and NULs in values become blanks, so a value cannot add keys of
// its own. Returns false when the write is refused; the file is then unchanged.
bool WriteProfileSection(const std::filesystem::path& file, std::string_view section,
                         std::span<const ProfileEntry> entries);

// Replaces the whole of `file` with `bytes`, through the same lock and atomic
// replacement as the profile writes: all or nothing. False when refused.
bool ReplaceWholeFile(const std::filesystem::path& file, std::string_view bytes);

// WriteProfileSection with one key.
bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

// Removes temporary files that an interrupted write left beside `file`, once
// they are old enough that no running write can still own them; all of them
// when `anyAge` (the caller knows no write runs, as a game holding its store).
void RemoveStaleProfileTemporaries(const std::filesystem::path& file, bool anyAge = false);

// The steps of a file replacement, reported to the observer below.
enum class ReplaceStep {
  Locked,            // the lock is held, nothing written yet
  TemporaryWritten,  // the new text is on disk beside the file, not yet renamed
  Renamed,           // the new file stands; the folder is not yet flushed
};
// Tests install an observer to pause or stop a writer between the steps; it
// runs in the writing thread. None is installed by the game.
void SetProfileReplaceObserver(std::function<void(ReplaceStep)> observer);

// The in-memory halves of the two calls above, on the text of a whole file.
// The value as read (quotes dropped, cut), or nothing when the key is absent.
std::optional<std::string> ProfileValueFromText(std::string_view text, std::string_view section,
                                                std::string_view key);
// ReadProfileValues on the text of a whole file.
std::vector<std::optional<std::string>> ProfileValuesFromText(
    std::string_view text, std::string_view section, std::span<const std::string_view> keys);
// The file's new text with the keys set, or nothing when the text cannot be
// handled or is not INI text.
std::optional<std::string> SetProfileValuesInText(std::string_view text, std::string_view section,
                                                  std::span<const ProfileEntry> entries);

}  // namespace vexlor
