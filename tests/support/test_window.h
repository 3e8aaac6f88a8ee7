// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QImage>
#include <QSize>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

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
  // Steps the test clock until the machine is idle: no play in progress and
  // nothing waiting on the clock. A machine that never gets there fails the test.
  void Drive();
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
  // A key or a press (machine pixels) on the machine, played out to the end.
  void Key(int key) {
    form_->FormKeyDown(key);
    Drive();
  }
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton);

 private:
  TempFolder folder_;
  std::shared_ptr<WindowRecord> record_ = std::make_shared<WindowRecord>();
  WindowEnvironment env_;
  std::unique_ptr<TForm1> form_;
};

// The modal window in front, as a T; throws (failing the test) when there is
// none, or it is another window.
template <typename T>
T& Modal() {
  T* window = qobject_cast<T*>(QApplication::activeModalWidget());
  if (window == nullptr) {
    throw std::runtime_error(std::string("no modal ") + T::staticMetaObject.className() +
                             " is open");
  }
  return *window;
}
// Closes the modal window in front as Cancel would, and lets it go.
void CloseModal();
// Whether every pixel of `area` is black.
bool AllBlack(const QImage& image, const QRect& area);
// The number of pixels that differ between two equal-sized areas of two pictures.
int DifferentPixels(const QImage& a, const QImage& b, const QRect& area, QPoint offsetInB = {});
// Writes `image` as a JPEG file.
void WriteJpegFile(const QImage& image, const std::filesystem::path& path);

}  // namespace vexlor::testing
