// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart, F1 help with its contexts and the links to the manual,
// through the real machine window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <fstream>

#include "dialogs/borrow.h"
#include "dialogs/help_window.h"
#include "dialogs/payoffs.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "tests/support/test_window.h"

namespace vexlor {
namespace {

using testing::CloseModal;
using testing::Modal;
using testing::TestWindow;

void PressF1(QWidget* at) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(at, &press);
}

// The help context shown after F1 at `at`, or -1 when no help came up.
int ContextAfterF1(TForm1& form, QWidget* at) {
  PressF1(at);
  return form.Help() == nullptr || !form.Help()->isVisible() ? -1 : form.Help()->Context();
}

// A manual whose contents link to topics that lie pages below them.
void WriteManual(const std::filesystem::path& file) {
  std::ofstream out(file);
  out << "<h1><a name=\"contents\">Contents</a></h1><p><a href=\"#41009\">Company information</a>";
  for (const char* topic : {"41003", "41009"}) {
    for (int i = 0; i < 80; ++i)
      out << "<p>More of the topic before.</p>";
    out << "<h2><a name=\"" << topic << "\">Topic " << topic << "</a></h2>";
  }
}

// A click on the link `text` of the page in the help window.
void ClickLink(QTextBrowser& browser, const QString& text) {
  QTextCursor link = browser.document()->find(text);
  ASSERT_FALSE(link.isNull()) << "no link " << qPrintable(text);
  link.setPosition(link.selectionStart() + 2);
  QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(link).center());
}

// The text typed into the help window's search field and Enter pressed.
void Search(HelpWindow& help, const QString& text) {
  help.SearchField()->clear();
  QTest::keyClicks(help.SearchField(), text);
  QTest::keyClick(help.SearchField(), Qt::Key_Return);
}

class Help : public ::testing::Test {
 protected:
  void SetUp() override { form_ = &window_.OpenStarted(); }
  TestWindow window_;
  TForm1* form_ = nullptr;
};

TEST_F(Help, PayoffChartIsTheBuiltInPictureInAWindowItsSize) {
  form_->Payoffs1Click();
  TPaychart& chart = Modal<TPaychart>();
  const QSize client = chart.size();
  const QString caption = chart.windowTitle();
  const Qt::WindowFlags flags = chart.windowFlags();
  const QString words = chart.accessibleDescription();
  EXPECT_EQ(ContextAfterF1(*form_, &chart), 41010);
  CloseModal();
  EXPECT_EQ(client, QSize(615, 600));
  EXPECT_EQ(caption, QStringLiteral("Payoff Chart"));
  // What the picture shows, in words for a screen reader.
  for (const char* said : {"pays: WILD 2,500, Diamond 50,", "Cherries 5.", "hold up to 2 reels",
                           "12 bonus points open the bonus round", "for 1 to 250 credits."})
    EXPECT_TRUE(words.contains(QLatin1String(said))) << said << "\n" << words.toStdString();
  // A fixed border whose only title-bar button is the close box.
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
  EXPECT_TRUE(window_.Record().errors.isEmpty());
  // A screen with less room than the chart shows all of it, smaller.
  TPaychart small(form_->State().AppDir, SideEnvironment{}, 1, QSize(600, 500));
  EXPECT_EQ(small.size(), QSize(512, 500));
}

TEST_F(Help, AReplacementChartSizesTheWindowAndABrokenOneKeepsTheBuiltIn) {
  QImage wide(800, 600, QImage::Format_RGB32);
  wide.fill(QColor(20, 160, 40));
  testing::WriteJpegFile(wide, window_.Folder() / "Paychart.jpg");
  form_->Payoffs1Click();
  const QImage shown = Modal<TPaychart>().grab().toImage();
  CloseModal();
  ASSERT_EQ(shown.size(), QSize(800, 600));
  const QColor middle = shown.pixelColor(400, 300);
  EXPECT_NEAR(middle.green(), 160, 8);
  EXPECT_NEAR(middle.red(), 20, 8);

  QFile broken(QString::fromStdString((window_.Folder() / "Paychart.jpg").string()));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("\xff\xd8\xff\xe0 not a picture after all");
  broken.close();
  form_->Payoffs1Click();
  EXPECT_EQ(Modal<TPaychart>().size(), QSize(615, 600));
  CloseModal();
  ASSERT_EQ(window_.Record().errors.size(), 1);
  EXPECT_TRUE(window_.Record().errors[0].endsWith('.'));
}

