// The keys of the main window as on any Linux desktop, pressed on the real window: one undo history for palette
// edits and base colour changes on Ctrl+Z / Ctrl+Shift+Z / Ctrl+Y, Previous and Next Base color on Alt+Left and
// Alt+Right, Ctrl+W and Ctrl+Q, no command on another command's standard key, and a text field keeps its own keys.
#include "ShellTestSupport.h"

#include "engine/palette/PaletteDocument.h"
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "ui/palette/PalettePanel.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/EditHistory.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QUndoStack>

namespace tintorium::test {
namespace {

constexpr TColor kMid = 0x204080;  // 0x00BBGGRR: a mid red that Brighten and Desaturate both change

class KeysWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    window = Start({"-", "-"});  // no palette opened or restored
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Workspace().AssignBaseColor(TColorObject(kMid, cmRGB), nullptr);
    window->ToolTabs()->setFocus();
  }
  void TearDown() override {
    window.reset();
    ShellFixture::TearDown();
  }

  /// A key press as the user makes it, on the widget with the focus, between the idle refreshes around it.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    window->UpdateActions();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, key, modifiers);
    window->UpdateActions();
  }
  TColor Base() const { return window->Workspace().BaseColor().GetColor(); }
  int Count() const { return window->Palette().Count(); }
  QLineEdit* Field(const char* name) const { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); }

  std::unique_ptr<TMainWindow> window;
};

// Each step is a real key: Alt+B brightens the base colour, Ctrl+B adds it to the palette.
TEST_F(KeysWindowTest, CtrlZUndoesTheLastChangeWhicheverItWasAndCtrlShiftZOrCtrlYRedoesIt) {
  Press(Qt::Key_B, Qt::ControlModifier);  // palette: red
  Press(Qt::Key_B, Qt::AltModifier);      // base: brighter
  const TColor bright = Base();
  ASSERT_NE(bright, kMid);
  Press(Qt::Key_B, Qt::ControlModifier);  // palette: red, bright
  Press(Qt::Key_B, Qt::AltModifier);      // base: brighter still
  const TColor brighter = Base();
  ASSERT_NE(brighter, bright);
  ASSERT_EQ(Count(), 2);

  struct TState {
    int count;
    TColor base;
  };
  const TState undone[] = {{2, bright}, {1, bright}, {1, kMid}, {0, kMid}};
  for (const TState& state : undone) {
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Count(), state.count);
    EXPECT_EQ(Base(), state.base);
  }

  const TState redone[] = {{1, kMid}, {1, bright}, {2, bright}, {2, brighter}};
  for (std::size_t i = 0; i < std::size(redone); ++i) {
    if (i % 2 == 0)
      Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else
      Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Count(), redone[i].count) << i;
    EXPECT_EQ(Base(), redone[i].base) << i;
  }
  EXPECT_FALSE(window->Actions().actEditRedoChange->isEnabled());
}

TEST_F(KeysWindowTest, ANewChangeAfterAnUndoDropsWhatCouldBeRedone) {
  Press(Qt::Key_B, Qt::ControlModifier);
  Press(Qt::Key_B, Qt::AltModifier);
  Press(Qt::Key_Z, Qt::ControlModifier);  // base back to red
  ASSERT_EQ(Base(), kMid);
  Press(Qt::Key_D, Qt::AltModifier);  // desaturate: a new change
  const TColor changed = Base();
  Press(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Base(), changed) << "nothing left to redo";
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Base(), kMid);
  EXPECT_EQ(Count(), 1);
}

