// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/midi.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "sound/file_bytes.h"

namespace vexlor {
namespace {

// The player (FluidSynth) keeps at most this many tracks of a file; with more
// it drops the whole file without a word.
constexpr unsigned kMaxTracks = 128;

using file_bytes::Big16;
using file_bytes::Big32;
using file_bytes::Tag;

bool AsciiTag(const unsigned char* p) {
  for (int i = 0; i < 4; ++i) {
    if (p[i] >= 0x80) return false;
  }
  return true;
}

// Reads the events of one track chunk the way the player does, and says
// whether it reads them all without a fault: every event lies within the
// chunk, delta times and lengths take at most four bytes, running status
// follows a channel message, data bytes stay below 0x80, system exclusive
// messages start with F0 (the player knows no other system message), and the
// meta events the player interprets have the length it requires. A track
// may end with End of Track before the chunk does; the rest is passed over.
// Along the way it notes the tick of every tempo change and of the last event.
class TrackReader {
 public:
  TrackReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  bool Read() {
    int running = 0;  // the status of the last channel message; 0 when none
    while (at_ < size_) {
      const std::optional<uint32_t> delta = Number();
      if (!delta) return false;
      tick_ += *delta;
      if (at_ >= size_) return false;
      int status = data_[at_];
      if (status < 0x80) {
        if (running == 0) return false;
        status = running;  // the byte is the message's first data byte
      } else {
        ++at_;
      }
      if (status == 0xFF) {
        running = 0;
        if (at_ >= size_) return false;
        const int type = data_[at_++];
        const std::optional<uint32_t> length = Number();
        if (!length || *length > size_ - at_) return false;
        if (!MetaFits(type, *length, data_ + at_)) return false;
        if (type == 0x51) {
          tempos_.push_back({tick_, (static_cast<uint32_t>(data_[at_]) << 16) |
                                        (static_cast<uint32_t>(data_[at_ + 1]) << 8) |
                                        data_[at_ + 2]});
        }
        at_ += *length;
        if (type == 0x2F) return true;  // End of Track
      } else if (status == 0xF0) {
        running = 0;
        const std::optional<uint32_t> length = Number();
        if (!length || *length > size_ - at_) return false;
        at_ += *length;
      } else if (status >= 0xF0) {
        return false;  // F1 to FE: no message the player reads from a file
      } else {
        running = status;
        const int kind = status & 0xF0;
        const std::size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (dataBytes > size_ - at_) return false;
        for (std::size_t i = 0; i < dataBytes; ++i) {
          if (data_[at_ + i] >= 0x80) return false;
        }
        if (kind == 0xC0) programs_.set(data_[at_]);
        at_ += dataBytes;
      }
    }
    return true;
  }

  // The tick of the last event read, and the tempo changes met: (tick, microseconds a quarter).
  uint64_t EndTick() const { return tick_; }
  const std::vector<std::pair<uint64_t, uint32_t>>& Tempos() const { return tempos_; }
  const std::bitset<128>& Programs() const { return programs_; }

 private:
  // A variable-length number of at most four bytes, within the chunk.
  std::optional<uint32_t> Number() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      if (at_ >= size_) return std::nullopt;
      const unsigned char byte = data_[at_++];
      value = (value << 7) | (byte & 0x7Fu);
      if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
  }

  // The meta events whose length the player checks, and a tempo it can use.
  static bool MetaFits(int type, uint32_t length, const unsigned char* body) {
    switch (type) {
      case 0x2F:  // End of Track
        return length == 0;
      case 0x51:  // Set Tempo: microseconds a quarter note, never 0
        return length == 3 && (body[0] | body[1] | body[2]) != 0;
      case 0x54:  // SMPTE Offset
        return length == 5;
      case 0x58:  // Time Signature
        return length == 4;
      case 0x59:  // Key Signature
        return length == 2;
      default:
        return true;
    }
  }

  const unsigned char* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  uint64_t tick_ = 0;
  std::vector<std::pair<uint64_t, uint32_t>> tempos_;
  std::bitset<128> programs_;
};

// What the tracks hold for the tune's length: the ticks a quarter note, the
// tempo changes of all tracks in the order the player meets them (by tick,
// then track), and the tick of the last event of the longest track.
struct Timing {
  uint16_t division = 0;
  std::vector<std::tuple<uint64_t, int, uint32_t>> tempos;  // (tick, track, microseconds a quarter)
  uint64_t endTick = 0;
  std::bitset<128> programs;
};

// MidiProblem's verdict; with `timing`, also what the tune's length needs.
std::string Examine(std::span<const unsigned char> bytes, Timing* timing) {
  if (bytes.size() < 14 || !Tag(bytes.data(), "MThd")) return "not a MIDI file";
  // The player takes the header as six bytes long, whatever it says.
  const uint32_t headerLength = Big32(bytes.data() + 4);
  if (headerLength != 6) return "damaged MIDI header";
  const uint16_t format = Big16(bytes.data() + 8);
  const uint16_t tracks = Big16(bytes.data() + 10);
  const uint16_t division = Big16(bytes.data() + 12);
  if (format > 2 || tracks == 0 || division == 0) return "damaged MIDI header";
  if ((division & 0x8000) != 0) return "MIDI timing in frames, which the player cannot play";
  if (tracks > kMaxTracks) return "too many MIDI tracks";
  uint64_t at = 8 + static_cast<uint64_t>(headerLength);
  int found = 0;
  while (found < tracks) {
    if (at + 8 > bytes.size()) return "MIDI file cut short";
    const uint32_t length = Big32(bytes.data() + at + 4);
    if (at + 8 + length > bytes.size()) return "MIDI file cut short";
    // Chunks of other kinds may stand between the tracks; they are passed over.
    if (Tag(bytes.data() + at, "MTrk")) {
      if (length == 0) return "empty MIDI track";
      TrackReader reader(bytes.data() + at + 8, length);
      if (!reader.Read()) return "damaged MIDI track";
      if (timing != nullptr) {
        for (const auto& [tick, micros] : reader.Tempos())
          timing->tempos.emplace_back(tick, found, micros);
        timing->endTick = std::max(timing->endTick, reader.EndTick());
        timing->programs |= reader.Programs();
        timing->division = division;
      }
      ++found;
    } else if (!AsciiTag(bytes.data() + at)) {
      return "damaged MIDI file";
    }
    at += 8 + static_cast<uint64_t>(length);
  }
  return {};
}

}  // namespace

std::string MidiProblem(std::span<const unsigned char> bytes) {
  return Examine(bytes, nullptr);
}

std::optional<double> MidiEndSeconds(std::span<const unsigned char> bytes) {
  Timing timing;
  if (!Examine(bytes, &timing).empty()) return std::nullopt;
  // Stable: at one tick the player applies the tracks' tempo changes in track order.
  std::stable_sort(timing.tempos.begin(), timing.tempos.end(),
                   [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
  double seconds = 0;
  uint64_t from = 0;
  double perQuarter = 500'000;  // 120 beats a minute until the file says otherwise
  for (const auto& [tick, track, micros] : timing.tempos) {
    if (tick >= timing.endTick) break;
    seconds += static_cast<double>(tick - from) * perQuarter / timing.division / 1e6;
    from = tick;
    perQuarter = micros;
  }
  return seconds + static_cast<double>(timing.endTick - from) * perQuarter / timing.division / 1e6;
}

std::bitset<128> MidiPrograms(std::span<const unsigned char> bytes) {
  Timing timing;
  Examine(bytes, &timing);
  timing.programs.set(0);  // every channel starts on program 0, the drums on kit 0
  return timing.programs;
}

}  // namespace vexlor
