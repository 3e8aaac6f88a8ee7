#pragma once

// Where the screenshots go, and the few ways they are cut down to the size
// of a manual page.

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace vexlor::shots {

class Album {
 public:
  // The pictures go into `outDir`/manual.
  explicit Album(const std::filesystem::path& outDir);

  // Writes `image` as `name` (a PNG file name); a failure is noted.
  void Save(const QString& name, const QImage& image);
  // Notes a picture that could not be made, and why.
  void Fail(const QString& why) { failures_ << why; }

  const QStringList& Failures() const { return failures_; }
  const QStringList& Saved() const { return saved_; }

 private:
  std::filesystem::path folder_;
  QStringList saved_;
  QStringList failures_;
};

// `image` brought to `width` pixels wide, its proportions kept, smoothly.
QImage ScaledToWidth(const QImage& image, int width);
// The part `area` of `image`, brought to `width` wide (0: as it is).
QImage Cropped(const QImage& image, const QRect& area, int width = 0);

}  // namespace vexlor::shots