TEST_F(Help, F1ShowsTheContextOfTheFocusedControlOrItsWindow) {
  EXPECT_EQ(ContextAfterF1(*form_, form_), 41003);
  form_->Help()->close();
  form_->Borrow1Click();
  TBorrowC& borrow = Modal<TBorrowC>();
  EXPECT_EQ(ContextAfterF1(*form_, &borrow), 41003);
  EXPECT_EQ(ContextAfterF1(*form_, borrow.Chip(2)), 41005);
  EXPECT_EQ(ContextAfterF1(*form_, borrow.PayBackButton()), 41005);
  CloseModal();

  form_->OpenGame1Click();
  TLoadSave& slotWindow = Modal<TLoadSave>();
  EXPECT_EQ(ContextAfterF1(*form_, &slotWindow), 41008);
  EXPECT_EQ(ContextAfterF1(*form_, slotWindow.NameBox(5)), 41008);
  CloseModal();
}

TEST_F(Help, HelpOverAModalWindowCanBeUsedAndStatisticsHaveNone) {
  form_->SaveGame1Click();
  TLoadSave& slotWindow = Modal<TLoadSave>();
  // The slot dialog's Help button: the topic opens in a window the dialog does not block.
  for (QPushButton* button : slotWindow.findChildren<QPushButton*>()) {
    if (button->text() == QStringLiteral("&Help")) button->click();
  }
  ASSERT_NE(form_->Help(), nullptr);
  EXPECT_EQ(form_->Help()->Context(), 41008);
  EXPECT_TRUE(form_->Help()->isVisible() && form_->Help()->window()->parentWidget() == &slotWindow);
  CloseModal();

  form_->Stats1Click();
  EXPECT_EQ(ContextAfterF1(*form_, &Modal<TStatsForm>()), -1);
  CloseModal();
}

TEST_F(Help, TheManualItemsShowTheirTopicsAndAMissingManualIsSaid) {
  form_->CompayInformation1Click();
  ASSERT_NE(form_->Help(), nullptr);
  EXPECT_EQ(form_->Help()->Context(), 41009);
  // No manual stands beside the test executable.
  EXPECT_TRUE(form_->Help()->Browser()->toPlainText().contains("The manual is missing"));
  form_->ManualItemClick();
  EXPECT_EQ(form_->Help()->Context(), 0);
}

TEST_F(Help, TheWebLinkAndTheLogoOpenTheCompanyTopicInTheBrowserOrElseInTheHelpWindow) {
  // No manual stands beside the test executable: the help window says so.
  form_->OpenCompanyPage();
  ASSERT_NE(form_->Help(), nullptr);
  EXPECT_EQ(form_->Help()->Context(), 41009);
  EXPECT_TRUE(form_->Help()->Browser()->toPlainText().contains("The manual is missing"));
  EXPECT_TRUE(window_.Record().openedUrls.isEmpty());
  form_->Help()->close();

  WriteManual(window_.Folder() / "vexlorslots.html");
  form_->OpenCompanyPage();
  form_->FormMouseDown(Qt::LeftButton, QPoint(10 + 125, 10 + 95));  // the logo's far corner
  form_->FormMouseDown(Qt::LeftButton, QPoint(10 + 126, 10 + 40));  // just past it
  auto& urls = window_.Record().openedUrls;
  ASSERT_EQ(urls.size(), 2);
  EXPECT_EQ(urls[0], urls[1]);
  EXPECT_TRUE(urls[0].isLocalFile());
  EXPECT_TRUE(urls[0].path().endsWith(QStringLiteral("/vexlorslots.html")));
  EXPECT_EQ(urls[0].fragment(), QStringLiteral("41009"));
  EXPECT_FALSE(form_->Help()->isVisible());

  window_.Record().browserOpens = false;
  form_->OpenCompanyPage();
  EXPECT_TRUE(form_->Help()->isVisible());
  EXPECT_EQ(form_->Help()->Browser()->source().fragment(), QStringLiteral("41009"));
  EXPECT_TRUE(window_.Record().errors.isEmpty());
}

