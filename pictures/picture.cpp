// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include <QBuffer>
#include <QImageReader>
#include <QResource>

#include "config/file_lookup.h"
#include "pictures/jpeg_image.h"

namespace vexlor {
namespace {

constexpr std::array<int, 3> kLevelScale = {1, 2, 4};

// The bytes of a resource, without a copy unless it is stored compressed.
QByteArray Resource(const QString& path) {
  const QResource resource(path);
  if (!resource.isValid()) qFatal("built-in picture %s is missing", qPrintable(path));
  return resource.uncompressedData();
}

// The resource names of a built-in picture: as listed, then its masters.
std::array<QString, 3> ResourceNames(Art art) {
  const std::string_view named = ArtName(art);
  const QString base = QStringLiteral(":/art/") +
                       QString::fromLatin1(named.data(), static_cast<qsizetype>(named.size()));
  const QString stem = base.left(base.lastIndexOf(QLatin1Char('.')));
  const QString masterExtension =
      base.endsWith(QLatin1String(".jpg")) ? QStringLiteral(".jpg") : QStringLiteral(".png");
  return {base, stem + QStringLiteral("@2x") + masterExtension,
          stem + QStringLiteral("@4x") + masterExtension};
}

QImage DecodeOther(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer);
  QImage image = reader.read();
  if (image.isNull()) qFatal("built-in picture: %s", qPrintable(reader.errorString()));
  return image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                 : image.convertToFormat(QImage::Format_RGB32);
}

QSize SizeOf(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  return QImageReader(&buffer).size();
}

QImage Resize(const QImage& image, QSize target) {
  if (image.size() == target) return image;
  return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage ThroughMask(const QImage& picture, const QImage& mask) {
  QImage out(picture.size(), QImage::Format_ARGB32);
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const QImage bits = mask.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    const auto* m =
        y < bits.height() ? reinterpret_cast<const QRgb*>(bits.constScanLine(y)) : nullptr;
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int alpha = (m != nullptr && x < bits.width()) ? 255 - qGray(m[x]) : 0;
      dst[x] = (src[x] & 0x00FFFFFFu) | (static_cast<QRgb>(alpha) << 24);
    }
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

Picture Picture::BuiltIn(Art art) {
  const std::array<QString, 3> names = ResourceNames(art);
  Picture picture;
  picture.jpeg_ = names[0].endsWith(QLatin1String(".jpg"));
  picture.listed_ = Resource(names[0]);
  picture.masters_ = {Resource(names[1]), Resource(names[2])};
  picture.size_ = SizeOf(picture.listed_);
  if (picture.size_.isEmpty()) qFatal("built-in picture %s cannot be read", qPrintable(names[0]));
  return picture;
}

void ReleaseBuiltInPictures() {
#ifdef MADV_DONTNEED
  // The pictures lie together in the program's resources: one span from the
  // first to the last, in whole pages, so what shares a page with them stays.
  quintptr first = ~quintptr(0), last = 0;
  for (std::size_t art = 0; art < kArtNames.size(); ++art) {
    for (const QString& name : ResourceNames(static_cast<Art>(art))) {
      const QResource resource(name);
      if (!resource.isValid() || resource.data() == nullptr) continue;
      const auto start = reinterpret_cast<quintptr>(resource.data());
      first = std::min(first, start);
      last = std::max(last, start + static_cast<quintptr>(resource.size()));
    }
  }
  const auto page = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
  const quintptr from = (first + page - 1) / page * page;
  const quintptr to = last / page * page;
  // The bytes are read-only and mapped from the program file, which keeps them.
  if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
#endif
}

Picture Picture::FromImage(QImage image) {
  Picture picture;
  picture.size_ = image.size();
  picture.image_ = std::move(image);
  return picture;
}

QImage Picture::Image() const {
  return listed_.isEmpty() ? image_ : Decode(0, {});
}

QImage Picture::Decode(int level, QSize atLeast) const {
  const QByteArray& bytes = level == 0 ? listed_ : masters_[static_cast<size_t>(level - 1)];
  if (!jpeg_) return DecodeOther(bytes);
  JpegResult decoded = DecodeJpeg(bytes, atLeast);
  if (!decoded.ok()) qFatal("built-in picture: %s", qPrintable(decoded.error));
  return decoded.image;
}

int Picture::LevelFor(QSize source, QSize target) const {
  if (!HasMasters() || target == source) return 0;
  int level = 0;
  while (level + 1 < static_cast<int>(kLevelScale.size()) &&
         (source.width() * kLevelScale[static_cast<size_t>(level)] < target.width() ||
          source.height() * kLevelScale[static_cast<size_t>(level)] < target.height())) {
    ++level;
  }
  return level;
}

QImage Picture::Scaled(QSize target, QRect source) const {
  const QRect all(QPoint(0, 0), size_);
  if (source.isEmpty()) source = all;
  if (target.isEmpty() || source.isEmpty()) return QImage();
  if (source == all && HasMasters()) {
    // A whole picture may come out of the decoder already close to the target.
    const int level = LevelFor(source.size(), target);
    return Resize(Decode(level, target), target);
  }
  return ScaledParts({source}, {target}).front();
}

std::vector<QImage> Picture::ScaledParts(const std::vector<QRect>& sources,
                                         const std::vector<QSize>& targets) const {
  int level = 0;
  for (std::size_t i = 0; i < sources.size(); ++i)
    level = std::max(level, LevelFor(sources[i].size(), targets[i]));
  const int k = kLevelScale[static_cast<size_t>(level)];
  const QImage decoded = listed_.isEmpty() ? image_ : Decode(level, {});
  std::vector<QImage> parts;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const QRect part(sources[i].topLeft() * k, sources[i].size() * k);
    parts.push_back(
        targets[i].isEmpty()
            ? QImage()
            : Resize(part == decoded.rect() ? decoded : decoded.copy(part), targets[i]));
  }
  return parts;
}

Replacement LoadReplacement(Picture& picture, const std::filesystem::path& appDir,
                            const QString& name) {
  Replacement result;
  const auto file = FindDataFileNoCase(appDir, name.toStdString());
  if (!file) return result;
  JpegResult decoded = LoadJpegFile(QString::fromStdString(file->string()));
  if (!decoded.ok()) {
    result.error = QStringLiteral("Cannot show %1: %2")
                       .arg(QString::fromStdString(file->filename().string()), decoded.error);
    return result;
  }
  picture = Picture::FromImage(std::move(decoded.image));
  result.loaded = true;
  return result;
}

}  // namespace vexlor
