// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "dialogs/help_window.h"
#include "dialogs/side_window.h"
#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/random.h"
#include "window/artwork.h"
#include "window/environment.h"
#include "window/game_keeper.h"
#include "window/renderer.h"

class QWidget;

namespace vexlor {

// Opens the windows beside the machine, each for one use and left to the
// player (nothing waits for them): borrowing, statistics, the payoff chart,
// the last plays, the game slots, the version box, the manual with F1, and
// the bonus round. Closes them all when the machine closes.
class SideWindows : public QObject {
  Q_OBJECT
 public:
  SideWindows(QWidget& machine, GameState& state, GameKeeper& keeper, SoundHooks& sound,
              const Artwork& artwork, MachineRenderer& renderer, GameRandom& random,
              const WindowEnvironment& env);

  void Borrow1Click();
  void Stats1Click();
  void Payoffs1Click();
  void LastPlays1Click();
  void OpenGame1Click();
  void SaveGame1Click();
  void Version1Click();
  // Shows a topic of the manual by its help context.
  void ShowHelp(int context);
  // The web link and the logo: the manual's company topic in the web browser, or
  // in the help window when no browser takes it.
  void OpenCompanyPage();
  HelpWindow* Help() const { return help_; }
  // The game's counters were changed by a window beside the machine.
  std::function<void()> onGameChanged;
  // The round, over the whole screen; `prize` gets what it revealed.
  void OpenBonusRound(Reply<int32_t> prize);

  // Closes every window but the machine: a dialog as Cancel would, the bonus
  // round with its prize settled.
  void CloseAll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;  // F1 anywhere in the game

 private:
  SideEnvironment SideEnv();
  // The error box for a picture a window of its own loads: once a run.
  void PictureError(const QString& text);
  QSize Room() const;
  // Shows a dialog made for one use, gone once closed.
  void Open(QDialog* dialog);
  void OpenSlots(int mode);
  void HelpFor(QWidget* focused);

  QWidget& machine_;
  GameState& state_;
  GameKeeper& keeper_;
  SoundHooks& sound_;
  const Artwork& artwork_;
  MachineRenderer& renderer_;
  GameRandom& random_;
  const WindowEnvironment& env_;
  QPointer<HelpWindow> help_;  // owned by the window it was opened over
  QStringList saidPictures_;
};

}  // namespace vexlor
