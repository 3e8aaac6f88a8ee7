// SPDX-License-Identifier: GPL-3.0-or-later
#include "bonus/unit2.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "bonus/token_layout.h"
#include "config/identity.h"

namespace vexlor {
namespace {

constexpr int64_t kOpenStepMs = 200;
constexpr int64_t kShowPrizeMs = 3000;
// The prize is written centred on this point of the token's frame.
constexpr QPoint kPrizeCentre(50, 37);

}  // namespace

TTrickForm::TTrickForm(const GameState& state, SoundHooks& sound, RoundEnvironment env,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      state_(state),
      sound_(sound),
      env_(std::move(env)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowModality(Qt::ApplicationModal);
  setFocusPolicy(Qt::StrongFocus);
  setWindowTitle(QString::fromStdString(state_.AboutName.str()));
}

void TTrickForm::FormCreate() {
  roundPrize_ = 0;
  openStep_ = 0;
  picked_ = -1;
  setGeometry(env_.screen);
  if (env_.logicalDpi < 100) setWindowState(Qt::WindowMaximized);
  QStringList errors;
  art_ = LoadRoundArt(state_.AppDir, env_.devicePixelRatio, errors, env_.zoom);
  for (const QString& error : errors)
    env_.error(QString::fromStdString(ErrorBoxText(error.toStdString())));
  FormPaint();
}

void TTrickForm::FormPaint() {
  // The window's size in device pixels, drawn in logical ones.
  const QSize logical = size();
  surface_ = QImage(QSize(static_cast<int>(std::lround(logical.width() * env_.devicePixelRatio)),
                          static_cast<int>(std::lround(logical.height() * env_.devicePixelRatio))),
                    QImage::Format_RGB32);
  surface_.setDevicePixelRatio(env_.devicePixelRatio);
  surface_.fill(Qt::black);
  origin_ = QPoint((logical.width() - Zoomed(art_.backgroundSize.width())) / 2,
                   (logical.height() - Zoomed(art_.backgroundSize.height())) / 2);
  DrawSurround();
  {
    QPainter painter(&surface_);
    painter.drawImage(origin_, art_.background);
  }
  for (int token = 0; token < static_cast<int>(kTokenPos.size()); ++token)
    DrawToken(token, 0);
  update();
}

void TTrickForm::DrawSurround() {
  // On a screen larger than the picture, a gilded frame with a soft neon
  // glow sets it off from the black.
  const QRectF picture(origin_, QSizeF(art_.backgroundSize) * env_.zoom);
  if (picture.left() < 12 || picture.top() < 12) return;
  QPainter painter(&surface_);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int ring = 24; ring > 0; ring -= 2) {
    const double alpha = 90.0 * (1.0 - ring / 24.0);
    painter.setPen(QPen(QColor(255, 40, 180, static_cast<int>(alpha)), 2));
    painter.drawRoundedRect(picture.adjusted(-ring - 6, -ring - 6, ring + 6, ring + 6), 18, 18);
  }
  QLinearGradient gold(picture.topLeft(), picture.bottomLeft());
  gold.setColorAt(0, QColor(0xff, 0xe6, 0x9c));
  gold.setColorAt(0.5, QColor(0xc8, 0x8a, 0x1e));
  gold.setColorAt(1, QColor(0xff, 0xd8, 0x70));
  QPainterPath frame;
  frame.addRoundedRect(picture.adjusted(-8, -8, 8, 8), 12, 12);
  QPainterPath hole;
  hole.addRect(picture);
  painter.fillPath(frame.subtracted(hole), gold);
  painter.setPen(QPen(QColor(0, 0, 0, 160), 1));
  painter.drawRect(picture.adjusted(-0.5, -0.5, 0.5, 0.5));
}

QPoint TTrickForm::TokenCorner(int token) const {
  const TokenPoint& p = kTokenPos[static_cast<std::size_t>(token)];
  return origin_ + QPoint(Zoomed(p.x), Zoomed(p.y));
}

int TTrickForm::Zoomed(int pixels) const {
  return static_cast<int>(std::lround(pixels * env_.zoom));
}

void TTrickForm::DrawToken(int token, int frame) {
  QPainter painter(&surface_);
  painter.drawImage(TokenCorner(token), art_.tokens[static_cast<std::size_t>(frame)]);
  update(QRect(TokenCorner(token),
               QSize(Zoomed(art_.tokenSize.width()), Zoomed(art_.tokenSize.height()))));
}

void TTrickForm::FormMouseDown(QPoint at) {
  if (picked_ >= 0) return;
  // In the picture's own pixels.
  const int token = TokenAt(static_cast<int>(std::floor((at.x() - origin_.x()) / env_.zoom)),
                            static_cast<int>(std::floor((at.y() - origin_.y()) / env_.zoom)));
  PressToken(token);
}

void TTrickForm::PressToken(int token) {
  if (picked_ < 0 && !closed_ && token >= 0 && token < static_cast<int>(kTokenPos.size()))
    Pick(token);
}

QRect TTrickForm::TokenRect(int token) const {
  return QRect(TokenCorner(token), QSize(Zoomed(kTokenWidth), Zoomed(kTokenHeight)));
}

void TTrickForm::FormKeyDown() {
  if (picked_ < 0) Pick(env_.random(static_cast<int32_t>(kTokenPos.size())));
}

void TTrickForm::Pick(int token) {
  if (env_.clock) now_ = env_.clock();
  picked_ = token;
  timer1Due_ = now_ + kOpenStepMs;  // nothing is drawn at the moment of the pick
  WakeAt(timer1Due_);
  emit RoundChanged();
}

void TTrickForm::WakeAt(int64_t dueMs) {
  if (env_.at) env_.at(this, dueMs, [this] { Advance(env_.clock()); });
}

void TTrickForm::Timer1Timer() {
  openStep_ += 1;
  if (openStep_ > 2) {
    timer1Due_ = -1;
    ShowPrize();
    return;
  }
  // The token's own piece of the picture first, then the next frame over it.
  const QPoint corner = TokenCorner(picked_);
  const TokenPoint& p = kTokenPos[static_cast<std::size_t>(picked_)];
  {
    QPainter painter(&surface_);
    const double r = env_.devicePixelRatio * env_.zoom;  // background pixels per picture pixel
    painter.drawImage(QRectF(corner, QSizeF(kTokenWidth, kTokenHeight) * env_.zoom),
                      art_.background, QRectF(p.x * r, p.y * r, kTokenWidth * r, kTokenHeight * r));
  }
  DrawToken(picked_, openStep_);
}

void TTrickForm::ShowPrize() {
  sound_.PlayPrizeCue();
  roundPrize_ = state_.BonusPrizes[static_cast<std::size_t>(picked_)];
  DrawPrize();
  timer2Due_ = now_ + kShowPrizeMs;
  WakeAt(timer2Due_);
  emit RoundChanged();
}

void TTrickForm::DrawPrize() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(24 * env_.zoom);
  font.setBold(true);
  const QString text = QString::number(roundPrize_);
  const QFontMetrics metrics(font);
  const QPoint corner = TokenCorner(picked_);
  const int left = corner.x() + Zoomed(kPrizeCentre.x()) - metrics.horizontalAdvance(text) / 2;
  const int top = corner.y() + Zoomed(kPrizeCentre.y()) - metrics.height() / 2;
  {
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(QPoint(left, top + metrics.ascent()), text);
  }
  update(QRect(left - 2, top - 2, metrics.horizontalAdvance(text) + 4, metrics.height() + 4));
}

