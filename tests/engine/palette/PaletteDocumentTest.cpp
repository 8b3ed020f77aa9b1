#include "engine/palette/PaletteDocument.h"

#include "PaletteMirror.h"
#include "PaletteTestSupport.h"
#include "engine/palette/PaletteFile.h"
#include "engine/palette/PaletteSort.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

#include <random>

namespace tintorium {
namespace {

using test::Entry;
using test::HSB;
using test::OwnValues;
using test::RGB;
using test::Rows;
using test::TMirror;

QStringList Names(const TPaletteDocument& doc) {
  QStringList names;
  for (const TPaletteEntry& e : doc.Entries()) names << e.Name;
  return names;
}

void Fill(TPaletteDocument& doc, const QStringList& names) {
  for (int i = 0; i < names.size(); ++i) doc.AddPaletteColor(names[i], RGB(i, i, i));
  doc.SetPaletteModified(false);
}

TEST(PaletteDocumentTest, StartsUnnamedAndUnmodified) {
  TPaletteDocument doc;
  EXPECT_EQ(doc.PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_FALSE(doc.PaletteModified());
  EXPECT_TRUE(doc.IsEmpty());
}

TEST(PaletteDocumentTest, AddKeepsItsOwnCopyAndMarksModifiedOnce) {
  TPaletteDocument doc;
  int modifiedSignals = 0;
  QObject::connect(&doc, &TPaletteDocument::ModifiedChanged, [&](bool on) { modifiedSignals += on ? 1 : 100; });
  TColorObject color = RGB(255, 128, 0);
  EXPECT_EQ(doc.AddPaletteColor(QStringLiteral("FF8000"), color), 0);
  EXPECT_EQ(doc.AddPaletteColor(QStringLiteral("again"), color), 1);
  color.SetRGB({1, 2, 3});
  EXPECT_EQ(doc.Entry(0).Color.GetRGB(), (TRGBValues{255, 128, 0}));
  EXPECT_TRUE(doc.PaletteModified());
  EXPECT_EQ(modifiedSignals, 1);
}

TEST(PaletteDocumentTest, InsertIndexIsLimitedToTheList) {
  TPaletteDocument doc;
  Fill(doc, {"a", "b"});
  EXPECT_EQ(doc.InsertPaletteColor(99, QStringLiteral("end"), RGB(0, 0, 0)), 2);
  EXPECT_EQ(doc.InsertPaletteColor(-5, QStringLiteral("front"), RGB(0, 0, 0)), 0);
  EXPECT_EQ(doc.InsertPaletteColor(2, QStringLiteral("mid"), RGB(0, 0, 0)), 2);
  EXPECT_EQ(Names(doc), (QStringList{"front", "a", "mid", "b", "end"}));
  EXPECT_TRUE(doc.PaletteModified());
}

TEST(PaletteDocumentTest, EditRenamesAndRederivesFromTheChosenModel) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("x"), RGB(200, 100, 50));
  doc.SetPaletteModified(false);
  const THSBValues hsb = doc.Entry(0).Color.GetHSB();
  doc.EditPaletteColor(0, QString(), cmHSB);
  EXPECT_EQ(doc.Entry(0).Name, QString());
  EXPECT_EQ(doc.Entry(0).Color.Model(), cmHSB);
  EXPECT_EQ(doc.Entry(0).Color.GetHSB(), hsb);
  EXPECT_EQ(doc.Entry(0).Color.GetRGB(), HSB(hsb.H, hsb.S, hsb.B).GetRGB());
  EXPECT_TRUE(doc.PaletteModified());

