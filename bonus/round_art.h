// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>
#include <array>
#include <filesystem>

#include "pictures/picture.h"

namespace vexlor {

// The round's pictures as the window shows them at one display scale and
// zoom: device pixels, with the scale as their device pixel ratio, so they
// are drawn at their listed size times the zoom in logical pixels and sharp
// on any display.
struct RoundArt {
  QImage background;             // the picture (built in 640 x 480, or bonus1.jpg at its own size)
  QSize backgroundSize;          // in the picture's own pixels: the origin of the token places
  std::array<QImage, 3> tokens;  // closed, cracking, open; transparent around the token
  QSize tokenSize;               // one frame, in the sheet's own pixels
};

// The built-in round pictures, the background replaced by `bonus1.jpg` from
// the data folders of `appDir` when that exists. A replacement that does not decode keeps the
// built-in picture and adds the decoder's message to `errors`. Drawn `zoom`
// times their own size (1 or more), from the built-in masters.
RoundArt LoadRoundArt(const std::filesystem::path& appDir, double devicePixelRatio,
                      QStringList& errors, double zoom = 1);

}  // namespace vexlor
