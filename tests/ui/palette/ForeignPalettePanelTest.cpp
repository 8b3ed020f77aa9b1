// The palette panel's Open with other programs' swatch files: the filters it offers, the palette it loads,
// and a Save that writes the file back in its own format, asking first when that format would lose something
// (Save anyway, or Save As proposing a palette beside the swatch file and leaving it untouched).
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "engine/language/Messages.h"
#include "engine/palette/ForeignPalette.h"
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
#include <QUndoStack>

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
            (QStringList{"All supported palettes (*.tnp *.aco *.act *.gpl *.ase *.soc *.xml *.hex)",
                         "Tintorium Palette (*.tnp)", "Adobe Photoshop Color Palette (*.aco)",
                         "Adobe Color Table (*.act)", "GIMP Palette (*.gpl)", "Adobe Swatch Exchange (*.ase)",
                         "LibreOffice Color Table (*.soc)", "Scribus Swatches (*.xml)", "Hex Color List (*.hex)"}));

  // The descriptions come from the language file; the patterns never do.
  ASSERT_TRUE(SetMessageText(sFilterAllPalettes, QString::fromUtf8("Alle unterstützten Paletten")));
  ASSERT_TRUE(SetMessageText(sFilterGpl, QStringLiteral("GIMP-Palette")));
  Run(actions.actFileOpen);
  const QStringList german = dialogs.openFilters[1].split(QStringLiteral(";;"));
  EXPECT_EQ(german[0], QString::fromUtf8("Alle unterstützten Paletten (*.tnp *.aco *.act *.gpl *.ase *.soc *.xml *.hex)"));
  EXPECT_EQ(german[4], QStringLiteral("GIMP-Palette (*.gpl)"));
}

TEST_F(ForeignPalettePanelTest, OpenedSwatchFileBecomesThePaletteAndSavesBackWithoutAsking) {
  const QString gpl = Copy("gimp-data-Tango.gpl");
  const QByteArray original = ReadAll(gpl);
  dialogs.openPaths = {gpl};
  Run(actions.actFileOpen);
  ASSERT_EQ(document.Count(), 27);
  EXPECT_EQ(Names().first(2), (QStringList{"Butter 1", "Butter 2"}));
  EXPECT_EQ(panel->PaletteList()->model()->rowCount(), 27);
  EXPECT_EQ(document.PaletteFileName(), gpl);
  EXPECT_FALSE(document.PaletteModified());

  // A GIMP palette holds all it held: Save writes it back, unchanged bytes and all, without a question.
  Run(actions.actFileSave);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.saveStarts.isEmpty());
  EXPECT_EQ(ReadAll(gpl), original);

  document.DeletePaletteColors({0});
  Run(actions.actFileSave);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(document.PaletteModified());
  EXPECT_EQ(document.PaletteFileName(), gpl);
  QByteArray expected = original;
  const qsizetype butter = expected.indexOf("252 233  79");
  ASSERT_GE(butter, 0);
  expected.remove(butter, expected.indexOf('\n', butter) - butter + 1);
  EXPECT_EQ(ReadAll(gpl), expected);
}

TEST_F(ForeignPalettePanelTest, ALossySaveAsksAndSaveAsLeavesTheSwatchFileUntouched) {
  const QString act = Copy("dagronf-arne-v20-16.act");
  const QByteArray original = ReadAll(act);
  dialogs.openPaths = {act};
  Run(actions.actFileOpen);
  ASSERT_GT(document.Count(), 0);
  document.EditPaletteColor(0, QStringLiteral("Night sky"), cmRGB);

  // Cancel: nothing written, nothing chosen.
  dialogs.answers = {mrCancel};
  Run(actions.actFileSave);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].flags, mfQuestion);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Adobe Color Table cannot hold")))
      << dialogs.messages[0].text.toStdString();
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("the colors' names")));
  EXPECT_TRUE(dialogs.saveStarts.isEmpty());
  EXPECT_EQ(ReadAll(act), original);
  EXPECT_TRUE(document.PaletteModified());

  // Save As: a palette proposed beside it; the colour table stays as it was.
  dialogs.answers = {mrNo};
  dialogs.savePaths = {dir.filePath("arne")};
  Run(actions.actFileSave);
  ASSERT_EQ(dialogs.saveStarts.size(), 1);
  EXPECT_EQ(dialogs.saveStarts[0], dir.filePath("dagronf-arne-v20-16.tnp"));
  EXPECT_EQ(ReadAll(act), original);
  EXPECT_EQ(document.PaletteFileName(), dir.filePath("arne.tnp"));
  TPaletteEntries entries;
  ASSERT_TRUE(ReadPaletteFile(dir.filePath("arne.tnp"), entries));
  EXPECT_EQ(entries[0].Name, QStringLiteral("Night sky"));

  // Save anyway: the colour table is written, without the name.
  dialogs.openPaths = {act};
  Run(actions.actFileOpen);
  document.EditPaletteColor(1, QStringLiteral("Ember"), cmRGB);
  dialogs.answers = {mrYes};
  Run(actions.actFileSave);
  EXPECT_FALSE(document.PaletteModified());
  ASSERT_TRUE(ReadAnyPaletteFile(act, entries));
  EXPECT_EQ(entries[1].Color.GetRGB(), document.Entry(1).Color.GetRGB());
  EXPECT_NE(entries[1].Name, QStringLiteral("Ember"));
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

// Files dropped on the window: palette and swatch files open (read first), other importable files add colours.
TEST_F(ForeignPalettePanelTest, DroppedFilesOpenOrImportAndAFailedReadKeepsThePalette) {
  const QString interchange = QStringLiteral(TINTORIUM_TEST_DATA "/interchange/");
  for (const char* file : {"office-colors.soc", "scribus-swatches.xml", "pixel-art.hex", "paint-net.txt", "css-notations.css"})
    EXPECT_TRUE(TPalettePanel::IsDroppableFile(interchange + QLatin1String(file))) << file;
  EXPECT_FALSE(TPalettePanel::IsDroppableFile(interchange + QStringLiteral("SOURCES.md")));
  EXPECT_FALSE(TPalettePanel::IsDroppableFile(dir.filePath("missing.gpl")));
  EXPECT_FALSE(TPalettePanel::IsDroppableFile(dir.path()));

  ASSERT_TRUE(panel->OpenDroppedFile(interchange + QStringLiteral("office-colors.soc")));
  EXPECT_EQ(document.PaletteFileName(), interchange + QStringLiteral("office-colors.soc"));
  const int count = document.Count();
  ASSERT_GT(count, 0);

  // An importable file that is no palette adds its colours as one step; the palette's file stays.
  ASSERT_TRUE(panel->OpenDroppedFile(interchange + QStringLiteral("css-notations.css")));
  EXPECT_GT(document.Count(), count);
  EXPECT_EQ(document.PaletteFileName(), interchange + QStringLiteral("office-colors.soc"));
  document.UndoStack().undo();
  EXPECT_EQ(document.Count(), count);

  // A damaged swatch file says why and replaces nothing.
  const QString bad = dir.filePath("bad.gpl");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("GIMP Palette\n300 0 0 Too red\n");
  file.close();
  document.SetPaletteModified(false);
  EXPECT_FALSE(panel->OpenDroppedFile(bad));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].flags, mfError);
  EXPECT_EQ(document.Count(), count);
  EXPECT_EQ(document.PaletteFileName(), interchange + QStringLiteral("office-colors.soc"));
}

}  // namespace
}  // namespace tintorium
