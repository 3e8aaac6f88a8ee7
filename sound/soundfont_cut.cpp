// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/soundfont_cut.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string_view>

#include "sound/file_bytes.h"

namespace vexlor {
namespace {

constexpr uint64_t kMaxPresetBytes = 64u << 20;  // the largest soundfonts hold a few MiB
constexpr uint16_t kInstrumentGenerator = 41;    // a preset zone's instrument, by index

using file_bytes::Little16;
using file_bytes::Little32;
using file_bytes::Tag;

void Put16(unsigned char* p, std::size_t value) {
  p[0] = static_cast<unsigned char>(value & 0xFF);
  p[1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

bool ReadAt(std::FILE* file, uint64_t at, unsigned char* out, uint64_t count) {
  if (at > static_cast<uint64_t>(INT64_MAX)) return false;
  return fseeko(file, static_cast<off_t>(at), SEEK_SET) == 0 &&
         std::fread(out, 1, count, file) == count;
}

// One of the preset data's tables: records of one size, the last a terminal.
struct Table {
  const unsigned char* data = nullptr;
  std::size_t count = 0;  // with the terminal
  std::size_t size = 0;
  const unsigned char* operator[](std::size_t i) const { return data + i * size; }
};

// The preset data's nine tables, in the order the standard gives them.
constexpr std::array<std::pair<std::string_view, std::size_t>, 9> kTables{{{"phdr", 38},
                                                                           {"pbag", 4},
                                                                           {"pmod", 10},
                                                                           {"pgen", 4},
                                                                           {"inst", 22},
                                                                           {"ibag", 4},
                                                                           {"imod", 10},
                                                                           {"igen", 4},
                                                                           {"shdr", 46}}};
enum { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr };

std::optional<std::array<Table, 9>> ReadTables(const std::vector<unsigned char>& body) {
  std::array<Table, 9> tables;
  std::size_t at = 0;
  for (std::size_t t = 0; t < kTables.size(); ++t) {
    if (body.size() - at < 8 || !Tag(body.data() + at, kTables[t].first)) return std::nullopt;
    const uint32_t bytes = Little32(body.data() + at + 4);
    at += 8;
    const std::size_t size = kTables[t].second;
    if (bytes > body.size() - at || bytes % size != 0 || bytes < size) return std::nullopt;
    tables[t] = {body.data() + at, bytes / size, size};
    at += bytes;
  }
  return tables;
}

// Whether the headers' first records (at `offset` in each) rise to at most
// `limit`, the last record of the table they point into.
bool Rising(const Table& headers, std::size_t offset, std::size_t limit) {
  for (std::size_t i = 0; i + 1 < headers.count; ++i) {
    if (Little16(headers[i] + offset) > Little16(headers[i + 1] + offset)) return false;
  }
  return Little16(headers[headers.count - 1] + offset) <= limit;
}

// A level of the preset data (presets or instruments): headers, their zones
// (bags), and the zones' generators and modulators.
struct Level {
  const Table& headers;
  std::size_t bagOffset;
  const Table& bags;
  const Table& modulators;
  const Table& generators;
};

bool Sound(const Level& level) {
  return Rising(level.headers, level.bagOffset, level.bags.count - 1) &&
         Rising(level.bags, 0, level.generators.count - 1) &&
         Rising(level.bags, 2, level.modulators.count - 1);
}

void Append(std::vector<unsigned char>& out, const unsigned char* record, std::size_t size) {
  out.insert(out.end(), record, record + size);
}

// The tables of `level` holding only the headers `kept` (by index, rising),
// each with its zones; `instrumentOf` gives a kept instrument its new index.
std::array<std::vector<unsigned char>, 4> CutLevel(
    const Level& level, const std::vector<std::size_t>& kept,
    const std::vector<std::size_t>* instrumentOf = nullptr) {
  std::array<std::vector<unsigned char>, 4> out;  // headers, bags, modulators, generators
  std::vector<unsigned char>& headers = out[0];
  std::vector<unsigned char>& bags = out[1];
  std::vector<unsigned char>& modulators = out[2];
  std::vector<unsigned char>& generators = out[3];
  const auto addBagEnd = [&] {
    bags.resize(bags.size() + 4);
    Put16(&bags[bags.size() - 4], generators.size() / 4);
    Put16(&bags[bags.size() - 2], modulators.size() / 10);
  };
  for (std::size_t header : kept) {
    Append(headers, level.headers[header], level.headers.size);
    Put16(&headers[headers.size() - level.headers.size + level.bagOffset], bags.size() / 4);
    for (std::size_t bag = Little16(level.headers[header] + level.bagOffset);
         bag < Little16(level.headers[header + 1] + level.bagOffset); ++bag) {
      addBagEnd();
      for (std::size_t m = Little16(level.bags[bag] + 2); m < Little16(level.bags[bag + 1] + 2);
           ++m)
        Append(modulators, level.modulators[m], level.modulators.size);
      for (std::size_t g = Little16(level.bags[bag]); g < Little16(level.bags[bag + 1]); ++g) {
        Append(generators, level.generators[g], level.generators.size);
        if (instrumentOf != nullptr && Little16(level.generators[g]) == kInstrumentGenerator)
          Put16(&generators[generators.size() - 2],
                (*instrumentOf)[Little16(level.generators[g] + 2)]);
      }
    }
  }
  // The terminals: the last header and last records as the file had them,
  // the header and the bag pointing past what is kept.
  Append(headers, level.headers[level.headers.count - 1], level.headers.size);
  Put16(&headers[headers.size() - level.headers.size + level.bagOffset], bags.size() / 4);
  addBagEnd();
  Append(modulators, level.modulators[level.modulators.count - 1], level.modulators.size);
  Append(generators, level.generators[level.generators.count - 1], level.generators.size);
  return out;
}

void AppendChunk(std::vector<unsigned char>& out, std::string_view tag,
                 const std::vector<unsigned char>& body) {
  out.insert(out.end(), tag.begin(), tag.end());
  const std::size_t size = body.size();
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<unsigned char>((size >> shift) & 0xFF));
  out.insert(out.end(), body.begin(), body.end());
}

// The new preset data (a LIST pdta chunk) holding the presets of `programs`;
// empty when the tables are damaged or no preset is kept.
std::vector<unsigned char> CutPresets(const std::vector<unsigned char>& body,
                                      const std::bitset<128>& programs) {
  const std::optional<std::array<Table, 9>> tables = ReadTables(body);
  if (!tables) return {};
  const auto& t = *tables;
  const Level presets{t[kPhdr], 24, t[kPbag], t[kPmod], t[kPgen]};
  const Level instruments{t[kInst], 20, t[kIbag], t[kImod], t[kIgen]};
  if (!Sound(presets) || !Sound(instruments)) return {};
  std::vector<std::size_t> keptPresets;
  std::vector<bool> used(t[kInst].count, false);
  for (std::size_t p = 0; p + 1 < t[kPhdr].count; ++p) {
    const uint16_t program = Little16(t[kPhdr][p] + 20);
    if (program >= programs.size() || !programs.test(program)) continue;
    keptPresets.push_back(p);
    const std::size_t firstGen = Little16(t[kPbag][Little16(t[kPhdr][p] + 24)]);
    const std::size_t endGen = Little16(t[kPbag][Little16(t[kPhdr][p + 1] + 24)]);
    for (std::size_t g = firstGen; g < endGen; ++g) {
      if (Little16(t[kPgen][g]) != kInstrumentGenerator) continue;
      const std::size_t instrument = Little16(t[kPgen][g] + 2);
      if (instrument + 1 >= t[kInst].count) return {};
      used[instrument] = true;
    }
  }
  if (keptPresets.empty()) return {};
  std::vector<std::size_t> keptInstruments;
  std::vector<std::size_t> instrumentOf(used.size());  // a kept instrument's new index
  for (std::size_t i = 0; i < used.size(); ++i) {
    if (!used[i]) continue;
    instrumentOf[i] = keptInstruments.size();
    keptInstruments.push_back(i);
  }
  const auto presetTables = CutLevel(presets, keptPresets, &instrumentOf);
  const auto instrumentTables = CutLevel(instruments, keptInstruments);
  const std::vector<unsigned char> samples(t[kShdr].data,
                                           t[kShdr].data + t[kShdr].count * t[kShdr].size);
  std::vector<unsigned char> list = {'p', 'd', 't', 'a'};
  const std::array<const std::vector<unsigned char>*, 9> parts{
      &presetTables[0],     &presetTables[1],     &presetTables[2],
      &presetTables[3],     &instrumentTables[0], &instrumentTables[1],
      &instrumentTables[2], &instrumentTables[3], &samples};
  for (std::size_t i = 0; i < parts.size(); ++i)
    AppendChunk(list, kTables[i].first, *parts[i]);
  std::vector<unsigned char> chunk;
  AppendChunk(chunk, "LIST", list);
  return chunk;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool SoundFontCut::Read(std::FILE* file, uint64_t at, unsigned char* out, uint64_t count) const {
  if (at > Size() || count > Size() - at) return false;
  if (at < fileBytes) {
    const uint64_t fromFile = std::min(count, fileBytes - at);
    if (!ReadAt(file, at, out, fromFile)) return false;
    for (uint64_t i = std::max<uint64_t>(at, 4); i < std::min<uint64_t>(at + fromFile, 8); ++i)
      out[i - at] = static_cast<unsigned char>((riffSize >> (8 * (i - 4))) & 0xFF);
    at += fromFile;
    out += fromFile;
    count -= fromFile;
  }
  if (count > 0) std::memcpy(out, presets.data() + (at - fileBytes), count);
  return true;
}

std::optional<SoundFontCut> CutSoundFont(const std::string& path,
                                         const std::bitset<128>& programs) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  unsigned char header[12];
  if (!file || !ReadAt(file.get(), 0, header, sizeof header) || !Tag(header, "RIFF") ||
      !Tag(header + 8, "sfbk")) {
    return std::nullopt;
  }
  const uint64_t end = 8 + static_cast<uint64_t>(Little32(header + 4));
  // The preset data must be the last chunk, so that what stands before it
  // stays where it is in the cut.
  for (uint64_t at = 12; at + 12 <= end;) {
    unsigned char chunk[12];
    if (!ReadAt(file.get(), at, chunk, sizeof chunk)) return std::nullopt;
    const uint64_t size = Little32(chunk + 4);
    const uint64_t next = at + 8 + size + (size & 1);
    if (Tag(chunk, "LIST") && Tag(chunk + 8, "pdta")) {
      if (next < end || size < 4 || size > kMaxPresetBytes) return std::nullopt;
      std::vector<unsigned char> body(size - 4);
      if (!ReadAt(file.get(), at + 12, body.data(), body.size())) return std::nullopt;
      SoundFontCut cut{path, at, CutPresets(body, programs), 0};
      if (cut.presets.empty()) return std::nullopt;
      cut.riffSize = static_cast<uint32_t>(cut.Size() - 8);
      return cut;
    }
    at = next;
  }
  return std::nullopt;
}

}  // namespace vexlor
