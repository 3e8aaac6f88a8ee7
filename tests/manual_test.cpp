// SPDX-License-Identifier: GPL-3.0-or-later
// The player's manuals, English and German, as built beside the executable: the topics the game's
// windows open by help context are there, its links and pictures lead
// somewhere, and its HTML is what the help window's browser can show.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include "odds/odds.h"
#include "odds/report.h"

#if !defined(VEXLOR_MANUAL) || !defined(VEXLOR_MANUAL_DE)
#error "VEXLOR_MANUAL and VEXLOR_MANUAL_DE must name the built manuals"
#endif

namespace {

// What the browser's document holds: anchors, links and pictures.
struct Contents {
  QSet<QString> anchors;
  QStringList links;
  QList<QTextImageFormat> images;
};

using vexlor::odds::ManualLanguage;

const char* ManualPath(ManualLanguage language) {
  return language == ManualLanguage::kGerman ? VEXLOR_MANUAL_DE : VEXLOR_MANUAL;
}

QString ManualText(ManualLanguage language) {
  QFile file(QString::fromUtf8(ManualPath(language)));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QDir ManualFolder() {
  return QFileInfo(QStringLiteral(VEXLOR_MANUAL)).absoluteDir();
}

Contents Read(const QTextDocument& document) {
  Contents contents;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames())
        contents.anchors.insert(name);
      if (format.isAnchor() && !format.anchorHref().isEmpty())
        contents.links << format.anchorHref();
      if (format.isImageFormat()) contents.images << format.toImageFormat();
    }
  }
  return contents;
}

// A link to another file beside the manual: neither a place in it nor a web address.
bool IsRelativeFile(const QString& link) {
  return !link.startsWith(QLatin1Char('#')) && QUrl(link).isRelative();
}

// The text with its comments and declarations blanked, offsets kept.
QString WithoutComments(QString text) {
  static const QRegularExpression kSkipped(QStringLiteral("<!--.*?-->|<![A-Za-z][^>]*>"),
                                           QRegularExpression::DotMatchesEverythingOption);
  for (auto it = kSkipped.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    text.replace(m.capturedStart(), m.capturedLength(), QString(m.capturedLength(), u' '));
  }
  return text;
}

int LineAt(const QString& text, qsizetype offset) {
  return static_cast<int>(text.left(offset).count(QLatin1Char('\n'))) + 1;
}

// The tags of the text in order, as (name, closing, line).
struct Tag {
  QString name;
  bool closing;
  int line;
};
QList<Tag> Tags(const QString& html) {
  static const QRegularExpression kTag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*>"));
  const QString text = WithoutComments(html);
  QList<Tag> tags;
  for (auto it = kTag.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    tags << Tag{m.captured(2).toLower(), !m.captured(1).isEmpty(), LineAt(text, m.capturedStart())};
  }
  return tags;
}

class Manual : public ::testing::TestWithParam<ManualLanguage> {
 protected:
  void SetUp() override {
    html_ = ManualText(GetParam());
    ASSERT_FALSE(html_.isEmpty()) << "no manual at " << ManualPath(GetParam());
    document_.setHtml(html_);
    contents_ = Read(document_);
  }

  QString html_;
  QTextDocument document_;
  Contents contents_;
};

TEST_P(Manual, EveryHelpContextOfTheGameHasItsTopic) {
  for (const char* name : {"contents", "41003", "41005", "41008", "41009", "41010", "41011"}) {
    EXPECT_TRUE(contents_.anchors.contains(QString::fromLatin1(name))) << "no anchor " << name;
  }
}

TEST_P(Manual, OddsTopicShowsTheFiguresCountedFromTheReels) {
  EXPECT_TRUE(contents_.anchors.contains(QStringLiteral("odds")));
  EXPECT_TRUE(contents_.links.contains(QStringLiteral("#odds"))) << "the contents miss the odds";
  EXPECT_FALSE(html_.contains(QStringLiteral("odds-and-return"))) << "the topic's marker is left";
  const qsizetype start = html_.indexOf(QStringLiteral("name=\"odds\""));
  ASSERT_GE(start, 0);
  const QString topic = html_.mid(start, html_.indexOf(QStringLiteral("<hr>"), start) - start);
  for (const vexlor::odds::CoinOdds& c : vexlor::odds::ComputeOdds().byCoins) {
    for (double figure : {c.totalRtp, c.lineRtp, c.hitFrequency}) {
      const QString shown = QString::fromStdString(vexlor::odds::Percent(figure, GetParam()));
      EXPECT_TRUE(topic.contains(shown)) << "no " << qPrintable(shown) << " for " << c.coins;
    }
  }
}

TEST_P(Manual, EveryLinkWithinTheManualFindsItsAnchor) {
  int internal = 0;
  for (const QString& link : contents_.links) {
    if (!link.startsWith(QLatin1Char('#'))) continue;
    ++internal;
    EXPECT_TRUE(contents_.anchors.contains(link.mid(1)))
        << "nowhere to go for " << qPrintable(link);
  }
  EXPECT_GT(internal, 0) << "the contents link to no topic";
}

