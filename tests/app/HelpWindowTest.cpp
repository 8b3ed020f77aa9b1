// F1 through the real window, with real key presses: each tool page, each tool window and each dialog opens the
// guide at its own chapter, in the language in use; Help > "Tintorium Help" does the same without a browser.
#include "ShellTestSupport.h"

#include "app/AboutDialog.h"
#include "app/AppInfo.h"
#include "engine/language/Language.h"
#include "engine/platform/AppPaths.h"
#include "ui/actions/MainActions.h"
#include "ui/help/HelpCommand.h"
#include "ui/help/HelpViewer.h"
#include "ui/language/LanguageApplier.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ui/tools/ToolPage.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace tintorium {
namespace {

const QString kDataFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data")) + u'/';

// The heading of chapter `id` is in the viewer's view.
bool ChapterInView(const THelpViewer& viewer, const QString& id) {
  QString heading;
  for (const THelpSection& s : viewer.Sections()) {
    if (s.id == id) heading = s.heading;
  }
  const QTextBrowser& browser = *viewer.Browser();
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 2 || block.text().simplified() != heading) continue;
    const double top =
        browser.document()->documentLayout()->blockBoundingRect(block).top() - browser.verticalScrollBar()->value();
    return top >= -1 && top < browser.viewport()->height();
  }
  return false;
}

// The first widget in `parent` that takes the focus by keyboard, focused.
QWidget* FocusSomethingIn(QWidget* parent) {
  for (QWidget* w : parent->findChildren<QWidget*>()) {
    if (w->isVisibleTo(parent) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocus(Qt::TabFocusReason);
      return w;
    }
  }
  return nullptr;
}

class HelpWindowTest : public test::ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    SetDataFolderOverride(kDataFolder);
    SetLanguageFolder(kDataFolder + QStringLiteral("Language"));
  }
  void TearDown() override {
    SetCurrentLanguageName(QString());
    SetLanguageFolder(QString());
    SetDataFolderOverride(QString());
    ShellFixture::TearDown();
  }

  std::unique_ptr<TMainWindow> StartShown() {
    auto window = Start({"-", "-"});
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }
  static void Activate(QWidget* window) {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  }

  // F1 pressed in the modal dialog `dialog` runs: what the viewer then shows, and whether it opened over it
  // (a viewer behind a modal dialog could not be used).
  struct TSeen {
    QString section;
    bool overDialog = false;
  };
  void PressF1InDialogs(std::vector<TSeen>& seen) {
    dialogs.onExec = [&seen, this](QDialog& dialog) {
      dialog.setWindowModality(Qt::ApplicationModal);
      dialog.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
      Activate(&dialog);
      QWidget* focus = FocusSomethingIn(&dialog);
      EXPECT_NE(focus, nullptr) << dialog.objectName().toStdString();
      QTest::keyClick(focus ? focus : &dialog, Qt::Key_F1);
      const THelpViewer* viewer = window_->Help()->Viewer();
      seen.push_back({viewer ? viewer->CurrentSection() : QStringLiteral("(no viewer)"),
                      viewer && viewer->isVisible() && viewer->parentWidget() == &dialog});
      if (viewer) {
        EXPECT_TRUE(ChapterInView(*viewer, seen.back().section)) << seen.back().section.toStdString();
      }
      dialog.hide();
      return int(QDialog::Rejected);
    };
  }

  TMainWindow* window_ = nullptr;
};

TEST_F(HelpWindowTest, F1OnEachToolPageOpensItsChapter) {
  auto window = StartShown();
  const char* chapters[] = {"wheel", "variations", "mixer", "library", "spectrum", "image"};
  for (int page = 0; page < 6; ++page) {
    Activate(window.get());
    window->SelectTool(page);
    QWidget* focus = FocusSomethingIn(window->ToolPage(page));
    ASSERT_NE(focus, nullptr) << page;
    QTest::keyClick(focus, Qt::Key_F1);
    const THelpViewer* viewer = window->Help()->Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentSection(), QLatin1String(chapters[page]));
    EXPECT_TRUE(ChapterInView(*viewer, QLatin1String(chapters[page]))) << chapters[page];
  }
  // Nothing went to a browser, and there is one viewer however often F1 is pressed.
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_EQ(window->findChildren<THelpViewer*>().size(), 1);
}

