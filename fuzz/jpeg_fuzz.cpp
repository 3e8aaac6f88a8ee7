// SPDX-License-Identifier: GPL-3.0-or-later
// Replacement pictures: the input is a JPEG file beside the executable. It is
// decoded as the game decodes pictures (whole, and shrunk on decoding to
// cover a size a layout asks for), and loaded the way a replacement file is
// loaded over a built-in picture with its masters, then cut and scaled the
// way the layouts use the pictures.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "pictures/jpeg_image.h"
#include "pictures/picture.h"

namespace {

using vexlor::JpegResult;
using vexlor::fuzz::Require;

// The built-in hold button stands in for every built-in picture: 72 x 34, its
// dim and lit halves one above the other, with masters at two and four times
// that size (fuzz/standin, embedded as the game embeds its pictures).
const vexlor::Picture& StandIn() {
  static const vexlor::Picture picture = [] {
    vexlor::Picture built = vexlor::Picture::BuiltIn(vexlor::Art::Hold);
    Require(built.HasMasters() && built.Size() == QSize(72, 34), "the stand-in has its masters");
    return built;
  }();
  return picture;
}

QSize Times(QSize size, int numerator, int denominator) {
  return QSize(size.width() * numerator / denominator, size.height() * numerator / denominator);
}

void CheckDecoded(const JpegResult& result) {
  if (!result.ok()) {
    Require(!result.error.isEmpty(), "a picture that does not decode comes with the reason");
    return;
  }
  Require(result.image.format() == QImage::Format_RGB32, "decoded pictures are RGB32");
  Require(
      static_cast<qint64>(result.image.width()) * result.image.height() <= vexlor::kMaxJpegPixels,
      "no picture over the pixel limit");
}

// A decoding shrunk to cover `atLeast`: it fails where the whole one fails,
// and gives the whole picture at one of the decoder's scales M/8, the
// smallest that covers `atLeast`.
void CheckShrunk(const QByteArray& bytes, const JpegResult& whole, QSize atLeast) {
  const JpegResult shrunk = vexlor::DecodeJpeg(bytes, atLeast);
  CheckDecoded(shrunk);
  Require(shrunk.ok() == whole.ok(), "a shrunk decoding fails where the whole one fails");
  if (!shrunk.ok()) return;
  // The decoder's output at M/8 of the whole picture, rounded up.
  const QSize full = whole.image.size();
  const auto at = [full](int m) {
    return QSize((full.width() * m + 7) / 8, (full.height() * m + 7) / 8);
  };
  int expected = 8;
  for (int m : {1, 2, 4}) {
    const QSize candidate = at(m);
    if (!atLeast.isEmpty() && candidate.width() >= atLeast.width() &&
        candidate.height() >= atLeast.height()) {
      expected = m;
      break;
    }
  }
  Require(shrunk.image.size() == at(expected),
          "a shrunk picture is the whole one at the smallest of 1/8, 1/4, 1/2 that covers the "
          "size asked for");
}

// The replacement route of the game: a file matched in any letter case,
// loaded over a built-in picture.
void CheckReplacement(const vexlor::fuzz::ScratchFolder& folder, const QByteArray& bytes,
                      const JpegResult& whole) {
  folder.Clear();
  folder.Write("TESTER.jpg", bytes.constData(), static_cast<std::size_t>(bytes.size()));
  vexlor::Picture picture = StandIn();
  const vexlor::Replacement replaced =
      vexlor::LoadReplacement(picture, folder.path(), QStringLiteral("tester.jpg"));
  Require(replaced.loaded == whole.ok(), "a file loads when it decodes");
  if (!replaced.loaded) {
    Require(replaced.error == QStringLiteral("Cannot show TESTER.jpg: ") + whole.error,
            "the message names the file and gives the decoder's reason");
    Require(picture.HasMasters() && picture.Size() == StandIn().Size(),
            "a file that does not decode keeps the built-in picture");
    return;
  }
  Require(replaced.error.isEmpty(), "a loaded file reports nothing");
  Require(!picture.HasMasters(), "a replacement has no masters");
  Require(picture.Size() == whole.image.size(), "a replacement has its own size");
  Require(picture.Image() == whole.image, "a replacement shows the file's picture");

  // What a layout asks of the picture: the whole at the built-in size or
  // larger, and the two halves and the design rectangle at the built-in size.
  const QSize listed = StandIn().Size();
  const QSize half(listed.width(), listed.height() / 2);
  for (int twice : {2, 3}) {
    const QSize target = Times(listed, twice, 2);
    Require(picture.Scaled(target).size() == target, "a scaled picture has the size asked for");
    Require(picture.Scaled(target, QRect(QPoint(0, 0), listed)).size() == target,
            "a scaled part has the size asked for");
    const QSize halfTarget = Times(half, twice, 2);
    const std::vector<QImage> halves =
        picture.ScaledParts({QRect(QPoint(0, 0), half), QRect(QPoint(0, half.height()), half)},
                            {halfTarget, halfTarget});
    Require(halves.size() == 2 && halves[0].size() == halfTarget && halves[1].size() == halfTarget,
            "the halves have the size asked for");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const vexlor::fuzz::ScratchFolder folder;
  StandIn();
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const JpegResult whole = vexlor::DecodeJpeg(bytes);
  CheckDecoded(whole);
  if (whole.ok()) {
    const QSize full = whole.image.size();
    for (const QSize atLeast : {QSize(1, 1), Times(full, 1, 4) + QSize(1, 1), Times(full, 1, 2)})
      CheckShrunk(bytes, whole, atLeast);
  } else {
    CheckShrunk(bytes, whole, QSize(1, 1));
  }
  CheckReplacement(folder, bytes, whole);
  return 0;
}
