#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexlor {

// Single-key access to INI files, read the way the desktop profile service
// reads them: section and key names ignore letter case, blanks around names
// and values are dropped, a value in matching quotes loses them, CRLF or LF
// line ends, ';' and '#' comment lines.

// Values are read cut to this many characters.
inline constexpr std::size_t kProfileValueMaxChars = 2047;
// Files larger than this are not read (every key gives its default) and not rewritten.
inline constexpr std::uintmax_t kProfileMaxFileBytes = 16u << 20;

// The key's value, or `defaultValue` when the file, section or key is missing
// or the file cannot be read. A key present with an empty value reads empty.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

// Sets one key, creating the file, section and key as needed and keeping
// everything else in the file. The file is replaced atomically: a reader, or a
// process killed at any moment, sees the old file or the new one, never a
// mix. Line breaks and NULs in the value become blanks, so a value cannot add
// keys of its own. Returns false when the write is refused; the file is then
// unchanged.
bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

// Removes temporary files that an interrupted write left beside `file`, once
// they are old enough that no running write can still own them.
void RemoveStaleProfileTemporaries(const std::filesystem::path& file);

// The in-memory halves of the two calls above, on the text of a whole file.
// The value as read (quotes dropped, cut), or nothing when the key is absent.
std::optional<std::string> ProfileValueFromText(std::string_view text, std::string_view section,
                                                std::string_view key);
// The file's new text with the key set, or nothing when the text cannot be handled.
std::optional<std::string> SetProfileValueInText(std::string_view text, std::string_view section,
                                                 std::string_view key, std::string_view value);

}  // namespace vexlor
