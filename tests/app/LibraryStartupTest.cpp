// The library views in the real window: the start-up choice from the remembered names, the Library page read only
// once it is first shown, the names written back at exit, and the hide-colour-information option.
#include "ShellTestSupport.h"

#include "app/Settings.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/ColorList.h"
#include "engine/formats/SwatchFiles.h"
#include "ui/library/LibraryPanel.h"
#include "engine/platform/AppPaths.h"
#include "ui/tools/LibraryPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>

namespace tintorium::test {
namespace {

class LibraryStartupTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    const QString data = File(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(data + "/Palettes"));
    TColors colors;
    colors.emplace_back(TColorObject(0x0000FF, cmRGB), u"Red");
    ASSERT_TRUE(WriteAcoFile(data + "/Palettes/x.aco", colors).Ok());
    colors.emplace_back(TColorObject(0x00FF00, cmRGB), u"Green");
    ASSERT_TRUE(WriteAcoFile(data + "/Palettes/y.aco", colors).Ok());
    SetDataFolderOverride(data + "/");
  }
  void TearDown() override {
    SetDataFolderOverride(QString());
    ShellFixture::TearDown();
  }
  static TLibraryPanel& Panel(TMainWindow& window) { return *qobject_cast<TLibraryPanel*>(window.LibraryDock()->widget()); }
  static TLibraryPage& Page(TMainWindow& window) { return *qobject_cast<TLibraryPage*>(window.ToolPage(3)); }
  TColorToolsSettings Stored() const { return TSettings(*store).ReadColorTools(); }
};

TEST_F(LibraryStartupTest, WithoutRememberedNamesTheFirstLibraryIsShownAndKept) {
  auto window = Start({"-", "-"});
  EXPECT_EQ(Panel(*window).SelectedLibrary(), "x.aco") << "the default names no shipped library here";
  EXPECT_EQ(Panel(*window).Table()->Count(), 1);
  EXPECT_EQ(Page(*window).SelectedLibrary(), "x.aco");
  EXPECT_EQ(Page(*window).LibraryList()->Count(), 0) << "the page was never shown";
  Finish(window);
  EXPECT_EQ(Stored().LibrarySmallLast, "x.aco");
  EXPECT_EQ(Stored().LibraryLast, "x.aco");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LibraryStartupTest, RememberedNamesAreChosenAndThePageReadsItsLibraryWhenShown) {
  TColorToolsSettings tools;
  tools.LibrarySmallLast = "Y.ACO";
  tools.LibraryLast = "y.aco";
  TSettings(*store).WriteColorTools(tools);
  auto window = Start({"-", "-"});
  EXPECT_EQ(Panel(*window).SelectedLibrary(), "y.aco");
  EXPECT_EQ(Panel(*window).Table()->Colors(), (QStringList{"FF0000", "00FF00"}));
  window->show();
  window->SelectTool(3);
  EXPECT_EQ(Page(*window).LibraryList()->Count(), 2);
  EXPECT_EQ(Page(*window).SelectedLibrary(), "y.aco");
  Panel(*window).LibraryBox()->setCurrentIndex(0);
  Finish(window);
  EXPECT_EQ(Stored().LibrarySmallLast, "x.aco");
  EXPECT_EQ(Stored().LibraryLast, "y.aco");
}

TEST_F(LibraryStartupTest, TheOptionHidesTheColourInformation) {
  TOptions options;
  options.ViewLibOnlyColor = true;
  TSettings(*store).WriteOptions(options);
  auto window = Start({"-", "-"});
  EXPECT_TRUE(Page(*window).OnlyColor());
  window->show();
  window->SelectTool(3);
  QApplication::processEvents();
  const TColorList& list = *Page(*window).LibraryList();
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.visualRect(list.model()->index(0, 0)).height(), 32);
  options.ViewLibOnlyColor = false;
  window->ApplyOptions(options);
  EXPECT_FALSE(Page(*window).OnlyColor());
}

}  // namespace
}  // namespace tintorium::test
