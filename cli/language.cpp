// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace vexlor {
namespace {

const QStringList kSpoken = {QStringLiteral("en"), QStringLiteral("de")};

// "de_AT.UTF-8@euro" → "de".
QString LanguageOf(const QString& locale) {
  return locale.section(QLatin1Char('.'), 0, 0)
      .section(QLatin1Char('@'), 0, 0)
      .section(QLatin1Char('_'), 0, 0);
}

}  // namespace

QString ChosenLanguage(const std::function<QString(const char*)>& variable) {
  for (const QString& entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    if (kSpoken.contains(LanguageOf(entry))) return LanguageOf(entry);
  }
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = variable(name);
    if (value.isEmpty()) continue;
    const QString language = LanguageOf(value);
    return kSpoken.contains(language) ? language : QStringLiteral("en");
  }
  return QStringLiteral("en");
}

void InstallTranslations(QCoreApplication& app, const QString& language) {
  QLocale::setDefault(QLocale(language));
  if (language == QLatin1String("en")) return;
  auto* qt = new QTranslator(&app);
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  auto* game = new QTranslator(&app);
  if (game->load(QStringLiteral(":/i18n/vexlorslots_") + language))
    QCoreApplication::installTranslator(game);
}

}  // namespace vexlor
