// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: a bare Qt main window with a menu
// bar and a painted client area, maximised as the game is, ending as soon as
// its first frame is painted.
// Run it and `VEXLOR_EXIT_AFTER_FIRST_FRAME=1 vexlorslots` on the same display.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Client : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::black);
    if (!painted_) QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    painted_ = true;
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  for (const char* menu : {"&File", "&Options", "&Borrow", "&Stats", "&Payoffs", "&Help"})
    window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
  window.setCentralWidget(new Client);
  window.showMaximized();  // as the game fills the screen
  return QApplication::exec();
}
