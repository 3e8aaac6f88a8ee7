// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora of the file harnesses and the stand-in picture of
// jpeg_fuzz into a fuzz/ folder (the source tree's by default):
//   vexlor_fuzz_seeds [FUZZ_DIR]
// Seeds are small valid files made by the project's own writers (EncodeWav,
// EncodeMidi, WriteJpeg) or, for the variants those do not make, by libjpeg
// and by hand; then cut and bit-flipped copies. They are named seed-*; other
// files of a corpus folder (regress-*, inputs that once failed) are left alone.
// The same build always writes the same bytes.
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared

#include <jpeglib.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "assets/synth/synth.h"
#include "tools/artgen/image_writers.h"
#include "tools/soundgen/song.h"
#include "tools/soundgen/wav_writer.h"

namespace {

namespace fs = std::filesystem;

void Save(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string Load(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first `keep` bytes, and copies with one bit flipped at a few places
// spread over the file (the header's among them).
void SaveDamaged(const fs::path& folder, const std::string& stem, const std::string& extension,
                 const std::string& bytes, const std::vector<std::size_t>& cuts,
                 const std::vector<std::size_t>& flips) {
  for (std::size_t keep : cuts) {
    if (keep < bytes.size()) {
      Save(folder / (stem + "-cut" + std::to_string(keep) + extension), bytes.substr(0, keep));
    }
  }
  for (std::size_t i = 0; i < flips.size(); ++i) {
    if (flips[i] >= bytes.size()) continue;
    std::string flipped = bytes;
    flipped[flips[i]] = static_cast<char>(flipped[flips[i]] ^ (1 << ((flips[i] * 5 + i) % 8)));
    Save(folder / (stem + "-flip" + std::to_string(flips[i]) + extension), flipped);
  }
}

// ---- Testing.ini -----------------------------------------------------------

void TestingSeeds(const fs::path& folder) {
  const std::pair<const char*, std::string> seeds[] = {
      {"plain.ini", "[Settings]\nSoundRoot=Demo\nAboutName=Vexlor Test\nWebPageName=demo\n"},
      {"crlf.ini",
       "; test run\r\n[settings]\r\nsoundroot = Other \r\nABOUTNAME=\"Quoted Name\"\r\n"},
      {"long-name.ini", "[Settings]\nAboutName=A name of forty characters, far too long\n"},
      {"utf8-name.ini",
       "[Settings]\nAboutName=\xc3\x84\xc3\xa4 Vexlor Spielautomat \xe2\x82\xac\xe2\x82\xac\xe2\x82"
       "\xac\xf0\x9f\x8e\xb0\xf0\x9f\x8e\xb0\n"},
      {"empty-root.ini", "[Settings]\nSoundRoot=\nWebPageName=\n"},
      {"other-section.ini", "[Other]\nSoundRoot=Nope\n[CurrentGame]\nCredits=5\n"},
      {"duplicates.ini",
       "[Settings]\nAboutName=First\nAboutName=Second\n[Settings]\nSoundRoot=x\n"},
      {"bom.ini", "\xef\xbb\xbf[Settings]\nAboutName=With BOM\n"},
      {"broken-bytes.ini", std::string("[Settings]\nAboutName=\xff\xfe\xc3(\x80 bad \0 nul\n", 33)},
  };
  for (const auto& [name, text] : seeds)
    Save(folder / (std::string("seed-") + name), text);
}

// ---- WAV -------------------------------------------------------------------

void Put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xff));
  out.push_back(static_cast<char>((v >> 8) & 0xff));
}
void Put32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>((v >> shift) & 0xff));
}

std::string Chunk(const char* tag, const std::string& body) {
  std::string out(tag, 4);
  Put32(out, static_cast<std::uint32_t>(body.size()));
  out += body;
  if (body.size() % 2 != 0) out.push_back('\0');
  return out;
}

