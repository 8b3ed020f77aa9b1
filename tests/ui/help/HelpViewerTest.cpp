// The help viewer on the shipped guides: both languages hold the same chapters, the contents list and links move
// within the guide, the find field finds words of it, an outside link nothing can open is reported, the guide
// follows the language, and no text of it is given a colour the theme cannot change.
#include "ui/help/HelpGuide.h"
#include "ui/help/HelpViewer.h"

#include "engine/language/Language.h"
#include "engine/language/Messages.h"
#include "engine/platform/AppPaths.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolButton>

namespace tintorium {
namespace {

// Collapsed as text: the path must not depend on tests/data existing on disk.
const QString kDataFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data")) + u'/';
const QString kEnglishGuide = kDataFolder + QStringLiteral("help/index.html");
const QString kGermanGuide = kDataFolder + QStringLiteral("help/de/index.html");

QString ReadText(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromUtf8(file.readAll());
}

QStringList Ids(const QList<THelpSection>& sections) {
  QStringList ids;
  for (const THelpSection& s : sections) ids << s.id;
  return ids;
}

// Whether the heading of chapter `heading` is in the browser's view.
bool HeadingInView(const QTextBrowser& browser, const QString& heading) {
  const QTextDocument* doc = browser.document();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 2 || block.text().simplified() != heading) continue;
    const double top = doc->documentLayout()->blockBoundingRect(block).top() - browser.verticalScrollBar()->value();
    return top >= -1 && top < browser.viewport()->height();
  }
  return false;
}

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDataFolderOverride(kDataFolder);
    SetLanguageFolder(kDataFolder + QStringLiteral("Language"));
    viewer_.resize(900, 600);
    viewer_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer_));
    ASSERT_TRUE(viewer_.LoadGuide(kEnglishGuide));
  }
  void TearDown() override {
    SetHelpLinkOpener({});
    SetCurrentLanguageName(QString());
    SetLanguageFolder(QString());
    SetDataFolderOverride(QString());
  }

  test::TScriptedDialogs dialogs_;
  THelpViewer viewer_;
};

TEST(HelpGuideTest, TheGermanGuideHasTheChaptersOfTheEnglishOneInTheSameOrder) {
  const QList<THelpSection> english = GuideSections(ReadText(kEnglishGuide));
  const QList<THelpSection> german = GuideSections(ReadText(kGermanGuide));
  ASSERT_GE(english.size(), 20);
  // A chapter added to one guide and not folded into the other shows here by its id.
  const QStringList englishIds = Ids(english);
  const QStringList germanIds = Ids(german);
  for (const QString& id : englishIds) EXPECT_TRUE(germanIds.contains(id)) << "no German chapter " << id.toStdString();
  for (const QString& id : germanIds) EXPECT_TRUE(englishIds.contains(id)) << "no English chapter " << id.toStdString();
  EXPECT_EQ(englishIds, germanIds);
  EXPECT_EQ(QSet<QString>(englishIds.begin(), englishIds.end()).size(), englishIds.size()) << "an id is used twice";
  for (qsizetype i = 0; i < std::min(english.size(), german.size()); ++i) {
    EXPECT_FALSE(german[i].heading.isEmpty());
    if (english[i].id == german[i].id) {
      EXPECT_NE(english[i].heading, german[i].heading) << "untranslated heading " << english[i].id.toStdString();
    }
  }
}

