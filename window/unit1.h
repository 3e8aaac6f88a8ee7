#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "dialogs/commands.h"
#include "dialogs/help_window.h"
#include "dialogs/side_window.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "savegame/plays.h"
#include "savegame/store.h"
#include "sound/audio_device.h"
#include "sound/game_sound.h"
#include "window/artwork.h"
#include "window/environment.h"
#include "window/renderer.h"
#include "window/window_fit.h"
#include "window/window_hooks.h"

class QAction;

namespace vexlor {

class MachineView;

// The machine window. It owns the one GameState of the process, the pictures
// and the retained drawing of the machine, and runs the engine on the events
// of the window.
class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(WindowEnvironment env, QWidget* parent = nullptr);
  ~TForm1() override;

  // Shows the window centred, or maximised on screens below 100 pixels per inch.
  void ShowAsCreated();

  GameState& State() { return state_; }
  MachineHooks& Hooks() { return hooks_; }
  MachineRenderer& Renderer() { return renderer_; }
  const QImage& Surface() const { return renderer_.Surface(); }
  MachineView* View() const { return view_; }
  const GameStore& Store() const { return store_; }
  const QTimer& StartupTimer() const { return timer1_; }

  // The start-up sequence; the constructor runs it.
  void FormCreate();
  // The end of start-up, 250 ms later: the music, the start-up cue, and the
  // machine starts taking input.
  void Timer1Timer();
  // The music poll, every 100 ms, and the player's report that a tune stopped.
  void Timer4Timer();
  void MediaPlayer1Notify(TuneEnd end);
  GameSound& Sound() { return sound_; }
  // Lays the machine out for a layout width (see FitLayoutWidth).
  void LayoutForScreen(int32_t layoutWidth);

  // Lamp animations between spins.
  void Timer2Timer();  // the right-hand buttons: idle chase, or Spin blinking
  void Timer3Timer();  // title panel and name plate after a win
  void Timer5Timer();  // the coin spot
  void Timer7Timer();  // hold buttons while holds may be placed
  void Timer8Timer();  // lamps of the lines that won

  // A press anywhere on the machine (machine pixels; any button), and keys.
  void FormMouseDown(Qt::MouseButton button, QPoint position);
  void FormKeyDown(int key);
  // Whether a machine pixel lies on the pull lever (its knob, rod or hub).
  bool OnLever(QPoint position) const;

  // Menu commands.
  void NewGame1Click();
  void OpenGame1Click();
  void SaveGame1Click();
  void LastPlays1Click();
  void Exit1Click();
  void Sound1Click();
  void Music1Click();
  void Borrow1Click();
  void Stats1Click();
  void Payoffs1Click();
  void Version1Click();
  void ManualItemClick();
  void CompayInformation1Click();
  // Shows a topic of the manual by its help context (0: the contents).
  void ShowHelp(int context);
  // The web link and the logo: the manual's company topic in the web browser.
  void OpenCompanyPage();
  HelpWindow* Help() const { return help_; }
  // Whether a menu command may act now, and its menu item with it.
  bool MayRun(Command command) const;
  QAction* CommandAction(Command command) const { return commands_.at(command); }
  // The last plays of the game, newest last, as the Last Plays window shows them.
  const PlayHistory& Plays() const { return plays_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetIdentityAndCaption();
  void LoadPictures();
  ScreenRoom Room() const;
  void SizeWindow(const WindowPlan& plan);
  void RestoreCurrentGame();
  void OnViewResized(QSize size);
  // Checks the window against its screen once it is shown and framed.
  void ReviewFit();
  // The Sound and Music switches, as remembered from the last run.
  void RestoreSwitches();
  void RememberSwitches() const;
  void OnFirstFrame();
  void HelpFor(QWidget* focused);
  QString ManualFile() const;
  void UpdateCommands();
  SideEnvironment SideEnv();
  // The name of the game opened, when one was.
  std::optional<QString> OpenSlots(int mode);
  // Opens the bonus round and waits in it, handling events, until it closes.
  int32_t RunBonusRound();
  void PressHoldButton(int reel);
  void PullLever();
  void AdvanceLever();
  // Stores the live game as the current game; a failure is shown when asked.
  bool StoreCurrentGame(bool reportFailure = true);
  // The store after a settled spin or a new game; a failure is shown once a run.
  void AutoSave();
  // The plays file beside the store: read at start-up, a damaged one set aside.
  void LoadPlayHistory();
  // At the first pump of a spin, while its reels run and nothing of it is counted.
  void NotePlayOpening();
  // Adds the spin that has just settled to the plays.
  void RecordPlay();
  // Writes the plays file when the plays changed; false when it was refused.
  bool StorePlayHistory();
  // Says once a run that the plays file was refused.
  void ReportPlaysRefused();
  void BuildMainMenu();
  void StartLampTimers();
  // Runs one engine action from input, then any close asked for meanwhile.
  template <typename Action>
  void RunAction(Action action);

  WindowEnvironment env_;
  GameState state_;
  std::unique_ptr<AudioDevice> audio_;
  GameSound sound_;
  GameRandom random_;
  Artwork artwork_;
  MachineRenderer renderer_;
  GameStore store_;
  QTimer timer1_, timer2_, timer3_, timer4_, timer5_, timer7_, timer8_;
  WindowHooks hooks_;
  MachineView* view_ = nullptr;           // owned by the window
  std::map<Command, QAction*> commands_;  // menu items, owned by the menu bar
  QPointer<HelpWindow> help_;             // owned by the window it was opened over
  QAction* sound1_ = nullptr;
  QAction* music1_ = nullptr;
  QAction* manualItem_ = nullptr;
  bool maximise_ = false;
  bool closePending_ = false;  // a close asked for during a spin, done when it ends
  bool autoSaveFailed_ = false;
  bool fitReviewPending_ = false;
  bool relayoutPending_ = false;  // the view changed size during a spin
  int64_t leverPulledAt_ = -1;    // game clock of the last pull while it is drawn; -1 at rest
  PlayHistory plays_;
  std::optional<PlayOpening> playOpening_;  // of the spin running
  std::filesystem::path playsFile_;         // empty: plays are not kept on disk
  bool playsChanged_ = false;
  bool playsWriteFailed_ = false;
};

}  // namespace vexlor
