// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's built-in pictures into a folder, in the sizes and file
// kinds the game loads: vexlor_artgen OUTDIR [--preview]
// or the desktop icon: vexlor_artgen --icons OUTDIR writes icon-N.png for N in
// kIconSides and the scalable icon.svg.
// Every picture comes at its listed size and as masters at two and four times
// that size: NAME.jpg has NAME@2x.jpg and NAME@4x.jpg, any other NAME.EXT has
// NAME@2x.png and NAME@4x.png. With --preview every file is also written as
// PNG under OUTDIR/preview.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "assets/art/art.h"
#include "assets/art/fonts.h"
#include "engine/machine_geometry.h"
#include "pictures/built_in.h"
#include "tools/artgen/icon_writer.h"
#include "tools/artgen/image_writers.h"

namespace {

using namespace vexlor::art;
namespace design = vexlor::design;

enum class Kind { Jpeg, Png, Bmp24, Bmp8, Bmp4Red, Bmp4Green, Bmp1 };

struct Picture {
  vexlor::Art art;
  int width;
  int height;
  Kind kind;
  std::function<QImage()> draw;
};

constexpr int kLeverWidth = design::kLeverRegion.width();
constexpr int kLeverHeight = design::kLeverRegion.height();

const Picture kPictures[] = {
    {vexlor::Art::Background, 800, 600, Kind::Jpeg, Background},
    {vexlor::Art::BonusBackground, 640, 480, Kind::Jpeg, BonusBackground},
    {vexlor::Art::PayoffChart, 615, 600, Kind::Jpeg, PayoffChart},
    {vexlor::Art::BonusTokens, 100, 225, Kind::Bmp8, BonusTokens},
    {vexlor::Art::BonusMask, 100, 225, Kind::Bmp1, BonusTokenMask},
    {vexlor::Art::MotionBlur, 77, 456, Kind::Jpeg, MotionBlur},
    {vexlor::Art::Symbols, 304, 304, Kind::Jpeg, SymbolSheet},
    {vexlor::Art::BonusMeter, 78, 767, Kind::Jpeg, BonusMeter},
    {vexlor::Art::Hold, 72, 34, Kind::Jpeg, HoldButton},
    {vexlor::Art::BetOne, 78, 118, Kind::Jpeg, BetOneButton},
    {vexlor::Art::BetMax, 78, 118, Kind::Jpeg, BetMaxButton},
    {vexlor::Art::Spin, 78, 118, Kind::Jpeg, SpinButton},
    {vexlor::Art::DimmedTitle, 302, 143, Kind::Jpeg, DimmedTitlePanel},
    {vexlor::Art::DimmedNamePlate, 436, 49, Kind::Jpeg, DimmedNamePlate},
    {vexlor::Art::DimmedCoinSpot, 84, 85, Kind::Jpeg, DimmedCoinSpot},
    {vexlor::Art::DigitsSmallRed, 188, 21, Kind::Bmp4Red, [] { return DigitStrip(false, false); }},
    {vexlor::Art::DigitsSmallGreen, 188, 21, Kind::Bmp4Green,
     [] { return DigitStrip(true, false); }},
    {vexlor::Art::DigitsLargeRed, 376, 42, Kind::Bmp4Red, [] { return DigitStrip(false, true); }},
    {vexlor::Art::DigitsLargeGreen, 376, 42, Kind::Bmp4Green,
     [] { return DigitStrip(true, true); }},
    {vexlor::Art::LampsRed, 318, 28, Kind::Bmp24, [] { return LampStrip(LampColour::Red); }},
    {vexlor::Art::LampsBlue, 318, 28, Kind::Bmp24, [] { return LampStrip(LampColour::Blue); }},
    {vexlor::Art::LampsGreen, 318, 28, Kind::Bmp24, [] { return LampStrip(LampColour::Green); }},
    {vexlor::Art::LampsMask, 318, 28, Kind::Bmp1, LampMask},
    {vexlor::Art::Logo, 125, 95, Kind::Bmp24, Logo},
    {vexlor::Art::LogoMask, 125, 95, Kind::Bmp1, LogoMask},
    {vexlor::Art::LeverBackdrop, kLeverWidth, kLeverHeight, Kind::Jpeg, LeverBackdrop},
    {vexlor::Art::LeverArm, kLeverWidth, kLeverHeight, Kind::Png, LeverArm},
    {vexlor::Art::LeverHub, kLeverWidth, kLeverHeight, Kind::Png, LeverHub},
    {vexlor::Art::Chip1000, 48, 48, Kind::Png, [] { return Chip(ChipValue::Thousand); }},
    {vexlor::Art::Chip100, 48, 48, Kind::Png, [] { return Chip(ChipValue::Hundred); }},
    {vexlor::Art::Chip10, 48, 48, Kind::Png, [] { return Chip(ChipValue::Ten); }},
    {vexlor::Art::Chip1, 48, 48, Kind::Png, [] { return Chip(ChipValue::One); }},
};

constexpr int kScales[] = {1, 2, 4};
constexpr int kMasterJpegQuality = 90;

// One file to write: a picture at a scale.
struct Job {
  const Picture* picture;
  int scale;
};

QString FileName(const Job& job) {
  const std::string_view name = vexlor::ArtName(job.picture->art);
  const QString listed = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  if (job.scale == 1) return listed;
  const QString extension = job.picture->kind == Kind::Jpeg ? "jpg" : "png";
  return QStringLiteral("%1@%2x.%3")
      .arg(listed.left(listed.lastIndexOf('.')))
      .arg(job.scale)
      .arg(extension);
}

bool Write(const Job& job, const QImage& image, const QString& path) {
  if (job.picture->kind == Kind::Jpeg) {
    return job.scale == 1 ? WriteJpeg(image, path)
                          : WriteJpeg(image, path, kMasterJpegQuality, true);
  }
  if (job.scale > 1) return image.save(path, "PNG");
  switch (job.picture->kind) {
    case Kind::Png:
      return image.save(path, "PNG");
    case Kind::Bmp24:
      return WriteBmp24(image, path);
    case Kind::Bmp8:
      return WriteBmp8(image, path);
    case Kind::Bmp4Red:
      return WriteBmp4(image, DigitPalette(false), path);
    case Kind::Bmp4Green:
      return WriteBmp4(image, DigitPalette(true), path);
    case Kind::Bmp1:
      return WriteBmp1(image, path);
    case Kind::Jpeg:
      break;
  }
  return false;
}

// Draws and writes the jobs on all cores. A missing font stops the work.
class Generator {
 public:
  Generator(const QDir& out, bool preview) : out_(out), preview_(preview) {
    for (int scale : kScales) {
      for (const Picture& picture : kPictures)
        jobs_.push_back({&picture, scale});
    }
    // The largest first, so no core is left with a big one at the end.
    std::stable_sort(jobs_.begin(), jobs_.end(),
                     [](const Job& a, const Job& b) { return a.scale > b.scale; });
  }

