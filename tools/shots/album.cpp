#include "tools/shots/album.h"

namespace vexlor::shots {

Album::Album(const std::filesystem::path& outDir) : folder_(outDir / "manual") {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  if (error)
    failures_ << QStringLiteral("cannot make the folder %1: %2")
                     .arg(QString::fromStdString(folder_.string()),
                          QString::fromStdString(error.message()));
}

void Album::Save(const QString& name, const QImage& image) {
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
  if (!plain.save(file, "PNG")) {
    failures_ << QStringLiteral("cannot write %1").arg(file);
    return;
  }
  saved_ << name;
}

QImage ScaledToWidth(const QImage& image, int width) {
  if (image.isNull() || width <= 0 || width == image.width()) return image;
  return image.scaledToWidth(width, Qt::SmoothTransformation);
}

QImage Cropped(const QImage& image, const QRect& area, int width) {
  return ScaledToWidth(image.copy(area), width);
}

}  // namespace vexlor::shots