std::string Riff(const std::string& chunks) {
  std::string out = "RIFF";
  Put32(out, static_cast<std::uint32_t>(4 + chunks.size()));
  return out + "WAVE" + chunks;
}

std::string Fmt(unsigned tag, unsigned channels, std::uint32_t rate, unsigned bits) {
  const unsigned align = channels * bits / 8;
  std::string body;
  Put16(body, tag);
  Put16(body, channels);
  Put32(body, rate);
  Put32(body, rate * align);
  Put16(body, align);
  Put16(body, bits);
  return body;
}

vexlor::soundgen::Samples Tone(double seconds) {
  vexlor::soundgen::Samples samples(vexlor::soundgen::IndexOf(seconds));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<float>(
        0.5 * std::sin(2 * std::numbers::pi * 880 * vexlor::soundgen::TimeOf(i)));
  return samples;
}

void WavSeeds(const fs::path& folder) {
  const std::string mono = vexlor::soundgen::EncodeWav(Tone(0.01));
  Save(folder / "seed-mono16.wav", mono);
  Save(folder / "seed-empty.wav", vexlor::soundgen::EncodeWav({}));
  const std::string data16 = mono.substr(44);  // 441 samples of 16 bits

  std::string data8;
  for (std::size_t i = 0; i + 1 < data16.size(); i += 2)
    data8.push_back(static_cast<char>((static_cast<unsigned char>(data16[i + 1]) + 128) & 0xff));
  Save(folder / "seed-stereo8-22k.wav",
       Riff(Chunk("fmt ", Fmt(1, 2, 22050, 8)) + Chunk("data", data8.substr(0, 220))));
  std::string floats;
  for (float x : Tone(0.005)) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &x, 4);
    Put32(floats, bits);
  }
  Save(folder / "seed-float32.wav",
       Riff(Chunk("fmt ", Fmt(3, 1, 44100, 32)) + Chunk("data", floats)));
  Save(folder / "seed-pcm24-48k.wav",
       Riff(Chunk("fmt ", Fmt(1, 1, 48000, 24)) + Chunk("data", data16.substr(0, 300))));
  std::string extensible = Fmt(0xFFFE, 2, 44100, 16);
  Put16(extensible, 22);  // extension size
  Put16(extensible, 16);  // valid bits
  Put32(extensible, 3);   // front left and right
  Put16(extensible, 1);   // the PCM sub-format GUID
  extensible += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71", 14);
  Save(folder / "seed-extensible.wav",
       Riff(Chunk("fmt ", extensible) + Chunk("data", data16.substr(0, 400))));
  std::string fact;
  Put32(fact, 441);
  Save(folder / "seed-list-fact.wav",
       Riff(Chunk("LIST", "INFOISFT\x05\0\0\0vex") + Chunk("fmt ", Fmt(1, 1, 44100, 16)) +
            Chunk("fact", fact) + Chunk("data", data16)));
  Save(folder / "seed-adpcm.wav",
       Riff(Chunk("fmt ", Fmt(2, 1, 22050, 4)) + Chunk("data", data16.substr(0, 64))));
  std::string longer = mono;  // the data chunk claims more than the file holds
  longer[40] = static_cast<char>(0x40);
  longer[41] = static_cast<char>(0x1f);
  Save(folder / "seed-cut-data.wav", longer);
  SaveDamaged(folder, "seed-mono16", ".wav", mono, {11, 30, 47, 200},
              {1, 9, 22, 24, 28, 34, 36, 40});
}

// ---- MIDI ------------------------------------------------------------------

using vexlor::soundgen::Song;