TEST_F(Help, InGermanTheHelpAndTheCompanyPageOpenTheGermanManualWhenItIsThere) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  WriteManual(window_.Folder() / "vexlorslots.html");
  form_->OpenCompanyPage();
  WriteManual(window_.Folder() / "vexlorslots.de.html");
  form_->OpenCompanyPage();
  form_->ManualItemClick();
  QLocale::setDefault(before);
  const auto& urls = window_.Record().openedUrls;
  ASSERT_EQ(urls.size(), 2);
  EXPECT_TRUE(urls[0].path().endsWith(QStringLiteral("/vexlorslots.html")));
  EXPECT_TRUE(urls[1].path().endsWith(QStringLiteral("/vexlorslots.de.html")));
  EXPECT_TRUE(
      form_->Help()->Browser()->source().path().endsWith(QStringLiteral("/vexlorslots.de.html")));
}

TEST_F(Help, BackThenForwardReturnsToTheTopicAFollowedLinkLeft) {
  WriteManual(window_.Folder() / "vexlorslots.html");
  form_->ManualItemClick();
  HelpWindow& help = *form_->Help();
  QTextBrowser& browser = *help.Browser();
  // In a window the player is in, a followed link is marked as well.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  ClickLink(browser, QStringLiteral("Company information"));
  ASSERT_EQ(browser.source().fragment(), QStringLiteral("41009"));
  const int topic = browser.verticalScrollBar()->value();
  ASSERT_GT(topic, 0);
  browser.backward();
  EXPECT_EQ(browser.source().fragment(), QStringLiteral("contents"));
  EXPECT_LT(browser.verticalScrollBar()->value(), topic);
  browser.forward();
  EXPECT_EQ(browser.source().fragment(), QStringLiteral("41009"));
  EXPECT_EQ(browser.verticalScrollBar()->value(), topic);
}

TEST_F(Help, ASearchSaysNoMatchUntilItsTextChangesOrIsFound) {
  WriteManual(window_.Folder() / "vexlorslots.html");
  form_->ManualItemClick();
  HelpWindow& help = *form_->Help();
  const int top = help.Browser()->verticalScrollBar()->value();
  Search(help, QStringLiteral("jackpot"));
  EXPECT_EQ(help.SearchNote(), QStringLiteral("No match"));
  EXPECT_EQ(help.Browser()->verticalScrollBar()->value(), top);
  QTest::keyClick(help.SearchField(), Qt::Key_Backspace);
  EXPECT_EQ(help.SearchNote(), QString());
  Search(help, QStringLiteral("Topic 41009"));
  EXPECT_EQ(help.SearchNote(), QString());
  EXPECT_EQ(help.Browser()->textCursor().selectedText(), QStringLiteral("Topic 41009"));
  EXPECT_GT(help.Browser()->verticalScrollBar()->value(), top);
}

TEST(ManualPictures, TheTwinAtTwiceTheSizeIsTakenOnADenseScreenOnly) {
  testing::TempFolder folder;
  const QString picture = QString::fromStdString((folder.path() / "shot.png").string());
  QImage(10, 8, QImage::Format_RGB32).save(picture);
  EXPECT_EQ(ManualPicture(picture, 2).size(), QSize(10, 8));  // no twin yet
  QImage(20, 16, QImage::Format_RGB32).save(picture.chopped(4) + QStringLiteral("@2x.png"));
  EXPECT_EQ(ManualPicture(picture, 1).size(), QSize(10, 8));
  const QImage dense = ManualPicture(picture, 2);
  EXPECT_EQ(dense.size(), QSize(20, 16));
  EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(10, 8));
  EXPECT_FALSE(ManualPicture(picture + QStringLiteral(".gone"), 2).isNull());
}

}  // namespace
}  // namespace vexlor
