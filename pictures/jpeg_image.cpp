// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/jpeg_image.h"

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

#include "config/plain_file.h"

namespace vexlor {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings of damaged but readable files stay quiet. A file that ends before
// its picture does, or whose scan a marker cuts short, is not readable: the
// decoder would make up the missing part (for a few bytes claiming a picture
// of 60 million pixels, seconds of making it up), so it is refused like a
// file that does not decode.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  const int code = cinfo->err->msg_code;
  if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) OnError(cinfo);
}

uchar Clamp(int v) {
  return static_cast<uchar>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// One decoded CMYK or grey scan line into the RGB32 picture.
void StoreLine(const jpeg_decompress_struct& cinfo, const JSAMPLE* line, QRgb* out) {
  const auto width = static_cast<int>(cinfo.output_width);
  if (cinfo.out_color_space == JCS_CMYK) {
    const bool inverted = cinfo.saw_Adobe_marker;  // Adobe stores CMYK inverted
    for (int x = 0; x < width; ++x) {
      int c = line[4 * x], m = line[4 * x + 1], y = line[4 * x + 2], k = line[4 * x + 3];
      if (!inverted) {
        c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
      }
      out[x] = qRgb(Clamp(c * k / 255), Clamp(m * k / 255), Clamp(y * k / 255));
    }
  } else {
    for (int x = 0; x < width; ++x)
      out[x] = qRgb(line[x], line[x], line[x]);
  }
}

// Everything the decoder touches lives on the heap: a longjmp out of libjpeg
// then leaves no local object half-changed, and the job is freed on return.
struct DecodeJob {
  jpeg_decompress_struct cinfo{};
  ErrorManager errors{};
  QImage image;
  QByteArray line;
  JpegResult result;
};

// The smallest of the scales 1/8, 1/4, 1/2 at which the decoder's output
// still covers `atLeast`, as M / 8; 8 (full size) when none does or nothing
// is asked for. Only these have fast inverse transforms.
unsigned int ScaleNumerator(const jpeg_decompress_struct& cinfo, QSize atLeast) {
  if (atLeast.isEmpty()) return 8;
  for (unsigned int m : {1u, 2u, 4u}) {
    const auto scaled = [m](JDIMENSION v) { return static_cast<int>((v * m + 7) / 8); };
    if (scaled(cinfo.image_width) >= atLeast.width() &&
        scaled(cinfo.image_height) >= atLeast.height()) {
      return m;
    }
  }
  return 8;
}

bool ReadPixels(DecodeJob& job, const QByteArray& bytes, QSize atLeast) {
  jpeg_decompress_struct& cinfo = job.cinfo;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  if (static_cast<qint64>(cinfo.image_width) * cinfo.image_height > kMaxJpegPixels) {
    job.result.error = QStringLiteral("Picture too large (%1 x %2 pixels)")
                           .arg(cinfo.image_width)
                           .arg(cinfo.image_height);
    return false;
  }
  // Colour pictures decode straight into the picture's own pixel layout.
  const bool direct = cinfo.jpeg_color_space != JCS_CMYK && cinfo.jpeg_color_space != JCS_YCCK &&
                      cinfo.jpeg_color_space != JCS_GRAYSCALE;
  if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
    cinfo.out_color_space = JCS_CMYK;
  } else if (direct) {
    cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
  }
  cinfo.scale_num = ScaleNumerator(cinfo, atLeast);
  cinfo.scale_denom = 8;
  jpeg_start_decompress(&cinfo);
  job.image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                     QImage::Format_RGB32);
  job.line.resize(static_cast<qsizetype>(cinfo.output_width) * cinfo.output_components);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    if (direct) {
      JSAMPROW row = job.image.scanLine(y);
      jpeg_read_scanlines(&cinfo, &row, 1);
      continue;
    }
    auto* row = reinterpret_cast<JSAMPLE*>(job.line.data());
    jpeg_read_scanlines(&cinfo, &row, 1);
    StoreLine(cinfo, row, reinterpret_cast<QRgb*>(job.image.scanLine(y)));
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

JpegResult DecodeJpeg(const QByteArray& bytes, QSize atLeast) {
  const auto job = std::make_unique<DecodeJob>();
  job->cinfo.err = jpeg_std_error(&job->errors.base);
  job->errors.base.error_exit = OnError;
  job->errors.base.emit_message = OnMessage;
  if (setjmp(job->errors.jump) != 0) {
    jpeg_destroy_decompress(&job->cinfo);
    job->result.error = QString::fromLocal8Bit(job->errors.message);
    return job->result;
  }
  if (ReadPixels(*job, bytes, atLeast)) job->result.image = std::move(job->image);
  jpeg_destroy_decompress(&job->cinfo);
  return job->result;
}

JpegResult LoadJpegFile(const QString& path) {
  PlainFile file = ReadPlainFile(path.toStdString(), kMaxJpegFileBytes);
  if (!file.ok()) {
    JpegResult result;
    result.error = QString::fromStdString(file.why.empty() ? "it cannot be read" : file.why);
    return result;
  }
  return DecodeJpeg(QByteArray::fromStdString(file.bytes));
}

}  // namespace vexlor
