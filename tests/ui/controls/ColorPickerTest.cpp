// The colour picker button and its popup: the keyboard table, choosing, the default cell, the comb, placement.
#include "ui/controls/ColorPickerButton.h"
#include "ui/controls/ColorPopup.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

void Settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

struct KeyCase {
  int key;
  int from;
  bool hasDefault;
  bool hasCustom;
  bool system;
  int to;
};

TEST(ColorPopupKeys, FollowTheKeyboardTable) {
  const int D = pcDefault, C = pcCustom;
  const KeyCase cases[] = {
      {Qt::Key_Left, 9, true, true, false, 8},     {Qt::Key_Left, 8, true, true, false, 7},
      {Qt::Key_Left, 0, true, true, false, D},     {Qt::Key_Left, 0, false, true, false, C},
      {Qt::Key_Left, 0, false, false, false, 39},  {Qt::Key_Left, 0, false, false, true, 64},
      {Qt::Key_Right, 7, true, true, false, 8},    {Qt::Key_Right, 39, true, true, false, C},
      {Qt::Key_Right, 39, true, false, false, D},  {Qt::Key_Right, 39, false, false, false, 0},
      {Qt::Key_Right, 39, true, true, true, 40},   {Qt::Key_Up, 12, true, true, false, 4},
      {Qt::Key_Up, 4, true, true, false, D},       {Qt::Key_Up, 4, false, true, false, C},
      {Qt::Key_Up, 4, false, false, false, 39},    {Qt::Key_Down, 4, true, true, false, 12},
      {Qt::Key_Down, 36, true, true, false, C},    {Qt::Key_Down, 36, true, false, false, D},
      {Qt::Key_Down, 36, false, false, false, 0},  {Qt::Key_Down, 36, false, false, true, 44},
      {Qt::Key_Left, D, true, true, false, C},     {Qt::Key_Up, D, true, false, false, 39},
      {Qt::Key_Right, D, true, true, false, 0},    {Qt::Key_Down, D, true, true, false, 0},
      {Qt::Key_Left, C, true, true, true, 64},     {Qt::Key_Up, C, true, true, false, 39},
      {Qt::Key_Right, C, true, true, false, D},    {Qt::Key_Down, C, false, true, false, 0},
      {Qt::Key_A, 5, true, true, false, 5},
  };
  for (const KeyCase& c : cases)
    EXPECT_EQ(TColorPopup::KeyTarget(c.key, c.from, c.hasDefault, c.hasCustom, c.system), c.to)
        << "key " << c.key << " from " << c.from << " default " << c.hasDefault << " custom " << c.hasCustom
        << " system " << c.system;
}

TEST(ColorPopupLayout, SizesAndPlacement) {
  const TPopupLayout plain = TColorPopup::Layout(8, false, false, false, false, 13, 40);
  EXPECT_EQ(plain.size, QSize(164, 5 * 18 + 8));
  const TPopupLayout negative = TColorPopup::Layout(-5, false, false, false, false, 13, 40);
  EXPECT_EQ(negative.size.width(), 2 * 2 + 8 * 18);
  const TPopupLayout withDefault = TColorPopup::Layout(8, true, false, false, false, 13, 40);
  EXPECT_EQ(withDefault.size.height(), plain.size.height() + (13 + 8 + 2) + 4);
  EXPECT_EQ(withDefault.gridTop, withDefault.defaultCell.bottom() + 1);
  const TPopupLayout system = TColorPopup::Layout(8, false, false, true, false, 13, 40);
  EXPECT_EQ(system.size.height(), plain.size.height() + 4 * 18 + 4);
  const TPopupLayout comb = TColorPopup::Layout(8, false, true, false, true, 13, 40);
  EXPECT_EQ(comb.comb.size(), QSize(126, 126));
  EXPECT_EQ(comb.intensityBar.top(), comb.comb.top() + 11);
  EXPECT_EQ(comb.intensityBar.bottom(), comb.comb.bottom() - 11);

  const QRect screen(0, 0, 800, 600);
  EXPECT_EQ(TColorPopup::Placement({100, 100, 54, 26}, {164, 98}, screen), QPoint(99, 126));
  EXPECT_EQ(TColorPopup::Placement({100, 560, 54, 26}, {164, 98}, screen), QPoint(99, 560 - 98))
      << "near the bottom it opens above the button";
  EXPECT_EQ(TColorPopup::Placement({700, 100, 54, 26}, {164, 98}, screen), QPoint(800 - 164, 126));
  EXPECT_EQ(TColorPopup::Placement({10, 100, 54, 26}, {900, 98}, screen).x(), 0) << "never left of the screen";
}

