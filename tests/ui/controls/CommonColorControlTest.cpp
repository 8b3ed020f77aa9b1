// The colour control base: the colour under the pointer comes from what the control shows, only own colours
// are handed out, and the workspace's readout follows the pointer.
#include "ui/controls/CommonColorControl.h"
#include "core/ColorModels.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace tintorium {
namespace {

constexpr TColor Red = 0x0000FF;

// Paints its left half red (its own colour) and its right half white (background), without a cached image,
// so the base class reads the rendered widget.
class THalfControl final : public TCommonColorControl {
 public:
  bool IsOwnColor(TColor color) const override { return color == Red; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width() / 2, height()), QColor(255, 0, 0));
    painter.fillRect(QRect(width() / 2, 0, width() - width() / 2, height()), Qt::white);
  }
};

class CommonColorControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
  }
  THalfControl control;
};

TEST_F(CommonColorControlTest, StartsAsASixtyFourPixelTabStop) {
  EXPECT_EQ(control.size(), QSize(64, 64));
  EXPECT_EQ(control.focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(control.HoverColor(), clNone);
  EXPECT_FALSE(control.GetHoverColor());
}

TEST_F(CommonColorControlTest, HoverColourIsTheDisplayedPixel) {
  EXPECT_EQ(control.DisplayedColorAt(QPoint(5, 5)), Red);
  EXPECT_EQ(control.DisplayedColorAt(QPoint(60, 5)), clWhite);
  EXPECT_EQ(control.DisplayedColorAt(QPoint(64, 5)), clNone) << "outside the control";

  QSignalSpy moves(&control, &TCommonColorControl::OnMouseMove);
  QTest::mouseMove(&control, QPoint(10, 30));
  ASSERT_GE(moves.count(), 1);
  EXPECT_EQ(control.GetHoverColor(), std::optional<TColor>(Red));
  QTest::mouseMove(&control, QPoint(50, 30));
  EXPECT_EQ(control.HoverColor(), clWhite);
  EXPECT_FALSE(control.GetHoverColor()) << "the background is no own colour";
}

TEST_F(CommonColorControlTest, WorkspaceReadoutFollowsThePointer) {
  TWorkspace workspace;
  workspace.WatchColorUnderCursor(&control);
  QTest::mouseMove(&control, QPoint(10, 30));
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       R:255 G:0 B:0"));
  QTest::mouseMove(&control, QPoint(50, 30));
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty()) << "over a colour that is not its own the readout clears";
  QTest::mouseMove(&control, QPoint(10, 30));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&control, &leave);
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty());
}

TEST_F(CommonColorControlTest, DropsOnlyWhenATargetIsSet) {
  const TColorDragOffer offer{TColorDragKind::Shape, Red, cmRGB, std::nullopt};
  EXPECT_FALSE(control.acceptDrops());
  EXPECT_FALSE(control.DropOffer(offer));
  int drops = 0;
  control.SetColorDropTarget([](const TColorDragOffer& o) { return o.kind == TColorDragKind::Shape; },
                             [&drops](const TColorDragOffer&) { ++drops; });
  EXPECT_TRUE(control.acceptDrops());
  EXPECT_TRUE(control.DropOffer(offer));
  EXPECT_FALSE(control.DropOffer({TColorDragKind::Wheel, Red, cmRGB, std::nullopt}));
  EXPECT_EQ(drops, 1);
  control.SetColorDropTarget({}, {});
  EXPECT_FALSE(control.acceptDrops());
}

}  // namespace
}  // namespace tintorium
