#include "window/artwork.h"

namespace vexlor {

Artwork LoadBuiltInArtwork() {
  const auto builtIn = [](const char* name) { return Picture::BuiltIn(QString::fromLatin1(name)); };
  Artwork art;
  art.background = builtIn("background.jpg");
  art.blur = builtIn("motionblur.jpg");
  art.symbols = builtIn("symbols.jpg");
  art.bonusMeter = builtIn("bonusmeter.jpg");
  art.hold = builtIn("hold.jpg");
  art.betOne = builtIn("betone.jpg");
  art.betMax = builtIn("betmax.jpg");
  art.spin = builtIn("spin.jpg");
  art.dimmedTitle = builtIn("dimmed.jpg");
  art.dimmedNamePlate = builtIn("dimmed2.jpg");
  art.dimmedCoinSpot = builtIn("coinspot_dimmed.jpg");
  art.digitsSmallRed = builtIn("digits_small.bmp");
  art.digitsSmallGreen = builtIn("green_small.bmp");
  art.digitsLargeRed = builtIn("digits_large.bmp");
  art.digitsLargeGreen = builtIn("green_large.bmp");
  art.lampRed = builtIn("lamps_red.bmp");
  art.lampBlue = builtIn("lamps_blue.bmp");
  art.lampGreen = builtIn("lamps_green.bmp");
  art.lampMask = builtIn("lamps_mask.bmp");
  art.logo = builtIn("logo.bmp");
  art.logoMask = builtIn("logo_mask.bmp");
  art.leverBackdrop = builtIn("lever_backdrop.jpg");
  art.leverArm = builtIn("lever_arm.png");
  art.leverHub = builtIn("lever_hub.png");
  art.chips = {builtIn("chip_1000.png"), builtIn("chip_100.png"), builtIn("chip_10.png"),
               builtIn("chip_1.png")};
  return art;
}

QStringList LoadReplacementPictures(Artwork& artwork, const std::filesystem::path& appDir,
                                    const std::string& assetPrefix) {
  const std::pair<Picture*, QString> replacements[] = {
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
    if (replacement.loaded && picture == &artwork.background) artwork.backgroundReplaced = true;
  }
  return errors;
}

}  // namespace vexlor
