// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's body text: words flowed into lines, some picked out in colour.
#include <QFontMetricsF>
#include <QPainterPath>
#include <vector>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"
#include "assets/art/paychart_common.h"

namespace vexlor::art::chart {
namespace {

using cabinet::Font;

enum class Ink { Body, Gold, Cyan };

// A piece of a word in one ink; a word is pieces with no space between them.
struct Piece {
  QString text;
  Ink ink;
};
using Word = std::vector<Piece>;

std::vector<Word> Words(const QString& text) {
  std::vector<Word> words(1);
  Ink ink = Ink::Body;
  QString piece;
  const auto close = [&] {
    if (!piece.isEmpty()) words.back().push_back({piece, ink});
    piece.clear();
  };
  for (const QChar c : text) {
    if (c == '*' || c == '~') {
      close();
      const Ink marked = c == '*' ? Ink::Gold : Ink::Cyan;
      ink = ink == marked ? Ink::Body : marked;
    } else if (c == ' ') {
      close();
      if (!words.back().empty()) words.emplace_back();
    } else {
      piece += c;
    }
  }
  close();
  if (words.back().empty()) words.pop_back();
  return words;
}

const QFont& FontOf(const Piece& piece, const TextStyle& style) {
  return piece.ink == Ink::Body ? style.body : style.strong;
}

double Width(const Word& word, const TextStyle& style) {
  double width = 0;
  for (const Piece& piece : word)
    width += QFontMetricsF(FontOf(piece, style)).horizontalAdvance(piece.text);
  return width;
}

QColor ColourOf(Ink ink, const TextStyle& style) {
  switch (ink) {
    case Ink::Gold:
      return palette::kGoldHigh;
    case Ink::Cyan:
      return cabinet::Mix(palette::kCyan, Qt::white, 0.35);
    case Ink::Body:
      break;
  }
  return style.ink;
}

// Draws one line of words with its baseline starting at `origin`.
void DrawLine(QPainter& p, const std::vector<const Word*>& line, QPointF origin,
              const TextStyle& style) {
  const double space = QFontMetricsF(style.body).horizontalAdvance(' ');
  double x = origin.x();
  for (const Word* word : line) {
    for (const Piece& piece : *word) {
      const QFont& font = FontOf(piece, style);
      p.fillPath(cabinet::TextPathAt(piece.text, font, QPointF(x, origin.y())),
                 ColourOf(piece.ink, style));
      x += QFontMetricsF(font).horizontalAdvance(piece.text);
    }
    x += space;
  }
}

// The words in lines no wider than `width` (a longer word has a line of its own).
std::vector<std::vector<const Word*>> Lines(const std::vector<Word>& words, double width,
                                            const TextStyle& style) {
  const double space = QFontMetricsF(style.body).horizontalAdvance(' ');
  std::vector<std::vector<const Word*>> lines;
  double used = 0;
  for (const Word& word : words) {
    const double w = Width(word, style);
    if (lines.empty() || used + space + w > width) {
      lines.emplace_back();
      used = w;
    } else {
      used += space + w;
    }
    lines.back().push_back(&word);
  }
  return lines;
}

}  // namespace

TextStyle BodyText() {
  return {Font("DejaVu Sans Condensed", 14, QFont::Normal),
          Font("DejaVu Sans Condensed", 14, QFont::Bold), QColor(0xec, 0xe8, 0xff), 17};
}

int LineCount(const QString& text, double width, const TextStyle& style) {
  return static_cast<int>(Lines(Words(text), width, style).size());
}

double Flow(QPainter& p, const QString& text, QPointF origin, double width,
            const TextStyle& style) {
  const std::vector<Word> words = Words(text);
  double baseline = origin.y();
  for (const auto& line : Lines(words, width, style)) {
    DrawLine(p, line, QPointF(origin.x(), baseline), style);
    baseline += style.leading;
  }
  return baseline;
}

}  // namespace vexlor::art::chart
