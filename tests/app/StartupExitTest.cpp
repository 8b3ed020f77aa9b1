// Start-up and exit: the command line, the palette kept between runs, the close question, Options OK.
#include "ShellTestSupport.h"

#include "engine/platform/AppPaths.h"
#include "ui/actions/MainActions.h"
#include "app/OptionsDialog.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ToolPage.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

namespace tintorium::test {
namespace {

using StartupTest = ShellFixture;

QStringList Names(const TPaletteDocument& palette) {
  QStringList names;
  for (const TPaletteEntry& entry : palette.Entries()) names << entry.Name;
  return names;
}

// --- Command line -------------------------------------------------------------------------------------------

TEST_F(StartupTest, OneArgumentOpensThatPalette) {
  const QString path = WritePalette(QStringLiteral("mine.tnp"), Entries({{"Red", 0x0000FF}, {"Blue", 0xFF0000}}));
  auto window = Start({path});
  EXPECT_EQ(window->Palette().PaletteFileName(), path);
  EXPECT_EQ(Names(window->Palette()), QStringList({"Red", "Blue"}));
  EXPECT_FALSE(window->Palette().PaletteModified());
  window->UpdateActions();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tintorium - [mine.tnp]"));
}

TEST_F(StartupTest, AnUnreadableArgumentIsReportedAndTheProgramStartsWithANewPalette) {
  QFile broken(File(QStringLiteral("broken.tnp")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write(QByteArray("\x05\x00\x00\x00\x00", 5));  // five entries claimed, none there
  broken.close();
  auto window = Start({broken.fileName()});
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Could not read %1: its contents are not in a format this command reads, or the file is "
                           "damaged.")
                .arg(QDir::toNativeSeparators(QFileInfo(broken.fileName()).absoluteFilePath())));
  EXPECT_EQ(dialogs.messages[0].flags, int(mfError));
  EXPECT_EQ(window->Palette().PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_EQ(window->Palette().Count(), 0);
}

TEST_F(StartupTest, TwoArgumentsOpenNothingAndRestoreNothing) {
  const QString path = WritePalette(QStringLiteral("mine.tnp"), Entries({{"Red", 0x0000FF}}));
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  store->setValue(QStringLiteral("Options/LastPalette/LastFile"), path);
  auto window = Start({path, path});
  EXPECT_EQ(window->Palette().PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_EQ(window->Palette().Count(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupTest, LeavingATwoArgumentSessionUntouchedKeepsTheKeptPalette) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  QDir().mkpath(QFileInfo(LastPaletteFile()).absolutePath());
  ASSERT_TRUE(WritePaletteFile(LastPaletteFile(), Entries({{"Kept", 0x123456}})).Ok());
  auto window = Start({QStringLiteral("a"), QStringLiteral("b")});
  Finish(window);
  window = Start();
  EXPECT_EQ(Names(window->Palette()), QStringList({"Kept"}));
  Finish(window);

  // Colours collected in such a session are kept as usual.
  window = Start({QStringLiteral("a"), QStringLiteral("b")});
  window->Palette().AddPaletteColor(QStringLiteral("New"), TColorObject(0x00FF00, cmRGB));
  window->Actions().actFileExit->trigger();
  Finish(window);
  window = Start();
  EXPECT_EQ(Names(window->Palette()), QStringList({"New"}));
}

// --- The palette kept between runs ------------------------------------------------------------------------

TEST_F(StartupTest, WithSavePaletteOffNothingIsKeptOrRead) {
  QDir().mkpath(QFileInfo(LastPaletteFile()).absolutePath());
  ASSERT_TRUE(WritePaletteFile(LastPaletteFile(), Entries({{"Old", 0x010203}})).Ok());
  store->setValue(QStringLiteral("Options/LastPalette/LastFile"), LastPaletteFile());
  auto window = Start();
  EXPECT_EQ(window->Palette().Count(), 0);
  window->Palette().AddPaletteColor(QStringLiteral("New"), TColorObject(0x00FF00, cmRGB));
  window->Palette().SetPaletteModified(false);
  Finish(window);
  TPaletteEntries kept;
  ASSERT_TRUE(ReadPaletteFile(LastPaletteFile(), kept).Ok());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].Name, QStringLiteral("Old"));
  EXPECT_EQ(store->value(QStringLiteral("Options/LastPalette/LastFile")).toString(), LastPaletteFile());
}

TEST_F(StartupTest, ANewPaletteIsKeptAndComesBackUnmodifiedUnderItsNewName) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  auto window = Start();
  window->Palette().AddPaletteColor(QStringLiteral("Leaf"), TColorObject(0x00A000, cmRGB));
  window->Palette().AddPaletteColor(QStringLiteral("Sky"), TColorObject(0xFFC080, cmHSB));
  window->Actions().actFileExit->trigger();  // no question on Exit
  EXPECT_TRUE(dialogs.messages.empty());
  Finish(window);
  EXPECT_TRUE(QFileInfo::exists(LastPaletteFile()));
  EXPECT_EQ(store->value(QStringLiteral("Options/LastPalette/LastFile")).toString(), QStringLiteral("noname.tnp"));

  window = Start();
  EXPECT_EQ(Names(window->Palette()), QStringList({"Leaf", "Sky"}));
  EXPECT_EQ(window->Palette().Entry(1).Color.Model(), cmHSB);
  EXPECT_EQ(window->Palette().PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_FALSE(window->Palette().PaletteModified());
}

TEST_F(StartupTest, APaletteWithAFileIsOpenedAgainAndNotCopied) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  const QString path = WritePalette(QStringLiteral("mine.tnp"), Entries({{"Red", 0x0000FF}}));
  auto window = Start({path});
  Finish(window);
  EXPECT_FALSE(QFileInfo::exists(LastPaletteFile()));
  window = Start();
  EXPECT_EQ(window->Palette().PaletteFileName(), path);
  EXPECT_EQ(Names(window->Palette()), QStringList({"Red"}));
}

TEST_F(StartupTest, AVanishedLastFileFallsBackToTheKeptCopySilently) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  store->setValue(QStringLiteral("Options/LastPalette/LastFile"), File(QStringLiteral("gone.tnp")));
  QDir().mkpath(QFileInfo(LastPaletteFile()).absolutePath());
  ASSERT_TRUE(WritePaletteFile(LastPaletteFile(), Entries({{"Kept", 0x123456}})).Ok());
  auto window = Start();
  EXPECT_EQ(Names(window->Palette()), QStringList({"Kept"}));
  EXPECT_EQ(window->Palette().PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupTest, ADamagedKeptCopyIsReportedOnceAndSetAsideUntouched) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  QDir().mkpath(QFileInfo(LastPaletteFile()).absolutePath());
  const QByteArray damaged("\xff\xff\xff\x7f\x00", 5);
  QFile kept(LastPaletteFile());
  ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
  kept.write(damaged);
  kept.close();
  auto window = Start();
  EXPECT_EQ(window->Palette().Count(), 0);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].flags, int(mfWarning));
  const QString aside = QFileInfo(LastPaletteFile()).dir().filePath(QStringLiteral("lastcolors.damaged.tnp"));
  EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(aside))) << dialogs.messages[0].text.toStdString();
  QFile moved(aside);
  ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
  EXPECT_EQ(moved.readAll(), damaged);

  // The new session's colours are kept as usual; the damaged file stays aside and nothing is said again.
  window->Palette().AddPaletteColor(QStringLiteral("New"), TColorObject(0x00FF00, cmRGB));
  window->Actions().actFileExit->trigger();
  Finish(window);
  dialogs.messages.clear();
  window = Start();
  EXPECT_EQ(Names(window->Palette()), QStringList({"New"}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(QFileInfo::exists(aside));
}

TEST_F(StartupTest, ASecondDamagedKeptCopyDoesNotReplaceTheFirstOneSetAside) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  const QDir folder = QFileInfo(LastPaletteFile()).dir();
  QDir().mkpath(folder.path());
  for (const char* name : {"lastcolors.damaged.tnp", "lastcolors.tnp"}) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(name);
  }
  auto window = Start();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const QString second = folder.filePath(QStringLiteral("lastcolors.damaged-2.tnp"));
  EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(second)));
  QFile first(folder.filePath(QStringLiteral("lastcolors.damaged.tnp")));
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  EXPECT_EQ(first.readAll(), QByteArray("lastcolors.damaged.tnp"));
  EXPECT_TRUE(QFileInfo::exists(second));
}

