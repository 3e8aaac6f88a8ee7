// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "config/version.h"

namespace vexlor {
namespace {

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

// The help with the program's name where Qt puts the path it was started by.
QString HelpText(const QCommandLineParser& parser) {
  QString text = parser.helpText();
  const QString started = QCoreApplication::arguments().value(0);
  const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
  if (at >= 0) text.replace(at, started.size(), QCoreApplication::applicationName());
  return text;
}

}  // namespace

void AcceptWindowSystemOptions(QCommandLineParser& parser) {
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const auto hidden = [&parser](const char* name, bool takesValue) {
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  };
  for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                           "geometry", "qwindowgeometry", "qwindowicon", "qwindowtitle", "style",
                           "stylesheet", "session", "widgetcount"})
    hidden(name, true);
  for (const char* name : {"reverse", "nograb", "dograb", "sync"})
    hidden(name, false);
}

std::optional<int> ReadCommandLine(QCommandLineParser& parser) {
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser, parser.errorText());
  // --help-all, which Qt adds beside --help, shows the same: Qt's own options
  // of a windowed program are those of QApplication's documentation.
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    Print(stdout, HelpText(parser));
    return 0;
  }
  if (parser.isSet(version)) {
    Print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QString::fromLatin1(kProgramVersion.data(),
                                          static_cast<qsizetype>(kProgramVersion.size())) +
                      QLatin1Char('\n'));
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return UsageError(parser,
                      QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()));
  }
  return std::nullopt;
}

int UsageError(const QCommandLineParser& parser, const QString& message) {
  Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + message +
                    QLatin1Char('\n') + HelpText(parser));
  return 2;
}

}  // namespace vexlor