void MidiSeeds(const fs::path& folder) {
  Song one;
  one.title = "seed";
  one.tempoBpm = 200;
  one.length = 480;
  one.parts.push_back({"piano", 0, 0, 100, 64, 40, {{0, 240, 60, 100}}});
  const std::string oneNote = vexlor::soundgen::EncodeMidi(one);
  Save(folder / "seed-one-note.mid", oneNote);

  Song two = one;
  two.ticksPerQuarter = 96;
  two.beatsPerBar = 3;
  two.swingPercent = 66;
  two.length = 192;
  two.parts[0].notes = {{0, 48, 64, 90}, {48, 48, 67, 90}, {96, 96, 72, 110}};
  two.parts.push_back({"drums", 9, 0, 90, 30, 0, {{0, 24, 36, 120}, {96, 24, 38, 100}}});
  Save(folder / "seed-two-parts.mid", vexlor::soundgen::EncodeMidi(two));

  // Format 0 by hand, with running status, a text, a program change, a pitch
  // bend, channel pressure and a system exclusive message.
  const unsigned char format0[] = {
      'M',  'T',  'h',  'd',  0,    0,    0,    6,   0, 0, 0, 1, 0, 96,  // format 0, 96 a beat
      'M',  'T',  'r',  'k',  0,    0,    0,    43,                      // one track
      0x00, 0xFF, 0x01, 0x03, 'v',  'e',  'x',                           // text
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                          // tempo
      0x00, 0xC0, 0x05,                                                  // program
      0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7,                                // system exclusive
      0x00, 0x90, 60,   90,   0x10, 64,   90,           // two notes, running status
      0x10, 0xE0, 0x00, 0x50,                           // pitch bend
      0x08, 0xD0, 0x40,                                 // channel pressure
      0x10, 0x80, 60,   0,    0x00, 0xFF, 0x2F, 0x00};  // off, end of track
  const std::string handWritten(reinterpret_cast<const char*>(format0), sizeof format0);
  Save(folder / "seed-format0.mid", handWritten);

  // Another kind of chunk between the header and the tracks.
  std::string extra =
      oneNote.substr(0, 14) + "XVEX" + std::string("\0\0\0\2ok", 6) + oneNote.substr(14);
  Save(folder / "seed-extra-chunk.mid", extra);
  SaveDamaged(folder, "seed-one-note", ".mid", oneNote, {13, 21, 30, oneNote.size() - 2},
              {3, 7, 9, 11, 13, 19, 23, 26});
  SaveDamaged(folder, "seed-format0", ".mid", handWritten, {40}, {21, 29, 42, 50, 56});
}

// ---- Soundfonts ------------------------------------------------------------

// `value` in `bytes` (2 or 4) little-endian bytes.
std::string Le(uint32_t value, int bytes) {
  std::string out;
  if (bytes == 2) {
    Put16(out, value);
  } else {
    Put32(out, value);
  }
  return out;
}

std::string Name(const std::string& name) {
  return name + std::string(20 - name.size(), '\0');
}