TEST_F(HelpWindowTest, F1ElsewhereInTheWindowExplainsThePageInViewAndAFloatingPanelItself) {
  auto window = StartShown();
  window->SelectTool(4);  // Spectrum
  // Ctrl+5 leaves the focus where it was: on the tab bar or in a panel F1 still explains the page in view.
  window->ToolTabs()->setFocus();
  QTest::keyClick(window->ToolTabs(), Qt::Key_F1);
  ASSERT_NE(window->Help()->Viewer(), nullptr);
  EXPECT_EQ(window->Help()->Viewer()->CurrentSection(), QStringLiteral("spectrum"));

  const std::pair<QDockWidget*, const char*> docks[] = {
      {window->PaletteDock(), "palette"}, {window->LibraryDock(), "swatches"}, {window->BaseColorDock(), "base"}};
  for (const auto& [dock, chapter] : docks) {
    Activate(window.get());
    QWidget* focus = FocusSomethingIn(dock);
    ASSERT_NE(focus, nullptr) << chapter;
    QTest::keyClick(focus, Qt::Key_F1);
    EXPECT_EQ(window->Help()->Viewer()->CurrentSection(), QStringLiteral("spectrum")) << chapter;

    dock->setFloating(true);
    dock->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dock));
    Activate(dock);
    focus = FocusSomethingIn(dock);
    ASSERT_NE(focus, nullptr) << chapter;
    QTest::keyClick(focus, Qt::Key_F1);
    EXPECT_EQ(window->Help()->Viewer()->CurrentSection(), QLatin1String(chapter));
    dock->setFloating(false);
  }
}

TEST_F(HelpWindowTest, F1InAContrastAnalyserOpensItsChapter) {
  auto window = StartShown();
  window->Actions().actToolsContrastTest->trigger();
  TContrastAnalyzeForm* form = window->findChild<TContrastAnalyzeForm*>();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  Activate(form);
  QWidget* focus = FocusSomethingIn(form);
  ASSERT_NE(focus, nullptr);
  QTest::keyClick(focus, Qt::Key_F1);
  ASSERT_NE(window->Help()->Viewer(), nullptr);
  EXPECT_EQ(window->Help()->Viewer()->CurrentSection(), QStringLiteral("contrast"));
  EXPECT_TRUE(ChapterInView(*window->Help()->Viewer(), QStringLiteral("contrast")));
  // F1 in the viewer itself opens nothing new and stays where it is.
  Activate(window->Help()->Viewer());
  QTest::keyClick(window->Help()->Viewer()->Browser(), Qt::Key_F1);
  EXPECT_EQ(window->Help()->Viewer()->CurrentSection(), QStringLiteral("contrast"));
}

TEST_F(HelpWindowTest, F1InEachModalWindowOpensItsChapterOverIt) {
  auto window = StartShown();
  window_ = window.get();
  std::vector<TSeen> seen;
  PressF1InDialogs(seen);
  TMainActions& a = window->Actions();
  window->UpdateActions();
  const std::pair<QAction*, const char*> commands[] = {{a.actToolsOptions, "options"},
                                                       {a.actFilePrint, "print"},
                                                       {a.actImportColors, "import-wizard"},
                                                       {a.actExportColors, "export-wizard"}};
  for (const auto& [command, chapter] : commands) {
    Activate(window.get());
    seen.clear();
    ASSERT_TRUE(command->isEnabled()) << chapter;
    command->trigger();
    ASSERT_EQ(seen.size(), 1u) << chapter;
    EXPECT_EQ(seen[0].section, QLatin1String(chapter));
    EXPECT_TRUE(seen[0].overDialog) << chapter;
  }
  dialogs.onExec = {};
}

TEST_F(HelpWindowTest, TheHelpCommandShowsTheGuideOfTheLanguageInUse) {
  auto window = StartShown();
  window->SelectTool(1);
  window->Actions().actHelpHelp->trigger();
  THelpViewer* viewer = window->Help()->Viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(QFileInfo(viewer->GuideFile()), QFileInfo(kDataFolder + QStringLiteral("help/index.html")));
  EXPECT_EQ(viewer->CurrentSection(), QStringLiteral("variations"));

  SelectLanguage(window.get(), QStringLiteral("deutsch.lng"));
  EXPECT_EQ(QFileInfo(viewer->GuideFile()), QFileInfo(kDataFolder + QStringLiteral("help/de/index.html")));
  EXPECT_EQ(viewer->CurrentSection(), QStringLiteral("variations"));
  EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Tintorium-Hilfe"));
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(HelpWindowTest, NoCommandOrBoxShowsAMadeUpAddress) {
  EXPECT_TRUE(HomePageUrl().isEmpty());
  auto window = StartShown();
  window->UpdateActions();
  TMainActions& a = window->Actions();
  for (QAction* web : {a.actHelpGallery, a.actHelpWebsite, a.actHelpSupport}) {
    EXPECT_FALSE(web->isVisible()) << web->objectName().toStdString();
    EXPECT_FALSE(web->isEnabled()) << web->objectName().toStdString();
  }
  TAboutDialog about(window.get());
  about.show();
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    if (!label->isVisible()) continue;
    EXPECT_FALSE(label->text().contains(QStringLiteral("http"))) << label->objectName().toStdString();
    EXPECT_FALSE(label->text().contains(QStringLiteral("example."))) << label->objectName().toStdString();
  }
}

}  // namespace
}  // namespace tintorium
