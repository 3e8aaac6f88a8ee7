#include "dialogs/borrow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "dialogs/borrowing.h"

namespace vexlor {
namespace {

constexpr int kChipGlyph = 48;

QIcon ChipIcon(const Picture& chip) {
  QIcon icon;
  for (int k : {1, 2, 4}) {
    QImage image = chip.Scaled(QSize(kChipGlyph * k, kChipGlyph * k));
    image.setDevicePixelRatio(k);
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace

TBorrowC::TBorrowC(GameState& state, const SideEnvironment& env,
                   const std::array<Picture, 4>& chips, Digits digits, double digitRatio,
                   QWidget* parent)
    : QDialog(parent, kSideWindowFlags),
      state_(state),
      env_(env),
      digits_(std::move(digits)),
      digitRatio_(digitRatio > 0 ? digitRatio : 1) {
  setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
  setFixedSize(582, 300);
  setFont(WindowFont(13));
  setProperty(kHelpContextProperty, kMachineTopic);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setGeometry(442, 246, 127, 46);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  for (int tag = 0; tag < 4; ++tag) {
    auto* chip = new QPushButton(this);
    chip->setGeometry(89 + 112 * tag, 104, 80, 57);
    chip->setIcon(ChipIcon(chips[static_cast<std::size_t>(tag)]));
    chip->setIconSize(QSize(kChipGlyph, kChipGlyph));
    chip->setAccessibleName(QStringLiteral("%1 credits").arg(kChipAmounts[tag]));
    connect(chip, &QPushButton::clicked, this, [this, tag] { BitBtn1Click(tag); });
    chips_[static_cast<std::size_t>(tag)] = chip;
  }
  auto* mode = new QLabel(QStringLiteral("Mode:"), this);
  mode->setFont(WindowFont(19));
  mode->setStyleSheet(QStringLiteral("color: #ff0000"));
  mode->move(56, 192);
  radioButton1_ = new QRadioButton(QStringLiteral("Borrow Credits"), this);
  radioButton1_->setGeometry(147, 192, 190, 33);
  radioButton1_->setFont(WindowFont(16));
  radioButton1_->setChecked(true);
  radioButton2_ = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
  radioButton2_->setGeometry(355, 192, 190, 33);
  radioButton2_->setFont(WindowFont(16));
  auto* help = new QPushButton(QStringLiteral("&Help"), this);
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
  const QFont font = WindowFont(13, true);
  painter.setFont(font);
  painter.setPen(palette().color(QPalette::ButtonText));
  const QFontMetrics metrics(font);
  const QString credits = QStringLiteral("Credits:");
  painter.drawText(QPoint(frameGeometry().width() - metrics.horizontalAdvance(credits) - 35,
                          20 + metrics.ascent()),
                   credits);
  painter.drawText(QPoint(20, 20 + metrics.ascent()), QStringLiteral("Borrowed:"));
  // The digits are the machine's, in device pixels.
  painter.scale(1 / digitRatio_, 1 / digitRatio_);
  const auto device = [this](int v) { return static_cast<int>(std::lround(v * digitRatio_)); };
  // Each number has half the window: ten digits of either never meet the other.
  const int room = device(width() / 2 - 25);
  DrawNumber(painter, digits_, state_.Credits, device(width() - 30), device(40), false, true, room);
  DrawNumber(painter, digits_, state_.Borrowed, device(20), device(40), true, false, room);
}

}  // namespace vexlor