TEST_P(Manual, EveryAnchorNameIsUsedOnce) {
  static const QRegularExpression kName(QStringLiteral("<a\\s[^>]*name=\"([^\"]*)\""),
                                        QRegularExpression::CaseInsensitiveOption);
  QSet<QString> seen;
  for (auto it = kName.globalMatch(WithoutComments(html_)); it.hasNext();) {
    const QString name = it.next().captured(1);
    EXPECT_FALSE(seen.contains(name)) << "anchor " << qPrintable(name) << " twice";
    seen.insert(name);
  }
}

TEST_P(Manual, EveryLinkToAnotherFileFindsItBesideTheManual) {
  for (const QString& link : contents_.links) {
    if (!IsRelativeFile(link)) continue;
    const QString file = QUrl(link).path();
    EXPECT_TRUE(ManualFolder().exists(file)) << "missing " << qPrintable(file);
  }
}

TEST_P(Manual, EveryPictureIsBesideTheManualAtTheSizeItIsShownAndAtTwiceThatSize) {
  ASSERT_FALSE(contents_.images.isEmpty());
  for (const QTextImageFormat& format : contents_.images) {
    const QString file = ManualFolder().filePath(format.name());
    ASSERT_TRUE(IsRelativeFile(format.name())) << qPrintable(format.name());
    const QImage image(file);
    ASSERT_FALSE(image.isNull()) << "no picture at " << qPrintable(file);
    // For dense screens: the help window takes the twin by its name, a web browser by srcset.
    const QString twin = format.name().chopped(4) + QStringLiteral("@2x.png");
    EXPECT_EQ(QImage(ManualFolder().filePath(twin)).size(), image.size() * 2) << qPrintable(twin);
    EXPECT_TRUE(
        html_.contains(QStringLiteral("src=\"%1\" srcset=\"%2 2x\"").arg(format.name(), twin)))
        << qPrintable(format.name()) << " names no twin";
    // A picture drawn at another size than its page gives it is blurred or squashed.
    if (format.width() > 0) {
      EXPECT_EQ(format.width(), image.width()) << qPrintable(file);
    }
    if (format.height() > 0) {
      EXPECT_EQ(format.height(), image.height()) << qPrintable(file);
    }
  }
}

TEST_P(Manual, EveryElementIsClosedInTheOrderItWasOpened) {
  static const QSet<QString> kEmpty = {QStringLiteral("img"), QStringLiteral("br"),
                                       QStringLiteral("hr"), QStringLiteral("meta")};
  QList<Tag> open;
  for (const Tag& tag : Tags(html_)) {
    if (kEmpty.contains(tag.name)) continue;
    if (!tag.closing) {
      open << tag;
      continue;
    }
    ASSERT_FALSE(open.isEmpty()) << "</" << qPrintable(tag.name) << "> on line " << tag.line
                                 << " closes nothing";
    ASSERT_EQ(open.last().name, tag.name)
        << "</" << qPrintable(tag.name) << "> on line " << tag.line << " closes <"
        << qPrintable(open.last().name) << "> of line " << open.last().line;
    open.removeLast();
  }
  for (const Tag& tag : open)
    ADD_FAILURE() << "<" << qPrintable(tag.name) << "> of line " << tag.line << " is never closed";
}

TEST_P(Manual, UsesOnlyElementsTheHelpBrowserShows) {
  // The HTML subset of Qt's rich text; anything else is dropped without a word.
  static const QSet<QString> kShown = {
      "a",     "b",     "big",    "blockquote", "body", "br",    "center", "cite", "code",
      "dd",    "dfn",   "div",    "dl",         "dt",   "em",    "font",   "h1",   "h2",
      "h3",    "h4",    "h5",     "h6",         "head", "hr",    "html",   "i",    "img",
      "kbd",   "li",    "meta",   "nobr",       "ol",   "p",     "pre",    "s",    "samp",
      "small", "span",  "strong", "sub",        "sup",  "table", "tbody",  "td",   "tfoot",
      "th",    "thead", "title",  "tr",         "tt",   "u",     "ul",     "var"};
  for (const Tag& tag : Tags(html_)) {
    if (tag.closing) continue;
    EXPECT_TRUE(kShown.contains(tag.name))
        << "<" << qPrintable(tag.name) << "> on line " << tag.line << " is not shown";
  }
}

INSTANTIATE_TEST_SUITE_P(EnglishAndGerman, Manual,
                         ::testing::Values(ManualLanguage::kEnglish, ManualLanguage::kGerman),
                         [](const auto& test) {
                           return test.param == ManualLanguage::kGerman ? "German" : "English";
                         });

TEST(GermanManual, IsMarkedGermanAndHasTheEnglishOnesTopicsAndPictures) {
  const QString german = ManualText(ManualLanguage::kGerman);
  EXPECT_TRUE(german.contains(QStringLiteral("<html lang=\"de\">")));
  QTextDocument english, translated;
  english.setHtml(ManualText(ManualLanguage::kEnglish));
  translated.setHtml(german);
  const Contents e = Read(english), g = Read(translated);
  EXPECT_EQ(g.anchors, e.anchors);
  const auto names = [](const Contents& c) {
    QSet<QString> files;
    for (const QTextImageFormat& image : c.images)
      files.insert(image.name());
    return files;
  };
  EXPECT_EQ(names(g), names(e));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the document's layout
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
