// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound_switches.h"

#include <QAction>
#include <QSettings>

#include "config/plain_file.h"
#include "config/standard_error.h"
#include "sound/music.h"

namespace vexlor {
namespace {

const QString kSoundKey = QStringLiteral("Sound");
const QString kMusicKey = QStringLiteral("Music");
// The switches take a few dozen bytes; a larger file is not the game's.
constexpr std::uintmax_t kMaxSettingsBytes = 64u << 10;

// Whether the settings file may be read and written: missing, or a plain
// file of settings' size. Said once when it may not.
bool SettingsUsable(const QString& file) {
  const PlainFile check = ReadPlainFile(file.toStdString(), kMaxSettingsBytes);
  if (check.ok() || check.result == PlainRead::Missing) return true;
  SayOnce("the Sound and Music switches are not remembered: " + file.toStdString() + ": " +
          check.why);
  return false;
}

}  // namespace

SoundSwitches::SoundSwitches(GameState& state, GameSound& sound, AudioDevice& audio,
                             QString settingsFile)
    : state_(state), sound_(sound), audio_(audio), settingsFile_(std::move(settingsFile)) {
  timer4_.setInterval(100);
  connect(&timer4_, &QTimer::timeout, this, &SoundSwitches::Timer4Timer);
  timer4_.start();
  audio_.onTuneEnd = [this](TuneEnd end) { MediaPlayer1Notify(end); };
}

void SoundSwitches::Restore(QAction* sound1, QAction* music1) {
  sound1_ = sound1;
  music1_ = music1;
  state_.SoundOn = true;
  state_.MusicOn = true;
  if (!settingsFile_.isEmpty() && !SettingsUsable(settingsFile_)) settingsFile_.clear();
  if (!settingsFile_.isEmpty()) {
    const QSettings settings(settingsFile_, QSettings::IniFormat);
    state_.SoundOn = settings.value(kSoundKey, true).toBool();
    state_.MusicOn = settings.value(kMusicKey, true).toBool();
  }
  sound1_->setChecked(state_.SoundOn);
  music1_->setChecked(state_.MusicOn);
}

void SoundSwitches::Sound1Click() {
  SwitchSound(state_);
  sound1_->setChecked(state_.SoundOn);
  Remember();
}

void SoundSwitches::Music1Click() {
  SwitchMusic(state_, sound_);
  music1_->setChecked(state_.MusicOn);
  Remember();
}

void SoundSwitches::Timer4Timer() {
  PollMusic(state_, sound_);
  // Only the start of the first tune is ever left for it to do: once nothing
  // waits, an idle game need not wake ten times a second for it.
  if (state_.MusicTrack < kTuneStartMark) timer4_.stop();
}

void SoundSwitches::MediaPlayer1Notify(TuneEnd end) {
  OnTuneEnded(state_, sound_, end, FileExistsOnDisk);
}

void SoundSwitches::StartUp() {
  StartMusicAtStartUp(state_, sound_, FileExistsOnDisk);
  timer4_.start();  // the first tune waits for it
}

void SoundSwitches::Remember() const {
  if (settingsFile_.isEmpty() || !SettingsUsable(settingsFile_)) return;
  QSettings settings(settingsFile_, QSettings::IniFormat);
  settings.setValue(kSoundKey, state_.SoundOn);
  settings.setValue(kMusicKey, state_.MusicOn);
}

}  // namespace vexlor