TEST(ColorPopupCells, ColoursFindTheirCells) {
  int mark = 0;
  EXPECT_EQ(TColorPopup::CellForColor(Rgb(255, 102, 0), false, false, 1, mark), 9) << "Orange";
  EXPECT_EQ(TColorPopup::CellForColor(Rgb(1, 2, 3), false, true, 1, mark), pcNone);
  EXPECT_EQ(TColorPopup::CellForColor(clNone, false, false, 1, mark), pcNone);
  EXPECT_EQ(TColorPopup::CellForColor(clDefault, false, false, 1, mark), pcDefault);
  EXPECT_EQ(TColorPopup::CellForColor(Rgb(225, 225, 225), false, true, 1, mark), pcCustom);
  EXPECT_EQ(mark, CombCellCount + 1) << "the first grey after white";
  EXPECT_EQ(TColorPopup::CellForColor(Rgb(225, 225, 225), false, false, 1, mark), pcNone) << "no custom cell";
  EXPECT_EQ(TColorPopup::CellForColor(SystemColor(15), true, false, 1, mark), 55) << "button face by value";
}

class PickerTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    window_->resize(300, 200);
    button_ = new TColorPickerButton(window_.get());
    button_->setGeometry(20, 20, 54, 26);
    button_->SetFlat(true);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void OpenPopup() {
    QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(48, 13));
    Settle();
    ASSERT_TRUE(button_->DroppedDown());
  }
  TColorPopup& Popup() { return *button_->Popup(); }

  std::unique_ptr<QWidget> window_;
  TColorPickerButton* button_ = nullptr;
};

TEST_F(PickerTest, OpeningSelectsTheMatchingCellAndAClickChoosesOne) {
  button_->SetSelectionColor(Rgb(255, 102, 0));
  QSignalSpy changes(button_, &TColorPickerButton::OnChange);
  QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(10, 13));
  Settle();
  EXPECT_FALSE(button_->DroppedDown()) << "the face is not the arrow part";
  OpenPopup();
  EXPECT_EQ(Popup().SelectedCell(), 9);
  QImage shown(Popup().size(), QImage::Format_RGB32);
  Popup().render(&shown);
  EXPECT_EQ(shown.pixel(Popup().CellRect(16).center()), qRgb(255, 0, 0)) << "the Red cell";

  QTest::mouseClick(&Popup(), Qt::LeftButton, {}, Popup().CellRect(9).center());
  Settle();
  EXPECT_FALSE(button_->DroppedDown());
  EXPECT_EQ(changes.count(), 0) << "choosing the colour already shown fires nothing";

  OpenPopup();
  QTest::mouseClick(&Popup(), Qt::LeftButton, {}, Popup().CellRect(16).center());
  Settle();
  EXPECT_EQ(button_->SelectionColor(), Rgb(255, 0, 0));
  EXPECT_EQ(changes.count(), 1);
  QImage face(button_->size(), QImage::Format_RGB32);
  button_->render(&face);
  EXPECT_EQ(face.pixel(button_->IndicatorRect().center()), qRgb(255, 0, 0));
}

TEST_F(PickerTest, KeysWalkTheCellsAndEnterChooses) {
  button_->SetDefaultText(QStringLiteral("Base Color"));
  button_->SetSelectionColor(Rgb(1, 2, 3));
  QSignalSpy changes(button_, &TColorPickerButton::OnChange);
  QSignalSpy defaults(button_, &TColorPickerButton::OnDefaultSelect);
  OpenPopup();
  EXPECT_EQ(Popup().SelectedCell(), pcNone);
  const std::pair<Qt::Key, int> walk[] = {{Qt::Key_Right, 0}, {Qt::Key_Left, pcDefault}, {Qt::Key_Left, 39},
                                          {Qt::Key_Up, 31},   {Qt::Key_Right, 32},       {Qt::Key_Down, pcDefault},
                                          {Qt::Key_Down, 0}};
  for (const auto& [key, cell] : walk) {
    QTest::keyClick(&Popup(), key);
    EXPECT_EQ(Popup().HotCell(), cell) << key;
  }
  QTest::keyClick(&Popup(), Qt::Key_Return);
  Settle();
  EXPECT_FALSE(button_->DroppedDown());
  EXPECT_EQ(button_->SelectionColor(), Rgb(0, 0, 0)) << "cell 0, Black";
  EXPECT_EQ(changes.count(), 1);

  OpenPopup();
  QTest::keyClick(&Popup(), Qt::Key_Escape);
  Settle();
  EXPECT_FALSE(button_->DroppedDown());
  EXPECT_EQ(changes.count(), 1);

  OpenPopup();
  QTest::keyClick(&Popup(), Qt::Key_Space);  // nothing hot: the default choice
  Settle();
  EXPECT_EQ(defaults.count(), 1);
  EXPECT_EQ(changes.count(), 1);
  OpenPopup();
  QTest::mouseClick(&Popup(), Qt::LeftButton, {}, Popup().CellRect(pcDefault).center());
  Settle();
  EXPECT_EQ(defaults.count(), 2);
  EXPECT_EQ(changes.count(), 1) << "the default cell fires OnDefaultSelect, not OnChange";
}

