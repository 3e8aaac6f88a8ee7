// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>

#include "savegame/plays.h"

namespace vexlor {

// The last plays live in their own file beside the store, STEM-plays.json.
std::filesystem::path PlaysFileBeside(const std::filesystem::path& storeFile,
                                      const std::string& exeStem);

// The history as the file holds it (JSON), and back. Text that is not such a
// file, or holds a play no spin can give, reads as nothing, with why in `why`.
QByteArray PlaysToJson(const PlayHistory& history);
std::optional<PlayHistory> PlaysFromJson(const QByteArray& text, QString* why = nullptr);

struct PlaysLoad {
  PlayHistory history;
  QString problem;       // for the error box; empty when the file was read or missing
  bool writable = true;  // false: a damaged file could not be set aside, so it stays
};
// Reads the plays file. A damaged one is renamed FILE.bad (replacing an older
// one) and the history starts empty.
PlaysLoad LoadPlays(const std::filesystem::path& file);

// Replaces the file with the history, all or nothing; false when refused.
bool StorePlays(const std::filesystem::path& file, const PlayHistory& history);

}  // namespace vexlor
