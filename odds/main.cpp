// vexlorslots-math: the game's exact odds from the engine's own reels and
// pay table. Prints the readable report, or with --json the figures per coin
// count, or with --html the manual's "Odds and return" topic (--html-de: the
// German manual's).
#include <exception>
#include <iostream>
#include <string_view>

#include "odds/odds.h"
#include "odds/report.h"

namespace {

constexpr std::string_view kUsage = "usage: vexlorslots-math [--json | --html | --html-de]\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string_view option = argc == 2 ? argv[1] : "";
  if (option == "--help") {
    std::cout << kUsage;
    return 0;
  }
  if (!option.empty() && option != "--json" && option != "--html" && option != "--html-de") {
    std::cerr << "vexlorslots-math: unknown option " << option << '\n' << kUsage;
    return 2;
  }
  try {
    const vexlor::odds::GameOdds odds = vexlor::odds::ComputeOdds();
    if (option == "--json") {
      vexlor::odds::WriteJson(std::cout, odds);
    } else if (option == "--html") {
      vexlor::odds::WriteHtml(std::cout, odds);
    } else if (option == "--html-de") {
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
