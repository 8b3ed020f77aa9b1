// Undo and redo of palette edits as a user meets them in the main window: the keys, the Palette menu, the
// captions naming the step in both shipped languages, the caption's modified mark and the selection after
// each step; Ctrl+Z undoes the last change of either kind, Alt+Left and Alt+Right are the base colour's Previous
// and Next.
#include "ShellTestSupport.h"

#include "ui/actions/MainActions.h"
#include "app/MainStatusBar.h"
#include "ui/controls/ColorList.h"
#include "engine/language/Language.h"
#include "ui/language/LanguageApplier.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "engine/palette/PaletteSort.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>

namespace tintorium::test {
namespace {

const QString kLanguageFolder = QDir::cleanPath(QStringLiteral(TINTORIUM_TEST_DATA "/../../data/Language"));

class PaletteUndoWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    window = Start({"-", "-"});  // no palette opened or restored
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    panel = qobject_cast<TPalettePanel*>(window->PaletteDock()->widget());
    ASSERT_NE(panel, nullptr);
  }
  void TearDown() override {
    window.reset();
    SetLanguageFolder(QString());
    SetCurrentLanguageName(QString());
    ResetMessages();
    ShellFixture::TearDown();
  }

  TPaletteDocument& Doc() const { return window->Palette(); }
  TMainActions& Actions() const { return window->Actions(); }
  QStringList Names() const {
    QStringList names;
    for (const TPaletteEntry& e : Doc().Entries()) names << e.Name;
    return names;
  }
  void Fill(const QStringList& names) {
    for (int i = 0; i < names.size(); ++i) Doc().AddPaletteColor(names[i], TColorObject(TColor(0x10 * (5 - i)), cmRGB));
    Doc().SetPaletteModified(false);
    Doc().UndoStack().clear();
  }
  /// A key press as the user makes it, between the idle refreshes around it.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    window->UpdateActions();
    QTest::keyClick(window.get(), key, modifiers);
    window->UpdateActions();
  }
  void PressUndo() { Press(Qt::Key_Backspace, Qt::AltModifier); }
  void PressRedo() { Press(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier); }

  /// Opens the Palette menu from the menu bar and clicks `action` in it.
  void ChooseFromPaletteMenu(QAction* action) {
    window->UpdateActions();
    QMenu* menu = window->findChild<QMenu*>(QStringLiteral("miPalette"));
    ASSERT_NE(menu, nullptr);
    QMenuBar* bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    ASSERT_TRUE(action->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QTRY_VERIFY(!menu->isVisible());
    window->UpdateActions();
  }

  std::unique_ptr<TMainWindow> window;
  TPalettePanel* panel = nullptr;
};