// The palette's own Undo and Redo (Alt+Backspace) take its steps out of the shared history's order without
// breaking it.
TEST_F(KeysWindowTest, ThePalettesOwnUndoKeepsTheSharedHistoryInStep) {
  Press(Qt::Key_B, Qt::ControlModifier);  // palette: 1
  Press(Qt::Key_B, Qt::AltModifier);      // base: bright
  Press(Qt::Key_B, Qt::ControlModifier);  // palette: 2
  const TColor bright = Base();
  Press(Qt::Key_Backspace, Qt::AltModifier);  // palette only: 1
  ASSERT_EQ(Count(), 1);
  Press(Qt::Key_Z, Qt::ControlModifier);  // the base change is now the last
  EXPECT_EQ(Base(), kMid);
  EXPECT_EQ(Count(), 1);
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Count(), 0);
  Press(Qt::Key_Y, Qt::ControlModifier);
  Press(Qt::Key_Y, Qt::ControlModifier);
  Press(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Count(), 2);
  EXPECT_EQ(Base(), bright);
}

TEST_F(KeysWindowTest, AltLeftAndAltRightWalkTheBaseColourHistory) {
  Press(Qt::Key_B, Qt::AltModifier);
  const TColor bright = Base();
  Press(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Base(), kMid);
  Press(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(Base(), bright);
  EXPECT_EQ(window->Actions().actEditUndo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
  EXPECT_EQ(window->Actions().actEditRedo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
}

// The base colour's hex field and a channel field: select all, copy, undo and Home/End stay in the field.
TEST_F(KeysWindowTest, ATextFieldKeepsItsOwnKeys) {
  Press(Qt::Key_B, Qt::ControlModifier);
  Press(Qt::Key_B, Qt::ControlModifier);  // two palette colours, so Select All and Undo could act
  window->PaletteDock()->findChild<TPalettePanel*>()->PaletteList()->setFocus();
  for (const char* name : {"edHEX", "edRGB_R"}) {
    SCOPED_TRACE(name);
    QLineEdit* field = Field(name);
    ASSERT_NE(field, nullptr);
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }, 2000));
    const QString text = field->text();
    ASSERT_FALSE(text.isEmpty());
    field->deselect();
    field->setCursorPosition(0);

    Press(Qt::Key_End);
    EXPECT_EQ(field->cursorPosition(), text.size());
    Press(Qt::Key_Home);
    EXPECT_EQ(field->cursorPosition(), 0);

    TColorList* palette = window->PaletteDock()->findChild<TPalettePanel*>()->PaletteList();
    const QList<int> selectedRows = palette->SelectedRows();
    ASSERT_LT(selectedRows.size(), 2);
    Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->selectedText(), text) << "Ctrl+A selects the field's text";
    EXPECT_EQ(palette->SelectedRows(), selectedRows) << "not the palette";

    QGuiApplication::clipboard()->clear();
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text) << "Ctrl+C copies the field's text";

    const TColor base = Base();
    field->deselect();
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Count(), 2) << "Ctrl+Z in a field never undoes a palette edit";
    EXPECT_EQ(Base(), base);
  }
}

TEST_F(KeysWindowTest, CtrlWClosesThePanelWithTheFocusAndOnlyThat) {
  Press(Qt::Key_W, Qt::ControlModifier);  // the focus is on the tool tabs: no tool window
  EXPECT_TRUE(window->PaletteDock()->isVisible());
  EXPECT_TRUE(window->LibraryDock()->isVisible());
  EXPECT_TRUE(window->isVisible());

  window->PaletteDock()->findChild<TPalettePanel*>()->PaletteList()->setFocus();
  Press(Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(window->PaletteDock()->isVisible());
  EXPECT_TRUE(window->LibraryDock()->isVisible());
  EXPECT_FALSE(window->Actions().actViewPalette->isChecked());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(KeysWindowTest, CtrlWClosesAToolWindowWithTheFocus) {
  window->UpdateActions();
  window->Actions().actToolsContrastTest->trigger();
  QPointer<QWidget> analyser;  // it deletes itself once closed
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top->objectName() == QStringLiteral("frmContrastAnalyze")) analyser = top;
  }
  ASSERT_FALSE(analyser.isNull());
  analyser->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(analyser.data()));
  analyser->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] {
    return QApplication::focusWidget() && QApplication::focusWidget()->window() == analyser.data();
  }, 2000));
  const QWidget* focus = QApplication::focusWidget();
  const std::string focusName = focus ? focus->metaObject()->className() : "none";
  Press(Qt::Key_W, Qt::ControlModifier);
  EXPECT_TRUE(analyser.isNull() || !analyser->isVisible()) << "focus on " << focusName;
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->PaletteDock()->isVisible());
}

