// The one tool popup of the main window, as a user meets it: a right press on a mixer cell or a variation
// swatch opens the menu, a click on an item acts once, on that colour, in the page's Result space. The wheel
// is right-clicked first so that the popup holds an older tool colour a second handler could wrongly use.
#include "ShellTestSupport.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorMixer.h"
#include "ui/controls/ColorVariation.h"
#include "ui/controls/ColorWheel.h"
#include "ui/controls/ColorWheelImage.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ColorMixerPage.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/tools/ColorWheelPage.h"
#include "ui/tools/VariationsPage.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace tintorium::test {
namespace {

constexpr int kWheelTool = 0;
constexpr int kVariationsTool = 1;
constexpr int kMixerTool = 2;

enum class TChoice { SetAsBase, AddToPalette };

struct TPickCase {
  const char* name;
  int tool;
  TColorModel model;
  TChoice choice;
};

class ToolPopupWindowTest : public ShellFixture, public ::testing::WithParamInterface<TPickCase> {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    window = Start({QStringLiteral("-"), QStringLiteral("-")});
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    if (QWidget* open = QApplication::activePopupWidget()) open->close();
    window.reset();
    ShellFixture::TearDown();
  }

  static void Settle() {
    for (int i = 0; i < 4; ++i) QApplication::processEvents();
  }

  /// A real right press at `at` on `control`, after the pointer moved there; the menu that opened, if any.
  static QMenu* RightPress(QWidget* control, QPoint at) {
    QTest::mouseMove(control, at);
    QTest::mousePress(control, Qt::RightButton, {}, at);
    QTest::mouseRelease(control, Qt::RightButton, {}, at);
    Settle();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  /// Clicks the item of `menu` bound to `action` as a user does: the pointer onto it, then a left click.
  static void Choose(QMenu* menu, QAction* action) {
    const QPoint at = menu->actionGeometry(action).center();
    QTest::mouseMove(menu, at);
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
    Settle();
  }

  /// Leaves an older colour in the popup: a right click on a wheel segment, menu dismissed.
  void RightClickTheWheel() {
    window->SelectTool(kWheelTool);
    auto* page = qobject_cast<TColorWheelPage*>(window->ToolPage(kWheelTool));
    ASSERT_NE(page, nullptr);
    TColorWheel* wheel = page->Wheel();
    const TWheelGeometry g = wheel->Geometry();
    QMenu* menu = RightPress(wheel, g.display.topLeft() + WheelPoint(g, SegmentAngle(4) + 8, g.D / 3) / 3);
    ASSERT_EQ(menu, window->ToolPopup().pmnu_CW());
    menu->close();
    Settle();
    ASSERT_EQ(window->ToolPopup().ToolColor(), wheel->SegmentColor(4));
  }

  /// Opens the tool's menu on a colour of its control in `model`; returns the colour and the menu.
  std::pair<TColor, QMenu*> OpenOnToolColour(int tool, TColorModel model) {
    window->SelectTool(tool);
    Settle();
    if (tool == kMixerTool) {
      auto* page = qobject_cast<TColorMixerPage*>(window->ToolPage(tool));
      page->ModelBox()->setCurrentIndex(model);
      page->SizeBox()->setValue(4);
      Settle();
      TColorMixer* mixer = page->Mixer();
      return {mixer->GetCell(2, 1), RightPress(mixer, mixer->CellRect({2, 1}).center())};
    }
    auto* page = qobject_cast<TVariationsPage*>(window->ToolPage(tool));
    page->ModelBox()->setCurrentIndex(model);
    Settle();
    TColorVariation* strip = page->Strip(vtWarm);
    const QPoint at = TColorVariation::SwatchRects(strip->size(), strip->Size())[3].center();
    return {strip->Swatches()[3], RightPress(strip, at)};
  }

  std::unique_ptr<TMainWindow> window;
};

TEST_P(ToolPopupWindowTest, AMenuChoiceActsOnceOnTheColourUnderThePointerInTheResultSpace) {
  const TPickCase& c = GetParam();
  RightClickTheWheel();
  const TColor older = window->ToolPopup().ToolColor();
  TWorkspace& workspace = window->Workspace();
  TPaletteDocument& palette = window->Palette();
  const int historyBefore = workspace.History().Count();
  const int paletteBefore = palette.Count();

  const auto [picked, menu] = OpenOnToolColour(c.tool, c.model);
  ASSERT_NE(picked, older) << "the case must tell the two tool colours apart";
  TColorToolPopup& popup = window->ToolPopup();
  ASSERT_EQ(menu, c.tool == kMixerTool ? popup.pmnu_CM() : popup.pmnu_Var());
  const TColorObject expected(picked, c.model);
  QSignalSpy announced(&workspace, &TWorkspace::BaseColorAnnounced);

  const TMainActions& actions = window->Actions();
  Choose(menu, c.choice == TChoice::SetAsBase ? actions.actCWSetBase : actions.actCWAddToPal);
  EXPECT_FALSE(menu->isVisible());

  if (c.choice == TChoice::SetAsBase) {
    EXPECT_EQ(announced.count(), 1);
    EXPECT_EQ(workspace.History().Count(), historyBefore + 1);
    EXPECT_EQ(workspace.BaseColor().GetColor(), expected.GetColor());
    EXPECT_EQ(workspace.BaseColor().Model(), c.model);
    EXPECT_EQ(palette.Count(), paletteBefore);
  } else {
    EXPECT_EQ(announced.count(), 0);
    ASSERT_EQ(palette.Count(), paletteBefore + 1);
    const TPaletteEntry& entry = palette.Entry(paletteBefore);
    EXPECT_EQ(entry.Color.GetColor(), expected.GetColor());
    EXPECT_EQ(entry.Color.Model(), c.model);
    EXPECT_EQ(entry.Name, QString::fromStdString(expected.HexText()));
    EXPECT_EQ(workspace.History().Count(), historyBefore);
  }
}

INSTANTIATE_TEST_SUITE_P(
    MixerAndStrips, ToolPopupWindowTest,
    ::testing::Values(TPickCase{"MixerSetAsBase", kMixerTool, cmHSB, TChoice::SetAsBase},
                      TPickCase{"MixerAddToPalette", kMixerTool, cmCMYK, TChoice::AddToPalette},
                      TPickCase{"StripSetAsBase", kVariationsTool, cmLAB, TChoice::SetAsBase},
                      TPickCase{"StripAddToPalette", kVariationsTool, cmHSB, TChoice::AddToPalette}),
    [](const ::testing::TestParamInfo<TPickCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tintorium::test
