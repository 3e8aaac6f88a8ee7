// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vexlor {

class MachineView;

// Measuring the running game from outside, set by the environment:
// VEXLOR_EXIT_AFTER_FIRST_FRAME=1 ends the process as soon as the machine's
// first frame is on the screen, before the work that follows it;
// VEXLOR_IDLE_SECONDS=N (1..3600) leaves it running N seconds after that work,
// then prints to standard error the CPU time the process used in those seconds
// and its peak memory at the frame and at the end, and ends it. Either way nothing is stored: the
// time measured is the game's alone.
void ArmRunProbes(MachineView& view);

}  // namespace vexlor