// A SoundFont 2 file of one looped sine sample: a piano (program 0), a drum
// kit (bank 128) and an organ (program 16, with a global zone and a
// modulator), on four instruments, one of them used by no preset.
std::string SmallSoundFont() {
  std::string samples;
  for (int i = 0; i < 246; ++i)  // 200 of the sine, then the 46 silent ones the standard asks
    samples += Le(static_cast<uint16_t>(i < 200 ? std::lround(8000 * std::sin(i * 0.1257)) : 0), 2);
  const auto phdr = [](const char* name, int program, int bank, int bag) {
    return Name(name) + Le(program, 2) + Le(bank, 2) + Le(bag, 2) + std::string(12, '\0');
  };
  const auto pair = [](int a, int b) { return Le(a, 2) + Le(b, 2); };
  const std::string modulator = Le(0x0081, 2) + Le(17, 2) + Le(100, 2) + Le(0, 2) + Le(0, 2);
  std::string igen, ibag;
  for (int i = 0; i < 4; ++i) {
    ibag += pair(2 * i, 0);
    igen += pair(43, 127 << 8) + pair(53, 0);  // every key, the sine
  }
  const std::string pdta =
      "pdta" +
      Chunk("phdr", phdr("Piano", 0, 0, 0) + phdr("Drums", 0, 128, 1) + phdr("Organ", 16, 0, 2) +
                        phdr("EOP", 0, 0, 4)) +
      Chunk("pbag", pair(0, 0) + pair(1, 0) + pair(2, 0) + pair(3, 1) + pair(4, 1)) +
      Chunk("pmod", modulator + std::string(10, '\0')) +
      Chunk("pgen", pair(41, 0) + pair(41, 1) + pair(17, 100) + pair(41, 3) + pair(0, 0)) +
      Chunk("inst", Name("Piano") + Le(0, 2) + Name("Drum") + Le(1, 2) + Name("Unused") + Le(2, 2) +
                        Name("Organ") + Le(3, 2) + Name("EOI") + Le(4, 2)) +
      Chunk("ibag", ibag + pair(8, 0)) + Chunk("imod", std::string(10, '\0')) +
      Chunk("igen", igen + pair(0, 0)) +
      Chunk("shdr", Name("Sine") + Le(0, 4) + Le(200, 4) + Le(50, 4) + Le(150, 4) + Le(22050, 4) +
                        std::string("\x3C\0", 2) + Le(0, 2) + Le(1, 2) + Name("EOS") +
                        std::string(26, '\0'));
  const std::string body = "sfbk" +
                           Chunk("LIST", "INFO" + Chunk("ifil", Le(2, 2) + Le(1, 2)) +
                                             Chunk("isng", std::string("EMU8000\0", 8)) +
                                             Chunk("INAM", std::string("seed\0\0", 6))) +
                           Chunk("LIST", "sdta" + Chunk("smpl", samples)) + Chunk("LIST", pdta);
  return Chunk("RIFF", body);
}

void SoundFontSeeds(const fs::path& folder) {
  const std::string font = SmallSoundFont();
  Save(folder / "seed-small.sf2", font);
  const std::size_t pdta = font.find("pdta");
  SaveDamaged(folder, "seed-small", ".sf2", font, {pdta, font.size() - 60},
              {4, pdta + 16, pdta + 60, pdta + 200, pdta + 270, pdta + 330, font.size() - 80});
}

// ---- JPEG ------------------------------------------------------------------

QImage Drawing(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x ^ y) * 16 & 0xff));
  }
  QPainter painter(&image);
  painter.setPen(QColor(250, 240, 40));
  painter.drawLine(0, height / 2, width - 1, height / 2);
  return image;
}

enum class Kind { Grey, Cmyk, Ycck, Progressive, Arithmetic, Restarts, Rgb };

