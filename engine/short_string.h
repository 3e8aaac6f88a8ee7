// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexlor {

// The first `maxChars` characters of UTF-8 text. A byte that does not start a
// valid UTF-8 sequence counts as one character, so any byte string is accepted
// and a valid multi-byte character is never split.
std::string CutToChars(std::string_view text, std::size_t maxChars);

// The text itself when it is valid UTF-8 (ASCII included), else the text read
// as Windows-1252 (of which Latin-1 is a part), in UTF-8.
std::string Utf8OrWindows1252(std::string_view text);

// A text field with a fixed maximum length: longer values are cut on assignment.
template <std::size_t MaxChars>
class ShortString {
 public:
  static constexpr std::size_t kMaxChars = MaxChars;

  ShortString() = default;
  explicit ShortString(std::string_view text) : text_(CutToChars(text, MaxChars)) {}

  ShortString& operator=(std::string_view text) {
    text_ = CutToChars(text, MaxChars);
    return *this;
  }
  ShortString& operator=(const char* text) { return *this = std::string_view(text); }
  ShortString& operator=(const std::string& text) { return *this = std::string_view(text); }

  const std::string& str() const { return text_; }
  operator std::string_view() const { return text_; }  // NOLINT
  bool empty() const { return text_.empty(); }

  friend bool operator==(const ShortString& a, std::string_view b) { return a.text_ == b; }
  friend bool operator==(const ShortString& a, const ShortString& b) { return a.text_ == b.text_; }

 private:
  std::string text_;
};

}  // namespace vexlor
