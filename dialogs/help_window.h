#pragma once

#include <QString>
#include <QWidget>

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

 private:
  void Place();
  void Find();

  QString manual_;
  int context_ = 0;
  bool placed_ = false;
  QTextBrowser* browser_ = nullptr;  // owned by the window
  QLineEdit* search_ = nullptr;
};

}  // namespace vexlor
