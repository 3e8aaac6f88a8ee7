// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where everything of the Last Plays window sits, in logical pixels.

namespace vexlor::lastplays {

inline constexpr int kMargin = 12;

// The credits chart above the list.
inline constexpr int kChartHeight = 150;
inline constexpr int kChartMinHeight = 96;  // what it keeps where the screen is short
inline constexpr int kChartLeftAxis = 72;   // room for the credit labels
inline constexpr int kChartBottomAxis = 22;
inline constexpr int kChartTop = 22;  // room for the chart's title
inline constexpr int kChartRight = 14;
inline constexpr int kChartFontPx = 11;
inline constexpr int kChartTitlePx = 13;
inline constexpr int kChartTargetTicks = 4;

// The list of plays: one row per play, its reels drawn as a 3 x 3 grid of
// symbols large enough to read their badges.
inline constexpr int kSymbolCell = 48;
inline constexpr int kReelGap = 3;  // between the reels' columns
inline constexpr int kRowHeight = 3 * kSymbolCell + 6;
inline constexpr int kListFontPx = 13;
inline constexpr int kHeaderHeight = 26;
inline constexpr int kColumnWidths[] = {130, 40, 3 * kSymbolCell + 2 * kReelGap + 16, 72, 118, 96,
                                        100, 96};
inline constexpr int kListedRowsAtLeast = 2;  // shown without scrolling however short the screen

inline constexpr int kButtonWidth = 89;
inline constexpr int kButtonHeight = 33;
inline constexpr int kGap = 8;

}  // namespace vexlor::lastplays
