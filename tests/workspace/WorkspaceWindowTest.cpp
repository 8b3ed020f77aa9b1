// The workspace inside the main window: the colour-under-cursor readout and its model menu, and the caption
// after the base colour is added to the palette.
#include "actions/MainActions.h"
#include "app/MainStatusBar.h"
#include "app/MainWindow.h"
#include "controls/ColorSwatch.h"
#include "workspace/BaseColorPanel.h"
#include "workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
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
  EXPECT_EQ(window->CaptionText(), QStringLiteral("Tintorium - [noname.tnp ]"));
  window->Actions().actPaletteAddBaseColor->trigger();
  EXPECT_EQ(window->CaptionText(), QStringLiteral("Tintorium - [noname.tnp*]"));
}

}  // namespace
}  // namespace tintorium