TEST(HelpGuideTest, EveryLinkWithinAGuideLeadsToOneOfItsChapters) {
  static const QRegularExpression kLink(QStringLiteral(R"re(href="#([^"]+)")re"));
  for (const QString& path : {kEnglishGuide, kGermanGuide}) {
    const QString html = ReadText(path);
    const QStringList ids = Ids(GuideSections(html));
    for (auto it = kLink.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(ids.contains(target)) << path.toStdString() << ": #" << target.toStdString();
    }
  }
}

TEST(HelpGuideTest, SectionsAreReadFromHeadingsWithIdsOnly) {
  const QString html = QStringLiteral(
      "<h1>Title</h1><h2>No id</h2><h2 id=\"a\">First &amp; <b>bold</b></h2><p>text</p>"
      "<H2 class=\"x\" id=\"b-2\">\nSecond\n</H2><h3 id=\"c\">Not a chapter</h3>");
  const QList<THelpSection> expected = {{QStringLiteral("a"), QStringLiteral("First & bold")},
                                        {QStringLiteral("b-2"), QStringLiteral("Second")}};
  EXPECT_EQ(GuideSections(html), expected);
  EXPECT_TRUE(GuideSections(QString()).isEmpty());
  EXPECT_TRUE(GuideSections(QStringLiteral("<h2 id=\"open\">never closed")).isEmpty());
}

TEST(HelpGuideTest, TheGuidesLeaveTextAndBackgroundColoursToTheTheme) {
  // A colour on text or a background would be unreadable in one theme or another; borders may have one.
  static const QRegularExpression kForced(QStringLiteral(R"re((^|[;{\s])(color|background(-color)?)\s*:)re"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression kAttribute(QStringLiteral(R"re(\b(bgcolor|color)\s*=|style\s*=\s*"[^"]*color)re"),
                                             QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression kStyle(QStringLiteral(R"re(<style[^>]*>(.*?)</style>)re"),
                                         QRegularExpression::DotMatchesEverythingOption);
  for (const QString& path : {kEnglishGuide, kGermanGuide}) {
    const QString html = ReadText(path);
    const QString style = kStyle.match(html).captured(1);
    EXPECT_TRUE(style.contains(QStringLiteral("border"))) << path.toStdString();
    EXPECT_FALSE(kForced.match(style).hasMatch()) << path.toStdString() << ": " << kForced.match(style).captured(0).toStdString();
    EXPECT_FALSE(kAttribute.match(html).hasMatch()) << path.toStdString();
  }
}

TEST(HelpGuideTest, TheGuideFollowsTheLanguageAndFallsBackToEnglish) {
  SetDataFolderOverride(kDataFolder);
  SetLanguageFolder(kDataFolder + QStringLiteral("Language"));
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  EXPECT_EQ(GuideLanguage(), QStringLiteral("de"));
  EXPECT_EQ(QFileInfo(CurrentGuideFile()), QFileInfo(kGermanGuide));
  SetCurrentLanguageName(QStringLiteral("english.lng"));
  EXPECT_EQ(QFileInfo(CurrentGuideFile()), QFileInfo(kEnglishGuide));
  SetCurrentLanguageName(QString());
  EXPECT_EQ(GuideLanguage(), QString());
  EXPECT_EQ(QFileInfo(CurrentGuideFile()), QFileInfo(kEnglishGuide));
  // A language without a translated guide, and codes that are no plain language code, get the English one.
  for (const char* code : {"fr", "", "../de", "de/..", "d", "deutsch"})
    EXPECT_EQ(QFileInfo(HelpFile(QLatin1String(code))), QFileInfo(kEnglishGuide)) << code;
  EXPECT_EQ(QFileInfo(HelpFile(QStringLiteral("DE"))), QFileInfo(kGermanGuide));
  SetCurrentLanguageName(QString());
  SetLanguageFolder(QString());
  SetDataFolderOverride(QString());
}

TEST_F(HelpViewerTest, TheContentsListEveryChapterAndAClickShowsIt) {
  QListWidget* contents = viewer_.Contents();
  ASSERT_EQ(contents->count(), viewer_.Sections().size());
  for (int row = 0; row < contents->count(); ++row)
    EXPECT_EQ(contents->item(row)->text(), viewer_.Sections()[row].heading);
  // From the last chapter back to the first, so every one must move the view.
  for (int row = contents->count() - 1; row >= 0; --row) {
    contents->scrollToItem(contents->item(row));
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(contents->item(row)).center());
    EXPECT_EQ(viewer_.CurrentSection(), viewer_.Sections()[row].id);
    EXPECT_TRUE(HeadingInView(*viewer_.Browser(), viewer_.Sections()[row].heading))
        << viewer_.Sections()[row].id.toStdString();
  }
}

// At the window's first size every chapter heading of the contents shows whole and every line of the guide fits
// its pane, in both languages.
TEST_F(HelpViewerTest, TheContentsShowEveryHeadingWholeAtTheFirstSize) {
  for (const QString& guide : {kEnglishGuide, kGermanGuide}) {
    SCOPED_TRACE(guide.toStdString());
    THelpViewer viewer;
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    ASSERT_TRUE(viewer.LoadGuide(guide));
    QApplication::processEvents();
    QListWidget* list = viewer.Contents();
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->count(); ++i) {
      const QRect row = list->visualItemRect(list->item(i));
      const QRect text = metrics.boundingRect(QRect(0, 0, row.width(), 10000), Qt::TextWordWrap, list->item(i)->text());
      EXPECT_LE(row.right(), list->viewport()->width()) << list->item(i)->text().toStdString();
      EXPECT_LE(text.width(), row.width()) << list->item(i)->text().toStdString();
      EXPECT_LE(text.height(), row.height()) << list->item(i)->text().toStdString();
    }
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_GT(viewer.Browser()->width(), viewer.width() / 2) << "the guide keeps most of the window";
    const QTextBrowser* browser = viewer.Browser();
    EXPECT_LE(browser->document()->size().width(), browser->viewport()->width() + 1) << "a line is wider than the pane";
  }
}

TEST_F(HelpViewerTest, ShowSectionScrollsToTheChapterAndRefusesUnknownOnes) {
  ASSERT_TRUE(viewer_.ShowSection(QStringLiteral("print")));
  EXPECT_TRUE(HeadingInView(*viewer_.Browser(), QStringLiteral("Printing a scheme")));
  EXPECT_EQ(viewer_.Contents()->currentItem()->text(), QStringLiteral("Printing a scheme"));
  const int scrolled = viewer_.Browser()->verticalScrollBar()->value();
  EXPECT_FALSE(viewer_.ShowSection(QStringLiteral("no-such-chapter")));
  EXPECT_FALSE(viewer_.ShowSection(QString()));
  EXPECT_EQ(viewer_.CurrentSection(), QStringLiteral("print"));
  EXPECT_EQ(viewer_.Browser()->verticalScrollBar()->value(), scrolled);
}

TEST_F(HelpViewerTest, TheFindFieldFindsWordsOfTheGuideForwardsBackwardsAndRoundTheEnd) {
  QLineEdit* field = viewer_.FindField();
  field->setFocus();
  QTest::keyClicks(field, QStringLiteral("magnifier"));
  QTest::keyClick(field, Qt::Key_Return);
  QTextCursor first = viewer_.Browser()->textCursor();
  ASSERT_TRUE(first.hasSelection());
  EXPECT_EQ(first.selectedText(), QStringLiteral("magnifier"));
  EXPECT_TRUE(first.block().text().contains(QStringLiteral("magnifier")));

  // Next moves on; letter case does not matter.
  auto* next = viewer_.findChild<QToolButton*>(QStringLiteral("btnHelpFindNext"));
  auto* previous = viewer_.findChild<QToolButton*>(QStringLiteral("btnHelpFindPrev"));
  ASSERT_TRUE(next && previous);
  QTest::mouseClick(next, Qt::LeftButton);
  const int second = viewer_.Browser()->textCursor().selectionStart();
  EXPECT_GT(second, first.selectionStart());
  QTest::mouseClick(previous, Qt::LeftButton);
  EXPECT_EQ(viewer_.Browser()->textCursor().selectionStart(), first.selectionStart());

  // Round the end: finding forwards often enough comes back to the first place.
  int rounds = 0;
  do {
    ASSERT_TRUE(viewer_.Find(QStringLiteral("MAGNIFIER")));
    ASSERT_LT(++rounds, 50);
  } while (viewer_.Browser()->textCursor().selectionStart() != first.selectionStart());
  EXPECT_GE(rounds, 2);
  // Backwards from the first place goes round to the last one.
  ASSERT_TRUE(viewer_.Find(QStringLiteral("magnifier"), true));
  EXPECT_GE(viewer_.Browser()->textCursor().selectionStart(), second);
  EXPECT_TRUE(viewer_.findChild<QLabel*>(QStringLiteral("lblHelpFindResult"))->text().isEmpty());
}

TEST_F(HelpViewerTest, AWordTheGuideDoesNotHoldLeavesTheSelectionAndSaysSo) {
  ASSERT_TRUE(viewer_.Find(QStringLiteral("wheel")));
  const QTextCursor before = viewer_.Browser()->textCursor();
  EXPECT_FALSE(viewer_.Find(QStringLiteral("xylophonequartz")));
  EXPECT_EQ(viewer_.Browser()->textCursor().selectionStart(), before.selectionStart());
  EXPECT_EQ(viewer_.findChild<QLabel*>(QStringLiteral("lblHelpFindResult"))->text(),
            FormatMessage(sHelpNotFound, {QStringLiteral("xylophonequartz")}));
  EXPECT_FALSE(viewer_.Find(QString()));
  EXPECT_TRUE(dialogs_.messages.empty());  // a note beside the field, no box to dismiss
}

TEST_F(HelpViewerTest, OutsideLinksGoToTheDesktopAndAreReportedWhenNothingOpensThem) {
  QList<QUrl> asked;
  bool opens = false;
  SetHelpLinkOpener([&](const QUrl& url) {
    asked << url;
    return opens;
  });
  const QUrl outside(QStringLiteral("https://www.w3.org/WAI/"));
  viewer_.FollowLink(outside);
  ASSERT_EQ(asked, QList<QUrl>{outside});
  ASSERT_EQ(dialogs_.messages.size(), 1u);
  EXPECT_EQ(dialogs_.messages[0].text, FormatMessage(sHelpLinkNoHandler, {outside.toDisplayString()}));
  EXPECT_EQ(dialogs_.messages[0].flags, mfWarning);

  opens = true;
  viewer_.FollowLink(QUrl(QStringLiteral("mailto:someone@localhost")));
  EXPECT_EQ(asked.size(), 2);
  EXPECT_EQ(dialogs_.messages.size(), 1u);

  // The guide's own links stay in the viewer.
  viewer_.FollowLink(QUrl(QStringLiteral("#print")));
  viewer_.FollowLink(QUrl::fromLocalFile(kEnglishGuide).resolved(QUrl(QStringLiteral("#screenpick"))));
  EXPECT_EQ(asked.size(), 2);
  EXPECT_EQ(viewer_.CurrentSection(), QStringLiteral("screenpick"));
  EXPECT_TRUE(HeadingInView(*viewer_.Browser(), QStringLiteral("The screen picker")));
}

TEST_F(HelpViewerTest, AClickOnALinkInTheGuideShowsItsChapter) {
  SetHelpLinkOpener([](const QUrl&) {
    ADD_FAILURE() << "the guide's own link went outside";
    return true;
  });
  ASSERT_TRUE(viewer_.ShowSection(QStringLiteral("analysis")));
  // The link "Printing a scheme" in the chapter on contrast, screen picker and printing.
  QTextBrowser* browser = viewer_.Browser();
  const QTextCursor link = browser->document()->find(QStringLiteral("Printing a scheme"),
                                                     browser->document()->find(QStringLiteral("saves it as PDF")));
  ASSERT_FALSE(link.isNull());
  ASSERT_TRUE(link.charFormat().isAnchor());
  QTextCursor middle(link);
  middle.setPosition(link.selectionStart() + 3);
  const QPoint at = browser->cursorRect(middle).center();
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(viewer_.CurrentSection(), QStringLiteral("print"));
  EXPECT_TRUE(HeadingInView(*browser, QStringLiteral("Printing a scheme")));
}

TEST_F(HelpViewerTest, AMissingGuideIsNamedInTheViewer) {
  const QString missing = kDataFolder + QStringLiteral("help/xx/index.html");
  EXPECT_FALSE(viewer_.LoadGuide(missing));
  EXPECT_TRUE(viewer_.Sections().isEmpty());
  EXPECT_EQ(viewer_.Contents()->count(), 0);
  EXPECT_EQ(viewer_.Browser()->toPlainText(), FormatMessage(sHelpMissing, {QDir::toNativeSeparators(missing)}));
  EXPECT_FALSE(viewer_.ShowSection(QStringLiteral("wheel")));
}

TEST_F(HelpViewerTest, ALanguageChangeBringsTheGuideOfTheNewLanguageAtTheSameChapter) {
  ASSERT_TRUE(viewer_.ShowSection(QStringLiteral("mixer")));
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&viewer_, &change);
  EXPECT_EQ(QFileInfo(viewer_.GuideFile()), QFileInfo(kGermanGuide));
  EXPECT_EQ(viewer_.CurrentSection(), QStringLiteral("mixer"));
  EXPECT_TRUE(HeadingInView(*viewer_.Browser(), QStringLiteral("Die Seite „Farbmischer“")));
  EXPECT_EQ(viewer_.windowTitle(), QStringLiteral("Tintorium-Hilfe"));
  EXPECT_TRUE(viewer_.Find(QStringLiteral("Grundfarbe")));
}

TEST_F(HelpViewerTest, TextTakesItsColoursFromTheThemeAndOnlyLinksAreColoured) {
  // A dark palette: the browser's text and background come from it, and nothing in the document overrides it.
  QPalette dark = viewer_.palette();
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::Link, QColor(120, 170, 255));
  viewer_.setPalette(dark);
  ASSERT_TRUE(viewer_.ShowSection(QStringLiteral("contrast")));
  EXPECT_EQ(viewer_.Browser()->palette().color(QPalette::Base), QColor(30, 30, 30));
  EXPECT_EQ(viewer_.Browser()->palette().color(QPalette::Text), QColor(230, 230, 230));
  int fragments = 0;
  for (QTextBlock block = viewer_.Browser()->document()->begin(); block.isValid(); block = block.next()) {
    EXPECT_FALSE(block.blockFormat().hasProperty(QTextFormat::BackgroundBrush)) << block.text().toStdString();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      ++fragments;
      EXPECT_FALSE(format.hasProperty(QTextFormat::BackgroundBrush)) << it.fragment().text().toStdString();
      if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        // Links are read again for the new palette.
        EXPECT_EQ(format.foreground().color(), QColor(120, 170, 255)) << it.fragment().text().toStdString();
      } else {
        EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush)) << it.fragment().text().toStdString();
      }
    }
  }
  EXPECT_GT(fragments, 100);
}

}  // namespace
}  // namespace tintorium
