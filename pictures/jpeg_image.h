// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

namespace vexlor {

// A decoded picture, or the decoder's own message when the bytes are not a
// JPEG it can read, or end before the picture does. Pictures over
// kMaxJpegPixels are refused before decoding.
struct JpegResult {
  QImage image;  // Format_RGB32; null on failure
  QString error;
  bool ok() const { return !image.isNull(); }
};

inline constexpr qint64 kMaxJpegPixels = 64LL * 1024 * 1024;
inline constexpr std::uintmax_t kMaxJpegFileBytes = 64u << 20;

// With `atLeast`, the decoder shrinks the picture by half, a quarter or an
// eighth where that still covers that size, which is much cheaper than
// decoding it whole and scaling it afterwards.
JpegResult DecodeJpeg(const QByteArray& bytes, QSize atLeast = {});
// Reads and decodes a file; a file that cannot be read (not a plain file, or
// over kMaxJpegFileBytes) gives the reason.
JpegResult LoadJpegFile(const QString& path);

}  // namespace vexlor
