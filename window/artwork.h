// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <filesystem>
#include <string>

#include "pictures/picture.h"

namespace vexlor {

// The machine's source pictures at their own sizes: the built-in ones, each
// possibly replaced by a file beside the executable.
struct Artwork {
  Picture background;  // 800 x 600 built in
  Picture blur;        // 77 x 456
  Picture symbols;     // 304 x 304, 4 x 4 cells
  Picture bonusMeter;  // 78 x 767, 13 frames of 78 x 59
  Picture hold;        // 72 x 34, dim over lit
  Picture betOne;      // 78 x 118, dim over lit
  Picture betMax;
  Picture spin;
  Picture dimmedTitle;                       // 302 x 143
  Picture dimmedNamePlate;                   // 436 x 49
  Picture dimmedCoinSpot;                    // 84 x 85
  Picture digitsSmallRed, digitsSmallGreen;  // 188 x 21, cells of 16 x 21
  Picture digitsLargeRed, digitsLargeGreen;  // 376 x 42, cells of 32 x 42
  Picture lampRed, lampBlue, lampGreen;      // 318 x 28, dark over lit
  Picture lampMask;                          // black on the lamp pieces
  Picture logo, logoMask;                    // 125 x 95
  // The pull lever, over the lever's region: what is behind it, and the arm
  // (rod and knob) and hub with transparency around them.
  Picture leverBackdrop, leverArm, leverHub;
  // The borrow window's chips: $1,000, $100, $10 and $1.
  std::array<Picture, 4> chips;
  bool backgroundReplaced = false;  // tester.jpg stands in for the built-in background
};

// The pictures built into the program.
Artwork LoadBuiltInArtwork();

// Replaces pictures from the files in the data folders of `appDir` (beside
// the executable first; names matched in any letter case). A file that exists but does not decode
// keeps the built-in picture; the returned list holds one message per such file, for the error box.
QStringList LoadReplacementPictures(Artwork& artwork, const std::filesystem::path& appDir,
                                    const std::string& assetPrefix);

}  // namespace vexlor