  doc.SetPaletteModified(false);
  doc.EditPaletteColor(1, QStringLiteral("nobody"), cmRGB);
  EXPECT_FALSE(doc.PaletteModified());
}

TEST(PaletteDocumentTest, DeleteRemovesEverySelectedEntry) {
  TPaletteDocument doc;
  Fill(doc, {"a", "b", "c", "d", "e"});
  doc.DeletePaletteColors({3, 0, 3, 42, -1});
  EXPECT_EQ(Names(doc), (QStringList{"b", "c", "e"}));
  EXPECT_TRUE(doc.PaletteModified());
}

TEST(PaletteDocumentTest, ColoursHeldInDifferentModelsAreNeverDuplicates) {
  TPaletteDocument doc;
  const TColorObject a = RGB(10, 20, 30);
  TColorObject b = a;
  b.ConvertTo(cmHSB);
  doc.AddPaletteColor(QStringLiteral("A"), a);
  doc.AddPaletteColor(QStringLiteral("B"), b);
  doc.AddPaletteColor(QStringLiteral("C"), RGB(10, 20, 30));
  doc.SetPaletteModified(false);
  EXPECT_EQ(doc.RemoveDuplicateColors(), 1);
  EXPECT_EQ(Names(doc), (QStringList{"A", "B"}));
  EXPECT_TRUE(doc.PaletteModified());
}

TEST(PaletteDocumentTest, RemoveDuplicatesMatchesThePairwisePass) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> small(0, 2);
  TPaletteDocument doc;
  TPaletteEntries reference;
  for (int i = 0; i < 400; ++i) {
    TColorObject color = RGB(small(random) * 100, small(random) * 100, 0);
    color.ConvertTo(static_cast<TColorModel>(small(random)));
    if (i % 50 == 0) color.SetModel(static_cast<TColorModel>(9));  // a damaged tag
    doc.AddPaletteColor(QString::number(i), color);
    reference.push_back({QString::number(i), color});
  }
  for (std::size_t i = 0; i < reference.size(); ++i) {
    for (std::size_t j = reference.size(); j-- > i + 1;) {
      if (SameColor(reference[i].Color, reference[j].Color)) reference.erase(reference.begin() + static_cast<long>(j));
    }
  }
  TMirror mirror(doc);
  doc.RemoveDuplicateColors();
  QStringList expected;
  for (const TPaletteEntry& e : reference) expected << e.Name;
  EXPECT_EQ(Names(doc), expected);
  EXPECT_EQ(mirror.Rows(), Rows(doc));
}

TEST(PaletteDocumentTest, ConvertIsATagChangeSoLabThenRgbGivesBackTheValues) {
  TPaletteDocument doc;
  std::vector<TRGBValues> before;
  for (int i = 0; i < 40; ++i) {
    doc.AddPaletteColor(QString::number(i), RGB(i * 6, 255 - i * 5, (i * 37) % 256));
    before.push_back(doc.Entry(i).Color.GetRGB());
  }
  doc.ConvertPaletteValues(cmLAB);
  EXPECT_EQ(doc.Entry(3).Color.Model(), cmLAB);
  doc.ConvertPaletteValues(cmRGB);
  for (int i = 0; i < doc.Count(); ++i) EXPECT_EQ(doc.Entry(i).Color.GetRGB(), before[static_cast<std::size_t>(i)]);
}

TEST(PaletteDocumentTest, DragWithinTheListMovesTheEntry) {
  struct Case {
    int from, dropRow;
    QStringList expected;
    int index;
  };
  const Case cases[] = {
      {2, 5, {"a", "b", "d", "e", "c"}, 4},   // below the last entry
      {2, 99, {"a", "b", "d", "e", "c"}, 4},  //
      {2, 0, {"c", "a", "b", "d", "e"}, 0},   // onto the first entry
      {0, 2, {"b", "c", "a", "d", "e"}, 2},   // rows count after the removal
      {4, 1, {"a", "e", "b", "c", "d"}, 1},
      {1, 1, {"a", "b", "c", "d", "e"}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.dropRow);
    TPaletteDocument doc;
    Fill(doc, {"a", "b", "c", "d", "e"});
    TMirror mirror(doc);
    EXPECT_EQ(doc.MovePaletteColor(c.from, c.dropRow), c.index);
    EXPECT_EQ(Names(doc), c.expected);
    EXPECT_EQ(mirror.Rows(), Rows(doc));
    EXPECT_TRUE(doc.PaletteModified());
  }
  TPaletteDocument empty;
  EXPECT_EQ(empty.MovePaletteColor(0, 0), -1);
  EXPECT_FALSE(empty.PaletteModified());
}

