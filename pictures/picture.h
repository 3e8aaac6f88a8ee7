// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <filesystem>
#include <vector>

#include "pictures/built_in.h"

namespace vexlor {

// One of the machine's pictures. Its size is the size every rule of the
// machine reads (button halves, meter frames, the blur height); a built-in
// picture also carries masters drawn at two and four times that size, from
// which any larger copy is made sharp. A picture read from a file has no
// masters and is stretched as it is. Pixels are decoded when asked for, so
// a picture costs nothing until a layout needs it; a Picture may be read from
// several threads at once.
class Picture {
 public:
  Picture() = default;
  // A built-in picture from the program's resources (":/art/NAME" with its
  // masters NAME@2x and NAME@4x beside it). A missing one ends the program.
  static Picture BuiltIn(Art art);
  // A picture made or read elsewhere, without masters.
  static Picture FromImage(QImage image);

  QSize Size() const { return size_; }
  bool HasMasters() const { return !masters_[0].isEmpty(); }
  // The pixels at Size().
  QImage Image() const;
  // `source` (in the picture's own pixels; the whole picture when empty)
  // scaled to `target` pixels, from the smallest master that is at least
  // that large, or from the largest when none is.
  QImage Scaled(QSize target, QRect source = {}) const;
  // Several parts at once, from one decoding: `sources[i]` scaled to `targets[i]`.
  std::vector<QImage> ScaledParts(const std::vector<QRect>& sources,
                                  const std::vector<QSize>& targets) const;

 private:
  int LevelFor(QSize source, QSize target) const;
  QImage Decode(int level, QSize atLeast) const;  // level 0: listed, 1: @2x, 2: @4x

  QSize size_;
  QImage image_;                       // the pixels, for a picture without encoded bytes
  QByteArray listed_;                  // the encoded picture at its size
  std::array<QByteArray, 2> masters_;  // encoded at two and four times the size
  bool jpeg_ = false;
};

// Hands the pages of every built-in picture's encoded bytes back to the
// system; they are read from the program file again when next decoded, so a
// layout keeps in memory only the pictures made for it.
void ReleaseBuiltInPictures();

// `picture` drawn through `mask` (black = drawn, grey = partly drawn, white =
// not) as one transparent picture of the picture's size.
QImage ThroughMask(const QImage& picture, const QImage& mask);

// Loads `name` from the data folders of `appDir` (FindDataFileNoCase: beside
// the executable first) into `picture` when the file exists.
struct Replacement {
  bool loaded = false;
  QString error;  // set when the file exists but does not decode
};
Replacement LoadReplacement(Picture& picture, const std::filesystem::path& appDir,
                            const QString& name);

}  // namespace vexlor
