// Undo and redo of the palette document's steps: every kind of edit goes back and forth exactly (names,
// models, every model's values, order), a view following the signals keeps up, the modified flag follows the
// saved state, and New and Open start a fresh history.
#include "engine/palette/PaletteDocument.h"

#include "PaletteMirror.h"
#include "PaletteTestSupport.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteSort.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>
#include <random>

namespace tintorium {
namespace {

using test::CMYK;
using test::HSB;
using test::Lab;
using test::RGB;
using test::Rows;
using test::TMirror;

/// Everything an entry holds: name, tag and all four records, so a rederived model cannot hide.
QString Exact(const TPaletteEntry& e) {
  const TColorObject& c = e.Color;
  return QStringLiteral("%1|%2|%3,%4,%5|%6,%7,%8|%9,%10,%11,%12|%13,%14,%15")
      .arg(e.Name)
      .arg(c.Model())
      .arg(c.GetRGB().R).arg(c.GetRGB().G).arg(c.GetRGB().B)
      .arg(c.GetHSB().H).arg(c.GetHSB().S).arg(c.GetHSB().B)
      .arg(c.GetCMYK().C).arg(c.GetCMYK().M).arg(c.GetCMYK().Y).arg(c.GetCMYK().K)
      .arg(c.GetLab().L).arg(c.GetLab().a).arg(c.GetLab().b);
}

QStringList State(const TPaletteDocument& doc) {
  QStringList state;
  for (const TPaletteEntry& e : doc.Entries()) state << Exact(e);
  return state;
}

/// 60 entries in all four models; every third repeats the colour before it, so duplicates fall in 20
/// separate runs (more than a view is told about one by one).
void FillMixed(TPaletteDocument& doc) {
  for (int i = 0; i < 60; ++i) {
    TColorObject color;
    switch (i % 4) {
      case 0: color = RGB((i * 37) % 256, (i * 91) % 256, (i * 13) % 256); break;
      case 1: color = HSB((i * 47) % 360, 20 + i % 80, 30 + i % 70); break;
      case 2: color = CMYK(i % 100, (i * 3) % 100, (i * 7) % 100, i % 40); break;
      default: color = Lab(i % 100, (i * 5) % 200 - 100, 50 - i); break;
    }
    if (i % 3 == 2) color = doc.Entry(i - 1).Color;
    doc.AddPaletteColor(QStringLiteral("c%1").arg(i), color);
  }
  doc.SetPaletteModified(false);
}

TPaletteEntries Extra(int count) {
  TPaletteEntries entries;
  for (int i = 0; i < count; ++i) entries.push_back({QStringLiteral("x%1").arg(i), HSB(i * 30, 60, 70)});
  return entries;
}

std::vector<int> EveryOther(int count) {
  std::vector<int> rows;
  for (int i = 1; i < count; i += 2) rows.push_back(i);
  return rows;
}

struct TStepCase {
  const char* label;
  std::function<void(TPaletteDocument&)> edit;
  TMessageKey name;
  QList<int> rowsAfterUndo;  // what StepReplayed offers a view to select
  QList<int> rowsAfterRedo;
};

class PaletteUndoStep : public ::testing::TestWithParam<TStepCase> {};

TEST_P(PaletteUndoStep, UndoGivesBackTheStateBeforeAndRedoTheStateAfterExactly) {
  const TStepCase& c = GetParam();
  TPaletteDocument doc;
  FillMixed(doc);
  TMirror mirror(doc);
  QList<QList<int>> replayed;
  QObject::connect(&doc, &TPaletteDocument::StepReplayed, [&](const QList<int>& rows) { replayed << rows; });
  const QStringList before = State(doc);

  c.edit(doc);
  const QStringList after = State(doc);
  ASSERT_TRUE(doc.UndoStack().canUndo());
  EXPECT_EQ(doc.UndoStack().undoText(), MessageKeyName(c.name));
  EXPECT_TRUE(replayed.isEmpty()) << "the command itself leaves the selection to its caller";

  for (int round = 0; round < 2; ++round) {
    doc.UndoStack().undo();
    ASSERT_EQ(State(doc), before) << "round " << round;
    EXPECT_EQ(mirror.Rows(), Rows(doc));
    EXPECT_FALSE(doc.PaletteModified());
    doc.UndoStack().redo();
    ASSERT_EQ(State(doc), after) << "round " << round;
    EXPECT_EQ(mirror.Rows(), Rows(doc));
    EXPECT_TRUE(doc.PaletteModified());
  }
  ASSERT_EQ(replayed.size(), 4);
  EXPECT_EQ(replayed[0], c.rowsAfterUndo);
  EXPECT_EQ(replayed[1], c.rowsAfterRedo);
}

QList<int> Range(int first, int last) {
  QList<int> rows;
  for (int i = first; i <= last; ++i) rows << i;
  return rows;
}

QList<int> OddRows(int count) {
  const std::vector<int> rows = EveryOther(count);
  return QList<int>(rows.begin(), rows.end());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfEdit, PaletteUndoStep,
    ::testing::Values(
        TStepCase{"add", [](TPaletteDocument& d) { d.AddPaletteColor("new", CMYK(1, 2, 3, 4)); }, sPalEditAdd, {},
                  {60}},
        TStepCase{"drop", [](TPaletteDocument& d) { d.InsertPaletteColor(7, "dropped", Lab(40, -20, 90)); },
                  sPalEditDrop, {}, {7}},
        TStepCase{"add several", [](TPaletteDocument& d) { d.AppendPaletteColors(Extra(5)); }, sPalEditAddMany, {},
                  Range(60, 64)},
        TStepCase{"import", [](TPaletteDocument& d) { d.ImportPaletteColors(Extra(12)); }, sPalEditImport, {},
                  Range(60, 71)},
        TStepCase{"delete a few runs", [](TPaletteDocument& d) { d.DeletePaletteColors({3, 1, 2, 40, 59}); },
                  sPalEditDelete, {1, 2, 3, 40, 59}, {}},
        TStepCase{"delete many runs", [](TPaletteDocument& d) { d.DeletePaletteColors(EveryOther(60)); },
                  sPalEditDelete, OddRows(60), {}},
        TStepCase{"delete everything", [](TPaletteDocument& d) { d.DeletePaletteColors(std::vector<int>(60, 0)); },
                  sPalEditDelete, {0}, {}},
        TStepCase{"remove duplicates", [](TPaletteDocument& d) { EXPECT_EQ(d.RemoveDuplicateColors(), 20); },
                  sPalEditDedupe,
                  [] {
                    QList<int> rows;
                    for (int i = 2; i < 60; i += 3) rows << i;
                    return rows;
                  }(),
                  {}},
        TStepCase{"edit into another model", [](TPaletteDocument& d) { d.EditPaletteColor(5, "renamed", cmLAB); },
                  sPalEditEdit, {5}, {5}},
        TStepCase{"edit to an empty name", [](TPaletteDocument& d) { d.EditPaletteColor(0, "", cmCMYK); },
                  sPalEditEdit, {0}, {0}},
        TStepCase{"replace a colour, name kept",
                  [](TPaletteDocument& d) { d.ReplacePaletteColor(7, TColorObject(0x336699, cmHSB)); }, sPalEditEdit,
                  {7}, {7}},
        TStepCase{"convert", [](TPaletteDocument& d) { d.ConvertPaletteValues(cmHSB); }, sPalEditConvert, {}, {}},
        TStepCase{"move down", [](TPaletteDocument& d) { d.MovePaletteColor(2, 50); }, sPalEditMove, {2}, {50}},
        TStepCase{"move below the end", [](TPaletteDocument& d) { d.MovePaletteColor(9, 99); }, sPalEditMove, {9},
                  {59}},
        TStepCase{"move up", [](TPaletteDocument& d) { d.MovePaletteColor(44, 0); }, sPalEditMove, {44}, {0}},
        TStepCase{"sort by hue, descending", [](TPaletteDocument& d) { d.SortPaletteColors(skHSB_Hue, soDescending); },
                  sPalEditSort, {}, {}},
        TStepCase{"sort by Lab a", [](TPaletteDocument& d) { d.SortPaletteColors(skLab_a, soAscending); },
                  sPalEditSort, {}, {}}),
    [](const auto& info) {
      std::string name = info.param.label;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      }
      return name;
    });

TEST(PaletteUndoTest, EditsThatChangeValuesReallyChangeThem) {
  // The exact comparison above only means something if the edits touch the derived records.
  TPaletteDocument doc;
  FillMixed(doc);
  const QString before = Exact(doc.Entry(5));
  doc.EditPaletteColor(5, doc.Entry(5).Name, cmLAB);
  EXPECT_NE(Exact(doc.Entry(5)), before);
  doc.UndoStack().undo();
  EXPECT_EQ(Exact(doc.Entry(5)), before);
}

TEST(PaletteUndoTest, ARandomWalkOfEditsUndoesAndRedoesToEveryEarlierState) {
  std::mt19937 random(2024);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, std::max(0, n - 1))(random); };
  TPaletteDocument doc;
  FillMixed(doc);
  doc.UndoStack().clear();
  TMirror mirror(doc);
  QList<QStringList> states{State(doc)};  // the reference history
  int at = 0;
  for (int step = 0; step < 500; ++step) {
    const int n = doc.Count();
    const int what = pick(12);
    if (what < 2 && at > 0) {
      doc.UndoStack().undo();
      --at;
    } else if (what < 4 && at + 1 < states.size()) {
      doc.UndoStack().redo();
      ++at;
    } else {
      switch (what) {
        case 4: doc.AddPaletteColor(QString::number(step), RGB(pick(3) * 100, 0, 0)); break;
        case 5: doc.InsertPaletteColor(pick(n + 1), QString::number(step), HSB(pick(360), 50, 50)); break;
        case 6:
          if (n == 0) continue;
          doc.EditPaletteColor(pick(n), QStringLiteral("e%1").arg(step), static_cast<TColorModel>(pick(4)));
          break;
        case 7: {
          std::vector<int> doomed;
          for (int k = pick(n > 40 ? 30 : 3); k >= 0; --k) doomed.push_back(pick(n));
          doc.DeletePaletteColors(doomed);
          break;
        }
        case 8:
          if (n == 0) continue;
          doc.MovePaletteColor(pick(n), pick(n + 2));
          break;
        case 9: doc.ConvertPaletteValues(static_cast<TColorModel>(pick(4))); break;
        case 10: doc.SortPaletteColors(pick(SortKeyCount), pick(2)); break;
        default: doc.RemoveDuplicateColors(); break;
      }
      states.resize(at + 1);
      states << State(doc);
      ++at;
      if (states.size() > TPaletteDocument::UndoLimit + 1) {
        states.removeFirst();
        --at;
      }
    }
    ASSERT_EQ(State(doc), states[at]) << "step " << step;
    ASSERT_EQ(mirror.Rows(), Rows(doc)) << "step " << step;
    ASSERT_EQ(doc.UndoStack().index(), at) << "step " << step;
  }
}

