// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>

#include "window/artwork.h"
#include "window/environment.h"
#include "window/renderer.h"

namespace vexlor {

// The pull lever at the machine's right: where it answers a press, and its
// movement, drawn frame by frame from the clock once it is pulled. It comes
// down in kDownMs and springs back in kUpMs.
class Lever : public QObject {
  Q_OBJECT
 public:
  static constexpr int64_t kDownMs = 150;
  static constexpr int64_t kUpMs = 300;

  Lever(MachineRenderer& renderer, const Artwork& artwork, const WindowEnvironment& env)
      : renderer_(renderer), artwork_(artwork), env_(env) {}

  // Whether a machine pixel lies on the lever (its knob, rod or hub).
  bool Contains(QPoint position) const;
  // Pulls the lever; false when it cannot move (its pictures do not match a
  // replaced background), and then nothing is drawn.
  bool Pull();
  // The lever goes down and back with a spin that began elsewhere (a key, a
  // button, the third coin); a lever already moving goes on as it was.
  void Swing();

 private:
  void Frame();

  MachineRenderer& renderer_;
  const Artwork& artwork_;
  const WindowEnvironment& env_;
  int64_t pulledAt_ = -1;  // game clock of the pull while the lever moves; -1 at rest
};

}  // namespace vexlor
