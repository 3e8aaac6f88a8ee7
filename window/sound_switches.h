// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "engine/game_state.h"
#include "sound/audio_device.h"
#include "sound/game_sound.h"

class QAction;

namespace vexlor {

// The Options menu's Sound and Music switches, remembered between runs in
// `settingsFile` (none: they start on and are not remembered), and the music
// player's poll and end-of-tune report.
class SoundSwitches : public QObject {
  Q_OBJECT
 public:
  SoundSwitches(GameState& state, GameSound& sound, AudioDevice& audio, QString settingsFile);

  // The switches as remembered, shown on their menu items.
  void Restore(QAction* sound1, QAction* music1);
  void Sound1Click();
  void Music1Click();
  void Timer4Timer();  // the music poll, every 100 ms
  void MediaPlayer1Notify(TuneEnd end);
  // The end of start-up: the first tune marked for starting, and the start-up cue.
  void StartUp();

 private:
  void Remember() const;

  GameState& state_;
  GameSound& sound_;
  AudioDevice& audio_;
  QString settingsFile_;
  QAction* sound1_ = nullptr;  // owned by the menu bar
  QAction* music1_ = nullptr;
  QTimer timer4_;
};

}  // namespace vexlor
