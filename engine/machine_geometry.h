// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where everything of the machine sits, in the 800 x 600 design space. The
// picture generator draws the built-in art around these places, the window
// scales them for its layout, the hit tests take presses in them, and tests
// press in them. Nothing here depends on Qt.

#include <array>

namespace vexlor::design {

// A rectangle from (left, top) to (right, bottom), right and bottom exclusive
// when drawn; hit areas take both edges (a press on the far edge counts).
struct Rect {
  int left, top, right, bottom;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
};

struct Point {
  int x, y;
};

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// --- Reels ---------------------------------------------------------------
inline constexpr int kReelLeft = 258;  // reel 0's column
inline constexpr int kReelTop = 272;
inline constexpr int kReelPitch = 104;  // from one reel's column to the next
inline constexpr int kCell = 76;        // a symbol cell of the built-in sheet
inline constexpr int kBlurStep = 61;    // how far the blur moves per animation tick
inline constexpr Rect ReelWindow(int reel) {
  return {kReelLeft + reel * kReelPitch, kReelTop, kReelLeft + reel * kReelPitch + kCell,
          kReelTop + 3 * kCell};
}

// --- Counters and their labels --------------------------------------------
// Digits stand with their top at kCounterTop; a counter is anchored at x,
// by its left edge or its right edge.
inline constexpr int kCounterTop = 38;
inline constexpr int kLabelTop = 24;
struct Counter {
  int x;
  bool green;
  bool rightAligned;
  int room;  // how wide its number may run from x; 0: as wide as its digits
};
// The credits run as far left as their LED window, ten digits and all.
inline constexpr Counter kCreditsCounter{620, true, true, 620 - 456};
inline constexpr Counter kCoinsCounter{250, true, false, 0};
inline constexpr Counter kHoldsCounter{330, false, true, 0};
inline constexpr Counter kWinningsCounter{440, false, true, 0};
// What a change of the coins bet blanks: the last win shown.
inline constexpr Rect kWinningsBlank{330, 38, 450, 70};
struct Label {
  const char* text;
  int x;
  bool rightEnd;  // x is the text's right end, else its left edge
};
inline constexpr Label kCreditsLabel{"Credits", 620, true};
inline constexpr Label kCoinsLabel{"Coins", 250, false};
inline constexpr Label kHoldsLabel{"Holds", 302, false};
inline constexpr Label kWinningsLabel{"Winnings", 440, true};
// The black LED windows the counters show in: coins, holds and winnings on
// the left, credits on the right. Their height follows the digits in use.
inline constexpr std::array<Rect, 2> kLedWindows = {{{244, 35, 452, 76}, {456, 35, 628, 76}}};
inline constexpr Rect kCounterConsole{236, 14, 634, 80};
// Where each counter stands with its label, as one place: Coins, Holds and
// Winnings share the left LED window.
inline constexpr Rect kCoinsPlace{kLedWindows[0].left, kLabelTop, kHoldsLabel.x,
                                  kLedWindows[0].bottom};
inline constexpr Rect kHoldsPlace{kHoldsLabel.x, kLabelTop, kWinningsBlank.left,
                                  kLedWindows[0].bottom};
inline constexpr Rect kWinningsPlace{kWinningsBlank.left, kLabelTop, kLedWindows[0].right,
                                     kLedWindows[0].bottom};
inline constexpr Rect kCreditsPlace{kLedWindows[1].left, kLabelTop, kLedWindows[1].right,
                                    kLedWindows[1].bottom};

// --- Buttons, panels and lamps -------------------------------------------
inline constexpr Rect kTitlePanel{247, 98, 549, 241};
inline constexpr Rect kCoinSpot{560, 99, 644, 184};
inline constexpr Rect kCoinSpotHit{560, 99, 643, 181};  // a little smaller than drawn
inline constexpr Rect kNamePlate{221, 551, 657, 600};
inline constexpr Rect kBonusMeterBox{578, 223, 656, 282};
inline constexpr int kMeterFrameWidth = 78;
inline constexpr int kMeterFrameHeight = 59;
inline constexpr std::array<Rect, 3> kHoldButtons = {
    {{260, 246, 332, 263}, {364, 246, 436, 263}, {468, 246, 540, 263}}};
// The right-hand buttons by their ids Bet One, Bet Max, Spin.
inline constexpr std::array<Rect, 3> kButtons = {
    {{577, 362, 655, 421}, {577, 432, 655, 491}, {577, 293, 655, 352}}};
// Payline lamp rows by line: middle (red), top (blue), bottom (green).
inline constexpr std::array<Rect, 3> kLampRows = {
    {{241, 377, 559, 391}, {241, 301, 559, 315}, {241, 453, 559, 467}}};
// The lamp pieces of a row, in x from the row's left edge (right exclusive).
inline constexpr std::array<std::array<int, 2>, 4> kLampPieces = {
    {{0, 13}, {96, 117}, {200, 221}, {304, 317}}};

// The pay table at the left. Its rows, one per symbol in symbol order (three
// wilds first), run down from kPayRowTop, kPayRowHeight apart, inset from the
// table's sides by kPayRowInset and kPayRowGap shorter than their pitch.
inline constexpr Rect kPayTable{14, 118, 200, 544};
inline constexpr double kPayRowTop = 176;
inline constexpr double kPayRowHeight = 45.5;
inline constexpr int kPayRowInset = 8;
inline constexpr double kPayRowGap = 4;

// The logo at the top left; drawn at its picture's own size from here.
inline constexpr Point kLogoAt{10, 10};
inline constexpr int kLogoWidth = 125;
inline constexpr int kLogoHeight = 95;

// --- The pull lever on the right ------------------------------------------
// It turns about its hub; the knob is a ball on the end of a tapering rod.
inline constexpr Point kLeverHub{704, 370};
inline constexpr Point kLeverKnob{754, 84};
inline constexpr int kLeverKnobRadius = 24;
inline constexpr int kLeverHubRadius = 22;
inline constexpr int kLeverRodHalfWidth = 7;  // at the hub; 4.5 at the knob
// The knob, the rod and the hub within one rectangle.
inline constexpr Rect kLeverBounds{kLeverHub.x - kLeverHubRadius, kLeverKnob.y - kLeverKnobRadius,
                                   kLeverKnob.x + kLeverKnobRadius, kLeverHub.y + kLeverHubRadius};
// What the pull animation redraws: the lever and its glow, right of the
// button column (the hub stays put, so its glow may reach past the left edge).
inline constexpr Rect kLeverRegion{664, 40, 800, 440};

}  // namespace vexlor::design
