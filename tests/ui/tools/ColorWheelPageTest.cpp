// The Wheel page with the workspace, the palette and the tool popup, driven by real mouse events.
#include <QApplication>
#include "ui/tools/ColorWheelPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorWheel.h"
#include "core/ColorModels.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace tintorium {
namespace {

constexpr TColor Red = 0x0000FF;

class WheelPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    workspace.SetPalette(&palette);
    popup.UpdateActions(actions);
    page.UpdateActions(actions);
    page.resize(420, 320);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    SetBase(TColorObject(Red, cmRGB));
  }
  void TearDown() override {
    for (QMenu* menu : {popup.pmnu_CW(), popup.pmnu_CM(), popup.pmnu_Var()}) menu->hide();
  }
  void SetBase(const TColorObject& color) {
    workspace.AssignBaseColor(color, nullptr);
    QTest::qWait(10);
  }
  TColorWheel& Wheel() { return *page.Wheel(); }
  QPoint Centre(int segment) {
    const TWheelGeometry g = Wheel().Geometry();
    return g.display.topLeft() + WheelPoint(g, SegmentAngle(segment) + 8, g.D / 3) / 3;
  }
  void Click(int segment, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseMove(&Wheel(), Centre(segment));
    QTest::mouseClick(&Wheel(), button, {}, Centre(segment));
  }
  QStringList PaletteNames() const {
    QStringList names;
    for (const TPaletteEntry& entry : palette.Entries()) names << entry.Name;
    return names;
  }

  QWidget window;
  TWorkspace workspace;
  TPaletteDocument palette;
  TMainActions actions;
  TColorToolPopup popup{workspace, actions, &window};
  TColorWheelPage page{workspace, popup, actions};
};

TEST_F(WheelPageTest, AClickMakesTheSegmentTheBaseInTheResultSpaceWithoutEchoingBack) {
  page.ModelBox()->setCurrentIndex(cmHSB);
  const int before = workspace.History().Count();
  QSignalSpy changes(&Wheel(), &TColorWheel::OnChange);
  const TColor blue = Wheel().SegmentColor(4);
  Click(4);
  EXPECT_EQ(workspace.BaseColor().GetColor(), blue);
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB);
  EXPECT_EQ(workspace.History().Count(), before + 1);
  // The wheel was the sender, so it was not handed its own colour again: the pick stands, no rebuild fired.
  EXPECT_TRUE(Wheel().PickedByClick());
  QTest::qWait(20);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(workspace.History().Count(), before + 1);
}

TEST_F(WheelPageTest, ChoosingAnotherResultSpaceReappliesTheLastPick) {
  Click(8);
  ASSERT_EQ(workspace.BaseColor().Model(), cmRGB);
  page.ModelBox()->setCurrentIndex(cmLAB);
  EXPECT_EQ(workspace.BaseColor().Model(), cmLAB);
  // After an outside change the box only sets the model of later picks.
  SetBase(TColorObject(0x00FF00, cmRGB));
  page.ModelBox()->setCurrentIndex(cmCMYK);
  EXPECT_EQ(workspace.BaseColor().Model(), cmRGB);
  EXPECT_EQ(Wheel().ColorDragOffer().model, cmCMYK);
}

TEST_F(WheelPageTest, AnOutsideChangeRebuildsTheWheelButIsNotHandedBack) {
  const int before = workspace.History().Count();
  SetBase(TColorObject(0x00FF00, cmRGB));
  EXPECT_EQ(Wheel().BaseColor(), TColor(0x00FF00));
  EXPECT_FALSE(Wheel().PickedByClick());
  EXPECT_EQ(workspace.History().Count(), before + 1);
  EXPECT_EQ(workspace.BaseColor().GetColor(), TColor(0x00FF00));
}

TEST_F(WheelPageTest, RightClickOnAFullSegmentOpensTheMenuOnThatColour) {
  page.HarmonyBox()->setCurrentIndex(chComplement);
  page.ModelBox()->setCurrentIndex(cmCMYK);
  QTest::qWait(10);
  Click(3, Qt::RightButton);  // pale
  EXPECT_FALSE(popup.pmnu_CW()->isVisible());
  Click(6, Qt::RightButton);
  ASSERT_TRUE(popup.pmnu_CW()->isVisible());
  popup.pmnu_CW()->hide();
  EXPECT_EQ(popup.ToolColor(), Wheel().SegmentColor(6));
  EXPECT_EQ(popup.ToolModel(), cmCMYK);

  actions.actCWAddToPal->trigger();
  ASSERT_EQ(palette.Count(), 1);
  EXPECT_EQ(PaletteNames(), QStringList{QStringLiteral("00FFFF")});
  EXPECT_EQ(palette.Entries()[0].Color.Model(), cmCMYK);
  EXPECT_TRUE(palette.PaletteModified());

  actions.actCWSetBase->trigger();
  EXPECT_EQ(workspace.BaseColor().GetColor(), TColor(0xFFFF00));
  EXPECT_EQ(workspace.BaseColor().Model(), cmCMYK);
  // Set as Base comes from the action, so the wheel follows it.
  EXPECT_EQ(Wheel().BaseColor(), TColor(0xFFFF00));
}

