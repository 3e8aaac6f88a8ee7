#include "window/unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QMenuBar>
#include <QScreen>

#include "config/identity.h"
#include "engine/reels.h"
#include "sound/music.h"
#include "window/app_icon.h"
#include "window/layout.h"
#include "window/machine_art.h"
#include "window/machine_view.h"

namespace vexlor {
namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TForm1::TForm1(WindowEnvironment env, QWidget* parent)
    : QMainWindow(parent),
      env_(std::move(env)),
      audio_(env_.makeAudio ? env_.makeAudio() : std::make_unique<SilentAudio>()),
      sound_(state_, *audio_,
             SoundEnvironment{env_.clock, [this] { hooks_.ProcessMessages(); },
                              [this](const std::string& problem) {
                                env_.error(QString::fromStdString(ErrorBoxText(problem)));
                              }}),
      random_(env_.seed),
      renderer_(state_),
      hooks_(state_, renderer_, sound_, {&timer2_, &timer3_, &timer5_, &timer7_, &timer8_}, random_,
             env_) {
  setProperty(kHelpContextProperty, 41003);
  setPalette(QPalette(Qt::black));
  setAutoFillBackground(true);
  view_ = new MachineView(renderer_.Surface(), this);
  setCentralWidget(view_);
  renderer_.onDirty = [this](const QRect& rect) { view_->UpdateMachineRect(rect); };
  view_->onResize = [this](QSize size) { OnViewResized(size); };
  view_->onPress = [this](Qt::MouseButton button, QPoint at) { FormMouseDown(button, at); };
  view_->onKey = [this](int key) { FormKeyDown(key); };
  view_->onFirstPaint = [this] { QTimer::singleShot(0, this, &TForm1::OnFirstFrame); };
  hooks_.onGameSettled = [this] {
    RecordPlay();
    UpdateCommands();
    AutoSave();
  };
  hooks_.onPump = [this] {
    NotePlayOpening();
    UpdateCommands();  // greys what must wait while a spin runs
    AdvanceLever();
  };
  hooks_.runBonusRound = [this] { return RunBonusRound(); };

  timer1_.setSingleShot(true);
  timer1_.setInterval(250);
  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
  timer4_.setInterval(100);
  connect(&timer4_, &QTimer::timeout, this, &TForm1::Timer4Timer);
  audio_->onTuneEnd = [this](TuneEnd end) { MediaPlayer1Notify(end); };
  timer2_.setInterval(200);
  timer3_.setInterval(200);
  timer5_.setInterval(400);
  timer7_.setInterval(300);
  timer8_.setInterval(300);
  FormCreate();
  qApp->installEventFilter(this);  // F1 anywhere in the game
  timer1_.start();
  timer4_.start();
  StartLampTimers();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  // The generator was seeded from the environment's clock seed on construction.
  SetIdentityAndCaption();
  // The machine is laid out in device pixels, so it is sharp at any display scale.
  state_.ScreenWidth = DeviceScreenWidth(Room());
  state_.ScreenHeight = ToDevice(env_.screenSize, env_.devicePixelRatio).height();
  view_->SetDevicePixelRatio(env_.devicePixelRatio);
  maximise_ = env_.logicalDpi < 100;
  LoadPictures();
  state_.LineWon = {};
  state_.Spins = 0;
  state_.ReelLeft = 0;
  state_.ReelTop = 0;
  const WindowPlan plan = PlanWindow(Room(), maximise_);
  LayoutForScreen(plan.layoutWidth);
  InitReels(state_);
  for (const std::string& problem : sound_.LoadSoundImages())
    env_.error(FromStd(ErrorBoxText(problem)));
  SizeWindow(plan);
  state_.CoinsBet = 0;
  state_.LastBet = 0;
  RestoreSwitches();
  SetMusicFiles(state_);
  RestoreCurrentGame();
  renderer_.FormPaint();
}

void TForm1::SetIdentityAndCaption() {
  state_.Busy = true;
  state_.AttractLamp = 0;
  SetIdentity(state_, env_.executablePath.toStdString());
  ReadTestingConfig(state_);
  setWindowTitle(FromStd(state_.AboutName.str()));
  BuildMainMenu();  // here, so that the manual item's caption follows the identity
}

void TForm1::LoadPictures() {
  artwork_ = LoadBuiltInArtwork();
  for (const QString& problem :
       LoadReplacementPictures(artwork_, state_.AppDir, state_.AssetPrefix)) {
    env_.error(ErrorBoxText(problem.toStdString()).c_str());
  }
}

void TForm1::LayoutForScreen(int32_t layoutWidth) {
  const SymbolSheetChoice choice =
      SymbolSheetFor(layoutWidth, QString::fromStdString(state_.AssetPrefix));
  bool unscaled = layoutWidth == kDesignWidth;
  Picture sheet = artwork_.symbols;  // a size variant is used for this layout only
  if (!choice.variantFile.isEmpty()) {
    const Replacement variant = LoadReplacement(sheet, state_.AppDir, choice.variantFile);
    if (!variant.error.isEmpty()) env_.error(ErrorBoxText(variant.error.toStdString()).c_str());
    unscaled = variant.loaded;
  }
  const ReelGeometry geometry =
      ComputeReelGeometry(layoutWidth, unscaled, artwork_.blur.Size().height());
  state_.CellSize = geometry.cellSize;
  state_.ReelLeft = geometry.reelLeft;
  state_.ReelTop = geometry.reelTop;
  state_.ReelPitch = geometry.reelPitch;
  state_.BlurHeight = geometry.blurHeight;
  renderer_.SetArt(BuildMachineArt(artwork_, sheet, layoutWidth, geometry.stretchSheet));

  QFont labels(QStringLiteral("DejaVu Sans"));
  const bool small = layoutWidth < 900;
  labels.setPointSizeF((small ? 8 : 10) * GrowthFactor(layoutWidth));
  labels.setBold(!small && env_.logicalDpi < 100);
  renderer_.SetLabelFont(labels);
}

ScreenRoom TForm1::Room() const {
  return ScreenRoom{env_.screenSize, env_.availableGeometry, env_.devicePixelRatio,
                    env_.frameMargins ? env_.frameMargins(*this) : QMargins(),
                    menuBar()->sizeHint().height()};
}

void TForm1::SizeWindow(const WindowPlan& plan) {
  // The player cannot resize the window; a maximised one is fixed once the
  // window manager has maximised it.
  if (maximise_) {
    resize(plan.client);
  } else {
    setFixedSize(plan.client);
  }
  move(plan.frameTopLeft);
}

void TForm1::RestoreCurrentGame() {
  store_.today = env_.today;
  if (!env_.storeFolder.empty()) store_.file = env_.storeFolder / (state_.ExeStem + ".ini");
  RestoreLiveGame(state_, store_, kCurrentGameSlot);
  LoadPlayHistory();
}

void TForm1::ShowAsCreated() {
  if (maximise_) {
    showMaximized();
  } else {
    show();
  }
  view_->setFocus();
}

void TForm1::OnFirstFrame() {
  // Made once the machine is up, so they cost the start nothing.
  setWindowIcon(GameIcon(artwork_));
  AddLeverArt(renderer_.Art(), artwork_);
}

void TForm1::OnViewResized(QSize size) {
  // The machine must be seen whole and fill its room: when the window got
  // another size than was reckoned with (a window manager's frame, a
  // maximised window), the machine is laid out again to fit, larger or smaller.
  // A machine that no longer fits is always laid out again; one with room to
  // spare only when it can grow by more than 3 %, so that a frame a few pixels
  // off the one reckoned with costs no second layout at start-up.
  const int32_t fitting = LayoutForView(Room(), size);
  const int32_t current = renderer_.Art().layoutWidth;
  if (fitting >= current && fitting <= current + current * 3 / 100) return;
  if (state_.SpinInProgress) {
    relayoutPending_ = true;  // done when the spin has ended
    return;
  }
  relayoutPending_ = false;
  LayoutForScreen(fitting);
  renderer_.FormPaint();
}

bool TForm1::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
      if (!fitReviewPending_) {
        fitReviewPending_ = true;
        QTimer::singleShot(0, this, &TForm1::ReviewFit);
      }
      break;
    default:
      break;
  }
  return QMainWindow::event(event);
}