// --- The modified flag -------------------------------------------------------------------------------------

TEST(PaletteUndoTest, TheFlagFollowsTheSavedStateThroughUndoAndRedo) {
  QTemporaryDir dir;
  TPaletteDocument doc;
  QList<bool> seen;
  QObject::connect(&doc, &TPaletteDocument::ModifiedChanged, [&](bool on) { seen << on; });
  doc.AddPaletteColor("A", RGB(1, 2, 3));
  doc.AddPaletteColor("B", RGB(4, 5, 6));
  ASSERT_TRUE(doc.SavePalette(dir.filePath("p.tnp")).Ok());
  EXPECT_FALSE(doc.PaletteModified());

  doc.SortPaletteColors(skRGB_R, soDescending);
  EXPECT_TRUE(doc.PaletteModified());
  doc.UndoStack().undo();
  EXPECT_FALSE(doc.PaletteModified()) << "back at the saved state";
  doc.UndoStack().undo();
  EXPECT_TRUE(doc.PaletteModified()) << "before the save";
  doc.UndoStack().redo();
  EXPECT_FALSE(doc.PaletteModified());
  doc.UndoStack().redo();
  EXPECT_TRUE(doc.PaletteModified());
  const QList<bool> expected{true, false, true, false, true, false, true};
  EXPECT_EQ(seen, expected);

  // Back before the save, then a different edit: the saved state can no longer be reached.
  doc.UndoStack().undo();
  doc.UndoStack().undo();
  doc.AddPaletteColor("C", RGB(7, 8, 9));
  EXPECT_TRUE(doc.PaletteModified());
  doc.UndoStack().undo();
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_TRUE(doc.PaletteModified());
  doc.UndoStack().redo();
  EXPECT_TRUE(doc.PaletteModified()) << "two entries again, but not the saved ones";
}

