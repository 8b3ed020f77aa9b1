// The palette panel's Open with other programs' swatch files: the filters it offers, the palette it loads,
// and a Save that goes through Save As, proposing a palette beside the swatch file and leaving it untouched.
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/palette/PaletteFile.h"
#include "ui/palette/PalettePanel.h"
#include "support/ScriptedDialogs.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

const QString kSwatches = QStringLiteral(TINTORIUM_CORPUS "/swatches/");

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ForeignPalettePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    workspace.SetPalette(&document);
    panel = std::make_unique<TPalettePanel>(document, workspace);
    panel->AttachActions(actions);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
  }
  void TearDown() override { ResetMessages(); }

  void Run(QAction* action) {
    panel->UpdateActions(actions);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
  }

  /// A copy of a corpus file in the test's folder, so a wrong save would show.
  QString Copy(const char* file) {
    const QString target = dir.filePath(QString::fromLatin1(file));
    EXPECT_TRUE(QFile::copy(kSwatches + QString::fromLatin1(file), target));
    return target;
  }

  QStringList Names() const {
    QStringList names;
    for (const TPaletteEntry& e : document.Entries()) names << e.Name;
    return names;
  }

  test::TScriptedDialogs dialogs;
  QTemporaryDir dir;
  TPaletteDocument document;
  TWorkspace workspace;
  TMainActions actions;
  std::unique_ptr<TPalettePanel> panel;
};

TEST_F(ForeignPalettePanelTest, OpenOffersEverySupportedFormatFirstThenOneFilterEach) {
  Run(actions.actFileOpen);
  ASSERT_EQ(dialogs.openFilters.size(), 1);
  EXPECT_EQ(dialogs.openFilters[0].split(QStringLiteral(";;")),
            (QStringList{"All supported palettes (*.tnp *.aco *.act *.gpl *.ase)", "Tintorium Palette (*.tnp)",
                         "Adobe Photoshop Color Palette (*.aco)", "Adobe Color Table (*.act)", "GIMP Palette (*.gpl)",
                         "Adobe Swatch Exchange (*.ase)"}));

  // The descriptions come from the language file; the patterns never do.
  ASSERT_TRUE(SetMessageText(sFilterAllPalettes, QString::fromUtf8("Alle unterstützten Paletten")));
  ASSERT_TRUE(SetMessageText(sFilterGpl, QStringLiteral("GIMP-Palette")));
  Run(actions.actFileOpen);
  const QStringList german = dialogs.openFilters[1].split(QStringLiteral(";;"));
  EXPECT_EQ(german[0], QString::fromUtf8("Alle unterstützten Paletten (*.tnp *.aco *.act *.gpl *.ase)"));
  EXPECT_EQ(german[4], QStringLiteral("GIMP-Palette (*.gpl)"));
}

TEST_F(ForeignPalettePanelTest, OpenedSwatchFileBecomesThePaletteAndSaveAsksForAPaletteName) {
  const QString gpl = Copy("gimp-data-Tango.gpl");
  const QByteArray original = ReadAll(gpl);
  dialogs.openPaths = {gpl};
  Run(actions.actFileOpen);
  ASSERT_EQ(document.Count(), 27);
  EXPECT_EQ(Names().first(2), (QStringList{"Butter 1", "Butter 2"}));
  EXPECT_EQ(panel->PaletteList()->model()->rowCount(), 27);
  EXPECT_EQ(document.PaletteFileName(), gpl);
  EXPECT_FALSE(document.PaletteModified());

  // Save without a change still asks; cancelling writes nothing anywhere.
  Run(actions.actFileSave);
  ASSERT_EQ(dialogs.saveStarts.size(), 1);
  EXPECT_EQ(dialogs.saveStarts[0], dir.filePath("gimp-data-Tango.tnp"));
  EXPECT_EQ(ReadAll(gpl), original);
  EXPECT_FALSE(QFile::exists(dir.filePath("gimp-data-Tango.tnp")));
  EXPECT_EQ(document.PaletteFileName(), gpl);

  dialogs.savePaths = {dir.filePath("gimp-data-Tango")};
  Run(actions.actFileSave);
  const QString saved = dir.filePath("gimp-data-Tango.tnp");
  EXPECT_EQ(document.PaletteFileName(), saved);
  EXPECT_FALSE(document.NeedsSaveAs());
  EXPECT_EQ(ReadAll(gpl), original);
  TPaletteEntries entries;
  ASSERT_TRUE(ReadPaletteFile(saved, entries));
  ASSERT_EQ(entries.size(), 27u);
  EXPECT_EQ(entries[26].Name, QStringLiteral("Aluminium 6"));
  EXPECT_EQ(entries[26].Color.GetRGB(), (TRGBValues{46, 52, 54}));
}

TEST_F(ForeignPalettePanelTest, ADamagedSwatchFileSaysWhyAndKeepsThePalette) {
  const QString ase = Copy("dagronf-control.ase");
  QFile file(ase);
  ASSERT_TRUE(file.resize(40));
  document.AddPaletteColor(QStringLiteral("x"), TColorObject());
  document.SetPaletteModified(false);
  dialogs.openPaths = {ase};
  Run(actions.actFileOpen);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("The file is damaged: it ends before the data it announces."));
  EXPECT_EQ(dialogs.messages[0].flags, mfError);
  ASSERT_EQ(document.Entries().size(), 1u);
  EXPECT_EQ(document.Entries()[0].Name, QStringLiteral("x"));
  EXPECT_EQ(document.PaletteFileName(), TPaletteDocument::NoName);
  EXPECT_FALSE(document.PaletteModified());
}

}  // namespace
}  // namespace tintorium
