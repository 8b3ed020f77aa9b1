// Where the program finds its data: beside itself in a build tree, in ../share/tintorium once installed.
#include "engine/platform/AppPaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace tintorium {
namespace {

TEST(AppPathsTest, DataBesideTheProgramWinsOverAnInstalledCopy) {
  QTemporaryDir root;
  const QString bin = root.filePath(QStringLiteral("prefix/bin/"));
  const QString share = root.filePath(QStringLiteral("prefix/share/tintorium/"));
  QDir().mkpath(bin);
  QDir().mkpath(share + QStringLiteral("Language"));
  EXPECT_EQ(DataFolderFor(bin), share);
  QDir().mkpath(bin + QStringLiteral("Palettes"));
  EXPECT_EQ(DataFolderFor(bin), bin);
}

TEST(AppPathsTest, TheCommandLineToolOfABuildTreeFindsTheDataBesideTheWindowProgram) {
  QTemporaryDir root;
  const QString cli = root.filePath(QStringLiteral("build/cli/"));
  const QString bin = root.filePath(QStringLiteral("build/bin/"));
  QDir().mkpath(cli);
  EXPECT_EQ(DataFolderFor(cli), cli);
  QDir().mkpath(bin + QStringLiteral("Palettes"));
  EXPECT_EQ(DataFolderFor(cli), bin);
}

TEST(AppPathsTest, WithoutAnyDataTheProgramFolderIsUsed) {
  QTemporaryDir root;
  EXPECT_EQ(DataFolderFor(root.path()), root.path() + QLatin1Char('/'));
}

TEST(AppPathsTest, TheKeptPaletteLivesInTheUsersDataFolder) {
  EXPECT_TRUE(LastPaletteFile().endsWith(QStringLiteral("/lastcolors.tnp")));
  EXPECT_FALSE(TempFolder().endsWith(QLatin1Char('/')));
}

}  // namespace
}  // namespace tintorium
