// Real drags between the base swatch and the palette area, through QDrag and the platform's drag and drop.
// The offscreen platform has no drag and drop, so this runs under a virtual X display and skips elsewhere.
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "ui/workspace/BaseColorPanel.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QBoxLayout>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

namespace tintorium {
namespace {

class BaseColorRealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    auto* layout = new QHBoxLayout(&host);
    layout->addWidget(&basePanel);
    layout->addWidget(&palettePanel);
    palettePanel.AttachActions(actions);
    host.resize(560, 360);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  }

  /// Presses `from` at `start` and drops on `target` at `end`. QDrag::exec runs its own event loop until the
  /// button is released, so the moves and the release that end the drag are queued before it starts.
  static void Drag(QWidget* from, QPoint start, QWidget* target, QPoint end) {
    QTimer::singleShot(150, target, [=] { QTest::mouseMove(target, end - QPoint(6, 6)); });
    QTimer::singleShot(300, target, [=] { QTest::mouseMove(target, end); });
    QTimer::singleShot(450, target, [=] { QTest::mouseRelease(target, Qt::LeftButton, {}, end); });
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTest::mouseMove(from, start + QPoint(12, 0));
    QTest::mouseMove(from, start + QPoint(24, 0));
    QTest::qWait(700);
  }

  QWidget host;
  TPaletteDocument document;
  TWorkspace workspace;
  TMainActions actions;
  TBaseColorPanel basePanel{workspace};
  TPalettePanel palettePanel{document, workspace};
};

TEST_F(BaseColorRealDrag, TheBaseSwatchDroppedOnThePaletteAddsTheBaseColourObjectItself) {
  TColorObject hsb;
  hsb.SetHSB({200, 40, 70});
  workspace.AssignBaseColor(hsb, nullptr);
  TColorSwatch* shBase = basePanel.BaseSwatch();
  QWidget* viewport = palettePanel.PaletteList()->viewport();
  Drag(shBase, shBase->rect().center(), viewport, QPoint(40, 20));
  ASSERT_EQ(document.Count(), 1);
  EXPECT_TRUE(SameColor(document.Entry(0).Color, hsb)) << "its own model and values";
  EXPECT_EQ(document.Entry(0).Name, QString::fromStdString(hsb.HexText()));
}

TEST_F(BaseColorRealDrag, AHistoryEntryDroppedOnTheBaseSwatchAddsNoHistoryEntry) {
  for (int red : {10, 20, 30}) {
    workspace.BaseColor().SetRGB({red, 50, 90});
    workspace.BaseColorChanged(nullptr, cmRGB, true, false);
  }
  palettePanel.ShowPage(TPalettePanel::pgHistory);
  QApplication::processEvents();
  TColorList& history = *palettePanel.HistoryList();
  const QPoint row = history.visualRect(history.model()->index(2, 0)).center();
  QTest::mouseClick(history.viewport(), Qt::LeftButton, {}, row);
  ASSERT_EQ(history.CurrentRow(), 2);
  TColorSwatch* shBase = basePanel.BaseSwatch();
  Drag(history.viewport(), row, shBase, shBase->rect().center());
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{10, 50, 90}));
  EXPECT_EQ(workspace.History().Count(), 3);
}

}  // namespace
}  // namespace tintorium
