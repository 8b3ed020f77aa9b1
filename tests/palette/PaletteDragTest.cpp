// A real drag within the palette list, through QDrag and the platform's drag and drop. The offscreen platform
// has no drag and drop, so this runs under a virtual X display (xvfb-run) and skips elsewhere.
#include "actions/MainActions.h"
#include "controls/ColorList.h"
#include "palette/PaletteDocument.h"
#include "palette/PalettePanel.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QTimer>

namespace tintorium {
namespace {

QStringList Names(const TPaletteDocument& document) {
  QStringList names;
  for (const TPaletteEntry& entry : document.Entries()) names << entry.Name;
  return names;
}

class PaletteRealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    panel.AttachActions(actions);
    for (const char* name : {"A", "B", "C", "D", "E"}) {
      TColorObject color;
      color.SetRGB({name[0] * 2, 40, 90});
      document.AddPaletteColor(QString::fromLatin1(name), color);
    }
    panel.resize(300, 400);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  }

  /// Presses on row `from` and drags to `to`. QDrag::exec runs its own event loop until the button is
  /// released, so the moves and the release that end the drag are queued before the drag starts.
  void Drag(int from, QPoint to) {
    TColorList& list = *panel.PaletteList();
    QWidget* viewport = list.viewport();
    const QPoint start = list.visualRect(list.model()->index(from, 0)).center();
    const QPoint step = (to - start) / 3;
    QTimer::singleShot(150, viewport, [=] { QTest::mouseMove(viewport, start + step); });
    QTimer::singleShot(300, viewport, [=] { QTest::mouseMove(viewport, start + 2 * step); });
    QTimer::singleShot(450, viewport, [=] { QTest::mouseMove(viewport, to); });
    QTimer::singleShot(600, viewport, [=] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, to); });
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, 12));
    QTest::mouseMove(viewport, start + QPoint(0, 24));
    QTest::qWait(800);
  }

  TPaletteDocument document;
  TWorkspace workspace;
  TMainActions actions;
  TPalettePanel panel{document, workspace};
};

TEST_F(PaletteRealDrag, TheThirdEntryDroppedBelowTheLastMovesToTheEnd) {
  Drag(2, QPoint(40, panel.PaletteList()->viewport()->height() - 8));
  EXPECT_EQ(Names(document), (QStringList{"A", "B", "D", "E", "C"}));
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PaletteRealDrag, TheThirdEntryDroppedOnTheFirstMovesToTheFront) {
  TColorList& list = *panel.PaletteList();
  Drag(2, list.visualRect(list.model()->index(0, 0)).center());
  EXPECT_EQ(Names(document), (QStringList{"C", "A", "B", "D", "E"}));
}

}  // namespace
}  // namespace tintorium