TEST(PaletteUndoTest, StepsThatChangeNothingStillMarkAndUndoBackToClean) {
  TPaletteDocument doc;
  doc.AddPaletteColor("a", RGB(1, 1, 1));
  doc.AddPaletteColor("b", RGB(2, 2, 2));
  doc.SetPaletteModified(false);
  const std::function<void()> noChanges[] = {
      [&] { doc.SortPaletteColors(skRGB_R, soAscending); },
      [&] { EXPECT_EQ(doc.RemoveDuplicateColors(), 0); },
      [&] { doc.MovePaletteColor(1, 1); },
      [&] { doc.EditPaletteColor(0, "a", cmRGB); },
      [&] { doc.ConvertPaletteValues(cmRGB); },
  };
  for (const auto& edit : noChanges) {
    edit();
    EXPECT_TRUE(doc.PaletteModified());
    doc.UndoStack().undo();
    EXPECT_FALSE(doc.PaletteModified());
  }
}

TEST(PaletteUndoTest, OnlyTheLastHundredStepsAreKeptAndTheSavedStateIsNotPretendedBeyondThem) {
  TPaletteDocument doc;
  doc.SetPaletteModified(false);
  for (int i = 0; i < TPaletteDocument::UndoLimit + 50; ++i) doc.AddPaletteColor(QString::number(i), RGB(i, 0, 0));
  EXPECT_EQ(doc.UndoStack().count(), TPaletteDocument::UndoLimit);
  while (doc.UndoStack().canUndo()) doc.UndoStack().undo();
  EXPECT_EQ(doc.Count(), 50);
  EXPECT_TRUE(doc.PaletteModified()) << "the empty palette that was clean lies beyond the kept steps";
}

