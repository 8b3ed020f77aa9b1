// A real drag within the palette list, through QDrag and the platform's drag and drop. The offscreen platform
// has no drag and drop, so this runs under a virtual X display (xvfb-run) and skips elsewhere.
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "support/ScriptedDialogs.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QTabBar>
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

// A dialog opened from the list blocks the window: pointer moves over it are dropped, so the list never hears the
// pointer leave. Once the dialog is gone and the pointer is elsewhere, the readout must not still show the entry.
TEST_F(PaletteRealDrag, TheReadoutClearsAfterADialogOpenedFromTheListWhateverHappenedInBetween) {
  TColorList& list = *panel.PaletteList();
  list.SetCurrentRow(0);
  const QPoint row = list.viewport()->mapToGlobal(list.visualRect(list.model()->index(0, 0)).center());
  const QPoint tabs = panel.Tabs()->mapToGlobal(panel.Tabs()->rect().center());
  struct Case {
    const char* what;
    QPoint dialogAt;   // top left of the dialog
    QPoint whileOpen;  // where the pointer goes while it is open
  };
  const QPoint beside = panel.mapToGlobal(QPoint(panel.width() + 20, 0));
  const Case cases[] = {
      {"the pointer moves within the blocked window", beside, tabs},
      {"the pointer moves onto the dialog", beside, beside + QPoint(30, 30)},
      {"the dialog opens under the pointer", row - QPoint(60, 40), tabs},
  };
  // Through the list's own pop-up menu, as a user opens the dialog from an entry.
  const auto openFromMenu = [&] {
    QContextMenuEvent click(QContextMenuEvent::Mouse, list.viewport()->mapFromGlobal(row), row);
    QApplication::sendEvent(list.viewport(), &click);
    QMenu* menu = panel.PopupMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QPoint item = menu->actionGeometry(actions.actPaletteEditColor).center();
    QCursor::setPos(menu->mapToGlobal(item));
    QTest::qWait(50);
    QTest::mouseClick(menu, Qt::LeftButton, {}, item);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QCursor::setPos(row + QPoint(3, 0));
    QCursor::setPos(row);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !workspace.ColorUnderCursorText().isEmpty(); }, 2000));
    test::TScriptedDialogs dialogs;
    dialogs.onExec = [&c](QDialog& dialog) {
      dialog.setWindowModality(Qt::ApplicationModal);
      dialog.setGeometry(QRect(c.dialogAt, QSize(160, 100)));
      dialog.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
      QCursor::setPos(c.whileOpen);
      QTest::qWait(150);
      dialog.hide();
      return int(QDialog::Rejected);
    };
    openFromMenu();
    QCursor::setPos(tabs + QPoint(4, 0));
    EXPECT_TRUE(QTest::qWaitFor([this] { return workspace.ColorUnderCursorText().isEmpty(); }, 1500))
        << workspace.ColorUnderCursorText().toStdString();
  }
}

}  // namespace
}  // namespace tintorium