TEST_F(PaletteUndoWindowTest, TheKeysUndoAndRedoPaletteEditsWhileAltLeftAndRightWalkTheBaseColour) {
  // Base colour history: A, then B.
  window->Workspace().AssignBaseColor(TColorObject(0x0000FF, cmRGB), nullptr);
  window->Workspace().AssignBaseColor(TColorObject(0x00FF00, cmRGB), nullptr);
  Fill({"a", "b", "c"});
  Doc().SortPaletteColors(skSystemColor, soAscending);
  const QStringList sorted = Names();
  ASSERT_NE(sorted, (QStringList{"a", "b", "c"}));

  Press(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(window->Workspace().BaseColor().GetColor(), TColor(0x0000FF)) << "Previous Base color";
  EXPECT_EQ(Names(), sorted) << "Alt+Left leaves the palette alone";
  Press(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(window->Workspace().BaseColor().GetColor(), TColor(0x00FF00)) << "Next Base color";
  EXPECT_EQ(Names(), sorted);

  Press(Qt::Key_Z, Qt::ControlModifier);  // the sort was the last change
  EXPECT_EQ(Names(), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(window->Workspace().BaseColor().GetColor(), TColor(0x00FF00)) << "the base colour stays";
  Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Names(), sorted);

  PressUndo();
  EXPECT_EQ(Names(), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(window->Workspace().BaseColor().GetColor(), TColor(0x00FF00)) << "the base colour stays";
  PressRedo();
  EXPECT_EQ(Names(), sorted);
  EXPECT_EQ(Actions().actPaletteUndo->shortcut().toString(QKeySequence::PortableText), QStringLiteral("Alt+Backspace"));
  EXPECT_EQ(Actions().actPaletteRedo->shortcut().toString(QKeySequence::PortableText),
            QStringLiteral("Alt+Shift+Backspace"));
}

TEST_F(PaletteUndoWindowTest, NoOtherActionSharesTheShortcuts) {
  QStringList taken;
  for (const QAction* action : Actions().All()) {
    if (action->shortcut().isEmpty()) continue;
    const QString keys = action->shortcut().toString(QKeySequence::PortableText);
    EXPECT_FALSE(taken.contains(keys)) << keys.toStdString() << " twice, last on " << action->objectName().toStdString();
    taken << keys;
  }
}

TEST_F(PaletteUndoWindowTest, ThePaletteMenuUndoesAndRedoesAndItsEntriesNameTheStep) {
  Fill({"a", "b", "c", "d"});
  TMainActions& a = Actions();
  window->UpdateActions();
  EXPECT_FALSE(a.actPaletteUndo->isEnabled());
  EXPECT_FALSE(a.actPaletteRedo->isEnabled());
  EXPECT_EQ(a.actPaletteUndo->text(), QStringLiteral("Undo"));
  EXPECT_EQ(a.actPaletteRedo->text(), QStringLiteral("Redo"));

  Doc().DeletePaletteColors({1, 2});
  Doc().MovePaletteColor(0, 1);
  window->UpdateActions();
  EXPECT_EQ(a.actPaletteUndo->text(), QStringLiteral("Undo Move Color"));
  EXPECT_FALSE(a.actPaletteRedo->isEnabled());

  ChooseFromPaletteMenu(a.actPaletteUndo);
  EXPECT_EQ(Names(), (QStringList{"a", "d"}));
  EXPECT_EQ(a.actPaletteUndo->text(), QStringLiteral("Undo Delete Color"));
  EXPECT_EQ(a.actPaletteRedo->text(), QStringLiteral("Redo Move Color"));
  ChooseFromPaletteMenu(a.actPaletteUndo);
  EXPECT_EQ(Names(), (QStringList{"a", "b", "c", "d"}));
  EXPECT_FALSE(a.actPaletteUndo->isEnabled());
  EXPECT_EQ(a.actPaletteUndo->text(), QStringLiteral("Undo"));
  ChooseFromPaletteMenu(a.actPaletteRedo);
  EXPECT_EQ(Names(), (QStringList{"a", "d"}));
  EXPECT_EQ(a.actPaletteRedo->text(), QStringLiteral("Redo Move Color"));

  // The palette's toolbar holds the same two actions, with their pictures.
  const QList<QAction*> bar = panel->PaletteToolBar()->actions();
  EXPECT_TRUE(bar.contains(a.actPaletteUndo) && bar.contains(a.actPaletteRedo));
  EXPECT_FALSE(a.actPaletteUndo->icon().isNull());
  EXPECT_FALSE(a.actPaletteRedo->icon().isNull());
}

TEST_F(PaletteUndoWindowTest, CaptionsFollowTheLanguageAtOnceAndKeepItsOwnWordWhenNothingIsNamed) {
  Fill({"a", "b"});
  Doc().SortPaletteColors(skRGB_R, soDescending);
  window->UpdateActions();
  EXPECT_EQ(Actions().actPaletteUndo->text(), QStringLiteral("Undo Sort Palette"));

  SetLanguageFolder(kLanguageFolder);
  SelectLanguage(window.get(), QStringLiteral("deutsch.lng"));
  window->UpdateActions();
  EXPECT_EQ(Actions().actPaletteUndo->text(), QStringLiteral("Rückgängig: Palette sortieren"));
  PressUndo();
  EXPECT_EQ(Actions().actPaletteUndo->text(), QStringLiteral("Rückgängig"));
  EXPECT_EQ(Actions().actPaletteRedo->text(), QStringLiteral("Wiederholen: Palette sortieren"));
  PressRedo();
  EXPECT_EQ(Actions().actPaletteRedo->text(), QStringLiteral("Wiederholen"));

  SelectLanguage(window.get(), QStringLiteral("english.lng"));
  window->UpdateActions();
  EXPECT_EQ(Actions().actPaletteUndo->text(), QStringLiteral("Undo Sort Palette"));
  EXPECT_EQ(Actions().actPaletteRedo->text(), QStringLiteral("Redo"));
}

TEST_F(PaletteUndoWindowTest, TheCaptionsMarkFollowsTheSavedState) {
  Fill({"a", "b"});
  dialogs.savePaths.push_back(File(QStringLiteral("kept.tnp")));
  Actions().actFileSave->trigger();
  window->UpdateActions();
  const QString saved = QStringLiteral("Tintorium - [kept.tnp]");
  ASSERT_EQ(window->windowTitle(), saved);

  Doc().AddPaletteColor(QStringLiteral("c"), TColorObject(0x123456, cmRGB));
  window->UpdateActions();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tintorium - [kept.tnp*]"));
  PressUndo();
  EXPECT_EQ(window->windowTitle(), saved);
  EXPECT_EQ(window->StatusPanels()->CountText(), QStringLiteral("Colors in palette: 2"));
  PressRedo();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tintorium - [kept.tnp*]"));
  EXPECT_EQ(window->StatusPanels()->CountText(), QStringLiteral("Colors in palette: 3"));

  // New (answering No to the question) leaves nothing to undo.
  dialogs.answers.push_back(7);
  Actions().actFileNew->trigger();
  window->UpdateActions();
  EXPECT_FALSE(Actions().actPaletteUndo->isEnabled());
  EXPECT_FALSE(Actions().actPaletteRedo->isEnabled());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tintorium - [noname.tnp]"));
}

TEST_F(PaletteUndoWindowTest, TheRowsAStepTouchedAreSelectedAfterIt) {
  Fill({"a", "b", "c", "d", "e", "f"});
  TColorList& list = *panel->PaletteList();
  Doc().DeletePaletteColors({1, 3, 4});
  PressUndo();
  EXPECT_EQ(list.SelectedRows(), (QList<int>{1, 3, 4}));
  EXPECT_EQ(list.CurrentRow(), 1);

  Doc().MovePaletteColor(0, 5);
  Doc().EditPaletteColor(2, QStringLiteral("renamed"), cmLAB);
  PressUndo();
  EXPECT_EQ(list.SelectedRows(), (QList<int>{2}));
  PressUndo();
  EXPECT_EQ(list.SelectedRows(), (QList<int>{0})) << "the moved entry where it came back to";
  EXPECT_EQ(list.CurrentRow(), 0);
  PressRedo();
  EXPECT_EQ(list.SelectedRows(), (QList<int>{5}));
  EXPECT_EQ(list.CurrentRow(), 5);
}

}  // namespace
}  // namespace tintorium::test
