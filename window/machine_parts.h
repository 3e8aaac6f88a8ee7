// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QRect>

#include "engine/game_state.h"
#include "engine/machine_geometry.h"
#include "engine/play_runner.h"
#include "savegame/plays.h"
#include "window/drawn_accessible.h"
#include "window/input_router.h"
#include "window/renderer.h"

namespace vexlor {

class MachineView;

// The machine as a screen reader finds it: its buttons, the coin slot and the
// lever, pressed through the input router as the pointer presses them; the
// counters and the bonus meter; the reels read out line by line; and the
// result of the last spin, said once when the spin has ended. A child of the
// view; everything it is given must outlive it.
class MachineParts : public DrawnParts {
  Q_OBJECT
 public:
  enum Index {
    kBetOne,
    kBetMax,
    kSpin,
    kHold0,
    kHold1,
    kHold2,
    kCoinSpot,
    kLever,
    kCoins,
    kHolds,
    kWinnings,
    kCredits,
    kMeter,
    kReels,
    kResult,
    kCount
  };

  MachineParts(MachineView& view, const GameState& state, const PlayRunner& runner,
               const MachineRenderer& renderer, InputRouter& input, const PlayHistory& plays,
               const QLocale& locale);

  QString Title() const override;
  int PartCount() const override { return kCount; }
  DrawnPart Part(int index) const override;
  void Press(int index) override;

  void ReelsStarted() { spun_ = true; }
  // The game may have changed: what changed is sent, values only once no
  // play runs, and then the result of a spin that has just ended is said.
  void Update();

 private:
  DrawnPart Button(int index) const;
  DrawnPart Counter(int index) const;
  QRect OnScreen(const design::Rect& area) const;
  QRect OnScreen(const QRect& machine) const;  // machine pixels to the screen
  QString Count(int64_t value) const;
  QString ReelsText() const;
  QString ResultText() const;

  MachineView& view_;
  const GameState& state_;
  const PlayRunner& runner_;
  const MachineRenderer& renderer_;
  InputRouter& input_;
  const PlayHistory& plays_;
  QLocale locale_;
  QString result_;
  bool spun_ = false;  // the reels of the play running have started
  bool statesQueued_ = false;
};

}  // namespace vexlor
