// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/borrow.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "assets/art/palette.h"
#include "dialogs/borrowing.h"
#include "dialogs/game_style.h"

namespace vexlor {
namespace {

constexpr int kChipGlyph = 48;
constexpr int kCaptionTop = 20;
constexpr int kCaptionPx = 14;
constexpr int kCounterTop = 40;
constexpr int kCounterLeft = 20;    // the borrowed digits' left edge
constexpr int kCounterMargin = 30;  // from the window's right side to the credits' right edge
// The counters' digits are the machine's, no taller than the room above the chips.
constexpr int kMaxDigitHeight = 48;
constexpr int kRim = 4;          // the counters' chrome frame around their digits
constexpr int kCounterGap = 16;  // between the two frames

QIcon ChipIcon(const Picture& chip) {
  QIcon icon;
  for (int k : {1, 2, 4}) {
    QImage image = chip.Scaled(QSize(kChipGlyph * k, kChipGlyph * k));
    image.setDevicePixelRatio(k);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

// The digits as they are, or shrunk to `maxHeight` pixels when they are taller.
Digits FitDigits(Digits digits, int maxHeight) {
  const QSize cell = digits.cell;
  if (cell.height() <= maxHeight || cell.isEmpty()) return digits;
  const QSize fitted(std::max(1, cell.width() * maxHeight / cell.height()), maxHeight);
  for (QImage* strip : {&digits.red, &digits.green}) {
    const int cells = strip->width() / cell.width();
    *strip = strip->scaled(QSize(cells * fitted.width(), fitted.height()), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
  }
  digits.cell = fitted;
  return digits;
}

QLabel* Caption(const QString& text, const QRect& place, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(HeadingFont(kCaptionPx));
  SetLook(*label, Look::Heading);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setGeometry(place);
  return label;
}

}  // namespace

TBorrowC::TBorrowC(GameState& state, const SideEnvironment& env,
                   const std::array<Picture, 4>& chips, Digits digits, double digitRatio,
                   QWidget* parent)
    : QDialog(parent, kSideWindowFlags),
      state_(state),
      env_(env),
      digitRatio_(digitRatio > 0 ? digitRatio : 1),
      digits_(FitDigits(std::move(digits),
                        static_cast<int>(std::lround(kMaxDigitHeight * digitRatio_)))) {
  setWindowTitle(
      QCoreApplication::translate("Borrow", "Use this form to borrow or pay back credits"));
  setFixedSize(582, 300);
  setFont(WindowFont(13));
  setProperty(kHelpContextProperty, kMachineTopic);
  auto* ok = new QPushButton(QCoreApplication::translate("Borrow", "&OK"), this);
  ok->setGeometry(442, 246, 127, 46);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  for (int tag = 0; tag < 4; ++tag) {
    auto* chip = new QPushButton(this);
    chip->setGeometry(89 + 112 * tag, 104, 80, 57);
    chip->setIcon(ChipIcon(chips[static_cast<std::size_t>(tag)]));
    chip->setIconSize(QSize(kChipGlyph, kChipGlyph));
    chip->setAccessibleName(
        QCoreApplication::translate("Borrow", "%1 credits").arg(kChipAmounts[tag]));
    connect(chip, &QPushButton::clicked, this, [this, tag] { BitBtn1Click(tag); });
    chips_[static_cast<std::size_t>(tag)] = chip;
  }
  // Each caption over its counter, the credits' right-aligned to the counter's
  // right edge: widgets of their own, placed by the window's own size.
  const int half = width() / 2;
  const int captionHeight = QFontMetrics(HeadingFont(kCaptionPx)).height();
  Caption(QCoreApplication::translate("Borrow", "Borrowed:"),
          QRect(kCounterLeft, kCaptionTop, half - kCounterLeft, captionHeight), Qt::AlignLeft,
          this);
  Caption(QCoreApplication::translate("Borrow", "Credits:"),
          QRect(half, kCaptionTop, half - kCounterMargin, captionHeight), Qt::AlignRight, this);
  auto* mode = new QLabel(QCoreApplication::translate("Borrow", "Mode:"), this);
  mode->setFont(HeadingFont(19));
  SetLook(*mode, Look::Warning);
  mode->move(56, 192);
  mode->adjustSize();
  radioButton1_ = new QRadioButton(QCoreApplication::translate("Borrow", "Borrow Credits"), this);
  radioButton1_->setGeometry(147, 192, 190, 33);
  radioButton1_->setFont(WindowFont(16));
  radioButton1_->setChecked(true);
  radioButton2_ = new QRadioButton(QCoreApplication::translate("Borrow", "Pay Back Credits"), this);
  radioButton2_->setGeometry(355, 192, 190, 33);
  radioButton2_->setFont(WindowFont(16));
  auto* help = new QPushButton(QCoreApplication::translate("Borrow", "&Help"), this);
  help->setGeometry(10, 246, 127, 46);
  connect(help, &QPushButton::clicked, this, &TBorrowC::BitBtn7Click);
  // OK first, then the chips, the modes and Help.
  QWidget* order[] = {ok,        chips_[0],     chips_[1],     chips_[2],
                      chips_[3], radioButton1_, radioButton2_, help};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    setTabOrder(order[i], order[i + 1]);
  for (QWidget* control : order)
    control->setProperty(kHelpContextProperty, kBorrowControlsTopic);
  ok->setFocus();
}

void TBorrowC::BitBtn1Click(int tag) {
  const int32_t amount = kChipAmounts[tag];
  const BorrowOutcome outcome = BorrowOrPayBack(state_, amount, radioButton2_->isChecked());
  if (outcome != BorrowOutcome::Done) {
    env_.information(RefusalText(outcome, amount, env_.locale));
    return;
  }
  repaint();
}

void TBorrowC::BitBtn7Click() {
  env_.information(BorrowHelpText());
}

void TBorrowC::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  // Each number has its half of the window: ten digits of either never meet the other.
  const int room = (width() - kCounterLeft - kCounterMargin - 2 * kRim - kCounterGap) / 2;
  const int digitHeight = static_cast<int>(std::ceil(digits_.cell.height() / digitRatio_));
  // Black windows in the cabinet's chrome, as the machine's counters have.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(art::palette::kChromeMid, 2));
  painter.setBrush(Qt::black);
  for (const int left : {kCounterLeft, width() - kCounterMargin - room}) {
    painter.drawRoundedRect(
        QRectF(left - kRim, kCounterTop - kRim, room + 2 * kRim, digitHeight + 2 * kRim), kRim,
        kRim);
  }
  // The digits are the machine's, in device pixels.
  painter.scale(1 / digitRatio_, 1 / digitRatio_);
  const auto device = [this](int v) { return static_cast<int>(std::lround(v * digitRatio_)); };
  DrawNumber(painter, digits_, state_.Credits, device(width() - kCounterMargin),
             device(kCounterTop), false, true, device(room));
  DrawNumber(painter, digits_, state_.Borrowed, device(kCounterLeft), device(kCounterTop), true,
             false, device(room));
}

}  // namespace vexlor