TEST_F(StartupTest, AKeptCopyThatCannotBeWrittenIsReported) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  // A file where the folder of the kept copy should be.
  const QString blocker = QFileInfo(QFileInfo(LastPaletteFile()).absolutePath()).absolutePath();
  QDir().mkpath(QFileInfo(blocker).absolutePath());
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  auto window = Start();
  window->Palette().AddPaletteColor(QStringLiteral("Lost?"), TColorObject(0x0000FF, cmRGB));
  window->Actions().actFileExit->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            QStringLiteral("Could not save %1: the folder cannot be written to, or the disk is full.")
                .arg(QDir::toNativeSeparators(LastPaletteFile())));
  EXPECT_EQ(dialogs.messages[0].flags, int(mfError));
}

// --- The close question -----------------------------------------------------------------------------------

class CloseQuestionTest : public ShellFixture {
 protected:
  std::unique_ptr<TMainWindow> ModifiedWindow() {
    auto window = Start();
    window->Palette().AddPaletteColor(QStringLiteral("New"), TColorObject(0x0080FF, cmRGB));
    return window;
  }
};

TEST_F(CloseQuestionTest, CancelKeepsTheWindowOpenAndWritesNothing) {
  auto window = ModifiedWindow();
  dialogs.answers = {mrCancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("File was modified. Save changes?"));
  EXPECT_EQ(dialogs.messages[0].flags, int(mfQuestion));
  EXPECT_TRUE(window->Palette().PaletteModified());
  EXPECT_FALSE(store->contains(QStringLiteral("Options/Main/baseValue")));
}

