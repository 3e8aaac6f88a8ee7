#include <QApplication>
#include <QKeyEvent>
#include <QUrl>

#include "config/identity.h"
#include "dialogs/help_window.h"
#include "dialogs/payoffs.h"
#include "window/unit1.h"

namespace vexlor {
namespace {

constexpr int kCompanyInformation = 41009;

}  // namespace

QString TForm1::ManualFile() const {
  return QString::fromStdString(ManualFilePath(state_));
}

void TForm1::ShowHelp(int context) {
  // Shown over a modal window it must be that window's child, or the modal
  // window would keep the player out of it.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = this;
  if (help_ == nullptr) {
    help_ = new HelpWindow(ManualFile(), QString::fromStdString(state_.AboutName.str()) + " Help",
                           owner);
  } else if (help_->parentWidget() != owner) {
    help_->setParent(owner, Qt::Window);
  }
  help_->ShowTopic(context);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Taken at the widget the key goes to, the focused control, not at its QWindow.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget != nullptr && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    HelpFor(widget);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::HelpFor(QWidget* widget) {
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

void TForm1::Payoffs1Click() {
  const QMargins frame = env_.frameMargins(*this);
  const QSize room = env_.availableGeometry.size().shrunkBy(frame);
  TPaychart chart(state_.AppDir, SideEnv(), env_.devicePixelRatio, room, this);
  chart.exec();
}

void TForm1::ManualItemClick() {
  ShowHelp(0);
}

void TForm1::CompayInformation1Click() {
  ShowHelp(kCompanyInformation);
}

void TForm1::OpenCompanyPage() {
  // The game has no web site: the link opens the manual's company topic in the browser.
  QUrl page = QUrl::fromLocalFile(ManualFile());
  page.setFragment(QString::number(kCompanyInformation));
  if (!env_.openUrl || !env_.openUrl(page)) {
    env_.error(QStringLiteral("No web browser would open %1.").arg(page.toString()));
  }
}

}  // namespace vexlor
