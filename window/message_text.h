// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vexlor {

// The player's language for a message built in English by the Qt-free parts
// of the game (engine, store, sound, configuration): the text is matched
// against the known English forms, its inserted parts translated in turn.
// A text of no known form, or one already translated, comes back as it is.
QString TranslatedMessage(const QString& english);

}  // namespace vexlor
