// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/short_string.h"

namespace vexlor {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 1 when there is
// none. Valid excludes overlong forms, UTF-16 surrogates (ED A0..BF) and code
// points past U+10FFFF (F4 90..BF): each byte of those counts on its own, as
// a decoder shows each of them as a character of its own.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 1;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (i + length > text.size()) return 1;
  if (length > 1) {
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return 1;
  }
  for (std::size_t k = 2; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::string Utf8OrWindows1252(std::string_view text) {
  bool valid = true;
  for (std::size_t i = 0; valid && i < text.size(); i += SequenceLength(text, i))
    valid = static_cast<unsigned char>(text[i]) < 0x80 || SequenceLength(text, i) > 1;
  if (valid) return std::string(text);
  // 0x80..0x9F of Windows-1252; the five it leaves out stand for themselves.
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const char16_t code = byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

std::string CutToChars(std::string_view text, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t chars = 0; chars < maxChars && pos < text.size(); ++chars) {
    pos += SequenceLength(text, pos);
  }
  return std::string(text.substr(0, pos));
}

}  // namespace vexlor
