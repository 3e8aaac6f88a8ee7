// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QCoreApplication;

namespace vexlor {

// The game's language for an environment read through `variable`: the first
// of LANGUAGE's colon list the game speaks, else the first set of LC_ALL,
// LC_MESSAGES and LANG ("C" and "POSIX" are English). "en" or "de".
QString ChosenLanguage(const std::function<QString(const char*)>& variable);

// Loads the game's and Qt's own translations for `language` into `app` and
// makes it the default QLocale's language; English loads nothing.
void InstallTranslations(QCoreApplication& app, const QString& language);

}  // namespace vexlor
