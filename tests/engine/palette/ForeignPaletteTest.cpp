// Other programs' swatch files opened as the palette: their colours, names and models come in, the file
// name stays theirs for the caption, and Save must never write palette bytes over them.
#include "engine/palette/ForeignPalette.h"

#include "PaletteTestSupport.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/palette/PaletteFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tintorium {
namespace {

using test::OwnValues;

const QString kSwatches = QStringLiteral(TINTORIUM_CORPUS "/swatches/");

QStringList Names(const TPaletteDocument& doc) {
  QStringList names;
  for (const TPaletteEntry& e : doc.Entries()) names << e.Name;
  return names;
}

TEST(ForeignPaletteTest, SwatchExtensionsAreForeignInAnyCase) {
  for (const char* name : {"a.aco", "b.ACT", "/x/c.Gpl", "d.ase"}) EXPECT_TRUE(IsForeignPaletteFile(name)) << name;
  for (const char* name : {"a.tnp", "noname.tnp", "a.gpl.tnp", "gpl", "a.txt"}) EXPECT_FALSE(IsForeignPaletteFile(name)) << name;
  EXPECT_EQ(PaletteFileNameFor(QStringLiteral("/home/u/colours.v2.ase")), QStringLiteral("/home/u/colours.v2.tnp"));
}

TEST(ForeignPaletteTest, OpenTakesColoursNamesAndModelsAndKeepsTheForeignNameUntilSaveAs) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("gone"), test::RGB(1, 2, 3));
  const QString path = kSwatches + QStringLiteral("dagronf-palette_complex.ase");
  ASSERT_TRUE(doc.OpenPalette(path));
  ASSERT_EQ(doc.Count(), 21);
  EXPECT_EQ(doc.Entry(0).Name, QStringLiteral("GMX RGB / Black RGB"));
  EXPECT_EQ(doc.Entry(10).Color.Model(), cmCMYK);
  EXPECT_EQ(OwnValues(doc.Entry(10).Color), (std::array<int, 4>{93, 24, 85, 68}));
  EXPECT_EQ(doc.Entry(15).Name, QStringLiteral("GMX PANTONE / PANTONE 656 C"));
  EXPECT_EQ(OwnValues(doc.Entry(15).Color), (std::array<int, 4>{91, -1, -5, 0}));
  EXPECT_EQ(doc.PaletteFileName(), path);
  EXPECT_FALSE(doc.PaletteModified());
  EXPECT_TRUE(doc.NeedsSaveAs());

  ASSERT_TRUE(doc.OpenPalette(kSwatches + QStringLiteral("gimp-data-Tango.gpl")));
  EXPECT_EQ(Names(doc).first(3), (QStringList{"Butter 1", "Butter 2", "Butter 3"}));
  EXPECT_TRUE(doc.NeedsSaveAs());
}

TEST(ForeignPaletteTest, AFailedForeignOpenKeepsThePaletteAndGivesTheReadersMessage) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("mine"), test::RGB(1, 2, 3));
  const TFileResult result = doc.OpenPalette(kSwatches + QStringLiteral("dagronf-unsupported_version.ase"));
  EXPECT_FALSE(result);
  EXPECT_TRUE(result.Message().contains(QStringLiteral("not supported"))) << result.Message().toStdString();
  ASSERT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.Entry(0).Name, QStringLiteral("mine"));
  EXPECT_TRUE(doc.PaletteModified());
  EXPECT_EQ(doc.PaletteFileName(), TPaletteDocument::NoName);
}

TEST(ForeignPaletteTest, ReadAnyPaletteFileStillReadsPalettesByTheirBytes) {
  QTemporaryDir dir;
  const TPaletteEntries written{{QStringLiteral("A"), test::Lab(50, 10, -10)}};
  // A palette file under another extension (as the kept last palette or a renamed copy) is still a palette.
  for (const char* name : {"p.tnp", "p.pal"}) {
    ASSERT_TRUE(WritePaletteFile(dir.filePath(name), written));
    TPaletteEntries read;
    ASSERT_TRUE(ReadAnyPaletteFile(dir.filePath(name), read)) << name;
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Color.Model(), cmLAB) << name;
  }
  TPaletteEntries read{{QStringLiteral("old"), test::RGB(0, 0, 0)}};
  EXPECT_EQ(ReadForeignPalette(dir.filePath("none.gpl"), read).MessageKey(), QStringLiteral("sFileNotFound"));
  EXPECT_TRUE(read.empty());
}

}  // namespace
}  // namespace tintorium