  // 0 when every file was written, 1 otherwise.
  int Run() {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::jthread> workers;
    for (unsigned i = 0; i < std::min<size_t>(cores, jobs_.size()); ++i)
      workers.emplace_back([this] { Work(); });
    workers.clear();
    return failed_ ? 1 : 0;
  }

 private:
  void Work() {
    for (size_t i = next_++; i < jobs_.size() && !stopped_; i = next_++)
      Do(jobs_[i]);
  }

  void Do(const Job& job) {
    const QString name = FileName(job);
    QImage image;
    try {
      const RenderScale scale(job.scale);
      image = job.picture->draw();
    } catch (const MissingFont& missing) {
      // One report is enough: every picture draws with the same fonts.
      if (!stopped_.exchange(true)) {
        Fail(QStringLiteral("vexlor_artgen: %1: %2").arg(name, QString::fromUtf8(missing.what())));
      }
      return;
    }
    const int width = job.picture->width * job.scale;
    const int height = job.picture->height * job.scale;
    if (image.width() != width || image.height() != height) {
      Fail(QStringLiteral("%1: drawn %2x%3, must be %4x%5")
               .arg(name)
               .arg(image.width())
               .arg(image.height())
               .arg(width)
               .arg(height));
      return;
    }
    if (!Write(job, image, out_.filePath(name))) Fail(name + QStringLiteral(": cannot write"));
    if (preview_) image.save(out_.filePath(QStringLiteral("preview/%1.png").arg(name)));
  }

  void Fail(const QString& message) {
    const std::lock_guard lock(report_);
    std::fprintf(stderr, "%s\n", qPrintable(message));
    failed_ = true;
  }

  const QDir out_;
  const bool preview_;
  std::vector<Job> jobs_;
  std::atomic<size_t> next_ = 0;
  std::atomic<bool> stopped_ = false;
  std::atomic<bool> failed_ = false;
  std::mutex report_;
};

constexpr int kIconSides[] = {48, 64, 128, 256};

int WriteIcons(const QDir& out) {
  std::vector<IconLayer> layers;
  try {
    layers = IconLayers();
  } catch (const MissingFont& missing) {
    std::fprintf(stderr, "vexlor_artgen: icon: %s\n", missing.what());
    return 1;
  }
  for (int side : kIconSides) {
    const QString name = QStringLiteral("icon-%1.png").arg(side);
    if (!RenderIcon(layers, side).save(out.filePath(name), "PNG")) {
      std::fprintf(stderr, "%s: cannot write\n", qPrintable(name));
      return 1;
    }
  }
  QFile svg(out.filePath(QStringLiteral("icon.svg")));
  const QByteArray document = IconSvg(layers);
  if (!svg.open(QIODevice::WriteOnly) || svg.write(document) != document.size()) {
    std::fprintf(stderr, "icon.svg: cannot write\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc == 3 && QString::fromLocal8Bit(argv[1]) == "--icons") {
    const QDir out(QString::fromLocal8Bit(argv[2]));
    return QDir().mkpath(out.path()) ? WriteIcons(out) : 1;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: vexlor_artgen OUTDIR [--preview] | --icons OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const bool preview = argc > 2 && QString::fromLocal8Bit(argv[2]) == "--preview";
  if (!QDir().mkpath(out.path()) || (preview && !out.mkpath("preview"))) return 1;
  return Generator(out, preview).Run();
}
