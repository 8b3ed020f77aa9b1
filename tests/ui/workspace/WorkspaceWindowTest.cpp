// The workspace inside the main window: the colour-under-cursor readout and its model menu, and the caption
// after the base colour is added to the palette.
#include "ui/actions/MainActions.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "ui/controls/ColorDrag.h"
#include "core/ColorModels.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/workspace/BaseColorPanel.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QDockWidget>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

class WorkspaceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    store = std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    window = std::make_unique<TMainWindow>(*store, QStringList());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    panel = window->BaseColorDock()->findChild<TBaseColorPanel*>();
    ASSERT_NE(panel, nullptr);
  }
  void TearDown() override {
    window.reset();
    qputenv("XDG_DATA_HOME", oldDataHome);
  }

  QTemporaryDir folder;
  QByteArray oldDataHome;
  std::unique_ptr<QSettings> store;
  std::unique_ptr<TMainWindow> window;
  TBaseColorPanel* panel = nullptr;
};

TEST_F(WorkspaceWindowTest, StartsWithTheDefaultBaseColourRecorded) {
  EXPECT_EQ(window->Workspace().BaseColor().GetRGB(), (TRGBValues{232, 253, 0}));
  EXPECT_EQ(panel->BaseSwatch()->BaseColor(), 65000u);
  EXPECT_EQ(panel->HexField()->text(), QStringLiteral("E8FD00"));
}

TEST_F(WorkspaceWindowTest, ReadoutFollowsThePointerInTheChosenModel) {
  TColorSwatch* swatch = panel->BaseSwatch();
  QTest::mouseMove(swatch, swatch->rect().center());
  EXPECT_EQ(window->StatusPanels()->ColorText(), QStringLiteral("       R:232 G:253 B:0"));
  window->UpdateActions();
  window->Actions().actCUCModelHSB->trigger();
  QTest::mouseMove(swatch, swatch->rect().center() + QPoint(1, 0));
  EXPECT_EQ(window->StatusPanels()->ColorText(), QStringLiteral("       H:65 S:100 B:99"));
  window->UpdateActions();
  EXPECT_TRUE(window->Actions().actCUCModelHSB->isChecked());
  EXPECT_FALSE(window->Actions().actCUCModelRGB->isChecked());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(swatch, &leave);
  EXPECT_TRUE(window->StatusPanels()->ColorText().isEmpty());
}

TEST_F(WorkspaceWindowTest, AddingTheBaseColourMarksTheCaption) {
  window->UpdateActions();
  EXPECT_EQ(window->CaptionText(), QStringLiteral("Tintorium - [noname.tnp]"));
  window->Actions().actPaletteAddBaseColor->trigger();
  EXPECT_EQ(window->CaptionText(), QStringLiteral("Tintorium - [noname.tnp*]"));
}

// In the number and hex fields the field's own keys win (Ctrl+Z, Ctrl+C...), as in every text field of the
// desktop; other command keys still run their command, and the focus may stay in the field.
TEST_F(WorkspaceWindowTest, FieldKeysStayWithTheBaseColourFieldsAndOtherCommandKeysRun) {
  QApplication::setActiveWindow(window.get());
  for (QLineEdit* field : {panel->Field(cmRGB, 1), panel->HexField()}) {
    SCOPED_TRACE(field->objectName().toStdString());
    QLineEdit* red = panel->Field(cmRGB, 1);
    red->setFocus();
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("10"));
    QTest::keyClick(red, Qt::Key_Return);
    red->selectAll();
    QTest::keyClicks(red, QStringLiteral("20"));
    QTest::keyClick(red, Qt::Key_Return);
    ASSERT_EQ(window->Workspace().BaseColor().GetRGB().R, 20);
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    field->deselect();
    window->UpdateActions();

    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->Workspace().BaseColor().GetRGB().R, 20) << "Ctrl+Z is the field's own undo";
    window->UpdateActions();
    QTest::keyClick(field, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(window->Workspace().BaseColor().GetRGB().R, 10) << "Alt+Left is Previous base colour, from a field too";

    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    window->UpdateActions();
    field->deselect();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_NE(QGuiApplication::clipboard()->text(), QStringLiteral("R:10 G:253 B:0")) << "not the base colour";

    field->selectAll();
    const QString selected = field->selectedText();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), selected);
  }
}

TEST_F(WorkspaceWindowTest, PastedAndDroppedTextGoesThroughTheFieldsFilterAndADroppedColourBecomesTheBase) {
  QLineEdit* red = panel->Field(cmRGB, 1);
  QLineEdit* lightness = panel->Field(cmLAB, 1);
  QGuiApplication::clipboard()->setText(QStringLiteral("1x2;-3"));
  for (auto [field, expected] : {std::pair{red, "123"}, std::pair{lightness, "12-3"}}) {
    field->selectAll();
    field->paste();
    EXPECT_EQ(field->text(), QString::fromLatin1(expected)) << field->objectName().toStdString();
  }

  // Text dropped from another program that is no colour is filtered like typing.
  red->setText(QString());
  QMimeData text;
  text.setText(QStringLiteral("4 apples 2"));
  QDropEvent plain(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(red, &plain);
  EXPECT_FALSE(red->text().contains(u'a')) << red->text().toStdString();

  // A colour goes to the base colour; the field shows the new value, not the dropped text.
  std::unique_ptr<QMimeData> colour(ColorDrag::NewMimeData(RGBValuesToColor({12, 34, 56})));
  for (QLineEdit* field : {red, panel->HexField()}) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, colour.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, colour.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    EXPECT_EQ(window->Workspace().BaseColor().GetRGB(), (TRGBValues{12, 34, 56}));
    EXPECT_EQ(red->text(), QStringLiteral("12"));
    EXPECT_EQ(panel->HexField()->text(), QStringLiteral("0C2238"));
    window->Workspace().BaseColor().SetRGB({1, 1, 1});
    window->Workspace().BaseColorChanged(nullptr, cmRGB, true, false);
  }
}

}  // namespace
}  // namespace tintorium
