#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

#include "tests/support/temp_folder.h"
#include "tests/support/wav_file.h"
#include "tests/support/window_env.h"
#include "window/unit1.h"

namespace vexlor::testing {

// A machine window in a folder of its own, on an offscreen screen of the
// given size, with recorded boxes and the test clock.
class TestWindow {
 public:
  // Beside the executable stand the two cues the game reads at start-up.
  explicit TestWindow(QSize screen = QSize(800, 600), double dpi = 120) {
    env_ = TestEnvironment(folder_.path(), screen, record_);
    env_.logicalDpi = dpi;
    WriteWav(folder_.path() / "Vexlor0.wav", 100);
    WriteWav(folder_.path() / "Vexlor3.wav", 40);
  }
  // Files placed here before Open() are found beside the executable.
  const std::filesystem::path& Folder() const { return folder_.path(); }
  WindowEnvironment& Env() { return env_; }
  // Where the window keeps its games.
  std::filesystem::path StoreFile() const { return env_.storeFolder / "vexlorslots.ini"; }
  WindowRecord& Record() { return *record_; }

  TForm1& Open() {
    form_ = std::make_unique<TForm1>(env_);
    return *form_;
  }
  TForm1& Form() { return *form_; }
  // A machine past its start-up, laid out at 800 pixels (design units are
  // pixels), with a New Game's counters: 1000 credits, six holds.
  TForm1& OpenStarted() {
    TForm1& form = Open();
    form.LayoutForScreen(800);
    form.Timer1Timer();
    form.NewGame1Click();
    return form;
  }
  void Close() { form_.reset(); }

 private:
  TempFolder folder_;
  std::shared_ptr<WindowRecord> record_ = std::make_shared<WindowRecord>();
  WindowEnvironment env_;
  std::unique_ptr<TForm1> form_;
};

// Runs `act` on the modal window that is about to open, once it is up; with
// `thenClose` the window is closed after it.
void WhenModal(std::function<void(QWidget*)> act, bool thenClose = false);
// Whether every pixel of `area` is black.
bool AllBlack(const QImage& image, const QRect& area);
// The number of pixels that differ between two equal-sized areas of two pictures.
int DifferentPixels(const QImage& a, const QImage& b, const QRect& area, QPoint offsetInB = {});
// Writes `image` as a JPEG file.
void WriteJpegFile(const QImage& image, const std::filesystem::path& path);

}  // namespace vexlor::testing