// --- New and Open ------------------------------------------------------------------------------------------

TEST(PaletteUndoTest, NewAndOpenStartAFreshHistory) {
  QTemporaryDir dir;
  const QString saved = dir.filePath("p.tnp");
  // A failed open starts nothing: it keeps the palette and its steps (PaletteDocumentTest).
  const std::function<void(TPaletteDocument&)> fresh[] = {
      [](TPaletteDocument& d) { d.NewPalette(); },
      [&](TPaletteDocument& d) { ASSERT_TRUE(d.OpenPalette(saved).Ok()); },
  };
  for (const auto& start : fresh) {
    TPaletteDocument doc;
    doc.AddPaletteColor("A", RGB(1, 2, 3));
    ASSERT_TRUE(doc.SavePalette(saved).Ok());
    doc.AddPaletteColor("B", RGB(4, 5, 6));
    doc.UndoStack().undo();
    ASSERT_TRUE(doc.UndoStack().canUndo() && doc.UndoStack().canRedo());
    const QStringList opened = State(doc);

    start(doc);
    EXPECT_FALSE(doc.UndoStack().canUndo());
    EXPECT_FALSE(doc.UndoStack().canRedo());
    EXPECT_FALSE(doc.PaletteModified());
    const QStringList now = State(doc);
    doc.UndoStack().undo();
    EXPECT_EQ(State(doc), now) << "nothing of the earlier palette comes back";
    doc.AddPaletteColor("C", RGB(7, 8, 9));
    doc.UndoStack().undo();
    EXPECT_FALSE(doc.PaletteModified()) << "undoing to the opened state clears the mark";
  }
}

}  // namespace
}  // namespace tintorium
