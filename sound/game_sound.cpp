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
    if (ReadWhole(CueFilePath(state_, ending), cue.bytes) && !WavDurationMs(cue.bytes)) {
      cue.bytes.clear();
    }
    found = cues_.emplace(name, std::move(cue)).first;
  }
  return found->second.bytes.empty() ? nullptr : &found->second;
}

int64_t GameSound::Play(const std::vector<unsigned char>& bytes, bool gated) {
  if ((gated && !state_.SoundOn) || bytes.empty()) return 0;
  if (!device_.PlayCue(bytes)) return 0;
  return WavDurationMs(bytes).value_or(0);
}

int64_t GameSound::PlayFile(const char* ending, bool gated) {
  if (gated && !state_.SoundOn) return 0;
  // A missing or unreadable file is silence: there is no system sound to stand in.
  const Cue* cue = CueFile(ending);
  return cue != nullptr ? Play(cue->bytes, gated) : 0;
}

void GameSound::PlayReelStopCue() {
  Play(state_.ReelStopSound, true);
}
void GameSound::PlayCoinCue() {
  PlayFile("1.wav", true);
}
int64_t GameSound::PlayBonusResetCue() {
  return PlayFile("2.wav", true);
}
void GameSound::PlayCountCue() {
  Play(state_.CountSound, true);
}
void GameSound::PlayPrizeCue() {
  PlayFile("5.wav", true);
}
int64_t GameSound::PlayBonusPointCue() {
  return PlayFile("6.wav", false);
}
void GameSound::PlayStartCue() {
  PlayFile("7.wav", true);
}
int64_t GameSound::PlayExtraHoldCue() {
  return PlayFile("8.wav", true);
}
int64_t GameSound::PlayWinCue() {
  return PlayFile("Win.wav", false);
}

void GameSound::PlayTune(const std::string& file) {
  const std::string problem = device_.OpenTune(file);
  if (!problem.empty()) {
    if (error_) error_(problem);
    return;
  }
  device_.PlayTune();
}

}  // namespace vexlor
