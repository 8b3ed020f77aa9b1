// The palette panel through its real widgets: file commands and the save question, palette commands and their
// enabling rules, drag and drop into the list, the dialogs, the clipboard copies and the history page.
#include "ui/actions/ActionIcons.h"
#include "engine/language/Language.h"
#include "ui/actions/MainActions.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/palette/EditColorDialog.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/palette/PaletteFile.h"
#include "ui/palette/PalettePanel.h"
#include "engine/palette/PaletteTestSupport.h"
#include "ui/palette/SortColorsDialog.h"
#include "support/ScriptedDialogs.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <deque>
#include <memory>

namespace tintorium {
namespace {

using test::CMYK;
using test::HSB;
using test::RGB;

const QString kSaveQuestion = QStringLiteral("File was modified. Save changes?");

/// A widget a colour drag can come from, offering whatever the test sets.
class TFakeSource : public QWidget, public TColorDragSource {
 public:
  TColorDragOffer offer;
  TColorDragOffer ColorDragOffer() const override { return offer; }
};

class PalettePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    workspace.SetPalette(&document);
    SetActionIcons(actions);
    panel = std::make_unique<TPalettePanel>(document, workspace);
    panel->AttachActions(actions);
    panel->resize(320, 520);
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
  }

  TColorList& List() const { return *panel->PaletteList(); }

  void Add(const char* name, const TColorObject& color) { document.AddPaletteColor(QString::fromUtf8(name), color); }

  QStringList Names() const {
    QStringList names;
    for (const TPaletteEntry& entry : document.Entries()) names << entry.Name;
    return names;
  }

  QPoint RowCenter(const TColorList& list, int row) const {
    return list.visualRect(list.model()->index(row, 0)).center();
  }

  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(List().viewport(), Qt::LeftButton, modifiers, RowCenter(List(), row));
  }

  /// Runs an action as a user would: only when its enabling rule allows it. Returns whether it ran.
  bool Run(QAction* action) {
    panel->UpdateActions(actions);
    if (!action->isEnabled()) return false;
    action->trigger();
    return true;
  }

  QString Path(const QString& name) const { return dir.filePath(name); }

  /// A saved, then modified palette of two entries.
  void ModifiedSavedPalette() {
    Add("A", RGB(1, 2, 3));
    Add("B", RGB(4, 5, 6));
    ASSERT_TRUE(document.SavePalette(Path("saved.tnp")).Ok());
    Add("C", RGB(7, 8, 9));
    ASSERT_TRUE(document.PaletteModified());
  }

  int EntriesInFile(const QString& path) const {
    TPaletteEntries entries;
    if (!ReadPaletteFile(path, entries).Ok()) return -1;
    return static_cast<int>(entries.size());
  }

  test::TScriptedDialogs dialogs;
  QTemporaryDir dir;
  TPaletteDocument document;
  TWorkspace workspace;
  TMainActions actions;
  std::unique_ptr<TPalettePanel> panel;
};

// --- The save question ------------------------------------------------------------------------------------

struct TQuestionCase {
  const char* command;
  bool open;  // Open instead of New
};

class SaveQuestionCancel : public PalettePanelTest, public ::testing::WithParamInterface<TQuestionCase> {};

TEST_P(SaveQuestionCancel, KeepsThePaletteItsFileNameAndItsFlag) {
  ModifiedSavedPalette();
  dialogs.answers = {mrCancel};
  dialogs.openPaths = {Path("other.tnp")};
  Run(GetParam().open ? actions.actFileOpen : actions.actFileNew);

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kSaveQuestion);
  EXPECT_EQ(dialogs.messages[0].flags, mfQuestion);
  EXPECT_EQ(Names(), (QStringList{"A", "B", "C"}));
  EXPECT_EQ(document.PaletteFileName(), Path("saved.tnp"));
  EXPECT_TRUE(document.PaletteModified());
  EXPECT_EQ(dialogs.openPaths.size(), 1u) << "no file chooser after Cancel";
  EXPECT_EQ(EntriesInFile(Path("saved.tnp")), 2) << "nothing written";
}

INSTANTIATE_TEST_SUITE_P(NewAndOpen, SaveQuestionCancel,
                         ::testing::Values(TQuestionCase{"New", false}, TQuestionCase{"Open", true}),
                         [](const auto& info) { return std::string(info.param.command); });

TEST_F(PalettePanelTest, YesSavesThenNewGoesOn) {
  ModifiedSavedPalette();
  dialogs.answers = {mrYes};
  Run(actions.actFileNew);
  EXPECT_EQ(EntriesInFile(Path("saved.tnp")), 3);
  EXPECT_TRUE(document.IsEmpty());
  EXPECT_EQ(document.PaletteFileName(), TPaletteDocument::NoName);
  EXPECT_FALSE(document.PaletteModified());
}

TEST_F(PalettePanelTest, NoDiscardsAndAYesWhoseSaveAsIsCancelledStillGoesOn) {
  ModifiedSavedPalette();
  dialogs.answers = {mrNo};
  Run(actions.actFileNew);
  EXPECT_EQ(EntriesInFile(Path("saved.tnp")), 2);
  EXPECT_TRUE(document.IsEmpty());

  Add("D", RGB(1, 1, 1));  // never saved: Yes runs Save As, which the user cancels
  dialogs.answers = {mrYes};
  Run(actions.actFileNew);
  EXPECT_EQ(dialogs.saveFilters.size(), 1);
  EXPECT_TRUE(document.IsEmpty());
  EXPECT_FALSE(document.PaletteModified());
}

