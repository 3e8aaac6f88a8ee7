// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/artgen/image_writers.h"

#include <jpeglib.h>

#include <QFile>
#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vexlor::art {
namespace {

void Put16(QByteArray& out, quint16 v) {
  v = qToLittleEndian(v);
  out.append(reinterpret_cast<const char*>(&v), 2);
}
void Put32(QByteArray& out, quint32 v) {
  v = qToLittleEndian(v);
  out.append(reinterpret_cast<const char*>(&v), 4);
}

// File and info headers of a BMP with `bits` per pixel and `colours` palette entries.
QByteArray BmpHeader(int width, int height, int bits, int colours, int rowBytes) {
  const quint32 paletteBytes = static_cast<quint32>(colours) * 4;
  const quint32 pixelOffset = 14 + 40 + paletteBytes;
  const quint32 imageBytes = static_cast<quint32>(rowBytes) * static_cast<quint32>(height);
  QByteArray out;
  out.append("BM");
  Put32(out, pixelOffset + imageBytes);
  Put32(out, 0);
  Put32(out, pixelOffset);
  Put32(out, 40);
  Put32(out, static_cast<quint32>(width));
  Put32(out, static_cast<quint32>(height));
  Put16(out, 1);
  Put16(out, static_cast<quint16>(bits));
  Put32(out, 0);  // no compression
  Put32(out, imageBytes);
  Put32(out, 3780);  // 96 dpi
  Put32(out, 3780);
  Put32(out, static_cast<quint32>(colours));
  Put32(out, 0);
  return out;
}

void PutPalette(QByteArray& out, const QVector<QRgb>& palette) {
  for (QRgb c : palette) {
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
    out.append('\0');
  }
}

bool Save(const QByteArray& bytes, const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int Nearest(QRgb c, const QVector<QRgb>& palette) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < palette.size(); ++i) {
    const long dr = qRed(c) - qRed(palette[i]);
    const long dg = qGreen(c) - qGreen(palette[i]);
    const long db = qBlue(c) - qBlue(palette[i]);
    const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

// A colour of an image and how many of its pixels have it.
struct Tally {
  QRgb colour;
  quint64 count;
};

int Channel(QRgb c, int channel) {
  return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

// A run of tallies that one palette colour will stand for.
class ColourBox {
 public:
  ColourBox(std::vector<Tally>::iterator begin, std::vector<Tally>::iterator end)
      : begin_(begin), end_(end) {
    // The channel along which the box's pixels spread most, by squared error.
    const QRgb mean = Mean();
    for (int channel = 0; channel < 3; ++channel) {
      double error = 0;
      for (auto t = begin_; t != end_; ++t) {
        const double d = Channel(t->colour, channel) - Channel(mean, channel);
        error += d * d * static_cast<double>(t->count);
      }
      if (channel == 0 || error > error_) {
        error_ = error;
        channel_ = channel;
      }
    }
  }

  // How much splitting the box would gain; 0 when it cannot be split.
  double Error() const { return end_ - begin_ > 1 ? error_ : 0; }

  // Splits at the pixel median of the widest channel; this box keeps the lower half.
  ColourBox Split() {
    const int channel = channel_;
    std::sort(begin_, end_, [channel](const Tally& a, const Tally& b) {
      const int ca = Channel(a.colour, channel), cb = Channel(b.colour, channel);
      return ca != cb ? ca < cb : a.colour < b.colour;
    });
    quint64 total = 0;
    for (auto t = begin_; t != end_; ++t)
      total += t->count;
    auto middle = begin_;
    for (quint64 seen = 0; middle != end_ - 1 && seen + middle->count <= total / 2; ++middle)
      seen += middle->count;
    if (middle == begin_) ++middle;
    ColourBox upper(middle, end_);
    *this = ColourBox(begin_, middle);
    return upper;
  }

  QRgb Mean() const {
    std::array<double, 3> sum{};
    double pixels = 0;
    for (auto t = begin_; t != end_; ++t) {
      for (int channel = 0; channel < 3; ++channel)
        sum[static_cast<size_t>(channel)] +=
            Channel(t->colour, channel) * static_cast<double>(t->count);
      pixels += static_cast<double>(t->count);
    }
    const auto mean = [&](int channel) {
      return static_cast<int>(std::lround(sum[static_cast<size_t>(channel)] / pixels));
    };
    return qRgb(mean(0), mean(1), mean(2));
  }

 private:
  std::vector<Tally>::iterator begin_;
  std::vector<Tally>::iterator end_;
  double error_ = 0;
  int channel_ = 0;
};

// At most 256 colours for `rgb`, black first.
QVector<QRgb> MakePalette(const QImage& rgb) {
  QHash<QRgb, quint64> counts;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xff000000u;
      if (c != qRgb(0, 0, 0)) ++counts[c];
    }
  }
  std::vector<Tally> tallies;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    tallies.push_back({it.key(), it.value()});
  std::sort(tallies.begin(), tallies.end(),
            [](const Tally& a, const Tally& b) { return a.colour < b.colour; });
  constexpr size_t kColours = 255;  // besides black
  QVector<QRgb> palette{qRgb(0, 0, 0)};
  if (tallies.empty()) return palette;
  std::vector<ColourBox> boxes{ColourBox(tallies.begin(), tallies.end())};
  while (boxes.size() < kColours) {
    const auto widest = std::max_element(
        boxes.begin(), boxes.end(),
        [](const ColourBox& a, const ColourBox& b) { return a.Error() < b.Error(); });
    if (widest->Error() <= 0) break;
    ColourBox upper = widest->Split();
    boxes.push_back(upper);
  }
  for (const ColourBox& box : boxes)
    palette.append(box.Mean());
  return palette;
}

}  // namespace