TEST(PaletteDocumentTest, SortMarksModifiedEvenWhenTheOrderStays) {
  TPaletteDocument doc;
  Fill(doc, {"a", "b"});
  doc.SortPaletteColors(skRGB_R, soAscending);
  EXPECT_EQ(Names(doc), (QStringList{"a", "b"}));
  EXPECT_TRUE(doc.PaletteModified());
}

TEST(PaletteDocumentTest, SignalsLetAViewFollowEveryCommand) {
  std::mt19937 random(99);
  TPaletteDocument doc;
  TMirror mirror(doc);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, std::max(0, n - 1))(random); };
  for (int step = 0; step < 600; ++step) {
    const int n = doc.Count();
    switch (pick(9)) {
      case 0:
      case 1: doc.AddPaletteColor(QString::number(step), RGB(pick(4) * 80, pick(256), 0)); break;
      case 2: doc.InsertPaletteColor(pick(n + 1), QString::number(step), HSB(pick(360), 50, 50)); break;
      case 3: doc.EditPaletteColor(pick(n), QStringLiteral("e%1").arg(step), static_cast<TColorModel>(pick(4))); break;
      case 4: {
        std::vector<int> doomed;
        for (int k = pick(n > 40 ? 30 : 3); k >= 0; --k) doomed.push_back(pick(n));
        doc.DeletePaletteColors(doomed);
        break;
      }
      case 5: doc.MovePaletteColor(pick(n), pick(n + 2)); break;
      case 6: doc.ConvertPaletteValues(static_cast<TColorModel>(pick(4))); break;
      case 7: doc.SortPaletteColors(pick(SortKeyCount), pick(2)); break;
      default: doc.RemoveDuplicateColors(); break;
    }
    ASSERT_EQ(mirror.Rows(), Rows(doc)) << "step " << step;
  }
}

class PaletteDocumentFileTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(PaletteDocumentFileTest, SaveAndOpenSetTheNameAndClearTheFlag) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("FF8000"), RGB(255, 128, 0));
  const QString path = Path("p.tnp");
  ASSERT_TRUE(doc.SavePalette(path));
  EXPECT_EQ(doc.PaletteFileName(), path);
  EXPECT_FALSE(doc.PaletteModified());

  TPaletteDocument other;
  other.AddPaletteColor(QStringLiteral("gone"), RGB(0, 0, 0));
  TMirror mirror(other);
  ASSERT_TRUE(other.OpenPalette(path));
  EXPECT_EQ(Names(other), QStringList{"FF8000"});
  EXPECT_EQ(other.PaletteFileName(), path);
  EXPECT_FALSE(other.PaletteModified());
  EXPECT_EQ(mirror.Rows(), Rows(other));
}

