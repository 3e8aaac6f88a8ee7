#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

namespace vexlor {

// The machine's source pictures at their own sizes: the built-in ones, each
// possibly replaced by a file beside the executable.
struct Artwork {
  QImage background;  // 800 x 600 built in
  QImage blur;        // 77 x 456
  QImage symbols;     // 304 x 304, 4 x 4 cells
  QImage bonusMeter;  // 78 x 767, 13 frames of 78 x 59
  QImage hold;        // 72 x 34, dim over lit
  QImage betOne;      // 78 x 118, dim over lit
  QImage betMax;
  QImage spin;
  QImage dimmedTitle;                       // 302 x 143
  QImage dimmedNamePlate;                   // 436 x 49
  QImage dimmedCoinSpot;                    // 84 x 85
  QImage digitsSmallRed, digitsSmallGreen;  // 188 x 21, cells of 16 x 21
  QImage digitsLargeRed, digitsLargeGreen;  // 376 x 42, cells of 32 x 42
  QImage lampRed, lampBlue, lampGreen;      // 318 x 28, dark over lit
  QImage lampMask;                          // black on the lamp pieces
  QImage logo, logoMask;                    // 125 x 95
};

// The pictures built into the program.
Artwork LoadBuiltInArtwork();

// Replaces pictures from the files in `appDir` (names matched in any letter
// case). A file that exists but does not decode keeps the built-in picture;
// the returned list holds one message per such file, for the error box.
QStringList LoadReplacementPictures(Artwork& artwork, const std::filesystem::path& appDir,
                                    const std::string& assetPrefix);

// Loads `name` from `appDir` into `picture` when the file exists.
struct Replacement {
  bool loaded = false;
  QString error;  // set when the file exists but does not decode
};
Replacement LoadReplacement(QImage& picture, const std::filesystem::path& appDir,
                            const QString& name);

}  // namespace vexlor
