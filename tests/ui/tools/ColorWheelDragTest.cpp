// Real drags from the colour wheel, through QDrag and the platform's drag and drop. The offscreen platform has
// no drag and drop, so this runs under a virtual X display (xvfb-run) and skips elsewhere.
#include "ui/tools/ColorWheelPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/controls/ColorWheel.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/BaseColorPanel.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QTest>
#include <QTimer>

namespace tintorium {
namespace {

class WheelRealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    workspace.SetPalette(&document);
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(basePanel);
    layout->addWidget(page);
    layout->addWidget(palettePanel);
    window.resize(900, 420);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    workspace.AssignBaseColor(TColorObject(0x0000FF, cmRGB), nullptr);
    QTest::qWait(50);
  }

  QPoint Segment(int index) {
    const TWheelGeometry g = Wheel().Geometry();
    return g.display.topLeft() + WheelPoint(g, SegmentAngle(index) + 8, g.D / 3) / 3;
  }
  TColorWheel& Wheel() { return *page->Wheel(); }

  /// Presses on `segment` and drags to `target` in `targetWidget`. QDrag::exec runs its own event loop, so the
  /// moves and the release that end the drag are queued before the drag starts.
  void Drag(int segment, QWidget* targetWidget, QPoint target) {
    QWidget* source = &Wheel();
    const QPoint start = Segment(segment);
    const QPoint to = targetWidget->mapTo(&window, target);
    const QPoint from = source->mapTo(&window, start);
    const QPoint step = (to - from) / 3;
    QTimer::singleShot(150, &window, [=, this] { QTest::mouseMove(&window, from + step); });
    QTimer::singleShot(300, &window, [=, this] { QTest::mouseMove(&window, from + 2 * step); });
    QTimer::singleShot(450, &window, [=, this] { QTest::mouseMove(&window, to); });
    QTimer::singleShot(600, &window, [=, this] { QTest::mouseRelease(&window, Qt::LeftButton, {}, to); });
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, start + QPoint(4, 4));
    QTest::mouseMove(source, start + QPoint(6, 6));
    QTest::qWait(900);
  }

  TWorkspace workspace;
  TPaletteDocument document;
  TMainActions actions;
  // After the workspace: the panels in the window still talk to it while the window closes.
  QWidget window;
  TColorToolPopup popup{workspace, actions, &window};
  TBaseColorPanel* basePanel = new TBaseColorPanel(workspace);
  TColorWheelPage* page = new TColorWheelPage(workspace, popup, actions);
  TPalettePanel* palettePanel = new TPalettePanel(document, workspace);
};

TEST_F(WheelRealDrag, ASegmentDroppedOnTheBaseSwatchBecomesTheBaseInTheResultSpace) {
  page->ModelBox()->setCurrentIndex(cmHSB);
  const TColor cyan = Wheel().SegmentColor(6);
  TColorSwatch* swatch = basePanel->BaseSwatch();
  Drag(6, swatch, swatch->rect().center());
  EXPECT_EQ(workspace.BaseColor().GetColor(), cyan);
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB);
  EXPECT_FALSE(Wheel().Dragging());
  // A drag is no click, and the wheel follows the swatch like any outside change.
  EXPECT_FALSE(Wheel().PickedByClick());
  EXPECT_EQ(Wheel().BaseColor(), cyan);
}

TEST_F(WheelRealDrag, ASegmentDroppedOnThePaletteIsAddedByItsHexName) {
  page->ModelBox()->setCurrentIndex(cmCMYK);
  const TColor green = Wheel().SegmentColor(8);
  QWidget* list = palettePanel->PaletteList()->viewport();
  Drag(8, list, list->rect().center());
  ASSERT_EQ(document.Count(), 1);
  EXPECT_EQ(document.Entries()[0].Color.GetColor(), green);
  EXPECT_EQ(document.Entries()[0].Color.Model(), cmCMYK);
  EXPECT_EQ(document.Entries()[0].Name, QStringLiteral("00FF00"));
  EXPECT_EQ(Wheel().BaseColor(), TColor(0x0000FF)) << "the drag did not pick";
}

}  // namespace
}  // namespace tintorium
