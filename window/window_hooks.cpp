#include "window/window_hooks.h"

#include "engine/bonus_prizes.h"

namespace vexlor {

void WindowHooks::SetTimerEnabled(LampTimer timer, bool enabled) {
  QTimer* t = lampTimers_[static_cast<int>(timer)];
  // Switching a timer on starts a fresh interval; switching it to the state it
  // has already changes nothing.
  if (enabled && !t->isActive()) t->start();
  if (!enabled) t->stop();
}

bool WindowHooks::TimerEnabled(LampTimer timer) const {
  return lampTimers_[static_cast<int>(timer)]->isActive();
}

void WindowHooks::ShowMessage(std::string_view text) {
  env_.information(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void WindowHooks::RunBonusRound() {
  if (runBonusRound) {
    runBonusRound();
    return;
  }
  // Without a bonus-round window the round is settled with a token picked for
  // the player, as a key press in the round would pick it.
  SettleBonusRound(state_, state_.BonusPrizes[Random(kPrizeCount)]);
}

}  // namespace vexlor
