#include <QApplication>
#include <QMainWindow>

#include "config/identity.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(
      QString::fromUtf8(vexlor::kApplicationTitle.data(), vexlor::kApplicationTitle.size()));
  QMainWindow window;
  window.setWindowTitle(QApplication::applicationName());
  window.setStyleSheet("background: black;");
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
