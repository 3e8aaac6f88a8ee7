// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/message_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace vexlor {
namespace {

// Every English form the Qt-free parts build, with %1, %2 … where they insert
// a number, a file name or a reason (itself one of these forms).
constexpr std::array kForms = {
    QT_TRANSLATE_NOOP("Message", "You are out of credits...better borrow some!"),
    QT_TRANSLATE_NOOP("Message", "No bet was placed!"),
    QT_TRANSLATE_NOOP("Message",
                      "No home folder was found for this user, so games cannot be stored"),
    QT_TRANSLATE_NOOP("Message",
                      "The machine cannot count past %1 credits: %2 credit of this "
                      "win could not be paid."),
    QT_TRANSLATE_NOOP("Message",
                      "The machine cannot count past %1 credits: %2 credits of this "
                      "win could not be paid."),
    QT_TRANSLATE_NOOP("Message", "Unable to write to %1: %2, and is kept as it is"),
    QT_TRANSLATE_NOOP("Message", "Unable to write to %1"),
    QT_TRANSLATE_NOOP("Message",
                      "The last plays in %1 could not be read: %2. The file could not "
                      "be set aside either, so this run keeps no list of plays."),
    QT_TRANSLATE_NOOP("Message",
                      "The last plays in %1 could not be read: %2. The file was set "
                      "aside as %3 and a new list begun."),
    QT_TRANSLATE_NOOP("Message", "Cannot read the sound %1; the game goes on without it"),
    QT_TRANSLATE_NOOP("Message", "cannot play the sound %1: %2"),
    QT_TRANSLATE_NOOP("Message", "Cannot play %1: %2"),
    QT_TRANSLATE_NOOP("Message", "Cannot show %1: %2"),
    QT_TRANSLATE_NOOP("Message", "Picture too large (%1 x %2 pixels)"),
    QT_TRANSLATE_NOOP("Message",
                      "SoundRoot in %1 is the start of file names, not a path: \"%2\" is not used"),
    QT_TRANSLATE_NOOP("Message", "the game could not be stored in %1; it is kept whole in %2"),
    QT_TRANSLATE_NOOP("Message", "no sound: %1"),
    QT_TRANSLATE_NOOP("Message", "no music: %1"),
    QT_TRANSLATE_NOOP("Message", "%1 is not the game's audio module"),
    QT_TRANSLATE_NOOP("Message", "%1 is the audio module of version %2, not of this game's %3"),
    QT_TRANSLATE_NOOP("Message",
                      "no General MIDI soundfont (install timgm6mb-soundfont, or set "
                      "SDL_SOUNDFONTS)"),
    QT_TRANSLATE_NOOP("Message", "it is larger than %1"),
    QT_TRANSLATE_NOOP("Message", "it is not INI text"),
    QT_TRANSLATE_NOOP("Message", "it is a folder"),
    QT_TRANSLATE_NOOP("Message", "it is not a plain file"),
    QT_TRANSLATE_NOOP("Message", "another program holds its lock"),
    QT_TRANSLATE_NOOP("Message", "its folder cannot be written"),
    QT_TRANSLATE_NOOP("Message", "it cannot be read"),
    QT_TRANSLATE_NOOP("Message", "it is not JSON text"),
    QT_TRANSLATE_NOOP("Message", "it is not a list of plays"),
    QT_TRANSLATE_NOOP("Message", "it holds a play no spin can give"),
    QT_TRANSLATE_NOOP("Message", "too large for a tune"),
    QT_TRANSLATE_NOOP("Message",
                      "it is not a WAV file of three minutes at most in a form the game plays"),
    QT_TRANSLATE_NOOP("Message", "not a MIDI file"),
    QT_TRANSLATE_NOOP("Message", "MIDI timing in frames, which the player cannot play"),
    QT_TRANSLATE_NOOP("Message", "too many MIDI tracks"),
    QT_TRANSLATE_NOOP("Message", "MIDI file cut short"),
    QT_TRANSLATE_NOOP("Message", "the sound device refuses it"),
};

// "%1 and %2" as ^(.*) and (.*)$; the arguments' numbers in the order they occur.
QRegularExpression Pattern(const QString& form) {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  QString pattern = QStringLiteral("^");
  qsizetype from = 0;
  for (const QRegularExpressionMatch& match : placeholder.globalMatch(form)) {
    pattern += QRegularExpression::escape(form.mid(from, match.capturedStart() - from)) +
               QStringLiteral("(.+?)");
    from = match.capturedEnd();
  }
  return QRegularExpression(pattern + QRegularExpression::escape(form.mid(from)) +
                            QStringLiteral("$"));
}

QString Translated(const QString& english, int depth) {
  static const std::vector<std::pair<const char*, QRegularExpression>> patterns = [] {
    std::vector<std::pair<const char*, QRegularExpression>> all;
    for (const char* form : kForms)
      all.emplace_back(form, Pattern(QString::fromUtf8(form)));
    return all;
  }();
  if (depth > 3) return english;
  for (const auto& [form, pattern] : patterns) {
    const QRegularExpressionMatch match = pattern.match(english);
    if (!match.hasMatch()) continue;
    const QString text = QCoreApplication::translate("Message", form);
    QStringList parts;
    for (int i = 1; i <= match.lastCapturedIndex(); ++i)
      parts << Translated(match.captured(i), depth + 1);
    // All at once, so that a file name with a % in it is not taken for a place.
    switch (parts.size()) {
      case 0:
        return text;
      case 1:
        return text.arg(parts[0]);
      case 2:
        return text.arg(parts[0], parts[1]);
      default:
        return text.arg(parts[0], parts[1], parts[2]);
    }
  }
  return english;
}

}  // namespace

QString TranslatedMessage(const QString& english) {
  // An error box's text may carry a closing full stop its form lacks.
  if (english.endsWith(QLatin1Char('.'))) {
    const QString bare = english.chopped(1);
    const QString translated = Translated(bare, 0);
    if (translated != bare) return translated + QLatin1Char('.');
  }
  return Translated(english, 0);
}

}  // namespace vexlor
