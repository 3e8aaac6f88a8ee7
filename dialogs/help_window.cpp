// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "config/file_lookup.h"
#include "config/identity.h"
#include "config/plain_file.h"

namespace vexlor {
namespace {

// The manual and its pictures are read as plain files of bounded size only.
constexpr std::uintmax_t kMaxManualFileBytes = 16u << 20;
constexpr QLatin1String kDoubleSize("@2x");

QString DoubleSizeTwin(const QString& file) {
  const QFileInfo info(file);
  const QString twin = info.completeBaseName() + kDoubleSize +
                       (info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix());
  return info.dir().filePath(twin);
}

QImage ReadPicture(const QString& file) {
  const PlainFile bytes = ReadPlainFile(file.toStdString(), kMaxManualFileBytes);
  if (!bytes.ok()) return {};
  QImage image = QImage::fromData(QByteArray::fromStdString(bytes.bytes));
  if (QFileInfo(file).completeBaseName().endsWith(kDoubleSize)) image.setDevicePixelRatio(2);
  return image;
}

class ManualBrowser : public QTextBrowser {
 public:
  explicit ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
    connect(this, &QTextBrowser::sourceChanged, this, &ManualBrowser::DropLinkMark);
  }

  QVariant loadResource(int type, const QUrl& name) override {
    if (!name.isLocalFile()) return QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::ImageResource)
      return ManualPicture(name.toLocalFile(), devicePixelRatioF());
    PlainFile file = ReadPlainFile(name.toLocalFile().toStdString(), kMaxManualFileBytes);
    if (!file.ok()) return {};
    return QByteArray::fromStdString(file.bytes);
  }

 private:
  // A followed link stays marked, and the history remembers the mark with the
  // topic it led to: going Forward to that topic would bring the link's place
  // back into view instead. The mark goes once the link has been followed.
  void DropLinkMark() {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) return;
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    cursor.clearSelection();
    setTextCursor(cursor);
    horizontalScrollBar()->setValue(across);
    verticalScrollBar()->setValue(down);
  }
};

}  // namespace

QImage ManualPicture(const QString& file, qreal devicePixelRatio) {
  QImage image;
  if (devicePixelRatio > 1) image = ReadPicture(DoubleSizeTwin(file));
  if (image.isNull()) image = ReadPicture(file);
  if (image.isNull()) {
    // Drawn as nothing, and the browser never reads the file by itself.
    image = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
  }
  return image;
}

HelpWindow::HelpWindow(QString manual, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), manual_(std::move(manual)) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* tools = new QToolBar(this);
  browser_ = new ManualBrowser(this);
  browser_->setOpenExternalLinks(true);
  QAction* back = tools->addAction(QCoreApplication::translate("Help", "Back"), browser_,
                                   &QTextBrowser::backward);
  QAction* forward = tools->addAction(QCoreApplication::translate("Help", "Forward"), browser_,
                                      &QTextBrowser::forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  tools->addAction(QCoreApplication::translate("Help", "Contents"), this, [this] { ShowTopic(0); });
  tools->addSeparator();
  search_ = new QLineEdit(tools);
  search_->setPlaceholderText(QCoreApplication::translate("Help", "Search"));
  search_->setClearButtonEnabled(true);
  tools->addWidget(search_);
  searchNote_ = new QLabel(tools);
  searchNote_->setContentsMargins(6, 0, 6, 0);
  tools->addWidget(searchNote_);
  connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::Find);
  connect(search_, &QLineEdit::textChanged, searchNote_, &QLabel::clear);
  layout->addWidget(tools);
  layout->addWidget(browser_);
}

QString HelpWindow::SearchNote() const {
  return searchNote_->text();
}

void HelpWindow::ShowTopic(int context) {
  context_ = context;
  if (!IsPlainFile(manual_.toStdString())) {
    const bool there = IsFileEntry(manual_.toStdString());
    browser_->setHtml(QCoreApplication::translate(
                          "Help",
                          "<h2>The manual is missing</h2><p>The help for this game is read from "
                          "<tt>%1</tt>, which %2. Reinstall the game to bring it back.</p>")
                          .arg(manual_.toHtmlEscaped(),
                               there ? QCoreApplication::translate("Help", "is not a plain file")
                                     : QCoreApplication::translate("Help", "is not there")));
  } else {
    QUrl topic = QUrl::fromLocalFile(manual_);
    topic.setFragment(context == 0 ? QStringLiteral("contents") : QString::number(context));
    browser_->setSource(topic);
  }
  if (!placed_) Place();
  show();
  raise();
  activateWindow();
}

void HelpWindow::Place() {
  // The first time up: centred over the window it was asked from, within its screen.
  placed_ = true;
  const QWidget* over = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  const QScreen* screen = over != nullptr ? over->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  const QSize size = QSize(720, 640).boundedTo(room.size() * 9 / 10);
  resize(size);
  QRect frame(QPoint(), size);
  frame.moveCenter(over != nullptr ? over->frameGeometry().center() : room.center());
  frame.moveLeft(std::clamp(frame.left(), room.left(), room.right() - size.width()));
  frame.moveTop(std::clamp(frame.top(), room.top(), room.bottom() - size.height()));
  move(frame.topLeft());
}

void HelpWindow::Find() {
  const QString text = search_->text();
  if (text.isEmpty()) return;
  // From where the last match was, round to the top once; the page stays
  // where it is when the text is nowhere.
  const QTextDocument* document = browser_->document();
  QTextCursor match = document->find(text, browser_->textCursor());
  if (match.isNull()) match = document->find(text, 0);
  if (match.isNull()) {
    searchNote_->setText(QCoreApplication::translate("Help", "No match"));
    return;
  }
  searchNote_->clear();
  browser_->setTextCursor(match);
}

std::string ManualForUiLanguage(const GameState& state) {
  const bool german = QLocale().language() == QLocale::German;
  return ManualFilePath(state, german ? "de" : "");
}

}  // namespace vexlor
