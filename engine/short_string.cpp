#include "engine/short_string.h"

namespace vexlor {
namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 1 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (i + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
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
