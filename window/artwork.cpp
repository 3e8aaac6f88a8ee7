// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/artwork.h"

namespace vexlor {

Artwork LoadBuiltInArtwork() {
  Artwork art;
  art.background = Picture::BuiltIn(Art::Background);
  art.blur = Picture::BuiltIn(Art::MotionBlur);
  art.symbols = Picture::BuiltIn(Art::Symbols);
  art.bonusMeter = Picture::BuiltIn(Art::BonusMeter);
  art.hold = Picture::BuiltIn(Art::Hold);
  art.betOne = Picture::BuiltIn(Art::BetOne);
  art.betMax = Picture::BuiltIn(Art::BetMax);
  art.spin = Picture::BuiltIn(Art::Spin);
  art.dimmedTitle = Picture::BuiltIn(Art::DimmedTitle);
  art.dimmedNamePlate = Picture::BuiltIn(Art::DimmedNamePlate);
  art.dimmedCoinSpot = Picture::BuiltIn(Art::DimmedCoinSpot);
  art.digitsSmallRed = Picture::BuiltIn(Art::DigitsSmallRed);
  art.digitsSmallGreen = Picture::BuiltIn(Art::DigitsSmallGreen);
  art.digitsLargeRed = Picture::BuiltIn(Art::DigitsLargeRed);
  art.digitsLargeGreen = Picture::BuiltIn(Art::DigitsLargeGreen);
  art.lampRed = Picture::BuiltIn(Art::LampsRed);
  art.lampBlue = Picture::BuiltIn(Art::LampsBlue);
  art.lampGreen = Picture::BuiltIn(Art::LampsGreen);
  art.lampMask = Picture::BuiltIn(Art::LampsMask);
  art.logo = Picture::BuiltIn(Art::Logo);
  art.logoMask = Picture::BuiltIn(Art::LogoMask);
  art.leverBackdrop = Picture::BuiltIn(Art::LeverBackdrop);
  art.leverArm = Picture::BuiltIn(Art::LeverArm);
  art.leverHub = Picture::BuiltIn(Art::LeverHub);
  art.chips = {Picture::BuiltIn(Art::Chip1000), Picture::BuiltIn(Art::Chip100),
               Picture::BuiltIn(Art::Chip10), Picture::BuiltIn(Art::Chip1)};
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
