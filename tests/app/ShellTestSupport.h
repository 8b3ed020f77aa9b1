#pragma once
// A main window on a temporary settings file and data folder, with scripted dialogs and a recorded shell.

#include "app/MainWindow.h"
#include "app/ShellOpen.h"
#include "engine/palette/PaletteEntry.h"
#include "engine/palette/PaletteFile.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace tintorium::test {

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    SetShellOpener([this](const QUrl& url) { opened << url; });
    store = std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat);
  }
  void TearDown() override {
    SetShellOpener({});
    qputenv("XDG_DATA_HOME", oldDataHome);
  }

  QString SettingsPath() const { return folder.filePath(QStringLiteral("settings.ini")); }
  /// A fresh QSettings on the same file, as the next run of the program sees it.
  void Reopen() { store = std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat); }
  std::unique_ptr<TMainWindow> Start(const QStringList& arguments = {}) {
    return std::make_unique<TMainWindow>(*store, arguments);
  }
  /// The window is destroyed, which writes its settings, and the store is read again from disk.
  void Finish(std::unique_ptr<TMainWindow>& window) {
    window.reset();
    store->sync();
    Reopen();
  }
  QString File(const QString& name) const { return folder.filePath(name); }
  static TPaletteEntries Entries(std::initializer_list<std::pair<const char*, TColor>> colors) {
    TPaletteEntries entries;
    for (const auto& [name, color] : colors) entries.push_back({QString::fromLatin1(name), TColorObject(color, cmRGB)});
    return entries;
  }
  QString WritePalette(const QString& name, const TPaletteEntries& entries) {
    const QString path = File(name);
    EXPECT_TRUE(WritePaletteFile(path, entries).Ok());
    return path;
  }

  QTemporaryDir folder;
  std::unique_ptr<QSettings> store;
  TScriptedDialogs dialogs;
  QList<QUrl> opened;
  QByteArray oldDataHome;
};

}  // namespace tintorium::test
