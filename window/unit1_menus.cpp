#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "config/identity.h"
#include "window/unit1.h"

namespace vexlor {

void TForm1::BuildMainMenu() {
  QMenuBar* bar = menuBar();
  bar->clear();
  commands_.clear();
  const auto item = [this](QMenu* menu, Command command, const char* caption, auto handler) {
    QAction* action = menu->addAction(QString::fromLatin1(caption), this, handler);
    commands_[command] = action;
    return action;
  };
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  item(file, Command::NewGame, "&New Game", &TForm1::NewGame1Click);
  file->addSeparator();
  item(file, Command::OpenGame, "&Open Game", &TForm1::OpenGame1Click);
  item(file, Command::SaveGame, "&Save Game", &TForm1::SaveGame1Click);
  item(file, Command::LastPlays, "Last &Plays", &TForm1::LastPlays1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  file->addSeparator();
  item(file, Command::Exit, "E&xit", &TForm1::Exit1Click);

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  sound1_ = item(options, Command::Sound, "Sound", &TForm1::Sound1Click);
  sound1_->setCheckable(true);
  sound1_->setChecked(true);
  music1_ = item(options, Command::Music, "Music", &TForm1::Music1Click);
  music1_->setCheckable(true);
  music1_->setChecked(true);

  // The menu bar's own commands, with no menu under them.
  const auto barItem = [this, bar](Command command, const char* caption, auto handler) {
    QAction* action = bar->addAction(QString::fromLatin1(caption));
    connect(action, &QAction::triggered, this, handler);
    commands_[command] = action;
  };
  barItem(Command::Borrow, "&Borrow", &TForm1::Borrow1Click);
  barItem(Command::Stats, "&Stats", &TForm1::Stats1Click);
  barItem(Command::Payoffs, "&Payoffs", &TForm1::Payoffs1Click);

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  item(help, Command::Version, "Version", &TForm1::Version1Click);
  help->addSeparator();
  manualItem_ = item(help, Command::Manual, "", &TForm1::ManualItemClick);
  manualItem_->setText(QString::fromStdString(ManualMenuCaption(state_)));
  help->addSeparator();
  item(help, Command::WebLink, "", &TForm1::OpenCompanyPage)
      ->setText(QStringLiteral("&About ") + QString::fromStdString(state_.AboutName.str()));
  help->addSeparator();
  item(help, Command::CompanyInformation, "&Company Information", &TForm1::CompayInformation1Click);
}

bool TForm1::MayRun(Command command) const {
  return !state_.SpinInProgress || RunsDuringSpin(command);
}

void TForm1::UpdateCommands() {
  for (const auto& [command, action] : commands_)
    action->setEnabled(MayRun(command));
}

void TForm1::NewGame1Click() {
  if (!MayRun(Command::NewGame)) return;
  plays_.Clear();  // a new game, a new list of plays
  playsChanged_ = true;
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
