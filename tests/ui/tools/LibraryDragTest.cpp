// Real drags from the Swatches panel's table and the Library page's list onto the palette, through QDrag and the
// platform's drag and drop. The offscreen platform has none, so this runs under a virtual X display (xvfb-run)
// and skips elsewhere.
#include "ui/tools/LibraryPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/LibTableGeometry.h"
#include "engine/formats/SwatchFiles.h"
#include "ui/library/LibraryPanel.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tintorium {
namespace {

class LibraryRealDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    ASSERT_TRUE(dir.isValid());
    TColors colors;
    for (TColor color : {0x0000FFu, 0x00FF00u, 0xFF0000u, 0x00FFFFu})
      colors.emplace_back(TColorObject(color, cmRGB), QString::number(color, 16).toStdU16String());
    ASSERT_TRUE(WriteAcoFile(dir.filePath("lib.aco"), colors).Ok());
    workspace.SetPalette(&document);
    panel = new TLibraryPanel(workspace, {dir.path()});
    page = new TLibraryPage(workspace, popup, actions, {dir.path()});
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(panel);
    layout->addWidget(page, 1);
    layout->addWidget(palettePanel);
    window.resize(1000, 500);
    panel->Start(QStringLiteral("lib.aco"));
    page->Start(QStringLiteral("lib.aco"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(50);
  }

  /// Presses at `start` in `source` and drags to the palette list. QDrag::exec runs its own event loop, so the
  /// moves and the release that end the drag are queued before the drag starts.
  void DragToPalette(QWidget* source, QPoint start, QPoint firstMove, bool dragStartsAtOnce) {
    QWidget* list = palettePanel->PaletteList()->viewport();
    const QPoint to = list->mapTo(&window, list->rect().center());
    const QPoint from = source->mapTo(&window, start);
    const QPoint step = (to - from) / 3;
    QTimer::singleShot(150, &window, [=, this] { QTest::mouseMove(&window, from + step); });
    QTimer::singleShot(300, &window, [=, this] { QTest::mouseMove(&window, from + 2 * step); });
    QTimer::singleShot(450, &window, [=, this] { QTest::mouseMove(&window, to); });
    QTimer::singleShot(600, &window, [=, this] { QTest::mouseRelease(&window, Qt::LeftButton, {}, to); });
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    QTest::mouseMove(source, firstMove);
    if (!dragStartsAtOnce) QTest::mouseMove(source, firstMove + (firstMove - start));
    QTest::qWait(900);
  }

  QTemporaryDir dir;
  test::TScriptedDialogs dialogs;
  TWorkspace workspace;
  TPaletteDocument document;
  TMainActions actions;
  // After the workspace: the panels in the window still talk to it while the window closes.
  QWidget window;
  TColorToolPopup popup{workspace, actions, &window};
  TLibraryPanel* panel = nullptr;
  TLibraryPage* page = nullptr;
  TPalettePanel* palettePanel = new TPalettePanel(document, workspace);
};

TEST_F(LibraryRealDrag, ASwatchDraggedFromTheTableIsAddedToThePaletteAndTheTableForgetsItsSelection) {
  TColorLibTable& table = *panel->Table();
  const auto centre = [&table](int index) {
    return LibTableCellRect(index, table.TopIndex(), table.Columns(), table.CellSize()).center();
  };
  // Moving to the neighbouring cell with the button held starts the drag at once.
  DragToPalette(&table, centre(2), centre(3), true);
  ASSERT_EQ(document.Count(), 1);
  EXPECT_EQ(document.Entries()[0].Color.GetColor(), 0xFF0000u);
  EXPECT_EQ(document.Entries()[0].Color.Model(), cmRGB);
  EXPECT_EQ(document.Entries()[0].Name, QStringLiteral("0000FF"));
  EXPECT_EQ(table.SelectedCell(), -1);
  EXPECT_FALSE(table.Dragging());
  EXPECT_EQ(workspace.BaseColor().GetColor(), 0u) << "a drag is no click";
}

TEST_F(LibraryRealDrag, AnItemDraggedFromTheListKeepsItsName) {
  TColorList& list = *page->LibraryList();
  ASSERT_EQ(list.Count(), 4);
  const QPoint start = list.visualRect(list.model()->index(1, 0)).center();
  DragToPalette(list.viewport(), start, start + QPoint(QApplication::startDragDistance() + 5, 0), false);
  ASSERT_EQ(document.Count(), 1);
  EXPECT_EQ(document.Entries()[0].Color.GetColor(), 0x00FF00u);
  EXPECT_EQ(document.Entries()[0].Name, QStringLiteral("ff00"));
}

}  // namespace
}  // namespace tintorium
