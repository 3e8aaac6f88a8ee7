// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

#include "config/identity.h"
#include "dialogs/game_style.h"
#include "engine/reels.h"
#include "savegame/store.h"
#include "sound/music.h"
#include "window/app_icon.h"
#include "window/front_window.h"
#include "window/machine_art.h"
#include "window/machine_view.h"

namespace vexlor {
namespace {

QString ErrorText(const std::string& message) {
  return QString::fromStdString(ErrorBoxText(message));
}

}  // namespace

TForm1::TForm1(WindowEnvironment env, QWidget* parent)
    : QMainWindow(parent),
      env_(std::move(env)),
      audio_(env_.makeAudio),
      sound_(state_, audio_,
             [this](const std::string& problem) { env_.error(ErrorText(problem)); }),
      random_(env_.seed),
      renderer_(state_),
      clock_(env_),
      lamps_(state_, renderer_, random_),
      hooks_(renderer_, sound_, clock_, lamps_, random_),
      runner_(state_),
      keeper_(state_, env_),
      view_(new MachineView(renderer_.Surface(), this)),
      fitter_(*this, *view_, state_, artwork_, renderer_, runner_, env_),
      lever_(renderer_, artwork_, env_),
      input_(state_, hooks_, runner_, renderer_, lever_),
      switches_(state_, sound_, audio_, env_.settingsFile),
      side_(*this, state_, keeper_, sound_, artwork_, renderer_, random_, env_),
      focus_(*view_),
      parts_(*view_, state_, runner_, renderer_, input_, keeper_.Plays(), env_.locale) {
  ApplyGameStyle();  // the cabinet's look for every window beside the machine
  setProperty(kHelpContextProperty, kMachineTopic);
  setPalette(QPalette(Qt::black));
  setAutoFillBackground(true);
  setCentralWidget(view_);
  renderer_.onDirty = [this](const QRect& rect) { view_->UpdateMachineRect(rect); };
  view_->onResize = [this](QSize size) { fitter_.ViewResized(size); };
  view_->onPress = [this](Qt::MouseButton button, QPoint at) { FormMouseDown(button, at); };
  view_->onKey = [this](int key) { FormKeyDown(key); };
  view_->tipAt = [this](QPoint at) { return input_.ToolTipAt(at); };
  view_->onFirstPaint = [this] { QTimer::singleShot(0, this, &TForm1::OnFirstFrame); };
  hooks_.onReelsStarted = [this] {
    keeper_.ReelsStarted();
    parts_.ReelsStarted();
    if (!state_.StopRequested) lever_.Swing();
  };
  hooks_.onGameSettled = [this] { keeper_.GameSettled(); };
  hooks_.showMessage = [this](std::string_view text) {
    env_.information(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  };
  hooks_.openBonusRound = [this](Reply<int32_t> prize) { side_.OpenBonusRound(std::move(prize)); };
  runner_.onChange = [this] {
    menu_.Update(runner_.InProgress());
    parts_.Update();
  };
  side_.onGameChanged = [this] { parts_.Update(); };
  input_.openCompanyPage = [this] { OpenCompanyPage(); };

  timer1_.setSingleShot(true);
  timer1_.setInterval(250);
  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
  FormCreate();
  parts_.Update();  // the first look, before the machine takes input
  timer1_.start();
  lamps_.Start();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  // The generator was seeded from the environment's clock seed on construction.
  state_.Busy = true;
  state_.AttractLamp = 0;
  SetIdentity(state_, env_.executablePath.toStdString());
  std::string testingProblem;
  ReadTestingConfig(state_, &testingProblem);
  if (!testingProblem.empty()) env_.error(ErrorText(testingProblem));
  setWindowTitle(QString::fromStdString(state_.AboutName.str()));
  menu_.Build(*menuBar(), *this, state_);  // the manual item's caption follows the identity
  artwork_ = LoadBuiltInArtwork();
  for (const QString& problem :
       LoadReplacementPictures(artwork_, state_.AppDir, state_.AssetPrefix)) {
    env_.error(ErrorText(problem.toStdString()));
  }
  state_.LineWon = {};
  state_.Spins = 0;
  state_.ReelLeft = 0;
  state_.ReelTop = 0;
  fitter_.Fit();
  InitReels(state_);
  for (const std::string& problem : sound_.LoadSoundImages())
    env_.error(ErrorText(problem));
  state_.CoinsBet = 0;
  state_.LastBet = 0;
  switches_.Restore(menu_.Action(Command::Sound), menu_.Action(Command::Music));
  SetMusicFiles(state_);
  keeper_.Restore();
  renderer_.FormPaint();
}

void TForm1::Timer1Timer() {
  timer1_.stop();
  // Said once, over the machine, before it takes input.
  if (keeper_.Store().file.empty()) env_.error(ErrorText(std::string(kNoStoreMessage)));
  switches_.StartUp();
  state_.Busy = false;
  parts_.Update();
}

void TForm1::OnFirstFrame() {
  // Made once the machine is up, so they cost the start nothing; with sound and
  // music off, the audio device waits until something is to be heard.
  if (state_.SoundOn || state_.MusicOn) audio_.Open();
  setWindowIcon(GameIcon(artwork_));
  AddLeverArt(renderer_.Art(), artwork_);
  ReleaseBuiltInPictures();
}

bool TForm1::MayRun(Command command) const {
  return !runner_.InProgress() || RunsDuringSpin(command);
}

void TForm1::NewGame1Click() {
  if (!MayRun(Command::NewGame)) return;
  keeper_.NewGame();
  StartNewGame(state_, hooks_);
  parts_.Update();
}

void TForm1::OpenGame1Click() {
  if (MayRun(Command::OpenGame)) side_.OpenGame1Click();
}

void TForm1::SaveGame1Click() {
  if (MayRun(Command::SaveGame)) side_.SaveGame1Click();
}

void TForm1::Borrow1Click() {
  if (MayRun(Command::Borrow)) side_.Borrow1Click();
}

void TForm1::Exit1Click() {
  close();
}

void TForm1::EndPlay() {
  // Whatever is open closes as Cancel would, and a spin that runs settles at
  // once: its evaluation and payout counted without animation, cues or waits.
  state_.StopRequested = true;
  side_.CloseAll();
  for (int guard = 0; runner_.InProgress() && guard < 100; ++guard)
    clock_.ResumeAllNow();
}

void TForm1::EndBySignal() {
  EndPlay();
  // Nothing waits for a person now: a game the store refuses goes to a rescue file.
  int status = 0;
  if (!keeper_.StoreCurrentGame(false))
    status = keeper_.Rescue() ? kRescuedStatus : kUnstoredStatus;
  hide();
  emit Closed(status);
}

void TForm1::BringToFront() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  QWidget* front = QApplication::activeModalWidget();
  BringWindowToFront(front != nullptr ? *front : *this);
}

void TForm1::closeEvent(QCloseEvent* event) {
  EndPlay();
  if (keeper_.StoreCurrentGame()) {
    event->accept();
    emit Closed(0);
  } else {
    // The game could not be stored: the window stays open and play goes on.
    state_.StopRequested = false;
    event->ignore();
  }
}

bool TForm1::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      fitter_.WindowChanged();
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}

}  // namespace vexlor