TEST_F(CloseQuestionTest, NoClosesWithoutSaving) {
  auto window = ModifiedWindow();
  dialogs.answers = {mrNo};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dialogs.saveFilters.isEmpty());
  EXPECT_TRUE(store->contains(QStringLiteral("Options/Main/baseValue")));
}

TEST_F(CloseQuestionTest, YesSavesThroughSaveAsAndCloses) {
  auto window = ModifiedWindow();
  dialogs.answers = {mrYes};
  dialogs.savePaths = {File(QStringLiteral("chosen"))};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFileInfo::exists(File(QStringLiteral("chosen.tnp"))));
  EXPECT_FALSE(window->Palette().PaletteModified());
}

TEST_F(CloseQuestionTest, YesClosesEvenWhenSaveAsIsCancelled) {
  auto window = ModifiedWindow();
  dialogs.answers = {mrYes};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(dialogs.saveFilters.size(), 1);
}

TEST_F(CloseQuestionTest, AnUnchangedPaletteClosesWithoutAsking) {
  auto window = Start();
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CloseQuestionTest, ExitDoesNotAskWhenTheNewPaletteIsKept) {
  store->setValue(QStringLiteral("Options/SavePalette"), 1);
  auto window = ModifiedWindow();
  window->UpdateActions();
  window->Actions().actFileExit->trigger();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(QFileInfo::exists(LastPaletteFile()));
}

// Exit asks the close button's question whenever the changes would not come back at the next start.
TEST_F(CloseQuestionTest, ExitAsksWhenUnsavedChangesWouldBeLost) {
  struct Case {
    const char* what;
    bool savePalette;
    bool hasFile;
  };
  const Case cases[] = {
      {"a new palette, nothing kept between runs", false, false},
      {"a palette with its own file, kept on", true, true},
      {"a palette with its own file, kept off", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    store->setValue(QStringLiteral("Options/SavePalette"), c.savePalette ? 1 : 0);
    const QString path = WritePalette(QStringLiteral("mine.tnp"), Entries({{"Red", 0x0000FF}}));
    auto window = c.hasFile ? Start({path}) : Start();
    window->Palette().AddPaletteColor(QStringLiteral("New"), TColorObject(0x0080FF, cmRGB));
    dialogs.messages.clear();
    dialogs.answers = {mrCancel};
    window->show();
    window->Actions().actFileExit->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("File was modified. Save changes?"));
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the program running";

    dialogs.answers = {mrNo};
    window->Actions().actFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
    window.reset();
  }
}

