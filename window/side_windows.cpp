// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/side_windows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QUrl>
#include <memory>

#include "bonus/unit2.h"
#include "config/identity.h"
#include "config/plain_file.h"
#include "dialogs/borrow.h"
#include "dialogs/last_plays.h"
#include "dialogs/payoffs.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "window/layout.h"
#include "window/round_parts.h"

namespace vexlor {

SideWindows::SideWindows(QWidget& machine, GameState& state, GameKeeper& keeper, SoundHooks& sound,
                         const Artwork& artwork, MachineRenderer& renderer, GameRandom& random,
                         const WindowEnvironment& env)
    : machine_(machine),
      state_(state),
      keeper_(keeper),
      sound_(sound),
      artwork_(artwork),
      renderer_(renderer),
      random_(random),
      env_(env) {
  qApp->installEventFilter(this);
}

SideEnvironment SideWindows::SideEnv() {
  SideEnvironment side;
  side.information = env_.information;
  side.error = env_.error;
  side.help = [this](int context) { ShowHelp(context); };
  side.locale = env_.locale;
  return side;
}

void SideWindows::PictureError(const QString& text) {
  if (saidPictures_.contains(text)) return;
  saidPictures_ << text;
  env_.error(text);
}

QSize SideWindows::Room() const {
  const QMargins frame = env_.frameMargins ? env_.frameMargins(machine_) : QMargins();
  return env_.availableGeometry.size().shrunkBy(frame);
}

void SideWindows::Open(QDialog* dialog) {
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void SideWindows::Borrow1Click() {
  auto* dialog = new TBorrowC(state_, SideEnv(), artwork_.chips, renderer_.Art().digits,
                              env_.devicePixelRatio, &machine_);
  connect(dialog, &QDialog::finished, this, [this] {
    renderer_.FormPaint();
    keeper_.AutoSave();
    if (onGameChanged) onGameChanged();
  });
  Open(dialog);
}

void SideWindows::Stats1Click() {
  Open(new TStatsForm(state_, SideEnv(), &machine_));
}

void SideWindows::Payoffs1Click() {
  SideEnvironment side = SideEnv();
  side.error = [this](const QString& text) { PictureError(text); };
  Open(new TPaychart(state_.AppDir, side, env_.devicePixelRatio, Room(), &machine_));
}

void SideWindows::LastPlays1Click() {
  Open(new TLastPlays(keeper_.Plays(), artwork_.symbols, SideEnv(), env_.devicePixelRatio, Room(),
                      &machine_));
}

void SideWindows::OpenGame1Click() {
  OpenSlots(0);
}

void SideWindows::SaveGame1Click() {
  OpenSlots(1);
}

void SideWindows::OpenSlots(int mode) {
  state_.SlotDialogMode = mode;
  auto* dialog = new TLoadSave(state_, keeper_.Store(), SideEnv(), &machine_);
  if (!dialog->FormCreate()) {
    delete dialog;  // the live game could not be parked: said, and not shown
    return;
  }
  if (mode == 0) {
    connect(dialog, &QDialog::finished, this, [this, dialog] {
      if (dialog->Opened()) keeper_.GameOpened(*dialog->Opened());
      renderer_.FormPaint();  // the opened game's counters at once
      keeper_.AutoSave();
      if (onGameChanged) onGameChanged();
    });
  }
  Open(dialog);
}

void SideWindows::Version1Click() {
  env_.information(QString::fromStdString(state_.AboutName.str()) + QStringLiteral("\r\n\r\n") +
                   QCoreApplication::translate("Version", "Version:  %1")
                       .arg(QString::fromStdString(state_.VersionText.str())));
}

void SideWindows::OpenBonusRound(Reply<int32_t> prize) {
  RoundEnvironment round;
  round.screen = QRect(QPoint(0, 0), env_.screenSize);
  round.devicePixelRatio = env_.devicePixelRatio;
  round.logicalDpi = env_.logicalDpi;
  round.zoom = RoundZoom(renderer_.Art().layoutWidth, env_.devicePixelRatio, env_.screenSize);
  round.random = [this](int32_t n) { return random_.Draw(n); };
  round.error = [this](const QString& text) { PictureError(text); };
  round.clock = env_.clock;
  round.at = env_.at;
  auto* form = new TTrickForm(state_, sound_, round, &machine_);
  form->setAttribute(Qt::WA_DeleteOnClose);
  new RoundParts(*form, env_.locale);  // a child of the round, gone with it
  auto answer = std::make_shared<Reply<int32_t>>(std::move(prize));
  connect(form, &TTrickForm::Settled, this, [answer](int32_t revealed) { (*answer)(revealed); });
  form->FormCreate();
  form->show();
  form->activateWindow();
  form->setFocus();
}

void SideWindows::CloseAll() {
  // The modal windows from the top down: a name prompt before its slot dialog.
  for (int guard = 0; guard < 64; ++guard) {
    const QPointer<QWidget> top = QApplication::activeModalWidget();
    if (top == nullptr || top == &machine_) break;
    if (auto* dialog = qobject_cast<QDialog*>(top.data())) {
      dialog->reject();
    } else {
      top->close();
    }
    if (top != nullptr && top->isVisible()) top->hide();
  }
  if (help_ != nullptr) help_->close();
}

void SideWindows::ShowHelp(int context) {
  // Shown over a modal window it must be that window's child, or the modal
  // window would keep the player out of it.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = &machine_;
  const QString manual = QString::fromStdString(ManualForUiLanguage(state_));
  if (help_ == nullptr) {
    const QString title = QCoreApplication::translate("Help", "%1 Help")
                              .arg(QString::fromStdString(state_.AboutName.str()));
    help_ = new HelpWindow(manual, title, owner);
  } else if (help_->parentWidget() != owner) {
    help_->setParent(owner, Qt::Window);
  }
  help_->ShowTopic(context);
}

bool SideWindows::eventFilter(QObject* watched, QEvent* event) {
  // Taken at the widget the key goes to, the focused control, not at its QWindow.
  auto* widget = qobject_cast<QWidget*>(watched);
  // In the bonus round every fresh key picks, F1 too.
  if (widget != nullptr && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      qobject_cast<TTrickForm*>(widget->window()) == nullptr) {
    HelpFor(widget);
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void SideWindows::HelpFor(QWidget* widget) {
  // The control's context, else its enclosing control's, up to its window.
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QVariant context = widget->property(kHelpContextProperty);
    if (context.isValid()) {
      ShowHelp(context.toInt());
      return;
    }
    if (widget->isWindow()) return;  // no context here: F1 does nothing
  }
}

void SideWindows::OpenCompanyPage() {
  // The game has no web site: the link opens the manual's company topic in
  // the web browser, or in the game's own help window when no browser takes
  // it or there is no manual to show.
  const QString manual = QString::fromStdString(ManualForUiLanguage(state_));
  QUrl page = QUrl::fromLocalFile(manual);
  page.setFragment(QString::number(kCompanyTopic));
  const bool shown = IsPlainFile(manual.toStdString()) && env_.openUrl && env_.openUrl(page);
  if (!shown) ShowHelp(kCompanyTopic);
}

}  // namespace vexlor
