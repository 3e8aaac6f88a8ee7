// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/game_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <utility>

#include "assets/art/palette.h"

namespace vexlor {
namespace {

using namespace art::palette;

// Between the cabinet's body and its chrome: text that is there but greyed.
const QColor kDimmed{0x8a, 0x85, 0xad};
const QColor kRim{0x2b, 0x22, 0x66};       // a line between dark parts
const QColor kLinkBlue{0x1d, 0x4f, 0xd8};  // on the manual's ivory page

// Colours of the style sheet by name; "@name" in the sheet stands for one.
// Longer names come first, so "@body" never cuts "@bodyDark".
const std::pair<const char*, QColor> kSheetColours[] = {
    {"@bodyDark", kBodyDark}, {"@bodyLight", kBodyLight}, {"@body", kBody},
    {"@goldHigh", kGoldHigh}, {"@goldDeep", kGoldDeep},   {"@gold", kGold},
    {"@ivory", kIvory},       {"@red", kLineRed},         {"@dimmed", kDimmed},
    {"@rim", kRim},           {"@chromeLow", kChromeLow},
};

constexpr const char* kSheet = R"(
QPushButton {
  color: @goldHigh;
  background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 @bodyLight, stop: 1 @body);
  border: 1px solid @goldDeep;
  border-radius: 5px;
  padding: 3px 12px;
}
QPushButton:default { border: 2px solid @gold; }
QPushButton:hover { border-color: @goldHigh; }
QPushButton:focus { border: 2px solid @goldHigh; }
QPushButton:pressed {
  background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 @bodyDark, stop: 1 @body);
}
QPushButton:disabled { color: @dimmed; border-color: @rim; }

QLabel[look="heading"] { color: @gold; }
QLabel[look="caption"] { color: @gold; }
QLabel[look="warning"] { color: @red; }

QRadioButton::indicator {
  width: 14px;
  height: 14px;
  border: 1px solid @goldDeep;
  border-radius: 8px;
  background: @bodyDark;
}
QRadioButton::indicator:hover, QRadioButton::indicator:focus { border-color: @gold; }
QRadioButton::indicator:checked {
  background: qradialgradient(cx: 0.5, cy: 0.5, radius: 0.5, fx: 0.4, fy: 0.4,
                              stop: 0 @goldHigh, stop: 0.5 @gold, stop: 0.6 @bodyDark, stop: 1 @bodyDark);
}

QLineEdit {
  color: @ivory;
  background: @bodyDark;
  border: 1px solid @goldDeep;
  border-radius: 3px;
  padding: 1px 3px;
  selection-background-color: @gold;
  selection-color: @bodyDark;
}
QLineEdit:focus { border-color: @gold; }
QLineEdit[look="entry"] { background: transparent; border: none; padding: 0px; }
QLineEdit[look="entry"]:focus { background: @bodyDark; }

QFrame[look="card"] {
  background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 @bodyLight, stop: 1 @body);
  border: 1px solid @goldDeep;
  border-radius: 6px;
}
QFrame[look="well"] { background: @bodyDark; border: 1px solid @goldDeep; }

QTableView {
  background: @bodyDark;
  gridline-color: @rim;
  border: 1px solid @goldDeep;
  selection-background-color: @bodyLight;
  selection-color: @goldHigh;
}
QHeaderView::section {
  color: @gold;
  background: @bodyDark;
  border: none;
  border-right: 1px solid @rim;
  border-bottom: 1px solid @goldDeep;
  padding: 2px 4px;
  font-weight: bold;
}

QToolBar { background: @bodyDark; border: none; border-bottom: 1px solid @goldDeep; padding: 2px; }
QToolBar QToolButton {
  color: @goldHigh;
  background: transparent;
  border: 1px solid transparent;
  border-radius: 4px;
  padding: 2px 8px;
}
QToolBar QToolButton:hover { border-color: @goldDeep; }
QToolBar QToolButton:pressed { background: @body; }
QToolBar QToolButton:disabled { color: @dimmed; }
QTextBrowser {
  color: @bodyDark;
  background: @ivory;
  border: none;
  selection-background-color: @gold;
  selection-color: @bodyDark;
}

