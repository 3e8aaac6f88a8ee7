#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "config/identity.h"
#include "window/unit1.h"

namespace vexlor {

void TForm1::BuildMainMenu() {
  QMenuBar* bar = menuBar();
  bar->clear();
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&New Game"), this, &TForm1::NewGame1Click);
  file->addSeparator();
  file->addAction(QStringLiteral("&Open Game"));
  file->addAction(QStringLiteral("&Save Game"));
  file->addSeparator();
  file->addAction(QStringLiteral("E&xit"), this, &TForm1::Exit1Click);

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  sound1_ = options->addAction(QStringLiteral("Sound"), this, &TForm1::Sound1Click);
  sound1_->setCheckable(true);
  sound1_->setChecked(true);
  music1_ = options->addAction(QStringLiteral("Music"), this, &TForm1::Music1Click);
  music1_->setCheckable(true);
  music1_->setChecked(true);

  bar->addAction(QStringLiteral("&Borrow"));
  bar->addAction(QStringLiteral("&Stats"));
  bar->addAction(QStringLiteral("&Payoffs"));

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("Version"), this, &TForm1::Version1Click);
  help->addSeparator();
  manualItem_ = help->addAction(QString::fromStdString(ManualMenuCaption(state_)));
  help->addSeparator();
  help->addAction(QStringLiteral("&Company Information"));
}

void TForm1::NewGame1Click() {
  StartNewGame(state_, hooks_);
}

void TForm1::Exit1Click() {
  state_.StopRequested = true;
  close();
}

void TForm1::Version1Click() {
  const std::string text = state_.AboutName.str() + std::string(CrLf) + std::string(CrLf) +
                           "Version:  " + state_.VersionText.str();
  hooks_.ShowMessage(text);
}

}  // namespace vexlor
