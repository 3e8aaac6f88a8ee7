#include "window/unit1.h"

#include <QCloseEvent>
#include <QFont>
#include <QMenuBar>
#include <QScreen>

#include "config/identity.h"
#include "engine/reels.h"
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
      sound_(env_.makeSound ? env_.makeSound() : std::make_unique<SilentSound>()),
      random_(env_.seed),
      renderer_(state_),
      hooks_(state_, renderer_, *sound_, {&timer2_, &timer3_, &timer5_, &timer7_, &timer8_},
             random_, env_) {
  setPalette(QPalette(Qt::black));
  setAutoFillBackground(true);
  view_ = new MachineView(renderer_.Surface(), this);
  setCentralWidget(view_);
  renderer_.onDirty = [this](const QRect& rect) { view_->UpdateMachineRect(rect); };
  view_->onResize = [this](QSize size) { OnViewResized(size); };
  view_->onPress = [this](Qt::MouseButton button, QPoint at) { FormMouseDown(button, at); };
  view_->onKey = [this](int key) { FormKeyDown(key); };
  hooks_.onGameSettled = [this] { AutoSave(); };

  timer1_.setSingleShot(true);
  timer1_.setInterval(250);
  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
  timer2_.setInterval(200);
  timer3_.setInterval(200);
  timer5_.setInterval(400);
  timer7_.setInterval(300);
  timer8_.setInterval(300);
  FormCreate();
  timer1_.start();
  StartLampTimers();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  // The generator was seeded from the environment's clock seed on construction.
  SetIdentityAndCaption();
  state_.ScreenWidth = env_.screenSize.width();
  state_.ScreenHeight = env_.screenSize.height();
  LoadPictures();
  state_.LineWon = {};
  state_.Spins = 0;
  state_.ReelLeft = 0;
  state_.ReelTop = 0;
  LayoutForScreen(FitLayoutWidth(state_.ScreenWidth, ClientSpace()));
  InitReels(state_);
  for (const std::string& problem : sound_->LoadSoundImages(state_))
    env_.error(FromStd(problem));
  SizeWindow();
  state_.CoinsBet = 0;
  state_.LastBet = 0;
  state_.MusicOn = true;
  state_.SoundOn = true;
  for (int n = 0; n < 5; ++n) {
    state_.MusicFiles[n] = state_.AppDir + state_.AssetPrefix + std::to_string(n) + ".mid";
  }
  RestoreCurrentGame();
  maximise_ = env_.logicalDpi < 100;
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
  QImage sheet = artwork_.symbols;  // a size variant is used for this layout only
  if (!choice.variantFile.isEmpty()) {
    const Replacement variant = LoadReplacement(sheet, state_.AppDir, choice.variantFile);
    if (!variant.error.isEmpty()) env_.error(ErrorBoxText(variant.error.toStdString()).c_str());
    unscaled = variant.loaded;
  }
  const ReelGeometry geometry = ComputeReelGeometry(layoutWidth, unscaled, artwork_.blur.height());
  state_.CellSize = geometry.cellSize;
  state_.ReelLeft = geometry.reelLeft;
  state_.ReelTop = geometry.reelTop;
  state_.ReelPitch = geometry.reelPitch;
  state_.BlurHeight = geometry.blurHeight;
  renderer_.SetArt(BuildMachineArt(artwork_, sheet, layoutWidth, geometry.stretchSheet));

  QFont labels(QStringLiteral("DejaVu Sans"));
  const bool small = layoutWidth < 900;
  labels.setPointSize(small ? 8 : 10);
  labels.setBold(!small && env_.logicalDpi < 100);
  renderer_.SetLabelFont(labels);
}

QSize TForm1::ClientSpace() const {
  QSize outer(state_.ScreenWidth - 10, state_.ScreenHeight - 10);
  if (env_.logicalDpi < 100) outer = env_.availableSize;
  outer = outer.boundedTo(env_.availableSize);
  return QSize(outer.width(), outer.height() - menuBar()->sizeHint().height());
}

void TForm1::SizeWindow() {
  resize(state_.ScreenWidth - 10, state_.ScreenHeight - 10);
  move(0, 0);
}

void TForm1::RestoreCurrentGame() {
  store_.today = env_.today;
  if (!env_.storeFolder.empty()) store_.file = env_.storeFolder / (state_.ExeStem + ".ini");
  RestoreLiveGame(state_, store_, kCurrentGameSlot);
}

void TForm1::ShowAsCreated() {
  const QSize outer = frameGeometry().size();
  move((state_.ScreenWidth - outer.width()) / 2, (state_.ScreenHeight - outer.height()) / 2);
  if (maximise_) {
    showMaximized();
  } else {
    show();
  }
  view_->setFocus();
}

void TForm1::OnViewResized(QSize size) {
  // The machine must be seen whole: when the window got less room than was
  // reckoned with at start-up, the machine is laid out again to fit.
  const int32_t fitting = FitLayoutWidth(state_.ScreenWidth, size);
  if (fitting >= renderer_.Art().layoutWidth || state_.SpinInProgress) return;
  LayoutForScreen(fitting);
  renderer_.FormPaint();
}

void TForm1::Timer1Timer() {
  timer1_.stop();
  // Said once, over the machine, before it takes input.
  if (store_.file.empty()) env_.error(QString::fromStdString(ErrorBoxText(kNoStoreMessage)));
  sound_->Play(Cue::Start);
  state_.Busy = false;
}

bool TForm1::StoreCurrentGame(bool reportFailure) {
  if (store_.file.empty()) return true;  // said at start-up: the game plays on unstored
  try {
    StoreLiveGame(state_, store_, kCurrentGameSlot, kCurrentGameName);
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
