#include "bonus/unit2.h"
#include "config/identity.h"
#include "window/unit1.h"

namespace vexlor {

int32_t TForm1::RunBonusRound() {
  RoundEnvironment round;
  round.screen = QRect(QPoint(0, 0), env_.screenSize);
  round.devicePixelRatio = env_.devicePixelRatio;
  round.logicalDpi = env_.logicalDpi;
  round.random = [this](int32_t n) { return random_.Draw(n); };
  round.error = env_.error;
  TTrickForm form(state_, sound_, round, this);
  form.FormCreate();
  form.show();
  form.activateWindow();
  form.setFocus();
  while (!form.Closed()) {
    if (state_.StopRequested) {
      // The machine is closing: a round not yet shown through is settled at
      // once, with the token picked, or one picked for the player.
      const int token = form.Picked() >= 0 ? form.Picked() : random_.Draw(kPrizeCount);
      return form.RoundPrize() > 0 ? form.RoundPrize()
                                   : state_.BonusPrizes[static_cast<std::size_t>(token)];
    }
    hooks_.ProcessMessages();
    form.Advance(env_.clock());
  }
  return form.RoundPrize();
}

}  // namespace vexlor