TEST_F(KeysWindowTest, CtrlQQuits) {
  Press(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Count(), 0) << "Ctrl+Q adds nothing to the palette any more";
}

// The keys a Linux desktop gives every program, with the command that may carry each (none: no command may).
TEST_F(KeysWindowTest, NoCommandSitsOnAnotherCommandsStandardKey) {
  const TMainActions& a = window->Actions();
  const struct {
    const char* keys;
    QAction* owner;
  } kStandard[] = {
      {"Ctrl+Z", a.actEditUndoChange},   {"Ctrl+Shift+Z", a.actEditRedoChange}, {"Ctrl+Y", a.actEditRedoChange},
      {"Ctrl+W", a.actFileCloseWindow},  {"Ctrl+Q", a.actFileExit},          {"Ctrl+N", a.actFileNew},
      {"Ctrl+O", a.actFileOpen},         {"Ctrl+S", a.actFileSave},          {"Ctrl+P", a.actFilePrint},
      {"Ctrl+A", a.actPaletteSelectAll}, {"Del", a.actPaletteDeleteColor},   {"F1", a.actHelpHelp},
      {"Ctrl+C", a.actEditCopyColor},    {"Alt+Left", a.actEditUndo},        {"Alt+Right", a.actEditRedo},
      {"Ctrl+X", nullptr},               {"Ctrl+V", nullptr},                {"Ctrl+F", nullptr},
      {"Ctrl+Shift+S", nullptr},         {"Ctrl+Shift+A", nullptr},          {"Ctrl+T", nullptr},
      {"F5", nullptr},                   {"F11", nullptr},                   {"Ctrl++", nullptr},
      {"Ctrl+-", nullptr},               {"Home", nullptr},                  {"End", nullptr},
      {"Ctrl+Home", nullptr},            {"Ctrl+End", nullptr},              {"Ctrl+Backspace", nullptr},
  };
  QMap<QString, QString> owners;  // every key of every command, once
  for (const QAction* action : a.All()) {
    for (const QKeySequence& keys : action->shortcuts()) {
      const QString text = keys.toString(QKeySequence::PortableText);
      EXPECT_FALSE(owners.contains(text)) << text.toStdString() << " on " << owners.value(text).toStdString()
                                          << " and " << action->objectName().toStdString();
      owners.insert(text, action->objectName());
    }
  }
  for (const auto& standard : kStandard) {
    const QString keys = QString::fromLatin1(standard.keys);
    const QString owner = standard.owner ? standard.owner->objectName() : QString();
    EXPECT_EQ(owners.value(keys), owner) << standard.keys;
  }
}

// The shared history on its own: steps the palette dropped at its limit and a palette opened anew are never undone.
TEST_F(KeysWindowTest, StepsThePaletteNoLongerHoldsAreSkipped) {
  TEditHistory& history = window->EditHistory();
  for (int i = 0; i < TPaletteDocument::UndoLimit + 5; ++i)
    window->Palette().AddPaletteColor(QStringLiteral("c%1").arg(i), TColorObject(TColor(i), cmRGB));
  for (int i = 0; i < 2 * TPaletteDocument::UndoLimit; ++i) history.Undo(nullptr);
  EXPECT_EQ(Count(), 5);
  EXPECT_FALSE(history.CanUndo());

  window->Palette().NewPalette();
  window->Palette().AddPaletteColor(QStringLiteral("new"), TColorObject(kMid, cmRGB));
  history.Undo(nullptr);
  EXPECT_EQ(Count(), 0);
  EXPECT_FALSE(history.CanUndo()) << "the old palette's steps went with it";
}

}  // namespace
}  // namespace tintorium::test
