// SPDX-License-Identifier: GPL-3.0-or-later
// Testing.ini as the identity reader finds and reads it: the input is the
// file's contents, written beside a stand-in executable under one of the
// letter cases the lookup must accept. Whatever the file holds, the read
// succeeds, AboutName keeps at most 30 characters and never splits one, the
// values are those of the INI text (or the built-in ones for missing keys),
// and no value carries a line break or a NUL.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "config/file_lookup.h"
#include "config/identity.h"
#include "config/profile.h"
#include "engine/game_state.h"
#include "fuzz/fuzz_support.h"

namespace {

using vexlor::fuzz::Require;

// Characters as the identity values count them: a valid UTF-8 sequence is
// one character, and so is every byte that does not start one.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned int low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 1;
  }
  if (at + length > text.size()) return 1;
  if (byte(at + 1) < low || byte(at + 1) > high) return 1;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 1;
  }
  return length;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += SequenceLength(text, at))
    ++count;
  return count;
}

// Whether `prefix` of `text` ends on a character boundary of `text`.
bool EndsOnBoundary(std::string_view text, std::size_t prefix) {
  std::size_t at = 0;
  while (at < prefix)
    at += SequenceLength(text, at);
  return at == prefix;
}

bool HasNoCase(std::string_view text, std::string_view word) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    std::size_t i = 0;
    while (i < word.size() && lower(text[at + i]) == lower(word[i]))
      ++i;
    if (i == word.size()) return true;
  }
  return false;
}

bool Clean(std::string_view value) {
  return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// Where the file goes: the name's letter case, and a folder of the exact
// name in the way, chosen from the input so that a replay does the same.
void PlaceFile(const vexlor::fuzz::ScratchFolder& folder, std::string_view text) {
  folder.Clear();
  vexlor::ForgetFolderListings();  // the folder's names change from one input to the next
  switch (std::hash<std::string_view>{}(text) % 4) {
    case 0:
      folder.Write("Testing.ini", text.data(), text.size());
      break;
    case 1:
      folder.Write("testing.ini", text.data(), text.size());
      break;
    case 2:
      folder.Write("TESTING.INI", text.data(), text.size());
      break;
    default: {
      std::error_code error;
      std::filesystem::create_directory(folder.path() / "Testing.ini", error);
      folder.Write("tEsTiNg.InI", text.data(), text.size());
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const vexlor::fuzz::ScratchFolder folder;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  PlaceFile(folder, text);

  vexlor::GameState state;
  vexlor::SetIdentity(state, folder.AppDir() + "vexlorslots");
  Require(state.AppDir == folder.AppDir(), "AppDir is the executable's folder");
  Require(vexlor::ReadTestingConfig(state), "Testing.ini is found in any letter case");

  const struct {
    const char* key;
    std::string_view builtIn;
    const std::string& read;
    bool cut;  // to 30 characters
  } values[] = {
      {"SoundRoot", vexlor::kDefaultAssetPrefix, state.AssetPrefix, false},
      {"AboutName", vexlor::kDefaultAboutName, state.AboutName.str(), true},
      {"WebPageName", vexlor::kDefaultWebPageName, state.WebPageName, false},
  };
  for (const auto& value : values) {
    const std::optional<std::string> inText =
        vexlor::ProfileValueFromText(text, "Settings", value.key);
    const std::string expected = inText.value_or(std::string(value.builtIn));
    Require(Clean(value.read), "a value holds no line break or NUL");
    Require(CharacterCount(value.read) <= vexlor::kProfileValueMaxChars, "a value is cut");
    if (!HasNoCase(text, "settings") || !HasNoCase(text, value.key)) {
      Require(value.read == value.builtIn, "a missing key leaves its value alone");
    }
    if (value.cut) {
      Require(CharacterCount(value.read) <= 30, "AboutName has at most 30 characters");
      Require(expected.starts_with(value.read), "AboutName is the start of the key's value");
      Require(EndsOnBoundary(expected, value.read.size()), "AboutName never splits a character");
      if (CharacterCount(expected) <= 30) Require(value.read == expected, "AboutName is whole");
    } else {
      Require(value.read == expected, "the value is the key's value");
    }
  }
  Require(vexlor::ManualMenuCaption(state) == "&" + state.AboutName.str() + " Manual",
          "the manual item names the game");
  return 0;
}