void TForm1::ReviewFit() {
  fitReviewPending_ = false;
  if (!isVisible()) return;
  if (maximise_) {
    // Once maximised the window keeps that size.
    if (isMaximized() && maximumSize() != size()) setFixedSize(size());
    return;
  }
  // Now that the window manager has framed the window, its real frame is known.
  const WindowPlan plan = PlanWindow(Room(), false);
  if (plan.client != size()) {
    setFixedSize(plan.client);
    move(plan.frameTopLeft);
  } else if (frameGeometry().topLeft() != plan.frameTopLeft && !frameGeometry().isEmpty() &&
             !env_.availableGeometry.contains(frameGeometry())) {
    move(plan.frameTopLeft);
  }
}

void TForm1::Timer1Timer() {
  timer1_.stop();
  // Said once, over the machine, before it takes input.
  if (store_.file.empty()) env_.error(QString::fromStdString(ErrorBoxText(kNoStoreMessage)));
  StartMusicAtStartUp(state_, sound_, FileExistsOnDisk);
  state_.Busy = false;
}

bool TForm1::StoreCurrentGame(bool reportFailure) {
  if (store_.file.empty()) return true;  // said at start-up: the game plays on unstored
  try {
    // The plays go first: once the game is stored, nothing of its save is
    // still being written. A play the store then misses is dropped at start-up.
    const bool playsStored = StorePlayHistory();
    StoreLiveGame(state_, store_, kCurrentGameSlot, kCurrentGameName);
    if (!playsStored) ReportPlaysRefused();  // reached only when the game itself is stored
    return true;
  } catch (const StoreWriteError& error) {
    if (reportFailure) env_.error(QString::fromStdString(ErrorBoxText(error.what())));
    return false;
  }
}

void TForm1::AutoSave() {
  // A close on its way stores the game itself, and refuses to close if it cannot.
  if (state_.StopRequested) return;
  if (!StoreCurrentGame(!autoSaveFailed_)) autoSaveFailed_ = true;
}

}  // namespace vexlor
