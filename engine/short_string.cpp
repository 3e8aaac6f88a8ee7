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

std::string CutToChars(std::string_view text, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t chars = 0; chars < maxChars && pos < text.size(); ++chars) {
    pos += SequenceLength(text, pos);
  }
  return std::string(text.substr(0, pos));
}

}  // namespace vexlor
