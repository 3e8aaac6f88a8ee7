// SPDX-License-Identifier: GPL-3.0-or-later
// The last plays' file: the input is the file beside the store, read the way
// the game reads it at start-up. Whatever it holds, a file that is taken
// gives at most the plays kept, each one a spin can give, and writes back as
// a file that reads the same; a file that is not taken is set aside whole as
// FILE.bad, with a message, and the list starts empty.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_support.h"
#include "savegame/plays.h"
#include "savegame/plays_file.h"

namespace {

using vexlor::fuzz::Require;

std::string Contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const vexlor::fuzz::ScratchFolder folder;
  folder.Clear();
  const std::filesystem::path file = folder.Write("vexlorslots-plays.json", data, size);

  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString why;
  const auto parsed = vexlor::PlaysFromJson(bytes, &why);
  Require(parsed.has_value() == why.isEmpty(), "a refused text says why, a taken one does not");

  const vexlor::PlaysLoad load = vexlor::LoadPlays(file);
  std::filesystem::path aside = file;
  aside += ".bad";
  if (!parsed) {
    Require(!load.problem.isEmpty() && load.history.plays.empty(), "a damaged file is said");
    Require(load.writable && !std::filesystem::exists(file), "a damaged file is moved away");
    Require(Contents(aside) == std::string(reinterpret_cast<const char*>(data), size),
            "the file set aside is the file as it was");
    return 0;
  }
  Require(load.problem.isEmpty() && load.history == *parsed, "a file is read as its text");
  Require(!std::filesystem::exists(aside), "a readable file stays in place");
  Require(parsed->plays.size() <= vexlor::kPlaysKept, "no more plays than are kept");
  for (const vexlor::Play& play : parsed->plays)
    Require(vexlor::IsPossiblePlay(play), "every play is one a spin can give");

  Require(vexlor::StorePlays(file, *parsed), "the list is written back");
  const vexlor::PlaysLoad again = vexlor::LoadPlays(file);
  Require(again.problem.isEmpty() && again.history == *parsed, "the list reads back as written");
  return 0;
}