TEST_F(PalettePanelTest, AnUnmodifiedPaletteIsNotAskedAbout) {
  Add("A", RGB(1, 2, 3));
  document.SetPaletteModified(false);
  dialogs.openPaths = {QString()};
  Run(actions.actFileOpen);
  Run(actions.actFileNew);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(document.IsEmpty());
}

// --- Save, Save As, Open ------------------------------------------------------------------------------------

TEST_F(PalettePanelTest, SavingANewPaletteAlwaysAsksForAName) {
  const QString oldCurrent = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QFile existing(Path("noname.tnp"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write("keep");
  existing.close();

  Add("A", RGB(1, 2, 3));
  Run(actions.actFileSave);  // the chooser is cancelled
  QDir::setCurrent(oldCurrent);

  ASSERT_EQ(dialogs.saveFilters.size(), 1);
  EXPECT_TRUE(dialogs.saveFilters[0].contains(QStringLiteral("Tintorium Palette (*.tnp)")));
  QFile check(Path("noname.tnp"));
  ASSERT_TRUE(check.open(QIODevice::ReadOnly));
  EXPECT_EQ(check.readAll(), QByteArray("keep"));
  EXPECT_TRUE(document.PaletteModified());
}

struct TSaveAsCase {
  const char* typed;
  const char* written;
};

class SaveAsNaming : public PalettePanelTest, public ::testing::WithParamInterface<TSaveAsCase> {};

TEST_P(SaveAsNaming, AppendsTheExtensionUnlessItIsThereInAnyCase) {
  Add("A", RGB(1, 2, 3));
  dialogs.savePaths = {Path(QString::fromUtf8(GetParam().typed))};
  Run(actions.actFileSaveAs);
  const QString written = Path(QString::fromUtf8(GetParam().written));
  EXPECT_EQ(EntriesInFile(written), 1);
  EXPECT_EQ(document.PaletteFileName(), written);
  EXPECT_FALSE(document.PaletteModified());

  // The next Save writes to that file without asking for a name.
  Add("B", RGB(4, 5, 6));
  Run(actions.actFileSave);
  EXPECT_EQ(dialogs.saveFilters.size(), 1);
  EXPECT_EQ(EntriesInFile(written), 2);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveAsNaming,
                         ::testing::Values(TSaveAsCase{"palette.TNP", "palette.TNP"},
                                           TSaveAsCase{"palette", "palette.tnp"},
                                           TSaveAsCase{"colors.txt", "colors.txt.tnp"}));

// Whatever the user typed, the question is about the file that would be replaced: the name with its extension.
TEST_F(PalettePanelTest, SaveAsAsksWheneverTheFinalNameExists) {
  struct Case {
    const char* typed;
    const char* existing;  // a file there before, with one entry
    std::deque<int> answers;
    std::deque<const char*> chosen;  // what the chooser returns, in order
    int questions;
    const char* writtenTo;  // nullptr: nothing written
  };
  const Case cases[] = {
      {"palette", "palette.tnp", {mrYes}, {"palette"}, 1, "palette.tnp"},
      {"palette.tnp", "palette.tnp", {mrYes}, {"palette.tnp"}, 1, "palette.tnp"},
      {"palette", "palette.tnp", {mrNo}, {"palette", "other"}, 1, "other.tnp"},
      {"palette", "palette.tnp", {mrNo}, {"palette"}, 1, nullptr},
      {"colors.txt", "colors.txt", {}, {"colors.txt"}, 0, "colors.txt.tnp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    ASSERT_TRUE(WritePaletteFile(Path(QString::fromLatin1(c.existing)), {{"Old", RGB(9, 9, 9)}}).Ok());
    document.NewPalette();
    Add("A", RGB(1, 2, 3));
    Add("B", RGB(4, 5, 6));
    dialogs.messages.clear();
    dialogs.answers = c.answers;
    dialogs.savePaths.clear();
    for (const char* name : c.chosen) dialogs.savePaths.push_back(Path(QString::fromLatin1(name)));
    Run(actions.actFileSaveAs);
    ASSERT_EQ(int(dialogs.messages.size()), c.questions);
    if (c.questions > 0) {
      EXPECT_EQ(dialogs.messages[0].flags, mfYesNoQuestion);
      EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(Path(QString::fromLatin1(c.existing)))));
    }
    if (c.writtenTo) {
      EXPECT_EQ(EntriesInFile(Path(QString::fromLatin1(c.writtenTo))), 2);
      EXPECT_EQ(document.PaletteFileName(), Path(QString::fromLatin1(c.writtenTo)));
    }
    if (!c.writtenTo || QString::fromLatin1(c.writtenTo) != QString::fromLatin1(c.existing)) {
      EXPECT_EQ(EntriesInFile(Path(QString::fromLatin1(c.existing))), 1) << "the existing file is untouched";
    }
  }
}

TEST_F(PalettePanelTest, AFailedSaveSaysSoAndKeepsNameAndFlag) {
  ModifiedSavedPalette();
  dialogs.savePaths = {Path("missing-folder/x.tnp")};
  Run(actions.actFileSaveAs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Could not save file!"));
  EXPECT_EQ(dialogs.messages[0].flags, mfError);
  EXPECT_EQ(document.PaletteFileName(), Path("saved.tnp"));
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PalettePanelTest, OpenReadsTheChosenFileAndAFailedOpenKeepsThePalette) {
  TPaletteEntries entries{{"One", RGB(1, 2, 3)}, {"Two", HSB(200, 50, 60)}, {"Three", CMYK(1, 2, 3, 4)}};
  ASSERT_TRUE(WritePaletteFile(Path("three.tnp"), entries).Ok());
  dialogs.openPaths = {Path("three.tnp")};
  Run(actions.actFileOpen);
  EXPECT_EQ(Names(), (QStringList{"One", "Two", "Three"}));
  EXPECT_EQ(document.PaletteFileName(), Path("three.tnp"));
  EXPECT_FALSE(document.PaletteModified());
  EXPECT_EQ(List().Count(), 3);

  // Cut off inside the third entry.
  const QByteArray data = EncodePaletteData(entries);
  QFile cut(Path("cut.tnp"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(data.left(data.size() - 4));
  cut.close();
  dialogs.openPaths = {Path("cut.tnp")};
  Run(actions.actFileOpen);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Could not read file!"));
  EXPECT_EQ(dialogs.messages[0].flags, mfError);
  EXPECT_EQ(Names(), (QStringList{"One", "Two", "Three"}));
  EXPECT_EQ(document.PaletteFileName(), Path("three.tnp"));
  EXPECT_FALSE(document.PaletteModified());
  EXPECT_EQ(List().Count(), 3);
}

// --- Palette commands ---------------------------------------------------------------------------------------

TEST_F(PalettePanelTest, RemoveDuplicatesKeepsColoursHeldInDifferentModels) {
  const TColorObject a = RGB(10, 20, 30);
  Add("A", a);
  Add("B", TColorObject(a.GetColor(), cmHSB));
  Add("C", RGB(10, 20, 30));
  document.SetPaletteModified(false);
  EXPECT_TRUE(Run(actions.actPaletteRemoveDuplicates));
  EXPECT_EQ(Names(), (QStringList{"A", "B"}));
  EXPECT_TRUE(document.PaletteModified());
  EXPECT_EQ(List().Count(), 2);
}

TEST_F(PalettePanelTest, ConvertToLabAndBackGivesTheRgbValuesBack) {
  const std::vector<TRGBValues> values{{255, 128, 0}, {1, 2, 3}, {17, 200, 90}, {255, 255, 255}, {0, 0, 0}};
  for (const TRGBValues& v : values) document.AddPaletteColor(QString(), RGB(v.R, v.G, v.B));
  ASSERT_TRUE(Run(actions.actPaletteConvertToLab));
  for (const TPaletteEntry& entry : document.Entries()) EXPECT_EQ(entry.Color.Model(), cmLAB);
  EXPECT_EQ(List().ColorAt(0)->Model(), cmLAB) << "the list shows the new model";
  ASSERT_TRUE(Run(actions.actPaletteConvertToRGB));
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(document.Entry(int(i)).Color.Model(), cmRGB);
    EXPECT_EQ(document.Entry(int(i)).Color.GetRGB(), values[i]);
  }
}

TEST_F(PalettePanelTest, DeleteRemovesEveryEntryOfAMultiSelection) {
  Add("A", RGB(1, 0, 0));
  Add("B", RGB(2, 0, 0));
  Add("C", RGB(3, 0, 0));
  Add("D", RGB(4, 0, 0));
  document.SetPaletteModified(false);
  ClickRow(2);
  ClickRow(0, Qt::ControlModifier);
  ASSERT_EQ(List().CurrentRow(), 0);
  ASSERT_EQ(List().SelectedRows(), (QList<int>{0, 2}));
  QTest::keyClick(&List(), Qt::Key_Delete);
  EXPECT_EQ(Names(), (QStringList{"B", "D"}));
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PalettePanelTest, SelectAllSelectsEveryEntry) {
  Add("A", RGB(1, 0, 0));
  Add("B", RGB(2, 0, 0));
  Add("C", RGB(3, 0, 0));
  ASSERT_TRUE(Run(actions.actPaletteSelectAll));
  EXPECT_EQ(List().SelectedRows(), (QList<int>{0, 1, 2}));
}

TEST_F(PalettePanelTest, AddBaseColorDerivesTheEntryFromTheBaseTColorAndMakesItCurrent) {
  Add("A", RGB(1, 0, 0));
  workspace.BaseColor().SetHSB({200, 47, 61});
  ASSERT_TRUE(Run(actions.actPaletteAddBaseColor));
  ASSERT_EQ(document.Count(), 2);
  const TPaletteEntry& added = document.Entry(1);
  const TColorObject expected(workspace.BaseColor().GetColor(), cmHSB);
  EXPECT_EQ(added.Color.Model(), cmHSB);
  EXPECT_EQ(added.Color.GetHSB(), expected.GetHSB());
  EXPECT_EQ(added.Name, QString::fromStdString(expected.HexText()));
  EXPECT_EQ(List().CurrentRow(), 1);
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PalettePanelTest, EditColorRenamesAndConvertsOnOkOnly) {
  Add("Orange", RGB(255, 128, 0));
  Add("Other", RGB(0, 0, 0));
  ClickRow(0);
  document.SetPaletteModified(false);

  dialogs.onExec = [](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Color..."));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("edName"));
    auto* space = dialog.findChild<QComboBox*>(QStringLiteral("cboSpace"));
    EXPECT_EQ(name->text(), QStringLiteral("Orange"));
    EXPECT_EQ(space->currentIndex(), 0);
    EXPECT_EQ(space->count(), 4);
    name->setText(QStringLiteral("Warm"));
    space->setCurrentIndex(cmCMYK);
    return int(QDialog::Rejected);
  };
  ASSERT_TRUE(Run(actions.actPaletteEditColor));
  EXPECT_EQ(document.Entry(0).Name, QStringLiteral("Orange"));
  EXPECT_EQ(document.Entry(0).Color.Model(), cmRGB);
  EXPECT_FALSE(document.PaletteModified());

  dialogs.onExec = [](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("edName"))->setText(QStringLiteral("Warm"));
    dialog.findChild<QComboBox*>(QStringLiteral("cboSpace"))->setCurrentIndex(cmCMYK);
    dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    return dialog.result();
  };
  ASSERT_TRUE(Run(actions.actPaletteEditColor));
  EXPECT_EQ(document.Entry(0).Name, QStringLiteral("Warm"));
  EXPECT_EQ(document.Entry(0).Color.Model(), cmCMYK);
  EXPECT_EQ(document.Entry(0).Color.GetCMYK(), RGB(255, 128, 0).GetCMYK());
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PalettePanelTest, EditColorKeepsALongNameWhole) {
  const QString longName = QString(40000, QLatin1Char('n')) + QStringLiteral("end");
  document.AddPaletteColor(longName, RGB(1, 2, 3));
  ClickRow(0);
  dialogs.onExec = [](QDialog& dialog) {
    dialog.findChild<QComboBox*>(QStringLiteral("cboSpace"))->setCurrentIndex(cmHSB);
    return int(QDialog::Accepted);
  };
  ASSERT_TRUE(Run(actions.actPaletteEditColor));
  EXPECT_EQ(document.Entry(0).Name, longName);
  EXPECT_EQ(document.Entry(0).Color.Model(), cmHSB);
}

// --- Sorting ------------------------------------------------------------------------------------------------

/// Scripts the Sort dialog: checks it opens at its defaults, then picks `key` and `order` and presses OK.
std::function<int(QDialog&)> SortWith(int key, int order) {
  return [key, order](QDialog& dialog) {
    auto* values = dialog.findChild<QListWidget*>(QStringLiteral("lstValue"));
    auto* orders = dialog.findChild<QComboBox*>(QStringLiteral("cboOrder"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Sort Colors..."));
    EXPECT_EQ(values->count(), 14);
    EXPECT_EQ(values->item(0)->text(), QStringLiteral("System color value"));
    EXPECT_EQ(values->currentRow(), 0) << "the last choice is not remembered";
    EXPECT_EQ(orders->currentIndex(), 0);
    values->setCurrentRow(key);
    orders->setCurrentIndex(order);
    return int(QDialog::Accepted);
  };
}

TEST_F(PalettePanelTest, SortIsStableInBothDirections) {
  Add("A", RGB(10, 0, 0));
  Add("B", RGB(5, 0, 0));
  Add("C", RGB(10, 0, 0));
  ClickRow(0);
  dialogs.onExec = SortWith(1, 0);
  ASSERT_TRUE(Run(actions.actPaletteSortColor));
  EXPECT_EQ(Names(), (QStringList{"B", "A", "C"}));

  ClickRow(0);
  dialogs.onExec = SortWith(1, 1);
  ASSERT_TRUE(Run(actions.actPaletteSortColor));
  EXPECT_EQ(Names(), (QStringList{"A", "C", "B"}));
  EXPECT_EQ(List().NameAt(0), QStringLiteral("A"));
}

TEST_F(PalettePanelTest, SortCancelledChangesNothingAndOkMarksModifiedEvenWithoutAMove) {
  Add("B", RGB(5, 0, 0));
  Add("A", RGB(10, 0, 0));
  ClickRow(1);
  document.SetPaletteModified(false);
  Run(actions.actPaletteSortColor);  // scripted dialogs reject by default
  EXPECT_EQ(Names(), (QStringList{"B", "A"}));
  EXPECT_FALSE(document.PaletteModified());

  dialogs.onExec = SortWith(1, 0);
  ClickRow(1);
  ASSERT_TRUE(Run(actions.actPaletteSortColor));
  EXPECT_EQ(Names(), (QStringList{"B", "A"}));
  EXPECT_TRUE(document.PaletteModified());
}

// --- Drag and drop ------------------------------------------------------------------------------------------

class PaletteDragTest : public PalettePanelTest {
 protected:
  void SetUp() override {
    PalettePanelTest::SetUp();
    for (const char* name : {"A", "B", "C", "D", "E"}) Add(name, RGB(name[0], 0, 0));
    document.SetPaletteModified(false);
    ClickRow(2);  // the third entry is current
  }

  bool DropFromPalette(const QPoint& at) {
    std::unique_ptr<QMimeData> mime(ColorDrag::NewMimeData(List().ColorDragOffer().color));
    return List().DropColor(&List(), mime.get(), at);
  }
};

TEST_F(PaletteDragTest, DroppingBelowTheLastEntryMovesItToTheEnd) {
  ASSERT_TRUE(DropFromPalette(QPoint(20, List().viewport()->height() - 5)));
  EXPECT_EQ(Names(), (QStringList{"A", "B", "D", "E", "C"}));
  EXPECT_EQ(List().CurrentRow(), 4);
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PaletteDragTest, DroppingOnTheFirstEntryMovesItToTheFront) {
  ASSERT_TRUE(DropFromPalette(RowCenter(List(), 0)));
  EXPECT_EQ(Names(), (QStringList{"C", "A", "B", "D", "E"}));
  EXPECT_EQ(List().CurrentRow(), 0);
}

TEST_F(PaletteDragTest, ADropFromAnotherProgramBecomesAnRgbEntryWhereItFalls) {
  QMimeData mime;
  mime.setText(QStringLiteral("#336699"));
  const QPoint at = RowCenter(List(), 1);
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(List().viewport(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(List().viewport(), &move);
  EXPECT_TRUE(move.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(List().viewport(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  ASSERT_EQ(document.Count(), 6);
  EXPECT_EQ(document.Entry(1).Name, QStringLiteral("336699"));
  EXPECT_EQ(document.Entry(1).Color.Model(), cmRGB);
  EXPECT_EQ(document.Entry(1).Color.GetRGB(), (TRGBValues{0x33, 0x66, 0x99}));
  EXPECT_TRUE(document.PaletteModified());
}

TEST_F(PaletteDragTest, TheBaseSwatchDropsACopyOfTheBaseColourObjectItself) {
  TFakeSource swatch;
  const TColorObject base = HSB(123, 45, 67);
  swatch.offer.kind = TColorDragKind::BaseSwatch;
  swatch.offer.color = base.GetColor();
  swatch.offer.object = TColorObjectFx(base, u"");
  QMimeData mime;
  ASSERT_TRUE(List().DropColor(&swatch, &mime, RowCenter(List(), 0)));
  const TPaletteEntry& entry = document.Entry(0);
  EXPECT_EQ(entry.Color.Model(), cmHSB);
  EXPECT_EQ(entry.Color.GetHSB(), (THSBValues{123, 45, 67}));
  EXPECT_EQ(entry.Color.GetRGB(), base.GetRGB());
  EXPECT_EQ(entry.Name, QString::fromStdString(base.HexText()));

  // A mixer offers nothing to the palette.
  TFakeSource mixer;
  mixer.offer.kind = TColorDragKind::Mixer;
  mixer.offer.color = 0x123456;
  EXPECT_FALSE(List().DropColor(&mixer, &mime, RowCenter(List(), 0)));
  EXPECT_EQ(document.Count(), 6);
}

TEST_F(PaletteDragTest, BaseSwatchDropKeepsTheBaseValuesWhereAddBaseColorDerivesThemAgain) {
  // A CMYK colour whose values do not survive the trip through its TColor.
  TColorObject& base = workspace.BaseColor();
  base.SetCMYK({10, 20, 30, 40});
  ASSERT_NE(TColorObject(base.GetColor(), cmCMYK).GetCMYK(), base.GetCMYK());
  TColorSwatch shBase;
  shBase.SetDragObject([this] { return workspace.BaseColor(); });
  shBase.SetBaseColor(base.GetColor());
  QMimeData mime;
  ASSERT_TRUE(List().DropColor(&shBase, &mime, QPoint(20, List().viewport()->height() - 5)));
  ASSERT_TRUE(Run(actions.actPaletteAddBaseColor));
  ASSERT_EQ(document.Count(), 7);
  EXPECT_EQ(document.Entry(5).Color.Model(), cmCMYK);
  EXPECT_EQ(document.Entry(5).Color.GetCMYK(), (TCMYKValues{10, 20, 30, 40}));
  EXPECT_EQ(document.Entry(6).Color.Model(), cmCMYK);
  EXPECT_EQ(document.Entry(6).Color.GetCMYK(), TColorObject(base.GetColor(), cmCMYK).GetCMYK());
  EXPECT_EQ(document.Entry(5).Name, document.Entry(6).Name);
}

TEST_F(PaletteDragTest, AHistoryEntryDropsWithItsOwnModelAndText) {
  workspace.AssignBaseColor(CMYK(10, 20, 30, 40), nullptr);
  panel->HistoryList()->SetCurrentRow(0);
  QMimeData mime;
  ASSERT_TRUE(List().DropColor(panel->HistoryList(), &mime, QPoint(20, List().viewport()->height() - 5)));
  const TPaletteEntry& entry = document.Entry(5);
  EXPECT_EQ(entry.Color.Model(), cmCMYK);
  EXPECT_EQ(entry.Color.GetCMYK(), (TCMYKValues{10, 20, 30, 40}));
  EXPECT_EQ(entry.Name, panel->HistoryList()->NameAt(0));
}

// --- Base colour and the history page ------------------------------------------------------------------------

TEST_F(PalettePanelTest, DoubleClickAndEnterSetTheEntryAsBaseColour) {
  Add("Sky", HSB(200, 50, 60));
  Add("Ink", CMYK(90, 10, 0, 20));
  QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, RowCenter(List(), 0));
  EXPECT_EQ(workspace.BaseColor().Model(), cmHSB);
  EXPECT_EQ(workspace.BaseColor().GetHSB(), (THSBValues{200, 50, 60}));
  ASSERT_GE(workspace.History().Count(), 1);
  EXPECT_EQ(workspace.History().Entry(0).GetColor(), HSB(200, 50, 60).GetColor());

  ClickRow(1);
  QTest::keyClick(&List(), Qt::Key_Return);
  EXPECT_EQ(workspace.BaseColor().Model(), cmCMYK);
  EXPECT_EQ(workspace.BaseColor().GetCMYK(), (TCMYKValues{90, 10, 0, 20}));
}

TEST_F(PalettePanelTest, TheHistoryListFollowsTheHistoryAndMovesItsSelection) {
  for (int i = 1; i <= 3; ++i) workspace.AssignBaseColor(RGB(i * 10, 0, 0), nullptr);
  TColorList& history = *panel->HistoryList();
  ASSERT_EQ(history.Count(), 3);
  EXPECT_EQ(history.NameAt(0), QStringLiteral("1E0000"));
  EXPECT_EQ(history.CurrentRow(), 0);

  workspace.Previous(nullptr);
  EXPECT_EQ(history.CurrentRow(), 1);

  panel->ShowPage(TPalettePanel::pgHistory);
  QTest::mouseClick(history.viewport(), Qt::LeftButton, {}, RowCenter(history, 2));
  EXPECT_EQ(workspace.History().SelectedIndex(), 2);
  QTest::mouseDClick(history.viewport(), Qt::LeftButton, {}, RowCenter(history, 2));
  EXPECT_EQ(workspace.BaseColor().GetRGB(), (TRGBValues{10, 0, 0}));
  EXPECT_EQ(history.Count(), 4) << "Set as Base records the entry again at the top";
  EXPECT_EQ(history.CurrentRow(), 0);
}

TEST_F(PalettePanelTest, HoveringAnEntryFeedsTheColourUnderCursorReadout) {
  Add("A", RGB(12, 34, 56));
  QTest::mouseMove(List().viewport(), RowCenter(List(), 0));
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       R:12 G:34 B:56"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(List().viewport(), &leave);
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty());
}

// A dialog opened from the list blocks the window; whatever the pointer does meanwhile, the list hears nothing
// more, so the readout ends when the window is blocked and the next hover starts it again.
TEST_F(PalettePanelTest, TheReadoutEndsWhenADialogBlocksTheList) {
  Add("A", RGB(12, 34, 56));
  Add("B", RGB(1, 2, 3));
  List().SetCurrentRow(0);
  QTest::mouseMove(List().viewport(), RowCenter(List(), 1));
  QTest::mouseMove(List().viewport(), RowCenter(List(), 0));
  ASSERT_FALSE(workspace.ColorUnderCursorText().isEmpty());
  bool clearedWhileOpen = false;
  dialogs.onExec = [this, &clearedWhileOpen](QDialog& dialog) {
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.move(panel->geometry().topRight() + QPoint(40, 0));
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    clearedWhileOpen = workspace.ColorUnderCursorText().isEmpty();
    dialog.hide();
    return int(QDialog::Rejected);
  };
  Run(actions.actPaletteEditColor);
  EXPECT_TRUE(clearedWhileOpen);
  EXPECT_TRUE(workspace.ColorUnderCursorText().isEmpty());
  QTest::mouseMove(List().viewport(), RowCenter(List(), 1));
  EXPECT_EQ(workspace.ColorUnderCursorText(), QStringLiteral("       R:1 G:2 B:3"));
}

// --- Clipboard ------------------------------------------------------------------------------------------------

struct TCopyCase {
  const char* name;
  QAction* TMainActions::*action;
  bool sharp;
  const char* text;
};

class PaletteCopy : public PalettePanelTest, public ::testing::WithParamInterface<TCopyCase> {};

TEST_P(PaletteCopy, PutsTheCurrentEntryOnTheClipboard) {
  Add("First", RGB(0, 0, 0));
  Add("Ink", CMYK(10, 20, 30, 40));  // RGB 207, 184, 161 derived
  workspace.SetHtmlSharp(GetParam().sharp);
  ClickRow(1);
  ASSERT_TRUE(Run(actions.*(GetParam().action)));
  const TColorObject ink = CMYK(10, 20, 30, 40);
  QString expected = QString::fromUtf8(GetParam().text);
  const TRGBValues rgb = ink.GetRGB();
  expected.replace(QStringLiteral("{hex}"), QString::fromStdString(ink.HexText()));
  expected.replace(QStringLiteral("{bgr}"), QStringLiteral("%1%2%3")
                                                .arg(rgb.B, 2, 16, QLatin1Char('0'))
                                                .arg(rgb.G, 2, 16, QLatin1Char('0'))
                                                .arg(rgb.R, 2, 16, QLatin1Char('0'))
                                                .toUpper());
  expected.replace(QStringLiteral("{dec}"), QStringLiteral("%1,%2,%3").arg(rgb.R).arg(rgb.G).arg(rgb.B));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PaletteCopy,
    ::testing::Values(TCopyCase{"Values", &TMainActions::actPaletteCopyColor, true, "C:10 M:20 Y:30 K:40"},
                      TCopyCase{"HtmlSharp", &TMainActions::actPaletteCopyColorHEX, true, "#{hex}"},
                      TCopyCase{"HtmlPlain", &TMainActions::actPaletteCopyColorHEX, false, "{hex}"},
                      TCopyCase{"Delphi", &TMainActions::actPaletteCopyColorDelphi, true, "$00{bgr}"},
                      TCopyCase{"VisualStudio", &TMainActions::actPaletteCopyColorVSNET, true, "{dec}"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PalettePanelTest, CopyAsCssCopiesTheCurrentEntryInEachForm) {
  Add("First", RGB(0, 0, 0));
  Add("Ink", CMYK(10, 20, 30, 40));  // RGB 207, 184, 161 derived
  ClickRow(1);
  const TColor ink = CMYK(10, 20, 30, 40).GetColor();
  const auto cssActions = actions.PaletteCopyCssActions();
  QStringList popup;
  for (const QAction* item : panel->CopyCssMenu()->actions()) popup << item->objectName();
  EXPECT_EQ(popup.size(), CssFormCount);
  EXPECT_TRUE(panel->PopupMenu()->actions().contains(panel->CopyCssMenu()->menuAction()));
  for (std::size_t i = 0; i + 1 < cssActions.size(); ++i) {
    EXPECT_EQ(popup[int(i)], cssActions[i]->objectName());
    ASSERT_TRUE(Run(cssActions[i]));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), FormatCssColor(ink, CssForms[i]));
    EXPECT_EQ(workspace.CssForm(), CssForms[i]);
  }
  panel->UpdateActions(actions);
  EXPECT_FALSE(actions.actPaletteCopyCssNamed->isEnabled()) << "the ink has no CSS name";
  ClickRow(0);
  ASSERT_TRUE(Run(actions.actPaletteCopyCssNamed));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("black"));
}

TEST_F(PalettePanelTest, CopiesAndSetAsBaseWorkOnTheHistoryWhenItIsShown) {
  Add("Palette", RGB(1, 2, 3));
  ClickRow(0);
  workspace.AssignBaseColor(RGB(0xAB, 0xCD, 0xEF), nullptr);
  panel->ShowPage(TPalettePanel::pgHistory);
  ASSERT_TRUE(Run(actions.actPaletteCopyColorHEX));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#ABCDEF"));
}

// --- Enabling rules -------------------------------------------------------------------------------------------

TEST_F(PalettePanelTest, EnablingRulesFollowThePageTheCurrentItemAndTheCount) {
  auto enabled = [this](QAction* action) {
    panel->UpdateActions(actions);
    return action->isEnabled();
  };
  for (QAction* always : {actions.actFileNew, actions.actFileOpen, actions.actFileSave, actions.actFileSaveAs,
                          actions.actPaletteAddBaseColor, actions.actPaletteRemoveDuplicates}) {
    EXPECT_TRUE(enabled(always)) << always->objectName().toStdString();
  }
  // Empty palette.
  EXPECT_FALSE(enabled(actions.actPaletteEditColor));
  EXPECT_FALSE(enabled(actions.actPaletteSelectAll));
  EXPECT_FALSE(enabled(actions.actPaletteConvertToLab));
  EXPECT_FALSE(enabled(actions.actPaletteSetasBase));

  // Entries but no current item.
  Add("A", RGB(1, 2, 3));
  Add("B", RGB(4, 5, 6));
  EXPECT_FALSE(enabled(actions.actPaletteEditColor));
  EXPECT_FALSE(enabled(actions.actPaletteDeleteColor));
  EXPECT_FALSE(enabled(actions.actPaletteSortColor));
  EXPECT_TRUE(enabled(actions.actPaletteSelectAll));
  EXPECT_TRUE(enabled(actions.actPaletteConvertToRGB));
  EXPECT_FALSE(enabled(actions.actPaletteCopyColorHEX));

  ClickRow(1);
  for (QAction* action : {actions.actPaletteEditColor, actions.actPaletteDeleteColor, actions.actPaletteSortColor,
                          actions.actPaletteSetasBase, actions.actPaletteCopyColor}) {
    EXPECT_TRUE(enabled(action)) << action->objectName().toStdString();
  }

  // The history page: only the copies and Set as Base, and only with a current history entry.
  panel->ShowPage(TPalettePanel::pgHistory);
  EXPECT_FALSE(enabled(actions.actPaletteEditColor));
  EXPECT_FALSE(enabled(actions.actPaletteSelectAll));
  EXPECT_TRUE(enabled(actions.actPaletteConvertToCMYK));
  EXPECT_FALSE(enabled(actions.actPaletteSetasBase));
  workspace.AssignBaseColor(RGB(9, 9, 9), nullptr);
  EXPECT_TRUE(enabled(actions.actPaletteSetasBase));
  EXPECT_TRUE(enabled(actions.actPaletteCopyColorVSNET));
}

TEST_F(PalettePanelTest, ToolbarAndPopupHoldTheirCommandsInOrder) {
  QStringList bar;
  for (QAction* action : panel->PaletteToolBar()->actions()) {
    bar << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
  }
  ASSERT_EQ(bar.size(), 9);
  EXPECT_EQ(bar.mid(0, 5), (QStringList{"actPaletteAddBaseColor", "actPaletteEditColor", "actPaletteDeleteColor",
                                        "|", "actPaletteSortColor"}));
  // bar[5] holds the Convert button.
  EXPECT_EQ(bar.mid(6), (QStringList{"|", "actPaletteUndo", "actPaletteRedo"}));
  QStringList popup;
  for (QAction* action : panel->PopupMenu()->actions()) {
    popup << (action->isSeparator() ? QStringLiteral("|")
              : action->menu()      ? QStringLiteral(">") + action->menu()->objectName()
                                    : action->objectName());
  }
  EXPECT_EQ(popup, (QStringList{"actPaletteSetasBase", "|", "actPaletteEditColor", "actPaletteDeleteColor",
                                "actPaletteRemoveDuplicates", "actPaletteSelectAll", "|", "actPaletteCopyColor",
                                "actPaletteCopyColorHEX", "actPaletteCopyColorDelphi",
                                "actPaletteCopyColorVSNET", ">miPaletteCopyCss"}));
  EXPECT_EQ(panel->Tabs()->tabText(0), QStringLiteral("Palette"));
  EXPECT_EQ(panel->Tabs()->tabText(1), QStringLiteral("History"));
}

// --- What a user sees ----------------------------------------------------------------------------------------

TEST_F(PalettePanelTest, TenColoursRenderAsSwatchesWithTheirNames) {
  const TRGBValues colors[] = {{230, 25, 75}, {60, 180, 75},  {255, 225, 25}, {0, 130, 200}, {245, 130, 48},
                               {145, 30, 180}, {70, 240, 240}, {240, 50, 230}, {210, 245, 60}, {0, 0, 128}};
  for (int i = 0; i < 10; ++i) {
    const TRGBValues& c = colors[i];
    // A few entries in other models show their own model line.
    const TColorModel model = i == 3 ? cmHSB : i == 6 ? cmLAB : i == 8 ? cmCMYK : cmRGB;
    const TColorObject color(RGBValuesToColor(c), model);
    const QString name = i == 4 ? QStringLiteral("A rather long colour name that does not fit")
                                : QString::fromStdString(color.HexText());
    document.AddPaletteColor(name, color);
  }
  ClickRow(1);
  panel->UpdateActions(actions);
  for (bool compact : {false, true}) {
    panel->SetCompactDraw(compact);
    const QImage image = panel->grab().toImage();
    if (const QByteArray out = qgetenv("TINTORIUM_SNAPSHOT_DIR"); !out.isEmpty()) {
      image.save(QString::fromLocal8Bit(out) + (compact ? "/palette-compact.png" : "/palette-normal.png"));
    }
    const QPoint origin = List().viewport()->mapTo(panel.get(), QPoint(0, 0));
    const qreal ratio = image.devicePixelRatio();
    for (int row = 0; row < 10; ++row) {
      const QPoint swatch = origin + QPoint(19, row * TColorList::ItemHeight + 19);
      if (swatch.y() >= List().viewport()->height() + origin.y()) break;
      EXPECT_EQ(image.pixel(swatch * ratio), ToQRgb(document.Entry(row).Color.GetColor())) << "row " << row;
    }
  }
}

/// Saves `widget` as a picture when TINTORIUM_SNAPSHOT_DIR names a folder (to look at the layout).
void Snapshot(QWidget& widget, const char* name) {
  if (const QByteArray out = qgetenv("TINTORIUM_SNAPSHOT_DIR"); !out.isEmpty()) {
    widget.grab().save(QString::fromLocal8Bit(out) + QLatin1Char('/') + QString::fromUtf8(name));
  }
}

TEST_F(PalettePanelTest, DialogsShowEveryFieldWithinTheirFixedSize) {
  TEditColorDialog edit;
  edit.SetEntry(QStringLiteral("Orange"), cmLAB);
  edit.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
  EXPECT_EQ(edit.EntryModel(), cmLAB);
  EXPECT_EQ(edit.minimumSize(), edit.maximumSize()) << "fixed dialog border";
  for (const char* name : {"lblColorName", "lblColorSpace", "edName", "cboSpace", "btnOK", "btnCancel"}) {
    auto* child = edit.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(child, nullptr) << name;
    EXPECT_TRUE(edit.rect().contains(child->geometry())) << name;
  }
  EXPECT_TRUE(edit.findChild<QPushButton*>(QStringLiteral("btnOK"))->isDefault());
  Snapshot(edit, "edit-color.png");

  TSortColorsDialog sort;
  sort.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&sort));
  EXPECT_EQ(sort.minimumSize(), sort.maximumSize());
  EXPECT_EQ(QApplication::focusWidget(), sort.findChild<QListWidget*>(QStringLiteral("lstValue")))
      << "the value list has the focus when the dialog shows";
  for (const char* name : {"lblSortOrder", "cboOrder", "lblSortValue", "lstValue", "btnOK", "btnCancel"}) {
    auto* child = sort.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(child, nullptr) << name;
    EXPECT_TRUE(sort.rect().contains(child->geometry().translated(child->parentWidget()->mapTo(&sort, QPoint()))))
        << name;
  }
  Snapshot(sort, "sort-colors.png");

  for (int i = 1; i <= 4; ++i) workspace.AssignBaseColor(RGB(i * 50, 255 - i * 40, i * 20), nullptr);
  panel->ShowPage(TPalettePanel::pgHistory);
  Snapshot(*panel, "history.png");
}

TEST(PaletteDialogsLanguage, EachDialogTakesItsOwnSectionWhenCreated) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(folder.filePath(QStringLiteral("test.lng")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[EditColorDialog]\nCaption=Farbe bearbeiten\nlblColorName=Name:\n\n"
             "[SortColorsDialog]\nCaption=Sortieren\nlstValue1=R-Wert\ncboOrder1=Absteigend\n");
  file.close();
  SetLanguageFolder(folder.path());
  SetCurrentLanguageName(QStringLiteral("test.lng"));

  TEditColorDialog edit;
  TSortColorsDialog sort;
  SetCurrentLanguageName(QString());
  SetLanguageFolder(QString());

  EXPECT_EQ(edit.windowTitle(), QStringLiteral("Farbe bearbeiten"));
  EXPECT_EQ(edit.findChild<QLabel*>(QStringLiteral("lblColorName"))->text(), QStringLiteral("Name:"));
  EXPECT_EQ(sort.windowTitle(), QStringLiteral("Sortieren"));
  EXPECT_EQ(sort.findChild<QListWidget*>(QStringLiteral("lstValue"))->item(1)->text(), QStringLiteral("R-Wert"));
  EXPECT_EQ(sort.findChild<QComboBox*>(QStringLiteral("cboOrder"))->itemText(1), QStringLiteral("Absteigend"));
}

}  // namespace
}  // namespace tintorium