// Nothing of a failed read replaces the palette, so no partial entries can reach the damaged file or the old one.
TEST_F(PaletteDocumentFileTest, FailedOpenLeavesThePaletteItsNameFlagAndStepsAsTheyWere) {
  const QString previous = Path("previous.tnp");
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("mine"), RGB(1, 2, 3));
  ASSERT_TRUE(doc.SavePalette(previous));
  doc.AddPaletteColor(QStringLiteral("unsaved"), RGB(1, 2, 3));

  const QByteArray full = EncodePaletteData({Entry("A", RGB(1, 1, 1)), Entry("B", RGB(2, 2, 2))});
  QFile cut(Path("cut.tnp"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(full.left(full.size() - 3));
  cut.close();

  const TFileResult result = doc.OpenPalette(cut.fileName());
  EXPECT_EQ(result.MessageKey(), QStringLiteral("sCantOpen"));
  ASSERT_EQ(doc.Count(), 2);
  EXPECT_EQ(doc.Entry(0).Name, QStringLiteral("mine"));
  EXPECT_EQ(doc.Entry(1).Name, QStringLiteral("unsaved"));
  EXPECT_EQ(doc.PaletteFileName(), previous);
  EXPECT_TRUE(doc.PaletteModified());
  EXPECT_FALSE(doc.NeedsSaveAs());
  doc.UndoStack().undo();  // the unsaved step is still there to undo
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_FALSE(doc.PaletteModified());
}

TEST_F(PaletteDocumentFileTest, FailedSaveKeepsNameAndFlag) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("x"), RGB(1, 2, 3));
  const TFileResult result = doc.SavePalette(Path("missing/folder/p.tnp"));
  EXPECT_EQ(result.Message(), QStringLiteral("Could not save file!"));
  EXPECT_EQ(doc.PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_TRUE(doc.PaletteModified());
}

TEST_F(PaletteDocumentFileTest, NeverSavedPaletteGoesThroughSaveAsEvenBesideNonameTnp) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  QFile stray(QStringLiteral("noname.tnp"));
  ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
  stray.close();
  TPaletteDocument doc;
  EXPECT_TRUE(doc.NeedsSaveAs());
  QDir::setCurrent(before);

  ASSERT_TRUE(doc.SavePalette(Path("real.tnp")));
  EXPECT_FALSE(doc.NeedsSaveAs());
  QFile::remove(Path("real.tnp"));
  EXPECT_TRUE(doc.NeedsSaveAs());
}

TEST(PaletteDocumentNamingTest, SaveAsAppendsTheExtensionUnlessPresentInAnyCase) {
  EXPECT_EQ(TPaletteDocument::WithPaletteExtension(QStringLiteral("palette.TNP")), QStringLiteral("palette.TNP"));
  EXPECT_EQ(TPaletteDocument::WithPaletteExtension(QStringLiteral("palette")), QStringLiteral("palette.tnp"));
  EXPECT_EQ(TPaletteDocument::WithPaletteExtension(QStringLiteral("colors.txt")), QStringLiteral("colors.txt.tnp"));
}

TEST(PaletteDocumentTest, NewEmptiesAndForgetsTheName) {
  TPaletteDocument doc;
  doc.SetPaletteFileName(QStringLiteral("/tmp/x.tnp"));
  doc.AddPaletteColor(QStringLiteral("x"), RGB(1, 2, 3));
  doc.NewPalette();
  EXPECT_TRUE(doc.IsEmpty());
  EXPECT_EQ(doc.PaletteFileName(), QStringLiteral("noname.tnp"));
  EXPECT_FALSE(doc.PaletteModified());
}


TEST(PaletteDocumentTest, ReplaceKeepsTheNameAndIgnoresBadIndexes) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("Body text"), TColorObject(0x777777, cmRGB));
  doc.ReplacePaletteColor(0, TColorObject(0x767676, cmLAB));
  EXPECT_EQ(doc.Entry(0).Name, QStringLiteral("Body text"));
  EXPECT_EQ(doc.Entry(0).Color.Model(), cmLAB);
  doc.ReplacePaletteColor(0, TColorObject(0x767676, cmRGB));
  EXPECT_EQ(doc.Entry(0).Color.GetColor(), TColor(0x767676));
  EXPECT_EQ(doc.UndoStack().count(), 3);
  for (const int bad : {-1, 1, 1000}) doc.ReplacePaletteColor(bad, TColorObject(0xFF0000, cmRGB));
  EXPECT_EQ(doc.UndoStack().count(), 3);
  doc.UndoStack().undo();
  doc.UndoStack().undo();
  EXPECT_EQ(doc.Entry(0).Color.GetColor(), TColor(0x777777));
}
}  // namespace
}  // namespace tintorium
