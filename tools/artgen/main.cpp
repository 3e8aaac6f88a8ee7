// Writes the game's built-in pictures into a folder, in the sizes and file
// kinds the game loads: vexlor_artgen OUTDIR [--preview]
// With --preview every picture is also written as PNG under OUTDIR/preview.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>

#include "assets/art/art.h"
#include "assets/art/fonts.h"
#include "tools/artgen/image_writers.h"

namespace {

using namespace vexlor::art;

enum class Kind { Jpeg, Bmp24, Bmp4Red, Bmp4Green, Bmp1 };

struct Picture {
  const char* file;
  int width;
  int height;
  Kind kind;
  std::function<QImage()> draw;
};

const Picture kPictures[] = {
    {"background.jpg", 800, 600, Kind::Jpeg, Background},
    {"motionblur.jpg", 77, 456, Kind::Jpeg, MotionBlur},
    {"symbols.jpg", 304, 304, Kind::Jpeg, SymbolSheet},
    {"bonusmeter.jpg", 78, 767, Kind::Jpeg, BonusMeter},
    {"hold.jpg", 72, 34, Kind::Jpeg, HoldButton},
    {"betone.jpg", 78, 118, Kind::Jpeg, BetOneButton},
    {"betmax.jpg", 78, 118, Kind::Jpeg, BetMaxButton},
    {"spin.jpg", 78, 118, Kind::Jpeg, SpinButton},
    {"dimmed.jpg", 302, 143, Kind::Jpeg, DimmedTitlePanel},
    {"dimmed2.jpg", 436, 49, Kind::Jpeg, DimmedNamePlate},
    {"coinspot_dimmed.jpg", 84, 85, Kind::Jpeg, DimmedCoinSpot},
    {"digits_small.bmp", 188, 21, Kind::Bmp4Red, [] { return DigitStrip(false, false); }},
    {"green_small.bmp", 188, 21, Kind::Bmp4Green, [] { return DigitStrip(true, false); }},
    {"digits_large.bmp", 376, 42, Kind::Bmp4Red, [] { return DigitStrip(false, true); }},
    {"green_large.bmp", 376, 42, Kind::Bmp4Green, [] { return DigitStrip(true, true); }},
    {"lamps_red.bmp", 318, 28, Kind::Bmp24, [] { return LampStrip(LampColour::Red); }},
    {"lamps_blue.bmp", 318, 28, Kind::Bmp24, [] { return LampStrip(LampColour::Blue); }},
    {"lamps_green.bmp", 318, 28, Kind::Bmp24, [] { return LampStrip(LampColour::Green); }},
    {"lamps_mask.bmp", 318, 28, Kind::Bmp1, LampMask},
    {"logo.bmp", 125, 95, Kind::Bmp24, Logo},
    {"logo_mask.bmp", 125, 95, Kind::Bmp1, LogoMask},
};

bool Write(const Picture& picture, const QImage& image, const QString& path) {
  switch (picture.kind) {
    case Kind::Jpeg:
      return WriteJpeg(image, path);
    case Kind::Bmp24:
      return WriteBmp24(image, path);
    case Kind::Bmp4Red:
      return WriteBmp4(image, DigitPalette(false), path);
    case Kind::Bmp4Green:
      return WriteBmp4(image, DigitPalette(true), path);
    case Kind::Bmp1:
      return WriteBmp1(image, path);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: vexlor_artgen OUTDIR [--preview]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const bool preview = argc > 2 && QString::fromLocal8Bit(argv[2]) == "--preview";
  if (!QDir().mkpath(out.path()) || (preview && !out.mkpath("preview"))) return 1;
  int failures = 0;
  for (const Picture& picture : kPictures) {
    QImage image;
    try {
      image = picture.draw();
    } catch (const MissingFont& missing) {
      std::fprintf(stderr, "vexlor_artgen: %s: %s\n", picture.file, missing.what());
      return 1;
    }
    if (image.width() != picture.width || image.height() != picture.height) {
      std::fprintf(stderr, "%s: drawn %dx%d, must be %dx%d\n", picture.file, image.width(),
                   image.height(), picture.width, picture.height);
      ++failures;
      continue;
    }
    if (!Write(picture, image, out.filePath(picture.file))) {
      std::fprintf(stderr, "%s: cannot write\n", picture.file);
      ++failures;
    }
    if (preview) image.save(out.filePath(QString("preview/%1.png").arg(picture.file)));
  }
  return failures == 0 ? 0 : 1;
}
