// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QVector>

namespace vexlor::art {

// Baseline JPEG through libjpeg-turbo, 4:4:4 chroma so thin coloured lines stay
// crisp; with `halveChroma` 4:2:0, which decodes faster (for the large masters,
// whose colour is then as fine as a listed picture's).
bool WriteJpeg(const QImage& image, const QString& path, int quality = 92,
               bool halveChroma = false);

// Windows BMP files, bottom-up rows padded to four bytes.
bool WriteBmp24(const QImage& image, const QString& path);
// 16-colour BMP: every pixel takes the nearest colour of `palette` (at most 16).
bool WriteBmp4(const QImage& image, const QVector<QRgb>& palette, const QString& path);
// 256-colour BMP: pure black and up to 255 other colours, the image's own when
// it has no more, else a median cut of them. Black pixels stay exactly black,
// so what a mask leaves out stays black.
bool WriteBmp8(const QImage& image, const QString& path);
// 1-bit BMP: black where the image is darker than mid-grey, white elsewhere.
bool WriteBmp1(const QImage& image, const QString& path);

}  // namespace vexlor::art