TEST_F(CloseQuestionTest, ACancelledCloseDoesNotTurnTheNextCloseIntoExit) {
  auto window = ModifiedWindow();
  dialogs.answers = {mrCancel, mrCancel};
  EXPECT_FALSE(window->close());
  EXPECT_FALSE(window->close());
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

// --- Options dialog -----------------------------------------------------------------------------------------

TEST_F(StartupTest, OptionsOkTakesOverEveryValueAndWritesAtOnce) {
  auto window = Start();
  window->UpdateActions();
  dialogs.onExec = [](QDialog& dialog) {
    dialog.findChild<QCheckBox*>(QStringLiteral("chkSaveColors"))->setChecked(true);
    dialog.findChild<QCheckBox*>(QStringLiteral("chkHTMLSharp"))->setChecked(false);
    dialog.findChild<QComboBox*>(QStringLiteral("cboCUCModel"))->setCurrentIndex(2);
    dialog.findChild<QSpinBox*>(QStringLiteral("seAdjustAmount"))->setValue(25);
    dialog.findChild<QCheckBox*>(QStringLiteral("chkViewCompactDraw"))->setChecked(true);
    dialog.findChild<QCheckBox*>(QStringLiteral("chkViewLibFull"))->setChecked(true);
    dialog.findChild<QCheckBox*>(QStringLiteral("chkViewCFIName"))->setChecked(false);
    dialog.findChild<QComboBox*>(QStringLiteral("cboSPScale"))->setCurrentIndex(3);
    return int(QDialog::Accepted);
  };
  window->Actions().actToolsOptions->trigger();
  // Written before the window goes away.
  QSettings onDisk(SettingsPath(), QSettings::IniFormat);
  const TOptions written = TSettings(onDisk).ReadOptions();
  EXPECT_TRUE(written.SavePalette);
  EXPECT_FALSE(written.HTMLSharp);
  EXPECT_EQ(written.ColorUnCursorModel, 2);
  EXPECT_EQ(written.cfAdjust, 25);
  EXPECT_TRUE(written.CompactDraw);
  EXPECT_TRUE(written.ViewLibOnlyColor);
  EXPECT_FALSE(written.ViewCFIFile);
  EXPECT_EQ(written.ScreenPickerZoom, 4);
  EXPECT_EQ(window->Workspace().AdjustAmount(), 25);
  EXPECT_FALSE(window->Workspace().HtmlSharp());
  EXPECT_EQ(window->Workspace().ColorUnderCursorModel(), cmCMYK);
  EXPECT_TRUE(window->ToolPage(5)->findChild<QWidget*>(QStringLiteral("pnlCFIFile"))->isHidden());
}

TEST_F(StartupTest, OptionsCancelChangesNothing) {
  auto window = Start();
  window->UpdateActions();
  dialogs.onExec = [](QDialog& dialog) {
    dialog.findChild<QSpinBox*>(QStringLiteral("seAdjustAmount"))->setValue(77);
    return int(QDialog::Rejected);
  };
  window->Actions().actToolsOptions->trigger();
  EXPECT_EQ(window->Workspace().AdjustAmount(), 10);
  EXPECT_FALSE(store->contains(QStringLiteral("Options/cfAdjust")));
}

TEST(OptionsDialogTest, TheTreeSelectsPagesAndNamesTheHeading) {
  TOptions current;
  current.cfAdjust = 500;  // hand-edited out of range
  current.ScreenPickerZoom = 0;
  TOptionsDialog dialog(current);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options"));
  EXPECT_EQ(dialog.Heading()->text(), QStringLiteral("General"));
  QTreeWidget* tree = dialog.CategoryTree();
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Color Settings"));
  tree->setCurrentItem(tree->topLevelItem(2));
  EXPECT_EQ(dialog.Pages()->currentIndex(), 2);
  EXPECT_EQ(dialog.Heading()->text(), QStringLiteral("View"));
  const TOptions result = dialog.Result();
  EXPECT_EQ(result.cfAdjust, 100);
  EXPECT_EQ(result.ScreenPickerZoom, 1);
  EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboSPScale"))->itemText(6), QStringLiteral("700%"));
}

}  // namespace
}  // namespace tintorium::test
