// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <map>
#include <stdexcept>
#include <tuple>

#include "tools/soundgen/song.h"

namespace vexlor::soundgen {
namespace {

enum Order { kNoteOff, kSetup, kNoteOn };

struct Event {
  Tick tick;
  int order;
  std::string bytes;  // status byte first
};

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values)
    out.push_back(static_cast<char>(v));
  return out;
}

void PutVarLength(std::string& out, Tick value) {
  std::string reversed(1, static_cast<char>(value & 0x7f));
  while ((value >>= 7) > 0)
    reversed.push_back(static_cast<char>(0x80 | (value & 0x7f)));
  out.append(reversed.rbegin(), reversed.rend());
}

void PutBigEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xff));
  }
}

std::string Meta(int type, const std::string& data) {
  std::string out = Bytes({0xff, type});
  PutVarLength(out, static_cast<Tick>(data.size()));
  return out + data;
}

// Off-beat eighths move to swingPercent of the beat; times between stretch evenly.
Tick Swung(const Song& song, Tick tick) {
  const Tick beat = song.ticksPerQuarter;
  const Tick half = beat / 2;
  const Tick swung = beat * song.swingPercent / 100;
  const Tick start = tick - tick % beat;
  const Tick within = tick % beat;
  if (within <= half) return start + within * swung / half;
  return start + swung + (within - half) * (beat - swung) / (beat - half);
}

// Same-key notes: a repeat at the same moment merges, an earlier note ends where the next begins.
std::vector<Note> Untangled(std::vector<Note> notes) {
  std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
    return std::tie(a.key, a.start) < std::tie(b.key, b.start);
  });
  std::vector<Note> out;
  for (const Note& note : notes) {
    if (!out.empty() && out.back().key == note.key) {
      Note& last = out.back();
      if (last.start == note.start) {
        last.length = std::max(last.length, note.length);
        last.velocity = std::max(last.velocity, note.velocity);
        continue;
      }
      last.length = std::min(last.length, note.start - last.start);
    }
    out.push_back(note);
  }
  return out;
}

std::string TrackChunk(std::vector<Event> events, Tick end) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
  });
  events.push_back({end, kNoteOn, Meta(0x2f, "")});
  std::string body;
  Tick now = 0;
  int runningStatus = 0;
  for (const Event& event : events) {
    PutVarLength(body, event.tick - now);
    now = event.tick;
    const int status = static_cast<unsigned char>(event.bytes[0]);
    const bool channelMessage = status < 0xf0;
    body += (channelMessage && status == runningStatus) ? event.bytes.substr(1) : event.bytes;
    runningStatus = channelMessage ? status : 0;
  }
  std::string chunk = "MTrk";
  PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  return chunk + body;
}

// A note's on and off in the file, after swing; an off never falls on its own on.
std::pair<Tick, Tick> Sounding(const Song& song, const Note& note) {
  const Tick on = Swung(song, note.start);
  return {on, std::max(on + 1, Swung(song, note.start + note.length))};
}

// Where every track ends: kEndTailMs after the last note's release, however
// the last pattern goes on in rests. The tail is timed by the tune's tempo.
Tick EndTick(const Song& song) {
  Tick lastOff = 0;
  for (const Part& part : song.parts) {
    for (const Note& note : Untangled(part.notes))
      lastOff = std::max(lastOff, Sounding(song, note).second);
  }
  const Tick tail =
      (static_cast<Tick>(kEndTailMs) * song.ticksPerQuarter * song.tempoBpm + 30'000) / 60'000;
  return lastOff + tail;
}

std::string ConductorTrack(const Song& song, Tick end) {
  std::string tempo;
  PutBigEndian(tempo, static_cast<std::uint32_t>(60'000'000 / song.tempoBpm), 3);
  int unitPower = 0;
  while ((1 << unitPower) < song.beatUnit)
    ++unitPower;
  std::vector<Event> events = {
      {0, kSetup, Meta(0x03, song.title)},
      {0, kSetup, Meta(0x58, Bytes({song.beatsPerBar, unitPower, 24, 8}))},
      {0, kSetup, Meta(0x51, tempo)},
  };
  return TrackChunk(std::move(events), end);
}

std::string PartTrack(const Song& song, const Part& part, Tick end) {
  const int c = part.channel;
  std::vector<Event> events = {
      {0, kSetup, Meta(0x03, part.name)},
      {0, kSetup, Bytes({0xb0 | c, 121, 0})},  // controllers from an earlier tune reset
      {0, kSetup, Bytes({0xc0 | c, part.program})},
      {0, kSetup, Bytes({0xb0 | c, 7, part.volume})},
      {0, kSetup, Bytes({0xb0 | c, 10, part.pan})},
      {0, kSetup, Bytes({0xb0 | c, 91, part.reverb})},
  };
  for (const Note& note : Untangled(part.notes)) {
    const auto [on, off] = Sounding(song, note);
    events.push_back({on, kNoteOn, Bytes({0x90 | c, note.key, note.velocity})});
    events.push_back({off, kNoteOff, Bytes({0x90 | c, note.key, 0})});
  }
  return TrackChunk(std::move(events), end);
}

}  // namespace

double DurationSeconds(const Song& song) {
  return static_cast<double>(EndTick(song)) / song.ticksPerQuarter * 60.0 / song.tempoBpm;
}

std::string EncodeMidi(const Song& song) {
  if (song.tempoBpm <= 0 || song.ticksPerQuarter <= 0 || song.ticksPerQuarter > 0x7fff) {
    throw std::invalid_argument("a tune needs a positive tempo and tick rate");
  }
  std::string out = "MThd";
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 1, 2);
  PutBigEndian(out, static_cast<std::uint32_t>(song.parts.size() + 1), 2);
  PutBigEndian(out, static_cast<std::uint32_t>(song.ticksPerQuarter), 2);
  const Tick end = EndTick(song);
  out += ConductorTrack(song, end);
  for (const Part& part : song.parts)
    out += PartTrack(song, part, end);
  return out;
}

}  // namespace vexlor::soundgen
