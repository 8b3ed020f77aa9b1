// The Mixer page: picks become the base colour in the Result space, corners never do, the tool menu and
// "Add all to palette".
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorMixer.h"
#include "ui/controls/ColorPickerButton.h"
#include "ui/controls/ColorPopup.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ColorMixerPage.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QToolTip>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

namespace tintorium {
namespace {

void Settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

class MixerPageTest : public testing::Test {
 protected:
  void SetUp() override {
    workspace_.SetPalette(&palette_);
    actions_ = std::make_unique<TMainActions>();
    popup_ = std::make_unique<TColorToolPopup>(workspace_, *actions_, &menuHost_);
    page_ = std::make_unique<TColorMixerPage>(workspace_, *popup_, *actions_);
    popup_->UpdateActions(*actions_);
    page_->UpdateActions(*actions_);
    page_->resize(400, 400);
    page_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page_.get()));
    page_->SizeBox()->setValue(3);
    Settle();
  }
  TColorMixer& Mixer() { return *page_->Mixer(); }
  void ClickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint at = Mixer().CellRect({column, row}).center();
    QTest::mouseMove(&Mixer(), at);
    QTest::mouseClick(&Mixer(), button, {}, at);
    Settle();
  }

  TWorkspace workspace_;
  TPaletteDocument palette_;
  std::unique_ptr<TMainActions> actions_;
  QWidget menuHost_;
  std::unique_ptr<TColorToolPopup> popup_;
  std::unique_ptr<TColorMixerPage> page_;
};

TEST_F(MixerPageTest, APickBecomesTheBaseColourInTheResultSpace) {
  page_->ModelBox()->setCurrentIndex(cmCMYK);
  ClickCell(2, 0);
  EXPECT_EQ(workspace_.BaseColor().GetColor(), Mixer().GetCell(2, 0));
  EXPECT_EQ(workspace_.BaseColor().Model(), cmCMYK);
  page_->ModelBox()->setCurrentIndex(cmHSB);
  EXPECT_EQ(workspace_.BaseColor().Model(), cmHSB) << "changing the Result space re-applies the pick";

  // Corners never move the base colour; a size change after a pick makes the cell now there the base.
  const TColor before = workspace_.BaseColor().GetColor();
  page_->CornerButton(2)->SetSelectionColor(0x00FFFF);
  Settle();
  EXPECT_EQ(Mixer().Value2(), 0x00FFFFu);
  EXPECT_EQ(workspace_.BaseColor().GetColor(), before);
  ClickCell(2, 2);
  page_->SizeBox()->setValue(2);
  Settle();
  EXPECT_EQ(workspace_.BaseColor().GetColor(), TColorObject(Mixer().GetCell(1, 1), cmHSB).GetColor());
}

// A pick re-applies on a Result space or size change only while it is the base colour: once the base was changed
// elsewhere, the old pick never comes back.
TEST_F(MixerPageTest, APickDoesNotComeBackAfterTheBaseChangedElsewhere) {
  ClickCell(1, 1);
  ASSERT_EQ(workspace_.BaseColor().GetColor(), Mixer().GetCell(1, 1));
  const TColorObject elsewhere(0x123456, cmRGB);
  workspace_.AssignBaseColor(elsewhere, nullptr);
  page_->ModelBox()->setCurrentIndex(cmLAB);
  Settle();
  EXPECT_EQ(workspace_.BaseColor().GetColor(), elsewhere.GetColor());
  EXPECT_EQ(workspace_.BaseColor().Model(), cmRGB);
  page_->SizeBox()->setValue(4);
  Settle();
  EXPECT_EQ(workspace_.BaseColor().GetColor(), elsewhere.GetColor()) << "nor after a size change";
  ClickCell(0, 3);
  EXPECT_EQ(workspace_.BaseColor().GetColor(), TColorObject(Mixer().GetCell(0, 3), cmLAB).GetColor())
      << "a new pick counts again";
}

// The colour face of a corner button opens its popup, as the arrow does; its colours are named as hints.
TEST_F(MixerPageTest, ACornerButtonsFaceOpensItsPopupWithNamedColours) {
  TColorPickerButton& button = *page_->CornerButton(1);
  const QPoint face = button.IndicatorRect().center();
  ASSERT_LT(face.x(), button.width() - button.DropDownWidth());
  QTest::mouseClick(&button, Qt::LeftButton, {}, face);
  Settle();
  ASSERT_TRUE(button.DroppedDown());
  TColorPopup& popup = *button.Popup();
  EXPECT_TRUE(button.ShowHint());
  const QPoint cell = popup.CellRect(0).center();
  EXPECT_FALSE(popup.HintAt(cell).isEmpty());
  QHelpEvent help(QEvent::ToolTip, cell, popup.mapToGlobal(cell));
  QApplication::sendEvent(&popup, &help);
  EXPECT_EQ(QToolTip::text(), popup.HintAt(cell)) << "the hint is shown";
  button.SetDroppedDown(false);
}

TEST_F(MixerPageTest, TheDefaultEntryPutsTheBaseColourOnTheCorner) {
  workspace_.BaseColor().SetColor(0x336699, cmRGB);
  emit page_->CornerButton(4)->OnDefaultSelect();
  EXPECT_EQ(page_->CornerButton(4)->SelectionColor(), 0x336699u);
  EXPECT_EQ(Mixer().Value4(), 0x336699u);
  EXPECT_EQ(page_->CornerButton(4)->DefaultText(), QStringLiteral("Base Color"));
}

TEST_F(MixerPageTest, TheToolMenuOpensOnlyOverCellsAndItsItemsUseTheResultSpace) {
  page_->ModelBox()->setCurrentIndex(cmLAB);
  QMenu* menu = popup_->pmnu_CM();
  const QRect frame = Mixer().CellRect(Mixer().SelectedCell());
  const QPoint onFrame = frame.topLeft() + QPoint(frame.width() / 2, 0);
  QTest::mouseMove(&Mixer(), onFrame);
  QTest::mousePress(&Mixer(), Qt::RightButton, {}, onFrame);
  EXPECT_FALSE(menu->isVisible()) << "the black selection frame is no cell colour";
  QTest::mouseRelease(&Mixer(), Qt::RightButton, {}, onFrame);

  ClickCell(1, 1, Qt::RightButton);
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  EXPECT_EQ(popup_->ToolColor(), Mixer().GetCell(1, 1));
  EXPECT_EQ(popup_->ToolModel(), cmLAB);
  menu->actions().at(2)->trigger();  // Add to Palette
  ASSERT_EQ(palette_.Count(), 1);
  EXPECT_EQ(palette_.Entry(0).Name, QString::fromStdString(TColorObject(Mixer().GetCell(1, 1), cmLAB).HexText()));
  EXPECT_EQ(palette_.Entry(0).Color.Model(), cmLAB);
  menu->actions().at(0)->trigger();  // Set as Base
  EXPECT_EQ(workspace_.BaseColor().Model(), cmLAB);
  EXPECT_EQ(workspace_.BaseColor().GetColor(), TColorObject(Mixer().GetCell(1, 1), cmLAB).GetColor());

  palette_.NewPalette();
  menu->actions().at(3)->trigger();  // Add all to palette
  ASSERT_EQ(palette_.Count(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(palette_.Entry(i).Color.GetColor(), TColorObject(Mixer().GetCell(i / 3, i % 3), cmLAB).GetColor())
        << "column by column, " << i;
    EXPECT_EQ(palette_.Entry(i).Color.Model(), cmLAB);
  }
}

}  // namespace
}  // namespace tintorium
