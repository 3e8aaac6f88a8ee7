// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/shots/album.h"

#include <cmath>

namespace vexlor::shots {
namespace {

constexpr int kSmallestPng = 0;  // the PNG writer's "quality": 0 packs hardest, losing nothing

}  // namespace

Album::Album(const std::filesystem::path& outDir, int scale)
    : folder_(outDir / "manual"), scale_(scale) {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error)
    failures_ << QStringLiteral("cannot make the folder %1: %2")
                     .arg(QString::fromStdString(folder_.string()),
                          QString::fromStdString(error.message()));
}

void Album::Save(const QString& picture, const QImage& image) {
  QString name = picture;
  if (scale_ != 1)
    name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale_));
  const QString file = QString::fromStdString((folder_ / name.toStdString()).string());
  if (image.isNull()) {
    failures_ << QStringLiteral("%1: nothing to write").arg(name);
    return;
  }
  // No device pixel ratio or resolution that could change from run to run.
  QImage plain = image.convertToFormat(QImage::Format_RGB32);
  plain.setDevicePixelRatio(1);
  plain.setDotsPerMeterX(3780);
  plain.setDotsPerMeterY(3780);
  if (!plain.save(file, "PNG", kSmallestPng)) {
    failures_ << QStringLiteral("cannot write %1").arg(file);
    return;
  }
  saved_ << name;
}

QImage Album::ToWidth(const QImage& image, int width) const {
  const QSize pixels = image.size() / scale_;
  if (image.isNull() || pixels.width() <= width) return image;
  const auto height = static_cast<int>(std::lround(1.0 * pixels.height() * width / pixels.width()));
  return image.scaled(QSize(width, height) * scale_, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

}  // namespace vexlor::shots
