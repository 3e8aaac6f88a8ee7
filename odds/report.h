// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "odds/odds.h"

namespace vexlor::odds {

// The languages the manual's odds topic is written in.
enum class ManualLanguage { kEnglish, kGerman };

// A fraction as a percentage with two decimals: 0.93456 -> "93.46%".
std::string Percent(double fraction);

// The same as the odds topic of that language's manual shows it: in German
// 0.93456 -> "93,46&nbsp;%".
std::string Percent(double fraction, ManualLanguage language);

// The readable report: every figure per coin count, the meter and the table
// of winning combinations.
void WriteText(std::ostream& out, const GameOdds& odds);

// An object keyed "1", "2", "3" with line_rtp, hit_frequency, mean_line_pay,
// sd_line_pay, top_award_per_spin, hold_award_rate, bonus_trigger_rate and
// total_rtp, as fractions and credits.
void WriteJson(std::ostream& out, const GameOdds& odds);

// The manual's "Odds and return" topic (anchor "odds"), in the manual's HTML,
// its words and numbers in the given language.
void WriteHtml(std::ostream& out, const GameOdds& odds,
               ManualLanguage language = ManualLanguage::kEnglish);

}  // namespace vexlor::odds
