// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <cstdint>

#include "engine/game_state.h"

namespace vexlor {

// What a screen reader says for the machine's symbols, lines and rules, in the
// player's language.

// A count as `locale` writes it, thousands grouped: "1,116".
QString CountText(const QLocale& locale, int64_t value);

// A cell of the symbol sheet (0..15: the symbol, plus 8 for its badged
// picture), with what the badge does: "Bell (2 bonus points)".
QString CellWords(int sheetIndex);

// Paylines 0 middle, 1 top, 2 bottom: "Middle line".
QString LineWords(int line);

// The lines `lines` (0..kLineCount) of a 3 x 3 window of sheet cells (rows
// top, middle, bottom, each reel from the left), one line after another:
// "Middle line: Cherries, WILD, Clover; Top line: …". A line in `won` says so.
QString WindowWords(const std::array<int32_t, kReelCount * 3>& cells, int lines,
                    const std::array<bool, kLineCount>& won = {});

// The pays and rules of the machine, for those who cannot see the chart.
QString PayTableWords();

}  // namespace vexlor
