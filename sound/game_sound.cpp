// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/game_sound.h"

#include "config/file_lookup.h"
#include "config/plain_file.h"
#include "config/standard_error.h"
#include "sound/wav.h"

namespace vexlor {
namespace {

// Cue files are small; anything larger is not a cue of this game.
constexpr std::uintmax_t kMaxCueBytes = 32u << 20;

// A cue's image, or nothing, with why not when its file exists.
std::vector<unsigned char> ReadCue(const std::string& path, std::string& why) {
  PlainFile file = ReadPlainFile(path, kMaxCueBytes);
  if (file.result == PlainRead::Missing) return {};
  if (!file.ok()) {
    why = file.why;
    return {};
  }
  std::vector<unsigned char> bytes(file.bytes.begin(), file.bytes.end());
  if (!WavDurationMs(bytes)) {
    why = "it is not a WAV file of three minutes at most in a form the game plays";
    return {};
  }
  return bytes;
}

}  // namespace

std::string CueFilePath(const GameState& state, std::string_view ending) {
  const std::string name = state.AssetPrefix + std::string(ending);
  return FindDataFileNoCase(state.AppDir, name).value_or(FindDataFile(state.AppDir, name)).string();
}

std::vector<std::string> GameSound::LoadSoundImages() {
  // Every cue is looked at now, so that one that cannot be played is named
  // at start rather than met in silence; the two kept in memory are needed
  // at once and are also said in the box.
  std::string missing;
  for (int index = 0; index < static_cast<int>(kCueFiles.size()); ++index) {
    const auto cue = static_cast<Cue>(index);
    const std::string path = CueFilePath(state_, kCueFiles[static_cast<std::size_t>(index)].ending);
    std::string why;
    std::vector<unsigned char> bytes = ReadCue(path, why);
    if (!why.empty()) SayOnce("cannot play the sound " + path + ": " + why);
    if (cue == Cue::ReelStop || cue == Cue::Count) {
      if (bytes.empty()) missing += (missing.empty() ? "" : ", ") + path;
      (cue == Cue::ReelStop ? state_.ReelStopSound : state_.CountSound) = std::move(bytes);
    } else {
      files_[index] = std::move(bytes);
    }
  }
  if (missing.empty()) return {};
  return {"Cannot read the sound " + missing + "; the game goes on without it"};
}

const std::vector<unsigned char>& GameSound::Image(Cue cue) {
  if (cue == Cue::ReelStop) return state_.ReelStopSound;
  if (cue == Cue::Count) return state_.CountSound;
  return files_[static_cast<std::size_t>(cue)];
}

int64_t GameSound::Play(Cue cue) {
  if (kCueFiles[static_cast<int>(cue)].gated && !state_.SoundOn) return 0;
  // A missing or unreadable file is silence: there is no system sound to stand in.
  const std::vector<unsigned char>& bytes = Image(cue);
  if (bytes.empty()) return 0;
  if (!device_.PlayCue(bytes)) {
    if (!device_.PlaysCues()) return 0;  // said once at start: the game plays silent
    SayOnce("cannot play the sound " +
            CueFilePath(state_, kCueFiles[static_cast<std::size_t>(cue)].ending) +
            ": the sound device refuses it");
    return 0;
  }
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
