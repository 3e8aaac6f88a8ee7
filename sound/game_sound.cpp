#include "sound/game_sound.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "config/file_lookup.h"
#include "sound/wav.h"

namespace vexlor {
namespace {

// Cue files are small; anything larger is not a cue of this game.
constexpr std::uintmax_t kMaxCueBytes = 32u << 20;

bool ReadWhole(const std::string& path, std::vector<unsigned char>& bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxCueBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

std::string CueFilePath(const GameState& state, std::string_view ending) {
  return FindDataFile(state.AppDir, state.AssetPrefix + std::string(ending)).string();
}

std::vector<std::string> GameSound::LoadSoundImages() {
  std::string missing;
  for (const auto& [ending, image] :
       {std::pair{"0.wav", &state_.ReelStopSound}, std::pair{"3.wav", &state_.CountSound}}) {
    const std::string path = CueFilePath(state_, ending);
    image->clear();
    if (!ReadWhole(path, *image) || !WavDurationMs(*image)) {
      image->clear();
      missing += (missing.empty() ? "" : ", ") + path;
    }
  }
  if (missing.empty()) return {};
  return {"Cannot read the sound " + missing + "; the game goes on without it"};
}

const GameSound::Cue* GameSound::CueFile(const char* ending) {
  const std::string name = state_.AppDir + state_.AssetPrefix + ending;
  auto found = cues_.find(name);
  if (found == cues_.end()) {
    Cue cue;
    if (ReadWhole(CueFilePath(state_, ending), cue.bytes)) {
      const auto duration = WavDurationMs(cue.bytes);
      cue.durationMs = duration.value_or(0);
      if (!duration) cue.bytes.clear();
    }
    found = cues_.emplace(name, std::move(cue)).first;
  }
  return found->second.bytes.empty() ? nullptr : &found->second;
}

void GameSound::Play(const std::vector<unsigned char>& bytes, bool gated, bool waits) {
  if ((gated && !state_.SoundOn) || bytes.empty()) return;
  if (!device_.PlayCue(bytes) || !waits) return;
  // A waiting cue lets the window paint and take the close box meanwhile; a
  // close cuts the wait short.
  const int64_t duration = WavDurationMs(bytes).value_or(0);
  const int64_t start = env_.clock();
  while (env_.clock() - start < duration && !state_.StopRequested)
    env_.pump();
}

void GameSound::PlayFile(const char* ending, bool gated, bool waits) {
  if (gated && !state_.SoundOn) return;
  // A missing or unreadable file is silence: there is no system sound to stand in.
  if (const Cue* cue = CueFile(ending)) Play(cue->bytes, gated, waits);
}

void GameSound::PlayReelStopCue() {
  Play(state_.ReelStopSound, true, false);
}
void GameSound::PlayCoinCue() {
  PlayFile("1.wav", true, false);
}
void GameSound::PlayBonusResetCue() {
  PlayFile("2.wav", true, true);
}
void GameSound::PlayCountCue() {
  Play(state_.CountSound, true, false);
}
void GameSound::PlayPrizeCue() {
  PlayFile("5.wav", true, false);
}
void GameSound::PlayBonusPointCue() {
  PlayFile("6.wav", false, true);
}
void GameSound::PlayStartCue() {
  PlayFile("7.wav", true, false);
}
void GameSound::PlayExtraHoldCue() {
  PlayFile("8.wav", true, true);
}
void GameSound::PlayWinCue() {
  PlayFile("Win.wav", false, true);
}

void GameSound::PlayTune(const std::string& file) {
  const std::string problem = device_.OpenTune(file);
  if (!problem.empty()) {
    if (env_.error) env_.error(problem);
    return;
  }
  device_.PlayTune();
}

}  // namespace vexlor