bool WriteJpeg(const QImage& image, const QString& path, int quality, bool halveChroma) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  if (!halveChroma) {
    for (int i = 0; i < cinfo.num_components; ++i) {
      cinfo.comp_info[i].h_samp_factor = 1;
      cinfo.comp_info[i].v_samp_factor = 1;
    }
  }
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

bool WriteBmp24(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int rowBytes = (rgb.width() * 3 + 3) & ~3;
  QByteArray out = BmpHeader(rgb.width(), rgb.height(), 24, 0, rowBytes);
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    QByteArray row;
    for (int x = 0; x < rgb.width(); ++x) {
      row.append(static_cast<char>(qBlue(line[x])));
      row.append(static_cast<char>(qGreen(line[x])));
      row.append(static_cast<char>(qRed(line[x])));
    }
    row.append(QByteArray(rowBytes - row.size(), '\0'));
    out.append(row);
  }
  return Save(out, path);
}

bool WriteBmp4(const QImage& image, const QVector<QRgb>& palette, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int rowBytes = ((rgb.width() + 1) / 2 + 3) & ~3;
  QByteArray out =
      BmpHeader(rgb.width(), rgb.height(), 4, static_cast<int>(palette.size()), rowBytes);
  PutPalette(out, palette);
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < rgb.width(); ++x) {
      const int index = Nearest(line[x], palette);
      row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
    }
    out.append(row);
  }
  return Save(out, path);
}

bool WriteBmp8(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  QVector<QRgb> palette = MakePalette(rgb);
  const int rowBytes = (rgb.width() + 3) & ~3;
  QHash<QRgb, int> chosen;
  QByteArray pixels;
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xff000000u;
      auto found = chosen.constFind(c);
      if (found == chosen.constEnd()) found = chosen.insert(c, Nearest(c, palette));
      row[x] = static_cast<char>(*found);
    }
    pixels.append(row);
  }
  palette.resize(256, qRgb(0, 0, 0));
  QByteArray out = BmpHeader(rgb.width(), rgb.height(), 8, 256, rowBytes);
  PutPalette(out, palette);
  out.append(pixels);
  return Save(out, path);
}

bool WriteBmp1(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int rowBytes = ((rgb.width() + 7) / 8 + 3) & ~3;
  QByteArray out = BmpHeader(rgb.width(), rgb.height(), 1, 2, rowBytes);
  PutPalette(out, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = rgb.height() - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    QByteArray row(rowBytes, '\0');
    for (int x = 0; x < rgb.width(); ++x) {
      if (qGray(line[x]) >= 128) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
  return Save(out, path);
}

}  // namespace vexlor::art
