#include "config/standard_error.h"

#include <cstdio>
#include <set>
#include <string>

namespace vexlor {

void Say(std::string_view line) {
  std::fprintf(stderr, "vexlorslots: %.*s\n", static_cast<int>(line.size()), line.data());
}

void SayOnce(std::string_view line) {
  static std::set<std::string, std::less<>> said;
  if (said.contains(line)) return;
  said.emplace(line);
  Say(line);
}

}  // namespace vexlor
