// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/last_plays.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/credits_chart.h"
#include "dialogs/last_plays_layout.h"
#include "dialogs/symbol_words.h"
#include "pictures/picture.h"

namespace vexlor {
namespace {

using namespace lastplays;

constexpr int kReelsColumn = 2;
constexpr std::array<const char*, 8> kHeaders = {
    QT_TRANSLATE_NOOP("LastPlays", "Time"),        QT_TRANSLATE_NOOP("LastPlays", "Bet"),
    QT_TRANSLATE_NOOP("LastPlays", "Reels"),       QT_TRANSLATE_NOOP("LastPlays", "Line pay"),
    QT_TRANSLATE_NOOP("LastPlays", "Holds"),       QT_TRANSLATE_NOOP("LastPlays", "Bonus points"),
    QT_TRANSLATE_NOOP("LastPlays", "Bonus prize"), QT_TRANSLATE_NOOP("LastPlays", "Credits")};
// The lamp colours of the lines: middle red, top blue, bottom green.
constexpr std::array<QRgb, kLineCount> kLineColours = {0xd0e02020, 0xd02060ff, 0xd020b040};
constexpr std::array<int, kLineCount> kLineRow = {1, 0, 2};  // row of the window a line runs along

QString TimeText(const QLocale& locale, int64_t time) {
  const QDateTime at = QDateTime::fromSecsSinceEpoch(time);
  const QString clock = at.time().toString(QStringLiteral("HH:mm:ss"));
  if (at.date() == QDate::currentDate()) return clock;
  return locale.toString(at.date(), QLocale::ShortFormat) + QLatin1Char(' ') + clock;
}

QString HoldsText(const Play& play) {
  QStringList parts;
  if (play.holdsUsed > 0)
    parts << QCoreApplication::translate("LastPlays", "%1 used").arg(play.holdsUsed);
  if (play.holdsGained > 0) parts << QStringLiteral("+%1").arg(play.holdsGained);
  return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

QString PrizeText(const QLocale& locale, const Play& play) {
  if (!play.bonusRound) return QStringLiteral("-");
  return play.bonusPrize > 0 ? CountText(locale, play.bonusPrize)
                             : QCoreApplication::translate("LastPlays", "none");
}

// The texts of a play's row, column by column.
std::array<QString, kHeaders.size()> RowTexts(const QLocale& locale, const Play& play) {
  return {TimeText(locale, play.time),
          QString::number(play.coins),
          QString(),
          CountText(locale, play.linePay),
          HoldsText(play),
          QStringLiteral("%1 \u2192 %2").arg(play.bonusBefore).arg(play.bonusAfter),
          PrizeText(locale, play),
          CountText(locale, play.credits)};
}

QString NoteFor(const PlayHistory& history) {
  if (!history.openedSince.empty()) {
    return QCoreApplication::translate("LastPlays",
                                       "These plays are from the game played before \"%1\" was "
                                       "opened; its own list begins with its first spin.")
        .arg(QString::fromStdString(history.openedSince));
  }
  if (history.plays.empty())
    return QCoreApplication::translate("LastPlays", "No plays yet: each spin is listed here.");
  return QCoreApplication::translate("LastPlays", "The last plays of this game, newest first.");
}

}  // namespace

std::array<QImage, 16> SmallSymbols(const Picture& sheet, int cellPixels) {
  const int cell = sheet.Size().width() / 4;
  std::vector<QRect> sources;
  for (int index = 0; index < 16; ++index)
    sources.emplace_back(cell * (index % 4), cell * (index / 4), cell, cell);
  const std::vector<QImage> parts =
      sheet.ScaledParts(sources, std::vector<QSize>(16, QSize(cellPixels, cellPixels)));
  std::array<QImage, 16> symbols;
  std::copy(parts.begin(), parts.end(), symbols.begin());
  return symbols;
}

QImage PlayReelsImage(const Play& play, const std::array<QImage, 16>& symbols,
                      double devicePixelRatio) {
  const int cell = symbols[0].width();
  const int gap = static_cast<int>(std::lround(kReelGap * devicePixelRatio));
  QImage image(3 * cell + 2 * gap, 3 * cell, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  for (int row = 0; row < 3; ++row) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      const auto index =
          static_cast<std::size_t>(play.cells[static_cast<std::size_t>(row * 3 + reel)]);
      painter.drawImage(QPoint(reel * (cell + gap), row * cell), symbols[index]);
    }
  }
  painter.setRenderHint(QPainter::Antialiasing);
  for (int line = 0; line < kLineCount; ++line) {
    if (!play.linesWon[static_cast<std::size_t>(line)]) continue;
    const double y = (kLineRow[static_cast<std::size_t>(line)] + 0.5) * cell;
    painter.setPen(QPen(QColor::fromRgba(kLineColours[static_cast<std::size_t>(line)]),
                        std::max(2.0, 2 * devicePixelRatio), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(cell * 0.15, y), QPointF(image.width() - cell * 0.15, y));
  }
  painter.end();
  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

TLastPlays::TLastPlays(const PlayHistory& history, const Picture& symbolSheet,
                       const SideEnvironment& env, double devicePixelRatio, QSize room,
                       QWidget* parent)
    : QDialog(parent, kSideWindowFlags), env_(env) {
  setWindowTitle(QCoreApplication::translate("LastPlays", "Last Plays"));
  setProperty(kHelpContextProperty, kLastPlaysTopic);
  setFont(WindowFont(kListFontPx));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  layout->setSpacing(kGap);

  // The note names the game the plays belong to: as many lines as that takes.
  note_ = new QLabel(NoteFor(history), this);
  note_->setWordWrap(true);
  layout->addWidget(note_);

  std::vector<int32_t> credits;
  for (const Play& play : history.plays)
    credits.push_back(play.credits);
  const int32_t firstSpin = history.plays.empty() ? 0 : history.plays.front().spin;
  const int32_t lastSpin = history.plays.empty() ? 0 : history.plays.back().spin;
  chart_ = new CreditsChart(std::move(credits), firstSpin, lastSpin, env_.locale, this);
  layout->addWidget(chart_);

  list_ = new QTableWidget(this);
  FillList(history, symbolSheet, devicePixelRatio);
  layout->addWidget(list_);

  auto* ok = new QPushButton(StandardIcon(QStyle::SP_DialogOkButton),
                             QCoreApplication::translate("LastPlays", "OK"), this);
  ok->setFixedSize(kButtonWidth, kButtonHeight);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
  FitWindow(room);
  list_->setFocus();  // the keys scroll the plays at once
}

void TLastPlays::FillList(const PlayHistory& history, const Picture& symbolSheet,
                          double devicePixelRatio) {
  const int rows = static_cast<int>(std::min(history.plays.size(), kPlaysListed));
  list_->setColumnCount(static_cast<int>(kHeaders.size()));
  list_->setRowCount(rows);
  QStringList english;
  QStringList headers;
  for (std::size_t column = 0; column < kHeaders.size(); ++column) {
    english << QString::fromLatin1(kHeaders[column]);
    headers << QCoreApplication::translate("LastPlays", kHeaders[column]);
  }
  // The columns are sized for the English headings; a longer translation
  // widens its column by what it needs more.
  QHeaderView& header = *list_->horizontalHeader();
  header.ensurePolished();
  list_->setHorizontalHeaderLabels(english);
  std::array<int, kHeaders.size()> englishHint{};
  for (std::size_t column = 0; column < kHeaders.size(); ++column)
    englishHint[column] = header.sectionSizeHint(static_cast<int>(column));
  list_->setHorizontalHeaderLabels(headers);
  for (std::size_t column = 0; column < kHeaders.size(); ++column) {
    const int more = header.sectionSizeHint(static_cast<int>(column)) - englishHint[column];
    list_->setColumnWidth(static_cast<int>(column), kColumnWidths[column] + std::max(0, more));
  }
  list_->horizontalHeader()->setFixedHeight(kHeaderHeight);
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setTabKeyNavigation(false);  // Tab goes on to OK
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (rows == 0) return;
  const std::array<QImage, 16> symbols =
      SmallSymbols(symbolSheet, static_cast<int>(std::lround(kSymbolCell * devicePixelRatio)));
  for (int row = 0; row < rows; ++row) {
    const Play& play = history.plays[history.plays.size() - 1 - static_cast<std::size_t>(row)];
    const auto texts = RowTexts(env_.locale, play);
    for (std::size_t column = 0; column < texts.size(); ++column) {
      auto* item = new QTableWidgetItem(texts[column]);
      item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      list_->setItem(row, static_cast<int>(column), item);  // the list owns it
    }
    // The reels are a picture over an empty cell, whose words a screen reader reads.
    list_->item(row, kReelsColumn)
        ->setData(Qt::AccessibleTextRole, WindowWords(play.cells, play.coins, play.linesWon));
    auto* reels = new QLabel(list_);
    reels->setPixmap(QPixmap::fromImage(PlayReelsImage(play, symbols, devicePixelRatio)));
    reels->setAlignment(Qt::AlignCenter);
    list_->setCellWidget(row, kReelsColumn, reels);
  }
}

void TLastPlays::FitWindow(QSize room) {
  list_->ensurePolished();  // its frame as the style sheet draws it
  const int frame = 2 * list_->frameWidth();
  // The list is as tall as the plays it shows, up to the ten it keeps.
  const int rows = std::max(list_->rowCount(), kListedRowsAtLeast);
  const int fullList = kHeaderHeight + rows * kRowHeight + frame;
  const int leastList = kHeaderHeight + kListedRowsAtLeast * kRowHeight + frame;
  int listWidth = frame;
  for (int column = 0; column < list_->columnCount(); ++column)
    listWidth += list_->columnWidth(column);
  // On a short screen the list gives up height and scrolls, its scroll bar
  // beside the columns rather than over the last one; the chart gives up
  // height only where the list would show fewer rows than it keeps.
  const bool scrolls =
      !room.isEmpty() && Others(listWidth, kChartHeight) + fullList > room.height();
  if (scrolls) {
    listWidth += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
  int chartHeight = kChartHeight;
  int listHeight = fullList;
  if (scrolls) {
    const int spare = room.height() - Others(listWidth, 0);
    chartHeight = std::clamp(spare - leastList, kChartMinHeight, kChartHeight);
    listHeight = std::max(leastList, spare - chartHeight);
  }
  chart_->setFixedHeight(chartHeight);
  list_->setFixedSize(listWidth, listHeight);
  setFixedSize(listWidth + 2 * kMargin, Others(listWidth, chartHeight) + listHeight);
}

int TLastPlays::Others(int listWidth, int chartHeight) const {
  return 2 * kMargin + note_->heightForWidth(listWidth) + chartHeight + kButtonHeight + 3 * kGap;
}

int TLastPlays::RowCount() const {
  return list_->rowCount();
}

QString TLastPlays::CellText(int row, int column) const {
  const QTableWidgetItem* item = list_->item(row, column);
  if (item == nullptr) return {};
  return column == kReelsColumn ? item->data(Qt::AccessibleTextRole).toString() : item->text();
}

QString TLastPlays::Note() const {
  return note_->text();
}

}  // namespace vexlor