TEST_F(WheelPageTest, AddAllAddsTheHarmonyInItsOrder) {
  page.HarmonyBox()->setCurrentIndex(chSquare);
  page.ModelBox()->setCurrentIndex(cmHSB);
  actions.actCWAddAll->trigger();
  EXPECT_EQ(PaletteNames(), (QStringList{"FF0000", "80FF00", "00FFFF", "8000FF"}));
  for (const TPaletteEntry& entry : palette.Entries()) EXPECT_EQ(entry.Color.Model(), cmHSB);
  page.HarmonyBox()->setCurrentIndex(chNone);
  actions.actCWAddAll->trigger();
  EXPECT_EQ(palette.Count(), 16);
}

TEST_F(WheelPageTest, TheReadoutShowsOwnColoursAndClearsOnLeaving) {
  QSignalSpy shown(&workspace, &TWorkspace::ColorUnderCursorShown);
  QSignalSpy cleared(&workspace, &TWorkspace::ColorUnderCursorCleared);
  QTest::mouseMove(&Wheel(), Centre(0));
  ASSERT_EQ(shown.count(), 1);
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       R:255 G:0 B:0"));
  QTest::mouseMove(&Wheel(), QPoint(1, 1));
  EXPECT_EQ(cleared.count(), 1);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&Wheel(), &leave);
  EXPECT_EQ(cleared.count(), 2);
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty());
}

TEST_F(WheelPageTest, SettingsComeBackAndBadValuesAreTheDefaults) {
  page.RestoreSettings({1, 6, 3});
  EXPECT_EQ(Wheel().WheelStyle(), wsRYB);
  EXPECT_EQ(Wheel().Harmony(), chSquare);
  EXPECT_EQ(page.StyleBox()->currentIndex(), 1);
  EXPECT_EQ(page.HarmonyBox()->currentIndex(), 6);
  EXPECT_EQ(page.ModelBox()->currentIndex(), 3);
  EXPECT_EQ(page.CurrentSettings().CWHar, 6);
  page.RestoreSettings({7, -2, 99});
  const TWheelPageSettings fallback = page.CurrentSettings();
  EXPECT_EQ(fallback.CWStyle, 0);
  EXPECT_EQ(fallback.CWHar, 0);
  EXPECT_EQ(fallback.CWModel, 0);
}

TEST_F(WheelPageTest, TheStyleBoxTurnsTheWheelToRyb) {
  page.StyleBox()->setCurrentIndex(wsRYB);
  QTest::qWait(10);
  EXPECT_EQ(Wheel().SegmentColor(6), RGBValuesToColor({0, 0xCC, 0x3E}));
  EXPECT_EQ(Wheel().DisplayedColorAt(Centre(6)), RGBValuesToColor({0, 0xCC, 0x3E}));
}

// A base that no integer HSB reaches: its segment shows it, a click on it changes nothing, Add all adds it as is.
TEST_F(WheelPageTest, TheBaseSegmentIsTheBaseColourItself) {
  const TColor base = RGBValuesToColor({0xE4, 0x57, 0x2E});
  for (const int style : {wsRGB, wsRYB}) {
    page.StyleBox()->setCurrentIndex(style);
    SetBase(TColorObject(base, cmRGB));
    const int before = workspace.History().Count();
    EXPECT_EQ(Wheel().DisplayedColorAt(Centre(0)), base) << style;
    Click(0);
    EXPECT_EQ(workspace.BaseColor().GetColor(), base) << style;
    EXPECT_EQ(workspace.History().Count(), before) << "the base picked again is no change";
    const TColor other = Wheel().SegmentColor(4);
    Click(4);
    EXPECT_EQ(workspace.BaseColor().GetColor(), other) << "other segments keep their computed colours";
  }
  SetBase(TColorObject(base, cmRGB));
  actions.actCWAddAll->trigger();
  ASSERT_FALSE(palette.Entries().empty());
  EXPECT_EQ(palette.Entries()[0].Name, QStringLiteral("E4572E"));
  EXPECT_EQ(palette.Entries()[0].Color.GetColor(), base);
}

TEST_F(WheelPageTest, AHiddenPageRendersNothingAndAShownOneDoes) {
  page.ShowTool(false);
  EXPECT_FALSE(Wheel().isVisible());
  page.ShowTool(true);
  EXPECT_TRUE(Wheel().isVisible());
}

}  // namespace
}  // namespace tintorium
