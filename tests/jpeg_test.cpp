// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/jpeg_image.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <random>

#include "tests/support/temp_folder.h"
#include "tools/artgen/image_writers.h"

namespace vexlor {
namespace {

using testing::TempFolder;

QByteArray JpegOf(const QImage& image, const TempFolder& folder) {
  const QString path = QString::fromStdString((folder.path() / "picture.jpg").string());
  EXPECT_TRUE(art::WriteJpeg(image, path));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

TEST(Jpeg, DecodesAPictureAtItsSizeAndColours) {
  TempFolder folder;
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(QColor(200, 40, 10));
  const JpegResult result = DecodeJpeg(JpegOf(image, folder));
  ASSERT_TRUE(result.ok()) << result.error.toStdString();
  EXPECT_EQ(result.image.size(), QSize(40, 30));
  const QColor c = result.image.pixelColor(20, 15);
  EXPECT_NEAR(c.red(), 200, 6);
  EXPECT_NEAR(c.green(), 40, 6);
  EXPECT_NEAR(c.blue(), 10, 6);
}

TEST(Jpeg, BadBytesGiveTheDecodersMessage) {
  const JpegResult png = DecodeJpeg(QByteArray("\x89PNG\r\n\x1a\n....", 12));
  EXPECT_FALSE(png.ok());
  EXPECT_EQ(png.error.toStdString(), "Not a JPEG file: starts with 0x89 0x50");
  EXPECT_FALSE(DecodeJpeg(QByteArray()).ok());
  EXPECT_FALSE(LoadJpegFile("/nonexistent/folder/x.jpg").ok());
}

TEST(Jpeg, DamagedFilesNeverCrashTheDecoder) {
  TempFolder folder;
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  const QByteArray good = JpegOf(image, folder);
  std::mt19937 random(3);
  for (int round = 0; round < 300; ++round) {
    QByteArray bad = good;
    if (round % 3 == 0) bad.truncate(static_cast<qsizetype>(random() % good.size()));
    for (int flips = 1 + random() % 8; flips > 0; --flips) {
      bad[random() % bad.size()] = static_cast<char>(random());
    }
    const JpegResult result = DecodeJpeg(bad);
    // A picture is either given whole, or refused with the decoder's message.
    EXPECT_EQ(result.ok(), result.error.isEmpty()) << result.error.toStdString();
    if (round % 3 == 0) {
      EXPECT_FALSE(result.ok()) << "a cut picture was made up";
    }
  }
}

TEST(Jpeg, APictureWhoseScanEndsEarlyIsRefusedNotMadeUp) {
  TempFolder folder;
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  const QByteArray good = JpegOf(image, folder);
  const qsizetype scan = good.indexOf(QByteArray("\xFF\xDA", 2));
  ASSERT_GE(scan, 0);
  const qsizetype data = scan + 2 + ((uchar(good[scan + 2]) << 8) | uchar(good[scan + 3]));
  // The scan cut after a few bytes by the end-of-picture marker, and by the end of the file.
  const JpegResult marker = DecodeJpeg(good.left(data + 4) + QByteArray("\xFF\xD9", 2));
  EXPECT_FALSE(marker.ok());
  EXPECT_EQ(marker.error.toStdString(), "Corrupt JPEG data: premature end of data segment");
  const JpegResult cut = DecodeJpeg(good.left(data + 4));
  EXPECT_FALSE(cut.ok());
  EXPECT_EQ(cut.error.toStdString(), "Premature end of JPEG file");
  EXPECT_TRUE(DecodeJpeg(good).ok());
}

TEST(Jpeg, HugePicturesAreRefusedBeforeDecoding) {
  TempFolder folder;
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  QByteArray bytes = JpegOf(image, folder);
  const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2)) >= 0
                            ? bytes.indexOf(QByteArray("\xFF\xC0", 2))
                            : bytes.indexOf(QByteArray("\xFF\xC2", 2));
  ASSERT_GE(sof, 0);
  // Height and width follow the marker, its length and the sample precision.
  bytes[sof + 5] = '\xEA';
  bytes[sof + 6] = '\x60';
  bytes[sof + 7] = '\xEA';
  bytes[sof + 8] = '\x60';
  const JpegResult result = DecodeJpeg(bytes);
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.error.startsWith("Picture too large")) << result.error.toStdString();
}

}  // namespace
}  // namespace vexlor