void TTrickForm::Timer2Timer() {
  timer2Due_ = -1;
  close();
}

void TTrickForm::Advance(int64_t nowMs) {
  now_ = nowMs;
  const bool opening = timer1Due_ >= 0;
  while (timer1Due_ >= 0 && now_ >= timer1Due_) {
    timer1Due_ += kOpenStepMs;
    Timer1Timer();
  }
  if (opening && timer1Due_ >= 0) WakeAt(timer1Due_);
  if (timer2Due_ >= 0 && now_ >= timer2Due_) Timer2Timer();
}

void TTrickForm::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& area : event->region()) {
    const double r = env_.devicePixelRatio;
    painter.drawImage(QRectF(area), surface_,
                      QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
  }
}

void TTrickForm::mousePressEvent(QMouseEvent* event) {
  FormMouseDown(event->position().toPoint());
}

void TTrickForm::keyPressEvent(QKeyEvent* event) {
  // A key held down since before the round (Space for the spin) repeats into
  // it: that is no pick of a token the player has not seen yet.
  if (event->isAutoRepeat()) return;
  FormKeyDown();
}

void TTrickForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (surface_.isNull()) return;
  // Made again for the new size (a window manager maximising the round),
  // showing the round as far as it has come.
  FormPaint();
  if (picked_ >= 0 && openStep_ > 0) DrawToken(picked_, std::min(openStep_, kTokenFrames - 1));
  if (roundPrize_ > 0) DrawPrize();
}

void TTrickForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) return;
  closed_ = true;
  timer1Due_ = timer2Due_ = -1;
  int32_t prize = roundPrize_;
  if (prize == 0 && state_.StopRequested) {
    const int token = picked_ >= 0 ? picked_ : env_.random(static_cast<int32_t>(kTokenPos.size()));
    prize = state_.BonusPrizes[static_cast<std::size_t>(token)];
  }
  emit Settled(prize);
}

}  // namespace vexlor