TEST_F(PickerTest, DropChangingCanRefuseAndPressingOutsideCloses) {
  bool allow = false;
  QObject::connect(button_, &TColorPickerButton::OnDropChanging, button_, [&allow](bool* allowed) { *allowed = allow; });
  QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(48, 13));
  Settle();
  EXPECT_FALSE(button_->DroppedDown());
  allow = true;
  OpenPopup();
  allow = false;
  QTest::keyClick(&Popup(), Qt::Key_Escape);
  EXPECT_TRUE(button_->DroppedDown()) << "kept open";
  allow = true;
  QTest::mouseClick(&Popup(), Qt::LeftButton, {}, QPoint(-30, -30));
  Settle();
  EXPECT_FALSE(button_->DroppedDown());
}

TEST_F(PickerTest, TheCombUnfoldsMarksAndChoosesAndTheBarSetsTheIntensity) {
  button_->SetCustomText(QStringLiteral("More Colors..."));
  button_->SetShowHint(true);
  OpenPopup();
  const int closedHeight = Popup().height();
  QTest::mouseClick(&Popup(), Qt::LeftButton, {}, Popup().CellRect(pcCustom).center());
  Settle();
  ASSERT_TRUE(button_->DroppedDown()) << "the custom cell unfolds the comb and stays open";
  EXPECT_EQ(Popup().SelectedCell(), pcCustom);
  EXPECT_GT(Popup().height(), closedHeight);

  const TPopupLayout l = Popup().CurrentLayout();
  const QPoint centre = l.comb.topLeft() + QPoint(63, 63);
  EXPECT_EQ(Popup().CombCellAt(centre), 0);
  EXPECT_EQ(Popup().HintAt(centre), QStringLiteral("red: 255, green: 255, blue: 255"));
  QImage shown(Popup().size(), QImage::Format_RGB32);
  Popup().render(&shown);
  EXPECT_EQ(shown.pixel(centre), qRgb(255, 255, 255));
  const QPoint magenta = l.comb.topLeft() + QPoint(63 + 54, 63);
  EXPECT_EQ(shown.pixel(magenta), qRgb(255, 0, 255)) << "the right corner";

  // Dragging the intensity to the bottom blackens the centre.
  const QPoint barBottom(l.intensityBar.center().x(), l.intensityBar.bottom() + 30);
  QTest::mousePress(&Popup(), Qt::LeftButton, {}, l.intensityBar.center());
  QMouseEvent drag(QEvent::MouseMove, QPointF(barBottom), Popup().mapToGlobal(QPointF(barBottom)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&Popup(), &drag);
  QTest::mouseRelease(&Popup(), Qt::LeftButton, {}, barBottom);
  EXPECT_DOUBLE_EQ(Popup().Intensity(), 0);
  EXPECT_EQ(Popup().CombColor(0), Rgb(0, 0, 0));
  EXPECT_EQ(Popup().HintAt(l.intensityBar.center()), QStringLiteral("Intensity: 0%"));

  QSignalSpy changes(button_, &TColorPickerButton::OnChange);
  QTest::mousePress(&Popup(), Qt::LeftButton, {}, magenta);
  EXPECT_EQ(Popup().CombMark(), 1 + 6 * (1 + 2 + 3 + 4 + 5)) << "ring 6 starts at the magenta corner";
  QTest::mouseRelease(&Popup(), Qt::LeftButton, {}, magenta);
  Settle();
  EXPECT_FALSE(button_->DroppedDown());
  EXPECT_EQ(button_->SelectionColor(), Rgb(255, 0, 255));
  EXPECT_EQ(changes.count(), 1);

  OpenPopup();
  EXPECT_EQ(Popup().SelectedCell(), 24) << "magenta is also the standard Pink";
}

TEST_F(PickerTest, DropsFollowTheTarget) {
  button_->SetColorDropTarget([](const TColorDragOffer& offer) { return ColorDrag::MixerCornerAccepts(offer.kind); },
                              [this](const TColorDragOffer& offer) {
                                if (auto color = ColorDrag::MixerCornerDrop(offer)) button_->SetSelectionColor(*color);
                              });
  EXPECT_FALSE(button_->DropOffer({TColorDragKind::Wheel, Rgb(1, 1, 1), cmRGB, std::nullopt}));
  EXPECT_FALSE(button_->DropOffer({TColorDragKind::Mixer, Rgb(1, 1, 1), cmRGB, std::nullopt}));
  EXPECT_TRUE(button_->DropOffer({TColorDragKind::LibTable, Rgb(9, 8, 7), cmRGB, std::nullopt}));
  EXPECT_EQ(button_->SelectionColor(), Rgb(9, 8, 7));
  EXPECT_TRUE(button_->DropOffer({TColorDragKind::List, clNone, cmRGB, std::nullopt}));
  EXPECT_EQ(button_->SelectionColor(), Rgb(9, 8, 7)) << "a list without a selected item changes nothing";
}

}  // namespace
}  // namespace tintorium