// The kinds of JPEG file the project's writer does not make, through libjpeg.
std::string Jpeg(const QImage& image, Kind kind) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  const bool grey = kind == Kind::Grey;
  const bool cmyk = kind == Kind::Cmyk || kind == Kind::Ycck;
  cinfo.input_components = grey ? 1 : cmyk ? 4 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 75, TRUE);
  if (kind == Kind::Ycck) jpeg_set_colorspace(&cinfo, JCS_YCCK);
  if (kind == Kind::Rgb) jpeg_set_colorspace(&cinfo, JCS_RGB);
  if (kind == Kind::Progressive) jpeg_simple_progression(&cinfo);
  if (kind == Kind::Arithmetic) cinfo.arith_code = TRUE;
  if (kind == Kind::Restarts) cinfo.restart_interval = 1;
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> line(static_cast<std::size_t>(rgb.width()) * 4);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uchar* source = rgb.constScanLine(static_cast<int>(cinfo.next_scanline));
    for (int x = 0; x < rgb.width(); ++x) {
      const int r = source[3 * x], g = source[3 * x + 1], b = source[3 * x + 2];
      if (grey) {
        line[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>((r * 30 + g * 59 + b * 11) / 100);
      } else if (cmyk) {                                      // as Adobe writes it: inverted
        const int k = std::min({255 - r, 255 - g, 255 - b});  // black ink
        const int values[] = {r + k, g + k, b + k, 255 - k};
        for (int i = 0; i < 4; ++i)
          line[static_cast<std::size_t>(4 * x + i)] = static_cast<JSAMPLE>(values[i]);
      } else {
        for (int i = 0; i < 3; ++i)
          line[static_cast<std::size_t>(3 * x + i)] = source[3 * x + i];
      }
    }
    JSAMPROW row = line.data();
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

// WriteJpeg, the project's JPEG writer, writes files; this reads one back.
std::string WrittenJpeg(const QImage& image, const fs::path& scratch, int quality,
                        bool halveChroma) {
  if (!vexlor::art::WriteJpeg(image, QString::fromStdString(scratch.string()), quality,
                              halveChroma))
    throw std::runtime_error("cannot write " + scratch.string());
  std::string bytes = Load(scratch);
  fs::remove(scratch);
  return bytes;
}

void JpegSeeds(const fs::path& folder, const fs::path& standIn) {
  const fs::path scratch = folder / "seed-scratch.jpg";
  const std::string colour = WrittenJpeg(Drawing(16, 12), scratch, 80, false);
  Save(folder / "seed-rgb444.jpg", colour);
  Save(folder / "seed-rgb420-odd.jpg", WrittenJpeg(Drawing(33, 17), scratch, 60, true));
  Save(folder / "seed-1x1.jpg", WrittenJpeg(Drawing(1, 1), scratch, 90, false));
  Save(folder / "seed-wide.jpg", WrittenJpeg(Drawing(200, 3), scratch, 50, true));
  const std::pair<const char*, Kind> kinds[] = {
      {"grey", Kind::Grey},
      {"cmyk-adobe", Kind::Cmyk},
      {"ycck", Kind::Ycck},
      {"progressive", Kind::Progressive},
      {"arithmetic", Kind::Arithmetic},
      {"restarts", Kind::Restarts},
      {"rgb", Kind::Rgb},
  };
  for (const auto& [name, kind] : kinds)
    Save(folder / (std::string("seed-") + name + ".jpg"), Jpeg(Drawing(24, 16), kind));
  SaveDamaged(folder, "seed-rgb444", ".jpg", colour, {2, 100, colour.size() / 2, colour.size() - 2},
              {3, 20, 60, 150, 160, 170, colour.size() - 40});

  // The stand-in for a built-in picture (the hold button, 72 x 34) and its masters.
  fs::create_directories(standIn);
  const std::pair<const char*, int> masters[] = {
      {"hold.jpg", 1}, {"hold@2x.jpg", 2}, {"hold@4x.jpg", 4}};
  for (const auto& [name, scale] : masters) {
    QImage hold = Drawing(72 * scale, 34 * scale);
    QPainter(&hold).fillRect(0, 0, 72 * scale, 17 * scale, QColor(40, 40, 60));  // the dim half
    Save(standIn / name, WrittenJpeg(hold, standIn / "scratch.jpg", 85, scale > 1));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path fuzz = argc > 1 ? fs::path(argv[1]) : fs::path(VEXLOR_FUZZ_DIR);
  try {
    for (const char* harness :
         {"testing_fuzz", "wav_fuzz", "midi_fuzz", "soundfont_fuzz", "jpeg_fuzz"}) {
      const fs::path folder = fuzz / "corpus" / harness;
      fs::create_directories(folder);
      for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("seed-")) fs::remove(entry.path());
      }
    }
    TestingSeeds(fuzz / "corpus" / "testing_fuzz");
    WavSeeds(fuzz / "corpus" / "wav_fuzz");
    MidiSeeds(fuzz / "corpus" / "midi_fuzz");
    SoundFontSeeds(fuzz / "corpus" / "soundfont_fuzz");
    JpegSeeds(fuzz / "corpus" / "jpeg_fuzz", fuzz / "standin");
  } catch (const std::exception& error) {
    std::cerr << "vexlor_fuzz_seeds: " << error.what() << "\n";
    return 1;
  }
  std::cout << "seeds written under " << fuzz.string() << "\n";
  return 0;
}
