// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/save.h"

#include <QCoreApplication>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "config/identity.h"
#include "dialogs/game_style.h"

namespace vexlor {
namespace {

QLabel* RowLabel(QWidget* panel, int left, int top, int width, Qt::Alignment alignment) {
  auto* label = new QLabel(panel);
  label->setFont(WindowFont(11));
  label->setGeometry(left, top, width, 13);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

}  // namespace

TLoadSave::TLoadSave(GameState& state, const GameStore& store, const SideEnvironment& env,
                     QWidget* parent)
    : QDialog(parent, kSideWindowFlags), state_(state), store_(store), env_(env) {
  setFixedSize(616, 360);
  setFont(WindowFont(11, true));
  setProperty(kHelpContextProperty, kGameSlotsTopic);
  auto* bevel = new QFrame(this);
  SetLook(*bevel, Look::Well);
  bevel->setGeometry(0, 8, 617, 297);
  auto* cancel = new QPushButton(StandardIcon(QStyle::SP_DialogCancelButton),
                                 QCoreApplication::translate("Save", "&Cancel"), this);
  cancel->setGeometry(508, 316, 97, 37);
  FitButtonText(*cancel, true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* help = new QPushButton(StandardIcon(QStyle::SP_MessageBoxQuestion),
                               QCoreApplication::translate("Save", "&Help"), this);
  help->setGeometry(8, 316, 97, 37);
  FitButtonText(*help, false);
  connect(help, &QPushButton::clicked, this, [this] { env_.help(kGameSlotsTopic); });
  // Cancel comes first, so it has the focus as the dialog opens.
  setTabOrder(cancel, help);
  for (int row = 1; row <= 8; ++row)
    MakeRow(row);
  cancel->setFocus();
}

void TLoadSave::MakeRow(int row) {
  const int column = (row - 1) / 4;
  auto* panel = new QFrame(this);
  SetLook(*panel, Look::Card);
  panel->setGeometry(16 + 296 * column, 16 + 72 * ((row - 1) % 4), 289, 65);
  Row& r = rows_[static_cast<std::size_t>(row - 1)];
  r.name = new QLineEdit(panel);
  r.name->setFrame(false);
  r.name->setFont(WindowFont(11));
  r.name->setGeometry(8, 8, 233, 20);
  SetLook(*r.name, Look::Entry);  // reads like a label, takes typing
  r.game = RowLabel(panel, 8, 28, 129, Qt::AlignLeft);
  SetLook(*r.game, Look::Caption);
  r.date = RowLabel(panel, 168, 28, 57, Qt::AlignRight);
  r.credits = RowLabel(panel, 8, 48, 105, Qt::AlignLeft);
  r.borrowed = RowLabel(panel, 112, 48, 113, Qt::AlignRight);
  r.ok = new QPushButton(StandardIcon(QStyle::SP_DialogOkButton), QString(), panel);
  r.ok->setGeometry(232, 16, 49, 37);
  r.ok->setAccessibleName(QCoreApplication::translate("Save", "OK, game slot %1").arg(row));
  connect(r.ok, &QPushButton::clicked, this, [this, row] { BitBtn7Click(row); });
}

bool TLoadSave::Stored(const std::function<void()>& call) {
  try {
    call();
    return true;
  } catch (const StoreWriteError& error) {
    env_.error(QString::fromStdString(ErrorBoxText(error.what())));
    return false;
  }
}

bool TLoadSave::FormCreate() {
  if (!Stored([this] { StoreLiveGame(state_, store_, kCurrentGameSlot, kCurrentGameName); })) {
    return false;
  }
  parked_ = true;
  setWindowTitle(state_.SlotDialogMode == 1
                     ? QCoreApplication::translate("Save", "Save a Game -- Select Game Slot")
                     : QCoreApplication::translate("Save", "Open a Game -- Select Game Slot"));
  // Each slot is read into a game of its own; the live game is not touched.
  for (int slot = 0; slot < kSavedSlotCount; ++slot) {
    GameState saved;
    TransferGame(saved, store_, slot, false, "");
    Row& r = rows_[static_cast<std::size_t>(slot)];
    r.name->setText(QString::fromStdString(saved.GameName.str()));
    r.date->setText(QString::fromStdString(saved.GameDate.str()));
    r.credits->setText(QCoreApplication::translate("Save", "%1 Credits").arg(saved.Credits));
    r.borrowed->setText(QCoreApplication::translate("Save", "%1 Borrowed").arg(saved.Borrowed));
    r.game->setText(QString::fromStdString(state_.AboutName.str()));
  }
  return true;
}

void TLoadSave::BitBtn7Click(int tag) {
  const int slot = tag - 1;
  if (state_.SlotDialogMode == 1) {
    AskGameName(this, NameBox(tag)->text(), [this, slot](const std::optional<QString>& name) {
      if (name) {
        RestoreLiveGame(state_, store_, kCurrentGameSlot);  // the real game back
        Stored([&] { StoreLiveGame(state_, store_, slot, name->toStdString()); });
      }
      accept();  // also when the prompt was cancelled
    });
    return;
  }
  OpenStoredGame(state_, store_, slot);
  if (Stored([this] { StoreLiveGame(state_, store_, kCurrentGameSlot, kCurrentGameName); }))
    opened_ = NameBox(tag)->text();
  accept();
}

void TLoadSave::done(int result) {
  if (parked_) RestoreLiveGame(state_, store_, kCurrentGameSlot);
  parked_ = false;
  QDialog::done(result);
}

QString TLoadSave::RowText(int row) const {
  const Row& r = rows_.at(static_cast<std::size_t>(row - 1));
  return QStringList{r.name->text(), r.game->text(), r.date->text(), r.credits->text(),
                     r.borrowed->text()}
      .join(QLatin1Char('|'));
}

void AskGameName(QWidget* parent, const QString& name,
                 std::function<void(const std::optional<QString>&)> answer) {
  auto* prompt = new QInputDialog(parent);
  prompt->setAttribute(Qt::WA_DeleteOnClose);
  prompt->setWindowTitle(QCoreApplication::translate("Save", "Name for this saved game?"));
  prompt->setLabelText(QCoreApplication::translate("Save", "Name of the saved game:"));
  prompt->setTextValue(name);
  if (auto* edit = prompt->findChild<QLineEdit*>()) {
    // The box takes its width from its text box: wide enough for its title.
    edit->setMinimumWidth(TitleBarWidth(prompt->windowTitle()));
    edit->setMaxLength(255);
    edit->selectAll();
  }
  QObject::connect(prompt, &QDialog::finished, prompt, [prompt, answer](int result) {
    answer(result == QDialog::Accepted ? std::optional<QString>(prompt->textValue())
                                       : std::nullopt);
  });
  prompt->open();
}

}  // namespace vexlor
