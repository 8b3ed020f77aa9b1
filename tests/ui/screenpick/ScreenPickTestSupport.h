#pragma once
// The real main window with its screen picker, for the picker's tests on any platform.

#include "ui/actions/MainActions.h"
#include "app/MainWindow.h"
#include "ui/screenpick/ScreenPicker.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tintorium::test {

class ScreenPickWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    store = std::make_unique<QSettings>(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    window = std::make_unique<TMainWindow>(*store, QStringList{"-", "-"});
    window->resize(500, 400);
    window->move(60, 50);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    picker = window->findChild<TScreenPicker*>();
    ASSERT_NE(picker, nullptr);
    picker->SetHideWait(100);
  }
  void TearDown() override {
    window.reset();
    qputenv("XDG_DATA_HOME", oldDataHome);
  }

  TWorkspace& Workspace() { return window->Workspace(); }
  TRGBValues Base() { return Workspace().BaseColor().GetRGB(); }
  TColor NewestInHistory() { return Workspace().History().Entry(0).GetColor(); }

  /// F10 as the user gives it: the action, through the window's shortcut list.
  void StartWithAction() { window->Actions().actToolsScreenPick->trigger(); }
  bool WaitOpened(int ms = 10000) { return QTest::qWaitFor([this] { return picker->Cover() != nullptr; }, ms); }
  bool WaitClosed(int ms = 10000) { return QTest::qWaitFor([this] { return !picker->IsOpen(); }, ms); }

  QTemporaryDir folder;
  QByteArray oldDataHome;
  std::unique_ptr<QSettings> store;
  std::unique_ptr<TMainWindow> window;
  TScreenPicker* picker = nullptr;
};

}  // namespace tintorium::test
