// The Variations and Spectrum pages with a workspace and a palette: following the base colour, the Result
// space, the tool menu, the row buttons, the spectrum's pick rule and the skip rule of BaseColorChanged.
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorSpectrum.h"
#include "ui/controls/ColorVariation.h"
#include "core/ColorModels.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/tools/SpectrumPage.h"
#include "ui/tools/VariationsPage.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace tintorium {
namespace {

constexpr TColor kRed = 0x0000FF;

class ToolPagesTest : public testing::Test {
 protected:
  ToolPagesTest() {
    workspace_.SetPalette(&palette_);
    popup_.UpdateActions(actions_);
  }

  void SetBase(TColor color, QObject* sender = nullptr) {
    workspace_.BaseColor().SetColor(color, cmRGB);
    workspace_.BaseColorChanged(sender, cmRGB, true, false);
  }

  TPaletteDocument palette_;
  TWorkspace workspace_;
  TMainActions actions_;
  QWidget menuHost_;
  TColorToolPopup popup_{workspace_, actions_, &menuHost_};
};

TEST_F(ToolPagesTest, VariationStripsFollowEveryBaseColourChange) {
  TVariationsPage page(workspace_, popup_);
  SetBase(kRed, page.Strip(vtDark));  // even a change sent by a strip comes back to the strips
  EXPECT_EQ(page.SizeBox()->value(), 8);
  for (int type = 0; type < TVariationsPage::kStripCount; ++type) {
    EXPECT_EQ(page.Strip(type)->BaseColor(), kRed);
    EXPECT_EQ(page.Strip(type)->Variation(), type);
    EXPECT_EQ(page.Strip(type)->Size(), 8);
  }
  EXPECT_EQ(ColorToHSB(page.Strip(vtDark)->Swatches().back()).B, 16);
  // The spin box sets every strip; the settings value is clamped into 1-48.
  page.SizeBox()->setValue(12);
  for (int type = 0; type < TVariationsPage::kStripCount; ++type) EXPECT_EQ(page.Strip(type)->Size(), 12);
  page.SetSwatchCount(100);
  EXPECT_EQ(page.Strip(vtCool)->Size(), 48);
  page.SetSwatchCount(0);
  EXPECT_EQ(page.Strip(vtCool)->Size(), 1);
}

TEST_F(ToolPagesTest, RowButtonAddsTheStripInTheResultSpace) {
  TVariationsPage page(workspace_, popup_);
  SetBase(kRed);
  page.SetSwatchCount(4);
  page.SetResultModel(cmHSB);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  EXPECT_EQ(page.RowButton(vtDesaturate)->property("Tag").toInt(), 6);
  QTest::mouseClick(page.RowButton(vtDesaturate), Qt::LeftButton);
  ASSERT_EQ(palette_.Count(), 4);
  for (int i = 0; i < 4; ++i) {
    const TPaletteEntry& entry = palette_.Entry(i);
    const TColor swatch = page.Strip(vtDesaturate)->Swatches()[std::size_t(i)];
    EXPECT_EQ(entry.Color.GetColor(), swatch);
    EXPECT_EQ(entry.Color.Model(), cmHSB);
    EXPECT_EQ(entry.Name, QString::fromStdString(entry.Color.HexText()));
  }
  EXPECT_TRUE(palette_.PaletteModified());
}

TEST_F(ToolPagesTest, RightPressOverASwatchOpensTheToolMenuAndItsActionsUseTheResultSpace) {
  TVariationsPage page(workspace_, popup_);
  page.resize(600, 500);
  SetBase(kRed);
  page.SetResultModel(cmHSB);
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  TColorVariation* strip = page.Strip(vtCool);
  const std::vector<QRect> rects = TColorVariation::SwatchRects(strip->size(), strip->Size());

  // Over the white background: no menu.
  QMenu* menu = popup_.pmnu_Var();
  QTest::mousePress(strip, Qt::RightButton, Qt::NoModifier, QPoint(strip->width() - 2, 2));
  EXPECT_FALSE(menu->isVisible());
  // Over swatch 2.
  QTest::mousePress(strip, Qt::RightButton, Qt::NoModifier, rects[2].center());
  EXPECT_TRUE(menu->isVisible());
  const TColor picked = strip->Swatches()[2];
  EXPECT_EQ(popup_.ToolColor(), picked);
  EXPECT_EQ(popup_.ToolModel(), cmHSB);
  menu->hide();
  ASSERT_EQ(menu->actions().size(), 3);
  EXPECT_TRUE(menu->actions()[1]->isSeparator());

  actions_.actCWAddToPal->trigger();
  ASSERT_EQ(palette_.Count(), 1);
  EXPECT_EQ(palette_.Entry(0).Color.GetColor(), picked);
  EXPECT_EQ(palette_.Entry(0).Color.Model(), cmHSB);

  actions_.actCWSetBase->trigger();
  EXPECT_EQ(workspace_.BaseColor().GetColor(), picked);
  EXPECT_EQ(workspace_.BaseColor().Model(), cmHSB);
  EXPECT_EQ(strip->BaseColor(), picked) << "the strips follow their own pick";
}

TEST_F(ToolPagesTest, ResultSpaceReachesTheStripsDragOffers) {
  TVariationsPage page(workspace_, popup_);
  page.SetResultModel(cmLAB);
  EXPECT_EQ(page.Strip(vtBright)->ColorDragOffer().model, cmLAB);
  page.SetResultModel(17);
  EXPECT_EQ(page.ResultModel(), cmRGB);
  EXPECT_EQ(page.Strip(vtBright)->ColorDragOffer().model, cmRGB);
}

TEST_F(ToolPagesTest, SpectrumTypeChangeLeavesTheBaseAndAPickSetsIt) {
  TSpectrumPage page(workspace_);
  page.resize(400, 400);
  SetBase(RGBValuesToColor({200, 30, 90}));
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  TColorSpectrum* spectrum = page.Spectrum();
  EXPECT_EQ(spectrum->Size(), 101);
  EXPECT_EQ(spectrum->CurrentColor().GetColor(), workspace_.BaseColor().GetColor());

  const int historyBefore = workspace_.History().Count();
  page.TypeBox()->setCurrentIndex(4);  // Saturation based
  EXPECT_EQ(spectrum->Model(), cmHSB);
  EXPECT_EQ(spectrum->ActiveValue(), 2);
  spectrum->repaint();
  EXPECT_EQ(workspace_.BaseColor().GetColor(), RGBValuesToColor({200, 30, 90})) << "a type change picks nothing";
  EXPECT_EQ(workspace_.History().Count(), historyBefore);

  page.SetResultModel(cmCMYK);
  const TTableGeometry g = TColorTable::Geometry(spectrum->size(), spectrum->Size());
  const QPoint at = QPoint(g.left, g.top) + QPoint(30 * g.cellSide + g.cellSide / 2, 70 * g.cellSide + g.cellSide / 2);
  QTest::mouseClick(spectrum, Qt::LeftButton, Qt::NoModifier, at);
  spectrum->repaint();
  const TColor cell = spectrum->GetCell(30, 70);
  // The base colour is authoritative in CMYK, so it holds the cell's CMYK values.
  EXPECT_EQ(workspace_.BaseColor().GetCMYK(), TColorObject(cell, cmCMYK).GetCMYK());
  EXPECT_EQ(workspace_.BaseColor().Model(), cmCMYK);
  EXPECT_TRUE(spectrum->UserSelected()) << "its own change is not handed back to the spectrum";

  // A new Result space re-applies the pick in that model.
  page.ModelBox()->setCurrentIndex(cmHSB);
  EXPECT_EQ(workspace_.BaseColor().Model(), cmHSB);
  EXPECT_EQ(workspace_.BaseColor().GetHSB(), ColorToHSB(cell));

  // A change from elsewhere reaches the spectrum and clears the pick, so the next OnChange does nothing.
  SetBase(kRed);
  EXPECT_EQ(spectrum->CurrentColor().GetColor(), kRed);
  EXPECT_FALSE(spectrum->UserSelected());
  spectrum->repaint();
  EXPECT_EQ(workspace_.BaseColor().GetColor(), kRed);
}

TEST_F(ToolPagesTest, SpectrumDrawsItsMarginWhite) {
  TSpectrumPage page(workspace_);
  page.resize(600, 300);  // wide, so the square grid leaves a margin left and right
  page.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
  TColorSpectrum* spectrum = page.Spectrum();
  const TTableGeometry g = TColorTable::Geometry(spectrum->size(), spectrum->Size());
  ASSERT_GT(g.left, 2);
  const QImage shown = spectrum->grab().toImage();
  for (const QPoint at : {QPoint(1, spectrum->height() / 2), QPoint(spectrum->width() - 2, spectrum->height() / 2)}) {
    EXPECT_EQ(shown.pixelColor(at * shown.devicePixelRatio()), QColor(Qt::white)) << at.x();
  }
}

TEST_F(ToolPagesTest, SpectrumSettingsAreCheckedAndItsTypeHandlerRunsAtStart) {
  TSpectrumPage page(workspace_);
  for (const auto& [type, model, active] : {std::tuple{0, cmRGB, 1}, {2, cmRGB, 3}, {3, cmHSB, 1}, {5, cmHSB, 3}}) {
    page.SetSpecType(type);
    EXPECT_EQ(page.Spectrum()->Model(), model) << type;
    EXPECT_EQ(page.Spectrum()->ActiveValue(), active) << type;
  }
  page.SetSpecType(9);
  EXPECT_EQ(page.SpecType(), 0);
  page.SetResultModel(-2);
  EXPECT_EQ(page.ResultModel(), cmRGB);
}

TEST_F(ToolPagesTest, PagesLeaveTheWorkspaceWhenDestroyed) {
  {
    TVariationsPage variations(workspace_, popup_);
    TSpectrumPage spectrum(workspace_);
  }
  SetBase(kRed);  // would reach destroyed followers otherwise
  SUCCEED();
}

}  // namespace
}  // namespace tintorium
