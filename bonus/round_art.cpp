// SPDX-License-Identifier: GPL-3.0-or-later
#include "bonus/round_art.h"

#include <cmath>

#include "bonus/token_layout.h"

namespace vexlor {
namespace {

QSize Device(QSize size, double ratio) {
  return QSize(static_cast<int>(std::lround(size.width() * ratio)),
               static_cast<int>(std::lround(size.height() * ratio)));
}

}  // namespace

RoundArt LoadRoundArt(const std::filesystem::path& appDir, double devicePixelRatio,
                      QStringList& errors, double zoom) {
  Picture background = Picture::BuiltIn(Art::BonusBackground);
  const Replacement replaced = LoadReplacement(background, appDir, QStringLiteral("bonus1.jpg"));
  if (!replaced.error.isEmpty()) errors << replaced.error;
  const Picture sheet = Picture::BuiltIn(Art::BonusTokens);
  const Picture mask = Picture::BuiltIn(Art::BonusMask);

  RoundArt art;
  art.backgroundSize = background.Size();
  const double scale = devicePixelRatio * zoom;
  art.background = background.Scaled(Device(art.backgroundSize, scale));
  art.background.setDevicePixelRatio(devicePixelRatio);
  // Frames are a third of the sheet each, whatever the sheet's size.
  art.tokenSize = QSize(sheet.Size().width(), sheet.Size().height() / kTokenFrames);
  const QSize frame = Device(art.tokenSize, scale);
  for (int f = 0; f < kTokenFrames; ++f) {
    const QRect source(QPoint(0, f * art.tokenSize.height()), art.tokenSize);
    art.tokens[static_cast<std::size_t>(f)] =
        ThroughMask(sheet.Scaled(frame, source), mask.Scaled(frame, source));
    art.tokens[static_cast<std::size_t>(f)].setDevicePixelRatio(devicePixelRatio);
  }
  return art;
}

}  // namespace vexlor
