// SPDX-License-Identifier: GPL-3.0-or-later
#include "odds/report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "engine/bonus_prizes.h"
#include "engine/evaluate.h"

namespace vexlor::odds {
namespace {

constexpr std::array<std::string_view, kSymbolCount> kSymbolNames = {
    "WILD", "diamond", "bell", "star", "BAR", "clover", "grapes", "cherries"};
constexpr std::array<std::string_view, kSymbolCount> kPayRowNames = {
    "three WILD",    "three diamonds",          "three bells",   "three stars", "three BAR",
    "three clovers", "three bunches of grapes", "three cherries"};

template <typename... Args>
std::string Format(const char* format, Args... args) {
  std::array<char, 128> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, args...);
  return buffer.data();
}

// 27000 -> "27,000".
std::string Grouped(int64_t value) {
  std::string digits = std::to_string(value);
  for (auto at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::string OneIn(double rate) {
  if (!(rate > 0.0)) return "never";
  const double n = 1.0 / rate;
  return "1 in " + (n >= 100.0 ? Grouped(std::llround(n)) : Format("%.1f", n));
}

std::string Credits(double value) {
  return Format("%.4f", value);
}

// The pay table rows: what each pays and how many of the cycle's stops show it on one line.
struct PayRow {
  int symbol = 0;
  int32_t pay = 0;
  int64_t count = 0;
};

std::vector<PayRow> PayRows(const GameOdds& odds) {
  std::vector<PayRow> rows;
  for (int symbol = 0; symbol < kSymbolCount; ++symbol)
    rows.push_back({symbol, SymbolPay(symbol), 0});
  for (const Combination& c : odds.combinations) {
    for (PayRow& row : rows) {
      if (row.pay == c.pay) row.count += c.count;
    }
  }
  return rows;
}

// One row of the per-coin table: a label and a cell per coin count.
template <typename Cell>
void TextRow(std::ostream& out, std::string_view label, const GameOdds& odds, Cell cell) {
  out << Format("  %-36s", std::string(label).c_str());
  for (const CoinOdds& c : odds.byCoins)
    out << Format("%22s", cell(c).c_str());
  out << '\n';
}

void WriteTextFigures(std::ostream& out, const GameOdds& odds) {
  out << Format("  %-36s%22s%22s%22s\n", "", "1 coin", "2 coins", "3 coins");
  TextRow(out, "Line return per coin bet", odds,
          [](const CoinOdds& c) { return Percent(c.lineRtp); });
  TextRow(out, "Hit frequency", odds, [](const CoinOdds& c) {
    return Percent(c.hitFrequency) + " (" + OneIn(c.hitFrequency) + ")";
  });
  TextRow(out, "Mean line pay per spin (credits)", odds,
          [](const CoinOdds& c) { return Credits(c.meanLinePay); });
  TextRow(out, "SD of line pay per spin (credits)", odds,
          [](const CoinOdds& c) { return Credits(c.sdLinePay); });
  TextRow(out, "Top award (three WILD) per spin", odds,
          [](const CoinOdds& c) { return OneIn(c.topAwardPerSpin); });
  TextRow(out, "Hold award per spin", odds, [](const CoinOdds& c) {
    return Percent(c.holdAwardRate) + " (" + OneIn(c.holdAwardRate) + ")";
  });
  TextRow(out, "Bonus round per spin", odds,
          [](const CoinOdds& c) { return OneIn(c.bonusTriggerRate); });
  TextRow(out, "Spins between rounds: mean", odds,
          [](const CoinOdds& c) { return Format("%.2f", c.meter.meanSpinsBetweenRounds); });
  TextRow(out, "Spins between rounds: SD", odds,
          [](const CoinOdds& c) { return Format("%.2f", c.meter.sdSpinsBetweenRounds); });
  TextRow(out, "Total return per coin bet", odds,
          [](const CoinOdds& c) { return Percent(c.totalRtp); });
}

void WriteTextMeter(std::ostream& out, const CoinOdds& c) {
  out << "  " << c.coins << (c.coins == 1 ? " coin" : " coins") << ": X "
      << Percent(c.meterStep.wipe);
  for (std::size_t g = 0; g < c.meterStep.gain.size(); ++g) {
    if (c.meterStep.gain[g] > 0.0) out << ", +" << g << ' ' << Percent(c.meterStep.gain[g]);
  }
  out << "\n    resting at 0..11:";
  for (double share : c.meter.resting)
    out << ' ' << Format("%.4f", share);
  out << '\n';
}

void WriteTextCombinations(std::ostream& out, const GameOdds& odds) {
  out << Format("  %-10s%-10s%-10s%8s%10s\n", "Reel 1", "Reel 2", "Reel 3", "Pays", "Count");
  for (const PayRow& row : PayRows(odds)) {
    for (const Combination& c : odds.combinations) {
      if (c.pay != row.pay) continue;
      out << Format("  %-10s%-10s%-10s%8d%10lld\n", std::string(kSymbolNames[c.symbols[0]]).c_str(),
                    std::string(kSymbolNames[c.symbols[1]]).c_str(),
                    std::string(kSymbolNames[c.symbols[2]]).c_str(), c.pay,
                    static_cast<long long>(c.count));
    }
    out << Format("  %-30s%8d%10lld\n", ("  all " + std::string(kPayRowNames[row.symbol])).c_str(),
                  row.pay, static_cast<long long>(row.count));
  }
}

// The words and number style of one language of the manual's odds topic.
struct ManualWords {
  char thousands, decimal;
  std::string_view percent, oneIn, never;
  std::array<std::string_view, kSymbolCount> payRows;
  std::array<std::string_view, kMaxCoins> bestBets;
  std::string_view heading, introBefore, introAfter, coinsIn, totalRow, lineRow, hitRow, meanRow,
      topRow, bonusRow, holdRow, returnBefore, returnAfter, returnEnd, paysHeading, paysIntro,
      paysAfter, lineShows, pays, stopsIn, about, back;
};

constexpr ManualWords kEnglish = {
    .thousands = ',',
    .decimal = '.',
    .percent = "%",
    .oneIn = "1 in ",
    .never = "never",
    .payRows = {"three WILD", "three diamonds", "three bells", "three stars", "three BAR",
                "three clovers", "three bunches of grapes", "three cherries"},
    .bestBets = {"one coin", "two coins", "three coins"},
    .heading = "Odds and return",
    .introBefore = "The reels are small enough to count every way they can stop: ",
    .introAfter =
        " stops in all, each as likely as the next. The figures below come from that count and "
        "are exact. They describe the long run, with every reel spinning; holds you place "
        "change them, and a short session can be far above or below them.",
    .coinsIn = "Coins in",
    .totalRow = "<b>Return per coin, bonus round included</b>",
    .lineRow = "Return per coin from the lines alone",
    .hitRow = "Spins that pay on a line",
    .meanRow = "Average line pay per spin (credits)",
    .topRow = "Three WILD",
    .bonusRow = "Bonus round",
    .holdRow = "Extra hold",
    .returnBefore =
        "The return is what the machine pays back, on average, for each coin you put in. A "
        "bonus round pays ",
    .returnAfter =
        " credits on average, whatever the bet. More coins bring the round sooner, since the "
        "badges count on every lit line, but its prize is not multiplied by the coins: the "
        "return per coin is highest with ",
    .returnEnd = ".",
    .paysHeading = "How often each line pays",
    .paysIntro = "On any one lit line, out of the ",
    .paysAfter = " stops:",
    .lineShows = "The line shows",
    .pays = "Pays (credits)",
    .stopsIn = "Stops in ",
    .about = "About",
    .back = "Back to the contents"};

constexpr ManualWords kGerman = {
    .thousands = '.',
    .decimal = ',',
    .percent = "&nbsp;%",
    .oneIn = "1 zu ",
    .never = "nie",
    .payRows = {"drei WILD", "drei Diamanten", "drei Glocken", "drei Sterne", "drei BAR",
                "drei Kleeblätter", "drei Weintrauben", "drei Kirschen"},
    .bestBets = {"einer Münze", "zwei Münzen", "drei Münzen"},
    .heading = "Gewinnchancen und Auszahlungsquote",
    .introBefore =
        "Die Walzen sind klein genug, um jede Möglichkeit zu zählen, wie sie stehen bleiben "
        "können: ",
    .introAfter =
        " Stopps insgesamt, jeder so wahrscheinlich wie der andere. Die folgenden Zahlen "
        "stammen aus dieser Zählung und sind exakt. Sie beschreiben den langen Lauf, bei dem "
        "sich alle Walzen drehen; gehaltene Walzen verändern sie, und eine kurze Spielzeit "
        "kann weit darüber oder darunter liegen.",
    .coinsIn = "Münzen gesetzt",
    .totalRow = "<b>Auszahlung je Münze, mit Bonusrunde</b>",
    .lineRow = "Auszahlung je Münze nur aus den Linien",
    .hitRow = "Drehungen mit Liniengewinn",
    .meanRow = "Durchschnittlicher Liniengewinn je Drehung (Credits)",
    .topRow = "Drei WILD",
    .bonusRow = "Bonusrunde",
    .holdRow = "Zusätzliche Haltemöglichkeit",
    .returnBefore =
        "Die Auszahlungsquote ist das, was der Automat im Durchschnitt für jede eingeworfene "
        "Münze zurückzahlt. Eine Bonusrunde bringt im Durchschnitt ",
    .returnAfter =
        " Credits, ganz gleich, wie hoch der Einsatz ist. Mehr Münzen bringen die Runde "
        "früher, weil die Plaketten auf jeder beleuchteten Linie zählen, aber ihr Preis wird "
        "nicht mit den Münzen vervielfacht: Die Auszahlung je Münze ist am höchsten mit ",
    .returnEnd = ".",
    .paysHeading = "Wie oft jede Linie gewinnt",
    .paysIntro = "Auf einer beleuchteten Linie, von den ",
    .paysAfter = " Stopps:",
    .lineShows = "Die Linie zeigt",
    .pays = "Gewinn (Credits)",
    .stopsIn = "Stopps von ",
    .about = "Etwa",
    .back = "Zurück zum Inhalt"};

// An English-style number ("27,000", "93.46") in the words' style.
std::string Number(std::string text, const ManualWords& w) {
  for (char& c : text)
    c = c == ',' ? w.thousands : c == '.' ? w.decimal : c;
  return text;
}

std::string HtmlPercent(double fraction, const ManualWords& w) {
  return Number(Format("%.2f", fraction * 100.0), w) + std::string(w.percent);
}

std::string HtmlOneIn(double rate, const ManualWords& w) {
  if (!(rate > 0.0)) return std::string(w.never);
  const double n = 1.0 / rate;
  return std::string(w.oneIn) +
         Number(n >= 100.0 ? Grouped(std::llround(n)) : Format("%.1f", n), w);
}

void HtmlRow(std::ostream& out, std::string_view label,
             const std::array<std::string, kMaxCoins>& cells) {
  out << "<tr><td>" << label << "</td>";
  for (const std::string& cell : cells)
    out << "<td align=\"right\">" << cell << "</td>";
  out << "</tr>\n";
}

template <typename Cell>
std::array<std::string, kMaxCoins> Cells(const GameOdds& odds, Cell cell) {
  std::array<std::string, kMaxCoins> cells;
  for (int i = 0; i < kMaxCoins; ++i)
    cells[i] = cell(odds.byCoins[i]);
  return cells;
}

void WriteHtmlFigures(std::ostream& out, const GameOdds& odds, const ManualWords& w) {
  out << "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
         "<tr><th align=\"left\">"
      << w.coinsIn
      << "</th><th align=\"right\">1</th><th align=\"right\">2</th>"
         "<th align=\"right\">3</th></tr>\n";
  HtmlRow(out, w.totalRow, Cells(odds, [&](const CoinOdds& c) {
            return "<b>" + HtmlPercent(c.totalRtp, w) + "</b>";
          }));
  HtmlRow(out, w.lineRow,
          Cells(odds, [&](const CoinOdds& c) { return HtmlPercent(c.lineRtp, w); }));
  HtmlRow(out, w.hitRow, Cells(odds, [&](const CoinOdds& c) {
            return HtmlPercent(c.hitFrequency, w) + "<br>" + HtmlOneIn(c.hitFrequency, w);
          }));
  HtmlRow(out, w.meanRow,
          Cells(odds, [&](const CoinOdds& c) { return Number(Format("%.2f", c.meanLinePay), w); }));
  HtmlRow(out, w.topRow,
          Cells(odds, [&](const CoinOdds& c) { return HtmlOneIn(c.topAwardPerSpin, w); }));
  HtmlRow(out, w.bonusRow,
          Cells(odds, [&](const CoinOdds& c) { return HtmlOneIn(c.bonusTriggerRate, w); }));
  HtmlRow(out, w.holdRow,
          Cells(odds, [&](const CoinOdds& c) { return HtmlOneIn(c.holdAwardRate, w); }));
  out << "</table>\n";
}

void WriteHtmlPayRows(std::ostream& out, const GameOdds& odds, const ManualWords& w) {
  out << "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
         "<tr><th align=\"left\">"
      << w.lineShows << "</th><th align=\"right\">" << w.pays << "</th><th align=\"right\">"
      << w.stopsIn << Number(Grouped(kCycle), w) << "</th><th align=\"right\">" << w.about
      << "</th></tr>\n";
  for (const PayRow& row : PayRows(odds)) {
    out << "<tr><td>" << w.payRows[row.symbol] << "</td><td align=\"right\">"
        << Number(Grouped(row.pay), w) << "</td><td align=\"right\">"
        << Number(Grouped(row.count), w) << "</td><td align=\"right\">"
        << HtmlOneIn(static_cast<double>(row.count) / kCycle, w) << "</td></tr>\n";
  }
  out << "</table>\n";
}

std::string_view BestBet(const GameOdds& odds, const ManualWords& w) {
  const auto best = std::max_element(
      odds.byCoins.begin(), odds.byCoins.end(),
      [](const CoinOdds& x, const CoinOdds& y) { return x.totalRtp < y.totalRtp; });
  return w.bestBets[static_cast<std::size_t>(best->coins - 1)];
}

}  // namespace

std::string Percent(double fraction) {
  return Format("%.2f%%", fraction * 100.0);
}

void WriteText(std::ostream& out, const GameOdds& odds) {
  out << "Vexlor Slots: the game's odds\n"
      << "Exact figures over all " << Grouped(kCycle)
      << " stop triples of the three reels, every reel spinning (holds not used).\n"
      << "Returns are per coin bet; rates and pays are per spin.\n\n";
  WriteTextFigures(out, odds);
  out << "\nBonus round: mean prize " << Format("%.2f", odds.meanBonusPrize)
      << " credits (each token as likely), paid once whatever the coins bet.\n"
      << "Bonus meter per spin (X empties it; +n points gained):\n";
  for (const CoinOdds& c : odds.byCoins)
    WriteTextMeter(out, c);
  out << "\nWinning combinations on one lit line, counted over the " << Grouped(kCycle)
      << " stop triples:\n";
  WriteTextCombinations(out, odds);
}

void WriteJson(std::ostream& out, const GameOdds& odds) {
  out << "{\n";
  for (const CoinOdds& c : odds.byCoins) {
    out << "  \"" << c.coins << "\": {" << Format("\"line_rtp\": %.17g, ", c.lineRtp)
        << Format("\"hit_frequency\": %.17g, ", c.hitFrequency)
        << Format("\"mean_line_pay\": %.17g, ", c.meanLinePay)
        << Format("\"sd_line_pay\": %.17g, ", c.sdLinePay)
        << Format("\"top_award_per_spin\": %.17g, ", c.topAwardPerSpin)
        << Format("\"hold_award_rate\": %.17g, ", c.holdAwardRate)
        << Format("\"bonus_trigger_rate\": %.17g, ", c.bonusTriggerRate)
        << Format("\"total_rtp\": %.17g}", c.totalRtp) << (c.coins < kMaxCoins ? ",\n" : "\n");
  }
  out << "}\n";
}

void WriteHtml(std::ostream& out, const GameOdds& odds, ManualLanguage language) {
  const ManualWords& w = language == ManualLanguage::kGerman ? kGerman : kEnglish;
  out << "<hr>\n<h2><a name=\"odds\">" << w.heading << "</a></h2>\n\n<p>" << w.introBefore
      << Number(Grouped(kCycle), w) << w.introAfter << "</p>\n\n";
  WriteHtmlFigures(out, odds, w);
  out << "\n<p>" << w.returnBefore << Number(Format("%.2f", odds.meanBonusPrize), w)
      << w.returnAfter << BestBet(odds, w) << w.returnEnd << "</p>\n\n<h3>" << w.paysHeading
      << "</h3>\n<p>" << w.paysIntro << Number(Grouped(kCycle), w) << w.paysAfter << "</p>\n\n";
  WriteHtmlPayRows(out, odds, w);
  out << "\n<p><a href=\"#contents\">" << w.back << "</a></p>\n";
}

std::string Percent(double fraction, ManualLanguage language) {
  if (language == ManualLanguage::kGerman) return HtmlPercent(fraction, kGerman);
  return Percent(fraction);
}

}  // namespace vexlor::odds
