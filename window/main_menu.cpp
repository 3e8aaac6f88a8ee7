// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "config/identity.h"
#include "dialogs/game_style.h"
#include "window/unit1.h"

namespace vexlor {

void MainMenu::Build(QMenuBar& bar, TForm1& form, const GameState& state) {
  bar.clear();
  commands_.clear();
  const auto item = [this, &form](QMenu* menu, Command command, const QString& caption,
                                  auto handler) {
    QAction* action = menu->addAction(caption, &form, handler);
    commands_[command] = action;
    return action;
  };
  QMenu* file = bar.addMenu(QCoreApplication::translate("Menu", "&File"));
  // The standard keys act through their items, so they wait while a spin
  // runs just as the items do.
  item(file, Command::NewGame, QCoreApplication::translate("Menu", "&New Game"),
       &TForm1::NewGame1Click)
      ->setShortcut(QKeySequence::New);
  file->addSeparator();
  item(file, Command::OpenGame, QCoreApplication::translate("Menu", "&Open Game"),
       &TForm1::OpenGame1Click)
      ->setShortcut(QKeySequence::Open);
  item(file, Command::SaveGame, QCoreApplication::translate("Menu", "&Save Game"),
       &TForm1::SaveGame1Click)
      ->setShortcut(QKeySequence::Save);
  item(file, Command::LastPlays, QCoreApplication::translate("Menu", "Last &Plays"),
       &TForm1::LastPlays1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  file->addSeparator();
  item(file, Command::Exit, QCoreApplication::translate("Menu", "E&xit"), &TForm1::Exit1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* options = bar.addMenu(QCoreApplication::translate("Menu", "&Options"));
  for (const auto& [command, caption, handler] :
       {std::tuple{Command::Sound, QCoreApplication::translate("Menu", "Sound"),
                   &TForm1::Sound1Click},
        std::tuple{Command::Music, QCoreApplication::translate("Menu", "Music"),
                   &TForm1::Music1Click}}) {
    QAction* action = item(options, command, caption, handler);
    action->setCheckable(true);
    action->setChecked(true);
  }

  // The menu bar's own commands, with no menu under them.
  for (const auto& [command, caption, handler] :
       {std::tuple{Command::Borrow, QCoreApplication::translate("Menu", "&Borrow"),
                   &TForm1::Borrow1Click},
        std::tuple{Command::Stats, QCoreApplication::translate("Menu", "&Stats"),
                   &TForm1::Stats1Click},
        std::tuple{Command::Payoffs, QCoreApplication::translate("Menu", "&Payoffs"),
                   &TForm1::Payoffs1Click}}) {
    QAction* action = bar.addAction(caption);
    QObject::connect(action, &QAction::triggered, &form, handler);
    commands_[command] = action;
  }

  QMenu* help = bar.addMenu(QCoreApplication::translate("Menu", "&Help"));
  item(help, Command::Version, QCoreApplication::translate("Menu", "Version"),
       &TForm1::Version1Click);
  help->addSeparator();
  item(help, Command::Manual,
       QCoreApplication::translate("Menu", "&%1 Manual")
           .arg(QString::fromStdString(state.AboutName.str())),
       &TForm1::ManualItemClick);
  help->addSeparator();
  item(help, Command::WebLink,
       QCoreApplication::translate("Menu", "&About %1")
           .arg(QString::fromStdString(state.AboutName.str())),
       &TForm1::OpenCompanyPage);
  help->addSeparator();
  item(help, Command::CompanyInformation,
       QCoreApplication::translate("Menu", "&Company Information"),
       &TForm1::CompayInformation1Click);

  // The menus open in the bar's black, and what is greyed stays readable there.
  bar.setPalette(MenuBarPalette());
  for (QMenu* menu : {file, options, help})
    menu->setPalette(MenuBarPalette());
}

void MainMenu::Update(bool spinInProgress) {
  for (const auto& [command, action] : commands_)
    action->setEnabled(!spinInProgress || RunsDuringSpin(command));
}

}  // namespace vexlor
