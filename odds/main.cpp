// SPDX-License-Identifier: GPL-3.0-or-later
// vexlorslots-math: the game's exact odds from the engine's own reels and
// pay table. Prints the readable report, or with --json the figures per coin
// count, or with --html the manual's "Odds and return" topic (--html-de: the
// German manual's).
#include <QCommandLineParser>
#include <QCoreApplication>
#include <exception>
#include <iostream>

#include "cli/command_line.h"
#include "cli/language.h"
#include "odds/odds.h"
#include "odds/report.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  vexlor::InstallTranslations(
      app, vexlor::ChosenLanguage([](const char* name) { return qEnvironmentVariable(name); }));
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "MathCommandLine",
      "The exact odds of Vexlor Slots, counted from the game's own reels and pay table: "
      "a readable report, or one of the forms below."));
  const QCommandLineOption json(
      QStringLiteral("json"),
      QCoreApplication::translate("MathCommandLine", "The figures per coin count as JSON."));
  const QCommandLineOption html(
      QStringLiteral("html"),
      QCoreApplication::translate("MathCommandLine",
                                  "The manual's topic on the odds and return, as HTML."));
  const QCommandLineOption htmlDe(
      QStringLiteral("html-de"),
      QCoreApplication::translate("MathCommandLine",
                                  "The German manual's topic on the odds and return, as HTML."));
  parser.addOptions({json, html, htmlDe});
  if (const std::optional<int> status = vexlor::ReadCommandLine(parser)) return *status;
  if (parser.isSet(json) + parser.isSet(html) + parser.isSet(htmlDe) > 1)
    return vexlor::UsageError(
        parser, QCoreApplication::translate("MathCommandLine",
                                            "Give one of --json, --html and --html-de."));
  try {
    const vexlor::odds::GameOdds odds = vexlor::odds::ComputeOdds();
    if (parser.isSet(json)) {
      vexlor::odds::WriteJson(std::cout, odds);
    } else if (parser.isSet(html)) {
      vexlor::odds::WriteHtml(std::cout, odds);
    } else if (parser.isSet(htmlDe)) {
      vexlor::odds::WriteHtml(std::cout, odds, vexlor::odds::ManualLanguage::kGerman);
    } else {
      vexlor::odds::WriteText(std::cout, odds);
    }
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "vexlorslots-math: could not write the report\n";
      return 1;
    }
  } catch (const std::exception& e) {
    std::cerr << "vexlorslots-math: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
