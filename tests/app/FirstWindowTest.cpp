// The first start (no settings) on a real screen size: the window fits the screen, every tool tab shows without
// scroll arrows, the palette toolbar needs no overflow menu, the swatches show whole columns and the palette's
// values are never cut, in English and after a change to German. CTest runs it on a 1366x768 and a 1920x1080
// offscreen screen (tests/app/screens); TINTORIUM_SCREEN names the size the screen must have.
#include "ShellTestSupport.h"

#include "app/Settings.h"
#include "engine/language/Language.h"
#include "engine/language/Messages.h"
#include "engine/language/QtTranslations.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/LibTableGeometry.h"
#include "ui/language/LanguageApplier.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include <cstdio>

namespace tintorium::test {
namespace {

const QString kLanguageFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language")) + u'/';

class FirstWindowTest : public ShellFixture {
 protected:
  void TearDown() override {
    SetCurrentLanguageName(QString());
    SetLanguageFolder(QString());
    ResetMessages();
    UseQtTranslations(QString());
    ShellFixture::TearDown();
  }

  std::unique_ptr<TMainWindow> Shown() {
    auto window = Start({QStringLiteral("-"), QStringLiteral("-")});
    window->ShowAsStored();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();
    return window;
  }

  // Everything that must fit, checked on the window as it is now; `when` names the moment in failures.
  static void ExpectEverythingFits(TMainWindow& window, const char* when) {
    SCOPED_TRACE(when);
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << Text(window.frameGeometry()) << " on " << Text(screen);

    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("tcMain"));
    ASSERT_NE(tabs, nullptr);
    for (int i = 0; i < tabs->count(); ++i) {
      EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i)))
          << tabs->tabText(i).toStdString() << " " << Text(tabs->tabRect(i)) << " in " << Text(tabs->rect());
    }
    for (const QAbstractButton* arrow : tabs->findChildren<QAbstractButton*>()) {
      EXPECT_FALSE(arrow->isVisible()) << "scroll arrow " << arrow->objectName().toStdString();
    }

    auto* bar = window.findChild<QToolBar*>(QStringLiteral("tbPalBar"));
    ASSERT_NE(bar, nullptr);
    for (const QAbstractButton* button : bar->findChildren<QAbstractButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
      EXPECT_FALSE(button->isVisible()) << "the palette toolbar shows its overflow button";
    }

    auto* table = window.findChild<TColorLibTable*>(QStringLiteral("ctLib"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ((table->width() - kLibTableScrollBarWidth) % table->CellSize(), 0)
        << "table " << table->width() << ", cell " << table->CellSize();

    auto* list = window.findChild<TColorList*>(QStringLiteral("lstPalette"));
    ASSERT_NE(list, nullptr);
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    EXPECT_GE(list->viewport()->width() + (list->verticalScrollBar()->isVisible() ? 0 : -scrollBar),
              ColorListItemMinimumWidth())
        << "the palette's values are cut";
  }

  static std::string Text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
  }
};

TEST_F(FirstWindowTest, TheScreenIsTheOneAskedFor) {
  const QString wanted = qEnvironmentVariable("TINTORIUM_SCREEN");
  if (wanted.isEmpty()) GTEST_SKIP() << "TINTORIUM_SCREEN not set";
  const QSize size = QGuiApplication::primaryScreen()->size();
  EXPECT_EQ(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), wanted);
}

TEST_F(FirstWindowTest, EverythingShowsOnAFirstStart) {
  auto window = Shown();
  ExpectEverythingFits(*window, "first start");
  std::printf("first window on %dx%d: %dx%d (frame %dx%d)\n", window->screen()->size().width(),
              window->screen()->size().height(), window->width(), window->height(), window->frameGeometry().width(),
              window->frameGeometry().height());
}

TEST_F(FirstWindowTest, EverythingStillShowsAfterAChangeToGerman) {
  SetLanguageFolder(kLanguageFolder);
  auto window = Shown();
  SelectLanguage(window.get(), QStringLiteral("deutsch.lng"));
  QApplication::processEvents();
  ExpectEverythingFits(*window, "after German was chosen");
}

TEST_F(FirstWindowTest, AGermanFirstStartFitsToo) {
  SetLanguageFolder(kLanguageFolder);
  SetCurrentLanguageName(QStringLiteral("deutsch.lng"));
  ApplyLanguage();
  auto window = Shown();
  ExpectEverythingFits(*window, "German from the start");
}

// The second start takes the size the first one left, not the first-start choice again.
TEST_F(FirstWindowTest, TheSizeLeftIsTheSizeNextTime) {
  auto window = Shown();
  window->resize(window->size() - QSize(40, 30));
  const QSize left = window->size();
  Finish(window);
  window = Shown();
  EXPECT_EQ(window->size(), left);
}

}  // namespace
}  // namespace tintorium::test
