// SPDX-License-Identifier: GPL-3.0-or-later
// The machine window on screens of every size and scale: fitted whole, laid
// out in device pixels, grown on large layouts, and the lever and hold keys.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "tests/support/test_window.h"
#include "window/layout.h"
#include "window/machine_view.h"
#include "window/window_fit.h"

namespace vexlor {
namespace {

using testing::DifferentPixels;
using testing::TestWindow;

const std::vector<QSize> kScreens = {
    QSize(640, 480),  QSize(800, 600),   QSize(1024, 768),  QSize(1280, 1024), QSize(1366, 768),
    QSize(1440, 900), QSize(1600, 1200), QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)};

// The machine's height at a layout width.
int MachineHeight(int32_t layoutWidth) {
  return ScaleBy(layoutWidth, kDesignHeight);
}

TEST(WindowFit, TheFramedWindowAndTheWholeMachineLieInsideTheAvailableArea) {
  for (const double ratio : {1.0, 1.25, 2.0}) {
    for (const QSize device : kScreens) {
      for (const bool maximised : {false, true}) {
        SCOPED_TRACE(QStringLiteral("%1x%2 at %3%4")
                         .arg(device.width())
                         .arg(device.height())
                         .arg(ratio)
                         .arg(maximised ? " maximised" : "")
                         .toStdString());
        ScreenRoom room;
        room.screen = QSize(static_cast<int>(device.width() / ratio),
                            static_cast<int>(device.height() / ratio));
        // A panel along the top and one along the bottom, a title bar and borders.
        room.available = QRect(0, 28, room.screen.width(), room.screen.height() - 28 - 40);
        room.devicePixelRatio = ratio;
        room.frame = QMargins(2, 24, 2, 4);
        room.menuBar = 22;
        const WindowPlan plan = PlanWindow(room, maximised);
        const QRect outer(plan.frameTopLeft, plan.client.grownBy(room.frame));
        EXPECT_TRUE(room.available.contains(outer));
        EXPECT_LE(plan.layoutWidth, plan.view.width());
        EXPECT_LE(MachineHeight(plan.layoutWidth), plan.view.height());
        // ... and nothing larger would have fitted.
        EXPECT_TRUE(plan.layoutWidth + 1 > plan.view.width() ||
                    MachineHeight(plan.layoutWidth + 1) > plan.view.height() ||
                    plan.layoutWidth == DeviceScreenWidth(room));
      }
    }
  }
}

TEST(WindowFit, TheWindowCannotBeResizedAndAShrunkViewGrowsBackToo) {
  TestWindow window(QSize(1024, 768));
  TForm1& form = window.Open();
  form.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.minimumSize(), form.maximumSize());  // fixed, as the frame says
  const int32_t planned = form.Renderer().Art().layoutWidth;
  const QSize room = form.View()->size();
  // A window manager that gives less room: the machine is laid out smaller...
  form.View()->setFixedSize(QSize(600, 450));
  QCoreApplication::processEvents();
  EXPECT_LT(form.Renderer().Art().layoutWidth, planned);
  // ... and when the room comes back, as large as before.
  form.View()->setFixedSize(room);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.Renderer().Art().layoutWidth, planned);
}

TEST(DevicePixels, AtRatioTwoTheSurfaceHasTwiceTheLogicalSizeAndPressesLandOnTheirButtons) {
  TestWindow window(QSize(960, 720));
  window.Env().devicePixelRatio = 2;
  TForm1& form = window.Open();
  form.show();
  QCoreApplication::processEvents();
  form.Timer1Timer();
  form.NewGame1Click();
  EXPECT_EQ(form.State().ScreenWidth, 1920);
  const QSize view = form.View()->size();
  const QSize surface = form.Surface().size();
  // The machine fills its view in one direction, at two device pixels per logical one.
  EXPECT_TRUE(surface.width() >= 2 * view.width() - 2 || surface.height() >= 2 * view.height() - 2);
  EXPECT_LE(surface.width(), 2 * view.width());
  EXPECT_LE(surface.height(), 2 * view.height());
  // Bet One's middle, in machine pixels, pressed at its logical place.
  const QRect betOne = Scaled(form.Renderer().Art().layoutWidth, design::kButtons[0]);
  QTest::mousePress(form.View(), Qt::LeftButton, {}, form.View()->ToView(betOne.center()));
  EXPECT_EQ(form.State().CoinsBet, 1);
}

