// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <string>

#include "engine/game_state.h"

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace vexlor {

// The game's help: the manual beside the program in a browser of its own,
// with Back, Forward, Contents and a search field. One at a time; it does not
// stop the game.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // `manual`: the manual's file. A missing manual is said in the window.
  HelpWindow(QString manual, const QString& title, QWidget* parent = nullptr);

  // Shows the topic of a help context (0: the contents) and brings the window up.
  void ShowTopic(int context);
  int Context() const { return context_; }
  QTextBrowser* Browser() const { return browser_; }
  QLineEdit* SearchField() const { return search_; }
  // What the last search found: empty, or "No match".
  QString SearchNote() const;

 private:
  void Place();
  void Find();

  QString manual_;
  int context_ = 0;
  bool placed_ = false;
  QTextBrowser* browser_ = nullptr;  // all owned by the window
  QLineEdit* search_ = nullptr;
  QLabel* searchNote_ = nullptr;
};

// The manual in the language the game's texts are shown in: the German one
// (ManualFilePath with "de") when the default locale's language is German and
// it is there, else the English one.
std::string ManualForUiLanguage(const GameState& state);

// A picture of the manual, read as a plain file of bounded size. On a screen
// of more than one device pixel per pixel its twin at twice the size,
// "name@2x.png" beside "name.png", is taken when there is one, tagged with a
// ratio of 2 so it fills the same place. Never null: a picture that cannot be
// read is an empty one.
QImage ManualPicture(const QString& file, qreal devicePixelRatio);

}  // namespace vexlor
