// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's built-in pictures, drawn in code. Each function returns an image
// of exactly the size its comment gives times the render scale; tools/artgen
// writes them out as the files the game embeds.

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QRgb>
#include <QVector>
#include <vector>

namespace vexlor::art {

// --- Render scale -------------------------------------------------------------
// The pictures of a thread are drawn at its render scale k (1 unless a
// RenderScale is alive there): k times their listed size in pixels, with
// device pixel ratio k, so a master is the listed picture, only finer.
class RenderScale {
 public:
  explicit RenderScale(int scale);  // 1, 2 or 4; the previous scale returns at the end
  ~RenderScale();
  RenderScale(const RenderScale&) = delete;
  RenderScale& operator=(const RenderScale&) = delete;

  static int Current();

 private:
  int previous_;
};

// --- Cabinet -----------------------------------------------------------------
// 800 x 600: the whole machine with empty reel windows, dark payline lamps,
// and the title panel, coin spot and name plate in their lit state. The LED
// counter windows are not in it: the game draws them to fit its digits.
QImage Background();
// The dimmed states of three parts of the background, same size as their regions:
QImage DimmedTitlePanel();  // 302 x 143, region (247, 98)-(549, 241)
QImage DimmedNamePlate();   // 436 x 49,  region (221, 551)-(657, 600)
QImage DimmedCoinSpot();    // 84 x 85,   region (560, 99)-(644, 184)

// 78 x 118 each: upper half (78 x 59) dim, lower half lit.
QImage BetOneButton();
QImage BetMaxButton();  // its legend reads bet 3
QImage SpinButton();
// 72 x 34: upper half (72 x 17) dim, lower half lit.
QImage HoldButton();
// 78 x 767: 13 frames of 78 x 59; frame 0 lit BONUS, frame f (1..12) "f to go".
QImage BonusMeter();

enum class LampColour { Red, Blue, Green };
// 318 x 28: upper half dark, lower half lit; lamp pieces at x 0-13, 96-117,
// 200-221 and 304-317, black elsewhere.
QImage LampStrip(LampColour colour);
// Masks are grey: black where drawn, white elsewhere, grey by coverage on the edges.
// 318 x 28: black on the lamp pieces, white elsewhere, in both halves.
QImage LampMask();
// 125 x 95: the publisher's chip with its legend, on black; and its mask.
QImage Logo();
QImage LogoMask();

// 136 x 400 each, the lever's region design::kLeverRegion: the background there
// without the lever's rod, knob and hub; the rod and knob alone; the hub alone
// (both transparent elsewhere). Drawn in that order they show the background's
// lever, up to the glows, which the background adds where these lay them over.
QImage LeverBackdrop();
QImage LeverArm();
QImage LeverHub();

// --- Bonus round ----------------------------------------------------------------
// 640 x 480: the round's stage, with its heading and a plinth under each of the
// five tokens, whose 100 x 75 boxes have their top-left corners at x = 13,
// 134, 250, 369 and 486, y = 365.
QImage BonusBackground();
// 100 x 225: the token in frames of 100 x 75 from the top (closed, cracking,
// open) on black; the open frame is plain and bright round (50, 37), where
// the game writes the prize. Its mask as the other masks; at scale 1 the mask
// is only black or white and the sheet is black wherever the mask is white.
QImage BonusTokens();
QImage BonusTokenMask();

// --- Reels and counters ------------------------------------------------------
// 304 x 304: 4 x 4 cells of 76; cell k at column k % 4, row k / 4. Cells 0..7
// are the symbols (0 WILD globe, 4 BAR); cell k + 8 is symbol k with a badge:
// 9 "X", 11 "H", 13 "3", 14 "2", 15 "1" (8, 10 and 12 are never shown).
QImage SymbolSheet();
// 77 x 456: the motion blur seen in a spinning reel, seamless top to bottom.
QImage MotionBlur();
// LED digit strips: digit d in the cell at x = d * w (w 16 small, 32 large);
// 188 x 21 small, 376 x 42 large; the area right of 10 cells is never read.
// At scale 1 only colours of DigitPalette occur; larger scales are full colour.
QImage DigitStrip(bool green, bool large);
// The 16 colours a listed-size digit strip is stored with.
QVector<QRgb> DigitPalette(bool green);

// --- Payoff chart ---------------------------------------------------------------
// 615 x 600: the reference card shown alone in its own window: the eight
// three-of-a-kind wins with their multipliers on the left; the bonus round,
// the rules of a spin and the key to the badges on the right.
QImage PayoffChart();

// --- Borrow window ------------------------------------------------------------
enum class ChipValue { Thousand, Hundred, Ten, One };
// 48 x 48, transparent around it: a casino chip of the value, $1,000 blue,
// $100 red, $10 green, $1 black.
QImage Chip(ChipValue value);

// --- Desktop icon ---------------------------------------------------------------
// The logo's chip as filled shapes on a field of kIconField x kIconField,
// transparent around it, to be drawn in order: one drawing for the icon's
// pictures at every size and for its scalable (SVG) file.
inline constexpr int kIconField = 256;
struct IconLayer {
  QPainterPath path;
  QBrush brush;  // a colour, a linear or a radial gradient
};
std::vector<IconLayer> IconLayers();

}  // namespace vexlor::art
