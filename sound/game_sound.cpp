#include "sound/game_sound.h"

#include "config/file_lookup.h"
#include "config/plain_file.h"
#include "sound/wav.h"

namespace vexlor {
namespace {

// Cue files are small; anything larger is not a cue of this game.
constexpr std::uintmax_t kMaxCueBytes = 32u << 20;

bool ReadWhole(const std::string& path, std::vector<unsigned char>& bytes) {
  const PlainFile file = ReadPlainFile(path, kMaxCueBytes);
  if (!file.ok()) return false;
  bytes.assign(file.bytes.begin(), file.bytes.end());
  return true;
}

}  // namespace

std::string CueFilePath(const GameState& state, std::string_view ending) {
  return FindDataFile(state.AppDir, state.AssetPrefix + std::string(ending)).string();
}

std::vector<std::string> GameSound::LoadSoundImages() {
  std::string missing;
  for (const auto& [cue, image] : {std::pair{Cue::ReelStop, &state_.ReelStopSound},
                                   std::pair{Cue::Count, &state_.CountSound}}) {
    const std::string path = CueFilePath(state_, kCueFiles[static_cast<int>(cue)].ending);
    image->clear();
    if (!ReadWhole(path, *image) || !WavDurationMs(*image)) {
      image->clear();
      missing += (missing.empty() ? "" : ", ") + path;
    }
  }
  if (missing.empty()) return {};
  return {"Cannot read the sound " + missing + "; the game goes on without it"};
}

const std::vector<unsigned char>& GameSound::Image(Cue cue) {
  const CueFile& file = kCueFiles[static_cast<int>(cue)];
  if (file.inMemory) return cue == Cue::ReelStop ? state_.ReelStopSound : state_.CountSound;
  const std::string name = state_.AppDir + state_.AssetPrefix + std::string(file.ending);
  auto found = files_.find(name);
  if (found == files_.end()) {
    std::vector<unsigned char> bytes;
    if (ReadWhole(CueFilePath(state_, file.ending), bytes) && !WavDurationMs(bytes)) bytes.clear();
    found = files_.emplace(name, std::move(bytes)).first;
  }
  return found->second;
}

int64_t GameSound::Play(Cue cue) {
  if (kCueFiles[static_cast<int>(cue)].gated && !state_.SoundOn) return 0;
  // A missing or unreadable file is silence: there is no system sound to stand in.
  const std::vector<unsigned char>& bytes = Image(cue);
  if (bytes.empty() || !device_.PlayCue(bytes)) return 0;
  return WavDurationMs(bytes).value_or(0);
}

void GameSound::PlayReelStopCue() {
  Play(Cue::ReelStop);
}
void GameSound::PlayCoinCue() {
  Play(Cue::Coin);
}
int64_t GameSound::PlayBonusResetCue() {
  return Play(Cue::BonusReset);
}
void GameSound::PlayCountCue() {
  Play(Cue::Count);
}
void GameSound::PlayPrizeCue() {
  Play(Cue::Prize);
}
int64_t GameSound::PlayBonusPointCue() {
  return Play(Cue::BonusPoint);
}
void GameSound::PlayStartCue() {
  Play(Cue::StartUp);
}
int64_t GameSound::PlayExtraHoldCue() {
  return Play(Cue::ExtraHold);
}
int64_t GameSound::PlayWinCue() {
  return Play(Cue::Win);
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
