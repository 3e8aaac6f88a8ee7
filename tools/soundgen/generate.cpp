// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/soundgen/generate.h"

#include <fstream>
#include <stdexcept>
#include <utility>

#include "assets/sounds/sounds.h"
#include "tools/soundgen/notation.h"
#include "tools/soundgen/wav_writer.h"

namespace vexlor::soundgen {
namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

}  // namespace

std::filesystem::path DefaultSourceFolder() {
  return VEXLOR_SOUND_SOURCES;
}

std::vector<std::string> OutputFiles() {
  std::vector<std::string> files;
  for (const sounds::Cue& cue : sounds::Cues())
    files.emplace_back(cue.file);
  for (const sounds::Tune& tune : sounds::Tunes())
    files.emplace_back(tune.file);
  return files;
}

void GenerateAll(const std::filesystem::path& outDir, const std::filesystem::path& sources) {
  // Everything is made before anything is written, so a faulty tune leaves no file half-updated.
  std::vector<std::pair<std::string, std::string>> files;
  for (const sounds::Cue& cue : sounds::Cues()) {
    Samples samples = cue.make();
    NormalizePeak(samples, cue.peakDb);
    files.emplace_back(cue.file, EncodeWav(samples));
  }
  for (const sounds::Tune& tune : sounds::Tunes()) {
    files.emplace_back(tune.file, EncodeMidi(ReadTune(sources / tune.source)));
  }
  std::filesystem::create_directories(outDir);
  for (const auto& [name, bytes] : files)
    WriteFile(outDir / name, bytes);
}

}  // namespace vexlor::soundgen
