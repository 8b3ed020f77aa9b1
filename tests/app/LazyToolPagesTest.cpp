// Tool pages made on first use: a page never shown keeps its stored settings, one made later gets them.
#include "ShellTestSupport.h"

#include "app/Settings.h"
#include "app/Themes.h"
#include "engine/language/Language.h"
#include "ui/language/LanguageApplier.h"
#include "ui/tools/ColorMixerPage.h"
#include "ui/tools/ScalesPage.h"
#include "ui/tools/SpectrumPage.h"
#include "ui/tools/ToolPage.h"
#include "ui/tools/VariationsPage.h"
#include "ui/controls/ColorVariation.h"
#include "ui/workspace/Workspace.h"

#include <QDir>
#include <QStackedWidget>
#include <QTest>

namespace tintorium::test {
namespace {

class LazyToolPagesTest : public ShellFixture {
 protected:
  // Values away from the defaults, so a page that lost them would show.
  static TColorToolsSettings Stored() {
    TColorToolsSettings values;
    values.VariationsModel = 1;
    values.VariationsSize = 10;
    values.MixerModel = 2;
    values.MixerColor2 = 0x123456;
    values.MixerSize = 6;
    values.SpecType = 1;
    values.SpecModel = 1;
    values.LibraryLast = QStringLiteral("Web Hues.aco");
    values.ScaleSteps = 2;
    values.ScaleCustomSteps = QStringLiteral("100, 500, 900");
    values.ScaleMode = 1;
    values.ScaleTargets = QStringLiteral("1.5, 4.5, 12");
    values.ScaleHueShift = 20;
    values.ScaleName = QStringLiteral("accent");
    values.ScaleNotation = 2;
    return values;
  }
  // What the store holds after the run; the Swatches panel is always made, and with no libraries in the test's
  // data folder its selection is left out of the comparison.
  TColorToolsSettings WrittenBack() const {
    TColorToolsSettings written = TSettings(*store).ReadColorTools();
    written.LibrarySmallLast = Stored().LibrarySmallLast;
    return written;
  }
  void SetUp() override {
    ShellFixture::SetUp();
    TSettings(*store).WriteColorTools(Stored());
    store->sync();
  }
};

TEST_F(LazyToolPagesTest, OnlyTheShownPageIsMadeAtStart) {
  auto window = Start();
  EXPECT_NE(dynamic_cast<TToolPage*>(window->ToolPages()->widget(0)), nullptr);
  for (int index = 1; index < TMainWindow::kToolCount; ++index)
    EXPECT_EQ(dynamic_cast<TToolPage*>(window->ToolPages()->widget(index)), nullptr) << index;
  EXPECT_EQ(window->ToolPages()->count(), TMainWindow::kToolCount);
}

TEST_F(LazyToolPagesTest, SettingsOfPagesNeverMadeAreWrittenBackUnchanged) {
  auto window = Start();
  Finish(window);
  EXPECT_EQ(WrittenBack(), Stored());
}

TEST_F(LazyToolPagesTest, APageMadeLaterGetsItsStoredSettingsAndGivesThemBack) {
  auto window = Start();
  window->SelectTool(4);
  auto* spectrum = dynamic_cast<TSpectrumPage*>(window->ToolPage(4));
  ASSERT_NE(spectrum, nullptr);
  EXPECT_EQ(window->ToolPages()->currentWidget(), spectrum);
  EXPECT_EQ(spectrum->SpecType(), 1);
  auto* mixer = dynamic_cast<TColorMixerPage*>(window->ToolPage(2));
  ASSERT_NE(mixer, nullptr);
  EXPECT_EQ(mixer->StoreSettings().size, 6);
  EXPECT_EQ(mixer->StoreSettings().colors[1], 0x123456);
  auto* variations = dynamic_cast<TVariationsPage*>(window->ToolPage(1));
  ASSERT_NE(variations, nullptr);
  EXPECT_EQ(int(variations->ResultModel()), 1);
  window->SelectTool(6);
  auto* scales = dynamic_cast<TScalesPage*>(window->ToolPage(6));
  ASSERT_NE(scales, nullptr);
  EXPECT_EQ(window->ToolPages()->currentWidget(), scales);
  EXPECT_EQ(scales->CurrentSettings().Targets, QStringLiteral("1.5, 4.5, 12"));
  EXPECT_EQ(scales->Shown().size(), 3u) << "shown, so computed";
  EXPECT_TRUE(scales->Scale().Ok());
  Finish(window);
  EXPECT_EQ(WrittenBack(), Stored());
}

// A page made on first use shows the base colour chosen before it existed, not black.
TEST_F(LazyToolPagesTest, APageMadeLaterFollowsTheCurrentBaseColour) {
  auto window = Start();
  window->Workspace().BaseColor().SetColor(0x0000FFFF, cmRGB);  // yellow
  window->Workspace().BaseColorChanged(nullptr, cmRGB, true, false);
  auto* variations = dynamic_cast<TVariationsPage*>(window->ToolPage(1));
  ASSERT_NE(variations, nullptr);
  EXPECT_EQ(variations->Strip(0)->BaseColor(), TColor(0x0000FFFF));
}

// Pictures of the Scales page for a person to look at, in two themes and both languages: only with
// TINTORIUM_SCALES_SHOTS naming a folder (run under a display server to see the real style).
TEST_F(LazyToolPagesTest, ScalesPagePictures) {
  const QString folder = qEnvironmentVariable("TINTORIUM_SCALES_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "TINTORIUM_SCALES_SHOTS is not set";
  SetLanguageFolder(QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language")));
  auto window = Start();
  window->resize(1280, 800);
  window->show();
  window->SelectTool(6);
  for (const QString& theme : {QStringLiteral("Default"), QStringLiteral("Dream")}) {
    ApplyTheme(theme);
    for (const QString& language : {QStringLiteral("english.lng"), QStringLiteral("deutsch.lng")}) {
      SelectLanguage(window.get(), language);
      QTest::qWait(200);
      window->grab().save(QStringLiteral("%1/scales-%2-%3.png").arg(folder, theme, language.section(u'.', 0, 0)));
    }
  }
  Finish(window);
}

}  // namespace
}  // namespace tintorium::test