TEST(DevicePixels, TheScreensOwnRatioReachesTheLayout) {
  // Run once as it is and once with QT_SCALE_FACTOR=2 (a test of its own).
  const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  if (qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2")) {
    ASSERT_EQ(ratio, 2.0);
  }
  TestWindow window(QGuiApplication::primaryScreen()->size());
  window.Env().devicePixelRatio = ratio;
  TForm1& form = window.Open();
  form.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.View()->devicePixelRatioF(), ratio);
  EXPECT_EQ(form.State().ScreenWidth,
            static_cast<int>(QGuiApplication::primaryScreen()->size().width() * ratio));
  EXPECT_GT(form.Surface().width(), form.View()->width() * ratio * 0.9);
}

TEST(LargeLayouts, UpTo1600TheFixedPartsKeepTheirSizeAndBeyondTheyGrow) {
  TestWindow window;
  TForm1& form = window.Open();
  for (const int32_t width : {800, 1024, 1600}) {
    form.LayoutForScreen(width);
    const MachineArt& art = form.Renderer().Art();
    EXPECT_EQ(art.digits.cell, width < 1000 ? QSize(16, 21) : QSize(32, 42));
    EXPECT_EQ(art.logo.size(), QSize(125, 95));
    EXPECT_EQ(art.meterFrame, QSize(78, 59));
  }
  form.LayoutForScreen(3200);
  const MachineArt& art = form.Renderer().Art();
  EXPECT_EQ(art.digits.cell, QSize(64, 84));
  EXPECT_EQ(art.digits.green.size(), QSize(640, 84));
  EXPECT_EQ(art.logo.size(), QSize(250, 190));
  EXPECT_EQ(art.meterFrame, QSize(156, 118));
  // A digit drawn at 3200 is as sharp as drawn: its cell holds a full range of light.
  form.State().Credits = 8;
  form.Renderer().FormPaint();
  const QImage eight = form.Surface().copy(ScaleBy(3200, design::kCreditsCounter.x) - 64,
                                           ScaleBy(3200, design::kCounterTop), 64, 84);
  int brightest = 0;
  for (int y = 0; y < eight.height(); ++y) {
    for (int x = 0; x < eight.width(); ++x)
      brightest = std::max(brightest, qGreen(eight.pixel(x, y)));
  }
  EXPECT_GT(brightest, 200);
}

TEST(LargeLayouts, AReplacedBackgroundGetsNoLedWindowsAndItsLeverStillSpinsWithoutAnimation) {
  TestWindow window;
  QImage plain(800, 600, QImage::Format_RGB32);
  plain.fill(QColor(40, 40, 90));
  testing::WriteJpegFile(plain, window.Folder() / "tester.jpg");
  TForm1& form = window.Open();
  form.LayoutForScreen(800);
  form.Timer1Timer();
  form.NewGame1Click();
  EXPECT_FALSE(form.Renderer().Art().ledWindows);
  // The player's background shows where the built-in machine has its LED windows.
  const QColor window0 = form.Surface().pixelColor(300, 70);
  EXPECT_NEAR(window0.blue(), 90, 8);
  form.State().LastBet = 1;
  QTest::mousePress(form.View(), Qt::LeftButton, {}, form.View()->ToView(QPoint(754, 84)));
  EXPECT_EQ(form.State().Spins, 1);
  EXPECT_TRUE(form.Renderer().Art().leverArm.isNull());
}

}  // namespace
}  // namespace vexlor
