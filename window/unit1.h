// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "engine/game_state.h"
#include "engine/play_runner.h"
#include "engine/random.h"
#include "sound/game_sound.h"
#include "window/artwork.h"
#include "window/environment.h"
#include "window/game_clock.h"
#include "window/game_keeper.h"
#include "window/input_router.h"
#include "window/lamp_animator.h"
#include "window/later_audio.h"
#include "window/lever.h"
#include "window/machine_focus.h"
#include "window/machine_parts.h"
#include "window/main_menu.h"
#include "window/renderer.h"
#include "window/side_windows.h"
#include "window/sound_switches.h"
#include "window/window_fitter.h"
#include "window/window_hooks.h"

namespace vexlor {

class MachineView;

// Exit statuses of a game ended by a signal that could not store its game.
inline constexpr int kRescuedStatus = 3;   // kept in a rescue file instead
inline constexpr int kUnstoredStatus = 4;  // not even that: said on standard error

// The machine window. It owns the one GameState of the process and the parts
// that show it and play on it, each with one concern; its handlers, named as
// the game's events are, hand the work to them.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(WindowEnvironment env, QWidget* parent = nullptr);
  ~TForm1() override;

  GameState& State() { return state_; }
  MachineHooks& Hooks() { return hooks_; }
  MachineRenderer& Renderer() { return renderer_; }
  const QImage& Surface() const { return renderer_.Surface(); }
  MachineView* View() const { return view_; }
  const GameStore& Store() const { return keeper_.Store(); }
  const PlayHistory& Plays() const { return keeper_.Plays(); }
  const PlayRunner& Runner() const { return runner_; }
  const QTimer& StartupTimer() const { return timer1_; }
  HelpWindow* Help() const { return side_.Help(); }
  QAction* CommandAction(Command command) const { return menu_.Action(command); }

  void ShowAsCreated() { fitter_.ShowAsCreated(); }
  void BringToFront();
  // A termination signal: whatever is open ends, and the game is stored, or
  // kept in a rescue file when the store refuses it; then Closed.
  void EndBySignal();
  void LayoutForScreen(int32_t layoutWidth) { fitter_.LayoutForScreen(layoutWidth); }

  void FormCreate();   // the start-up sequence; the constructor runs it
  void Timer1Timer();  // 250 ms later: the music, the start-up cue, input taken
  void Timer2Timer() { lamps_.Timer2Timer(); }
  void Timer3Timer() { lamps_.Timer3Timer(); }
  void Timer4Timer() { switches_.Timer4Timer(); }
  void Timer5Timer() { lamps_.Timer5Timer(); }
  void Timer7Timer() { lamps_.Timer7Timer(); }
  void Timer8Timer() { lamps_.Timer8Timer(); }
  void FormMouseDown(Qt::MouseButton button, QPoint at) {
    input_.FormMouseDown(button, at);
    parts_.Update();
  }
  void FormKeyDown(int key) {
    input_.FormKeyDown(key);
    parts_.Update();
  }

  void NewGame1Click();
  void OpenGame1Click();
  void SaveGame1Click();
  void LastPlays1Click() { side_.LastPlays1Click(); }
  void Exit1Click();
  void Sound1Click() { switches_.Sound1Click(); }
  void Music1Click() { switches_.Music1Click(); }
  void Borrow1Click();
  void Stats1Click() { side_.Stats1Click(); }
  void Payoffs1Click() { side_.Payoffs1Click(); }
  void Version1Click() { side_.Version1Click(); }
  void ManualItemClick() { side_.ShowHelp(kContentsTopic); }
  void CompayInformation1Click() { side_.ShowHelp(kCompanyTopic); }
  void OpenCompanyPage() { side_.OpenCompanyPage(); }

 signals:
  // The game has ended: its exit status, 0 when the game is stored (see
  // kRescuedStatus, kUnstoredStatus).
  void Closed(int status);

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool event(QEvent* event) override;

 private:
  bool MayRun(Command command) const;
  // Everything open closes as Cancel would; a running spin settles at once.
  void EndPlay();
  void OnFirstFrame();

  WindowEnvironment env_;
  GameState state_;
  LaterAudio audio_;  // opened once the first frame is up
  GameSound sound_;
  GameRandom random_;
  Artwork artwork_;
  MachineRenderer renderer_;
  GameClock clock_;  // before the runner: the plays' waits end with their plays
  LampAnimator lamps_;
  WindowHooks hooks_;
  PlayRunner runner_;
  GameKeeper keeper_;
  MachineView* view_;  // owned by the window
  WindowFitter fitter_;
  Lever lever_;
  InputRouter input_;
  MainMenu menu_;
  SoundSwitches switches_;
  SideWindows side_;
  MachineFocus focus_;
  QTimer timer1_;
  MachineParts parts_;  // last: it reads the parts above, and goes before them
};

}  // namespace vexlor
