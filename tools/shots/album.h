// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the screenshots go, and how they are brought down to the size of a
// manual page.

#include <QImage>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace vexlor::shots {

class Album {
 public:
  // The pictures go into `outDir`/manual, taken on a screen of `scale`
  // device pixels per pixel (1 or 2).
  Album(const std::filesystem::path& outDir, int scale);

  int Scale() const { return scale_; }
  // Writes `image` as `picture` ("name.png"), as "name@2x.png" at scale 2;
  // a failure is noted.
  void Save(const QString& picture, const QImage& image);
  // `image`, taken at the album's scale, brought down to `width` pixels
  // (width x scale device pixels) when it is wider, its proportions kept:
  // its height in pixels is the same at every scale.
  QImage ToWidth(const QImage& image, int width) const;
  // Notes a picture that could not be made, and why.
  void Fail(const QString& why) { failures_ << why; }

  const QStringList& Failures() const { return failures_; }
  const QStringList& Saved() const { return saved_; }

 private:
  std::filesystem::path folder_;
  int scale_;
  QStringList saved_;
  QStringList failures_;
};

}  // namespace vexlor::shots
