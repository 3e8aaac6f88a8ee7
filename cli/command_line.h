// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QCommandLineParser;

namespace vexlor {

// Qt's own options of a windowed program (-platform NAME, -style NAME,
// -reverse, ...): accepted, hidden from the help, and left for QApplication.
void AcceptWindowSystemOptions(QCommandLineParser& parser);

// Adds -h/--help and -v/--version to `parser` and reads the application's
// arguments (a QCoreApplication must exist). --help and --version print on
// standard output and give 0; an unknown option, a missing value or a stray
// argument gives UsageError's 2. Nothing when the program is to run.
std::optional<int> ReadCommandLine(QCommandLineParser& parser);

// Prints "PROGRAM: `message`" and the usage on standard error; returns 2.
int UsageError(const QCommandLineParser& parser, const QString& message);

}  // namespace vexlor
