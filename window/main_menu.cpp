#include "window/main_menu.h"

#include <QAction>
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
  QMenu* file = bar.addMenu(QStringLiteral("&File"));
  item(file, Command::NewGame, QStringLiteral("&New Game"), &TForm1::NewGame1Click);
  file->addSeparator();
  item(file, Command::OpenGame, QStringLiteral("&Open Game"), &TForm1::OpenGame1Click);
  item(file, Command::SaveGame, QStringLiteral("&Save Game"), &TForm1::SaveGame1Click);
  item(file, Command::LastPlays, QStringLiteral("Last &Plays"), &TForm1::LastPlays1Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  file->addSeparator();
  item(file, Command::Exit, QStringLiteral("E&xit"), &TForm1::Exit1Click);

  QMenu* options = bar.addMenu(QStringLiteral("&Options"));
  for (const auto& [command, caption, handler] :
       {std::tuple{Command::Sound, QStringLiteral("Sound"), &TForm1::Sound1Click},
        std::tuple{Command::Music, QStringLiteral("Music"), &TForm1::Music1Click}}) {
    QAction* action = item(options, command, caption, handler);
    action->setCheckable(true);
    action->setChecked(true);
  }

  // The menu bar's own commands, with no menu under them.
  for (const auto& [command, caption, handler] :
       {std::tuple{Command::Borrow, QStringLiteral("&Borrow"), &TForm1::Borrow1Click},
        std::tuple{Command::Stats, QStringLiteral("&Stats"), &TForm1::Stats1Click},
        std::tuple{Command::Payoffs, QStringLiteral("&Payoffs"), &TForm1::Payoffs1Click}}) {
    QAction* action = bar.addAction(caption);
    QObject::connect(action, &QAction::triggered, &form, handler);
    commands_[command] = action;
  }

  QMenu* help = bar.addMenu(QStringLiteral("&Help"));
  item(help, Command::Version, QStringLiteral("Version"), &TForm1::Version1Click);
  help->addSeparator();
  item(help, Command::Manual, QString::fromStdString(ManualMenuCaption(state)),
       &TForm1::ManualItemClick);
  help->addSeparator();
  item(help, Command::WebLink,
       QStringLiteral("&About ") + QString::fromStdString(state.AboutName.str()),
       &TForm1::OpenCompanyPage);
  help->addSeparator();
  item(help, Command::CompanyInformation, QStringLiteral("&Company Information"),
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
