// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "dialogs/side_window.h"
#include "engine/game_state.h"
#include "savegame/store.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vexlor {

// The game slot dialog: eight named slots in two columns, to save the live
// game into one or to open one as the live game. While it is open the live
// game is parked in the store's current-game section, and it is loaded back
// however the dialog closes. SlotDialogMode: 1 save, 0 open.
class TLoadSave : public QDialog {
  Q_OBJECT
 public:
  TLoadSave(GameState& state, const GameStore& store, const SideEnvironment& env,
            QWidget* parent = nullptr);

  // Parks the live game and fills the rows; false (after the error box) when
  // the live game could not be parked, and the dialog is then not to be shown.
  bool FormCreate();
  // A row's OK button (tag 1..8).
  void BitBtn7Click(int tag);
  void done(int result) override;  // FormClose, on every close

  QLineEdit* NameBox(int row) const { return rows_.at(static_cast<std::size_t>(row - 1)).name; }
  QString RowText(int row) const;  // the row's labels, for a look from outside
  QPushButton* OkButton(int row) const { return rows_.at(static_cast<std::size_t>(row - 1)).ok; }
  // The name of the saved game that became the live game, if one did.
  const std::optional<QString>& Opened() const { return opened_; }

 private:
  struct Row {
    QLineEdit* name = nullptr;  // all owned by the dialog
    QLabel* game = nullptr;
    QLabel* date = nullptr;
    QLabel* credits = nullptr;
    QLabel* borrowed = nullptr;
    QPushButton* ok = nullptr;
  };
  void MakeRow(int row);
  // The store call, with a refusal shown in the error box; false when refused.
  bool Stored(const std::function<void()>& call);

  GameState& state_;
  GameStore store_;
  SideEnvironment env_;
  std::array<Row, 8> rows_;
  bool parked_ = false;
  std::optional<QString> opened_;
};

// The name prompt of a save, pre-filled and selected, at most 255 characters,
// opened over `parent` and left to the player: `answer` gets the name, or
// nothing when the player cancels.
void AskGameName(QWidget* parent, const QString& name,
                 std::function<void(const std::optional<QString>&)> answer);

}  // namespace vexlor