QToolTip { color: @goldHigh; background: @bodyDark; border: 1px solid @goldDeep; }

QMenu::separator { height: 1px; margin: 4px 10px; background: @chromeLow; }
)";

QString StyleSheet() {
  QString sheet = QString::fromLatin1(kSheet);
  for (const auto& [name, colour] : kSheetColours)
    sheet.replace(QLatin1String(name), colour.name());
  return sheet;
}

const char* LookName(Look look) {
  switch (look) {
    case Look::Heading:
      return "heading";
    case Look::Caption:
      return "caption";
    case Look::Warning:
      return "warning";
    case Look::Entry:
      return "entry";
    case Look::Card:
      return "card";
    case Look::Well:
      return "well";
  }
  return "";
}

}  // namespace

QPalette GamePalette() {
  QPalette palette(kBodyLight, kBody);
  const std::pair<QPalette::ColorRole, QColor> roles[] = {
      {QPalette::Window, kBody},
      {QPalette::WindowText, kIvory},
      {QPalette::Base, kBodyDark},
      {QPalette::AlternateBase, kBody},
      {QPalette::Text, kIvory},
      {QPalette::Button, kBodyLight},
      {QPalette::ButtonText, kGoldHigh},
      {QPalette::BrightText, kGoldHigh},
      {QPalette::Light, kBodyLight.lighter(150)},
      {QPalette::Midlight, kBodyLight.lighter(120)},
      {QPalette::Mid, kRim},
      {QPalette::Dark, kBodyDark},
      {QPalette::Shadow, Qt::black},
      {QPalette::Highlight, kGold},
      {QPalette::HighlightedText, kBodyDark},
      {QPalette::Link, kLinkBlue},
      {QPalette::LinkVisited, kMagenta.darker(140)},
      {QPalette::ToolTipBase, kBodyDark},
      {QPalette::ToolTipText, kGoldHigh},
      {QPalette::PlaceholderText, kDimmed},
  };
  for (const auto& [role, colour] : roles)
    palette.setColor(role, colour);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, kDimmed);
  palette.setColor(QPalette::Disabled, QPalette::Button, kBody);
  return palette;
}

QPalette MenuBarPalette() {
  QPalette palette(Qt::black);
  palette.setColor(QPalette::Highlight, kGold);
  palette.setColor(QPalette::HighlightedText, Qt::black);
  const QColor dimmed(0x8c, 0x8c, 0x8c);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, dimmed);
  return palette;
}

QFont HeadingFont(int pixelHeight) {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelHeight);
  font.setBold(true);
  return font;
}

void ApplyGameStyle() {
  const QString sheet = StyleSheet();
  if (qApp->styleSheet() == sheet) return;  // set already: a second machine window
  // Fusion draws with the palette it is given on every desktop.
  if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
    QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(GamePalette());
  qApp->setStyleSheet(sheet);
}

void SetLook(QWidget& widget, Look look) {
  widget.setProperty("look", QString::fromLatin1(LookName(look)));
}

int TitleBarWidth(const QString& title) {
  // The window manager's title font is unknown: the application's, bold, with
  // a line's height for each of the icon and the buttons, on either side.
  QFont font = QApplication::font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

void FitButtonText(QPushButton& button, bool keepRight) {
  const int missing = button.sizeHint().width() - button.width();
  if (missing <= 0) return;
  const QRect placed = button.geometry();
  button.setGeometry(placed.adjusted(keepRight ? -missing : 0, 0, keepRight ? 0 : missing, 0));
}

void FitTitle(QMessageBox& box) {
  // A message box sets its own size as it shows, from its layout: the room goes there.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Fixed,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
}

}  // namespace vexlor
