// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared layout and helpers of the payoff chart (assets/art/paychart*.cpp): a
// 615 x 600 reference card, the pays on the left, the notes on the right.
// Coordinates are the card's listed pixels.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace vexlor::art::chart {

inline constexpr int kWidth = 615;
inline constexpr int kHeight = 600;

// The four panels under the title.
inline const QRectF kPaysPanel(14, 56, 254, 530);
inline const QRectF kBonusPanel(280, 56, 321, 92);
inline const QRectF kRulesPanel(280, 155, 321, 214);
inline const QRectF kBadgesPanel(280, 376, 321, 210);

// --- Panels and cells (paychart.cpp) -------------------------------------------
// Dark glass in a chrome frame.
void DrawPanel(QPainter& p, const QRectF& r);
// A panel's heading: gold serif capitals centred on `centre`.
void DrawHeading(QPainter& p, const QString& text, QPointF centre);
// Cell `cell` of the symbol sheet shrunk into `box` (a square), in a gold rim.
void DrawCell(QPainter& p, const QImage& sheet, int cell, const QRectF& box);

// --- Body text (paychart_text.cpp) -------------------------------------------
// Words flowed into lines. In the text, *words* are picked out in gold and
// ~words~ in cyan, both bold.
struct TextStyle {
  QFont body;
  QFont strong;
  QColor ink;
  double leading;  // baseline to baseline
};
// The style of the card's body text.
TextStyle BodyText();
// How many lines `text` takes in `width`.
int LineCount(const QString& text, double width, const TextStyle& style);
// Flows `text` into lines no wider than `width`, the first baseline at
// `origin`; returns the baseline a following line would have.
double Flow(QPainter& p, const QString& text, QPointF origin, double width, const TextStyle& style);

// --- Contents ------------------------------------------------------------------
void DrawPays(QPainter& p, const QImage& sheet);      // paychart_pays.cpp
void DrawBonusNote(QPainter& p);                      // paychart_notes.cpp
void DrawRules(QPainter& p);                          // paychart_notes.cpp
void DrawBadgeKey(QPainter& p, const QImage& sheet);  // paychart_notes.cpp

}  // namespace vexlor::art::chart
