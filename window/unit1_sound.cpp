#include <QAction>
#include <QSettings>

#include "sound/music.h"
#include "window/unit1.h"

namespace vexlor {
namespace {

const QString kSoundKey = QStringLiteral("Sound");
const QString kMusicKey = QStringLiteral("Music");

}  // namespace

void TForm1::Timer4Timer() {
  PollMusic(state_, sound_);
}

void TForm1::MediaPlayer1Notify(TuneEnd end) {
  OnTuneEnded(state_, *audio_, end, FileExistsOnDisk);
}

void TForm1::Sound1Click() {
  SwitchSound(state_);
  sound1_->setChecked(state_.SoundOn);
  RememberSwitches();
}

void TForm1::Music1Click() {
  SwitchMusic(state_, sound_);
  music1_->setChecked(state_.MusicOn);
  RememberSwitches();
}

void TForm1::RestoreSwitches() {
  state_.SoundOn = true;
  state_.MusicOn = true;
  if (!env_.settingsFile.isEmpty()) {
    const QSettings settings(env_.settingsFile, QSettings::IniFormat);
    state_.SoundOn = settings.value(kSoundKey, true).toBool();
    state_.MusicOn = settings.value(kMusicKey, true).toBool();
  }
  sound1_->setChecked(state_.SoundOn);
  music1_->setChecked(state_.MusicOn);
}

void TForm1::RememberSwitches() const {
  if (env_.settingsFile.isEmpty()) return;
  QSettings settings(env_.settingsFile, QSettings::IniFormat);
  settings.setValue(kSoundKey, state_.SoundOn);
  settings.setValue(kMusicKey, state_.MusicOn);
}

}  // namespace vexlor
