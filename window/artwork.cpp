#include "window/artwork.h"

#include <QFile>

#include "config/file_lookup.h"
#include "window/jpeg_image.h"

namespace vexlor {
namespace {

QImage BuiltIn(const char* name) {
  const QString path = QStringLiteral(":/art/") + QString::fromLatin1(name);
  if (path.endsWith(QLatin1String(".jpg"))) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("built-in picture %s is missing", name);
    JpegResult decoded = DecodeJpeg(file.readAll());
    if (!decoded.ok()) qFatal("built-in picture %s: %s", name, qPrintable(decoded.error));
    return decoded.image;
  }
  QImage image(path);
  if (image.isNull()) qFatal("built-in picture %s is missing", name);
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

Artwork LoadBuiltInArtwork() {
  Artwork art;
  art.background = BuiltIn("background.jpg");
  art.blur = BuiltIn("motionblur.jpg");
  art.symbols = BuiltIn("symbols.jpg");
  art.bonusMeter = BuiltIn("bonusmeter.jpg");
  art.hold = BuiltIn("hold.jpg");
  art.betOne = BuiltIn("betone.jpg");
  art.betMax = BuiltIn("betmax.jpg");
  art.spin = BuiltIn("spin.jpg");
  art.dimmedTitle = BuiltIn("dimmed.jpg");
  art.dimmedNamePlate = BuiltIn("dimmed2.jpg");
  art.dimmedCoinSpot = BuiltIn("coinspot_dimmed.jpg");
  art.digitsSmallRed = BuiltIn("digits_small.bmp");
  art.digitsSmallGreen = BuiltIn("green_small.bmp");
  art.digitsLargeRed = BuiltIn("digits_large.bmp");
  art.digitsLargeGreen = BuiltIn("green_large.bmp");
  art.lampRed = BuiltIn("lamps_red.bmp");
  art.lampBlue = BuiltIn("lamps_blue.bmp");
  art.lampGreen = BuiltIn("lamps_green.bmp");
  art.lampMask = BuiltIn("lamps_mask.bmp");
  art.logo = BuiltIn("logo.bmp");
  art.logoMask = BuiltIn("logo_mask.bmp");
  return art;
}

Replacement LoadReplacement(QImage& picture, const std::filesystem::path& appDir,
                            const QString& name) {
  Replacement result;
  const auto file = FindFileNoCase(appDir, name.toStdString());
  if (!file) return result;
  JpegResult decoded = LoadJpegFile(QString::fromStdString(file->string()));
  if (!decoded.ok()) {
    result.error = QStringLiteral("Cannot show %1: %2")
                       .arg(QString::fromStdString(file->filename().string()), decoded.error);
    return result;
  }
  picture = std::move(decoded.image);
  result.loaded = true;
  return result;
}

QStringList LoadReplacementPictures(Artwork& artwork, const std::filesystem::path& appDir,
                                    const std::string& assetPrefix) {
  const std::pair<QImage*, QString> replacements[] = {
      {&artwork.background, QStringLiteral("tester.jpg")},
      {&artwork.blur, QStringLiteral("motionx.jpg")},
      {&artwork.bonusMeter, QStringLiteral("bonusx.jpg")},
      {&artwork.hold, QStringLiteral("holdx.jpg")},
      {&artwork.betOne, QStringLiteral("Bet1But.jpg")},
      {&artwork.betMax, QStringLiteral("Bet5But.jpg")},
      {&artwork.spin, QStringLiteral("SpinBut.jpg")},
      {&artwork.dimmedTitle, QStringLiteral("DIMMEDX.jpg")},
      {&artwork.dimmedNamePlate, QStringLiteral("DIMMED2X.jpg")},
      {&artwork.dimmedCoinSpot, QStringLiteral("BET1B.jpg")},
      {&artwork.symbols, QString::fromStdString(assetPrefix) + QStringLiteral(".jpg")},
  };
  QStringList errors;
  for (const auto& [picture, name] : replacements) {
    const Replacement replacement = LoadReplacement(*picture, appDir, name);
    if (!replacement.error.isEmpty()) errors << replacement.error;
  }
  return errors;
}

}  // namespace vexlor
