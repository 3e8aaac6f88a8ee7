#include "sound/midi.h"

#include <cstdint>
#include <string_view>

namespace vexlor {
namespace {

uint32_t Big32(const unsigned char* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

uint16_t Big16(const unsigned char* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

bool Tag(const unsigned char* p, std::string_view tag) {
  return std::string_view(reinterpret_cast<const char*>(p), 4) == tag;
}

}  // namespace

std::string MidiProblem(std::span<const unsigned char> bytes) {
  if (bytes.size() < 14 || !Tag(bytes.data(), "MThd")) return "not a MIDI file";
  const uint32_t headerLength = Big32(bytes.data() + 4);
  if (headerLength < 6 || headerLength > bytes.size() - 8) return "damaged MIDI header";
  const uint16_t format = Big16(bytes.data() + 8);
  const uint16_t tracks = Big16(bytes.data() + 10);
  const uint16_t division = Big16(bytes.data() + 12);
  if (format > 2 || tracks == 0 || division == 0) return "damaged MIDI header";
  uint64_t at = 8 + static_cast<uint64_t>(headerLength);
  int found = 0;
  while (found < tracks) {
    if (at + 8 > bytes.size()) return "MIDI file cut short";
    const uint32_t length = Big32(bytes.data() + at + 4);
    if (at + 8 + length > bytes.size()) return "MIDI file cut short";
    // Chunks of other kinds may stand between the tracks; they are passed over.
    if (Tag(bytes.data() + at, "MTrk")) {
      if (length == 0) return "empty MIDI track";
      ++found;
    }
    at += 8 + static_cast<uint64_t>(length);
  }
  return {};
}

}  // namespace vexlor
