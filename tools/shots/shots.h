// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The screenshots of the player's manual, taken from the real windows of the
// game as it plays.

#include <memory>

#include "tools/shots/album.h"
#include "tools/shots/shot_env.h"
#include "window/unit1.h"

namespace vexlor::shots {

// How wide the pictures of whole windows are on a manual page, in pixels.
inline constexpr int kPageWidth = 520;

// The machine window: idle, after a win, with holds placed and in the bonus
// round. It leaves the machine in the middle of a played game, with a full
// list of last plays.
void ShootMachine(TForm1& form, ShotRecord& record, Album& album);

// The side windows over that game: saved-game slots, borrowing, statistics,
// the payoff chart and the last plays.
void ShootSideWindows(TForm1& form, const std::shared_ptr<ShotRecord>& record, Album& album);

}  // namespace vexlor::shots
