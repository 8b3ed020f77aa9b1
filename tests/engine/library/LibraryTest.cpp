// The library folder listing and the loading of one library file of any format, on a temporary folder.
#include "engine/library/LibraryFile.h"
#include "engine/library/LibraryFolder.h"

#include "engine/palette/PaletteFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <set>

namespace tintorium {
namespace {

const QString kSwatches = QStringLiteral(TINTORIUM_CORPUS "/swatches/");

class LibraryFolderTest : public ::testing::Test {
 protected:
  void Touch(const QString& name, const QByteArray& bytes = {}) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
  }
  QTemporaryDir dir;
};

TEST_F(LibraryFolderTest, ListsEachExtensionInTurnSortedWithoutRegardToCase) {
  for (const char* name : {"b.aco", "a.act", "c.tnp", "Web Hues.aco", "web safe.ACO", "Z.gpl", ".hidden.gpl", "y.ase",
                           "X.ase", "notes.txt", "aco", "palette.aco.bak"}) {
    Touch(QString::fromLatin1(name));
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.aco"));
  EXPECT_EQ(ListLibraries(dir.path()), (QStringList{"b.aco", "Web Hues.aco", "web safe.ACO", "a.act", "c.tnp",
                                                    ".hidden.gpl", "Z.gpl", "X.ase", "y.ase"}));
}

// Other programs' palette formats list as libraries too; an .xml file only when it holds Scribus swatches.
TEST_F(LibraryFolderTest, LibreOfficeScribusAndHexFilesAreLibrariesAndOtherXmlIsNot) {
  for (const char* name : {"o.soc", "h.hex", "notes.xml", "a.aco"}) Touch(QString::fromLatin1(name));
  ASSERT_TRUE(QFile::copy(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/scribus-swatches.xml"), dir.filePath("s.xml")));
  EXPECT_EQ(ListLibraries(dir.path()), (QStringList{"a.aco", "o.soc", "s.xml", "h.hex"}));
  EXPECT_TRUE(IsLibraryFileName(QStringLiteral("x.SOC")));
  const TReadResult<TColors> scribus = LoadLibraryFile(dir.filePath("s.xml"));
  ASSERT_TRUE(scribus.Ok()) << scribus.Status.Message().toStdString();
  EXPECT_FALSE(scribus.Value.empty());
}

TEST_F(LibraryFolderTest, EachKindInTurnAndAMissingOrEmptyFolder) {
  for (const char* name : {"c.tnp", "a.act", "b.aco"}) Touch(QString::fromLatin1(name));
  EXPECT_EQ(ListLibraries(dir.path()), (QStringList{"b.aco", "a.act", "c.tnp"}));
  EXPECT_TRUE(ListLibraries(dir.filePath("missing")).isEmpty());
  EXPECT_TRUE(ListLibraries(QString()).isEmpty());
}

TEST_F(LibraryFolderTest, SeveralFoldersListShippedFirstAndFindEachNameWhereItIsListed) {
  ASSERT_TRUE(QDir(dir.path()).mkpath("shipped") && QDir(dir.path()).mkpath("user"));
  for (const char* name : {"shipped/Web Safe.aco", "shipped/b.act", "user/web safe.aco", "user/Mine.tnp", "user/a.aco"})
    Touch(QString::fromLatin1(name));
  const QStringList folders{dir.filePath("shipped"), dir.filePath("user"), dir.filePath("missing")};
  EXPECT_EQ(ListLibraries(folders), (QStringList{"Web Safe.aco", "b.act", "a.aco", "Mine.tnp"}));

  EXPECT_EQ(LibraryPath(folders, "WEB SAFE.aco"), dir.filePath("shipped/Web Safe.aco"));
  EXPECT_EQ(LibraryPath(folders, "Mine.tnp"), dir.filePath("user/Mine.tnp"));
  EXPECT_EQ(LibraryPath(folders, "gone.aco"), dir.filePath("shipped/gone.aco"));
  EXPECT_EQ(LibraryPath(folders, "/elsewhere/x.aco"), "/elsewhere/x.aco");
}

struct TLoadCase {
  const char* file;
  int count;
  int index;
  const char* name;
  TColorModel model;
  TRGBValues rgb;
};

TEST_F(LibraryFolderTest, LoadsEveryFormatIntoNamedColourObjects) {
  const TPaletteEntries entries{{QStringLiteral("Lab one"), TColorObject(0x336699, cmLAB)},
                                {QStringLiteral("RGB two"), TColorObject(0x010203, cmRGB)}};
  ASSERT_TRUE(WritePaletteFile(dir.filePath("mine.TNP"), entries));
  const TLoadCase cases[] = {
      {"1j01-nord.aco", 16, 0, "nord0", cmRGB, {0x2E, 0x34, 0x40}},
      {"dagronf-Zeldman-v1.aco", 6, 0, "553300", cmRGB, {0x55, 0x33, 0x00}},
      {"solarized-solarized.act", 16, 15, "859900", cmRGB, {0x85, 0x99, 0x00}},
      {"gimp-data-Tango.gpl", 27, 0, "Butter 1", cmRGB, {252, 233, 79}},
      {"dagronf-palette_complex.ase", 21, 15, "GMX PANTONE / PANTONE 656 C", cmLAB, {}},  // Lab: checked below
  };
  for (const TLoadCase& c : cases) {
    SCOPED_TRACE(c.file);
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    ASSERT_TRUE(QFile::copy(kSwatches + QString::fromLatin1(c.file), path));
    const TReadResult<TColors> read = LoadLibraryFile(path);
    ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
    ASSERT_EQ(read.Value.size(), static_cast<std::size_t>(c.count));
    const TColorObjectFx& color = read.Value[static_cast<std::size_t>(c.index)];
    EXPECT_EQ(color.Name(), QString::fromUtf8(c.name).toStdU16String());
    EXPECT_EQ(color.Model(), c.model);
    if (c.model == cmLAB) {
      EXPECT_EQ(color.GetLab(), (TLabValues{91, -1, -5}));
    } else {
      EXPECT_EQ(color.GetRGB(), c.rgb);
    }
  }
  const TReadResult<TColors> mine = LoadLibraryFile(dir.filePath("mine.TNP"));
  ASSERT_TRUE(mine.Ok());
  ASSERT_EQ(mine.Value.size(), 2u);
  EXPECT_EQ(mine.Value[0].Name(), u"Lab one");
  EXPECT_EQ(mine.Value[0].Model(), cmLAB);
  EXPECT_EQ(mine.Value[0].GetLab(), entries[0].Color.GetLab());
  EXPECT_EQ(mine.Value[1].Name(), u"RGB two");
  EXPECT_EQ(ListLibraries(dir.path()), (QStringList{"1j01-nord.aco", "dagronf-Zeldman-v1.aco", "solarized-solarized.act",
                                                    "mine.TNP", "gimp-data-Tango.gpl", "dagronf-palette_complex.ase"}));
}

TEST_F(LibraryFolderTest, FailuresSayWhyAndADamagedPaletteKeepsWhatWasRead) {
  EXPECT_EQ(LoadLibraryFile(dir.filePath("none.aco")).Status.MessageKey(), QStringLiteral("sFileNotFound"));
  Touch(QStringLiteral("odd.cqp"), "whatever");
  const TReadResult<TColors> odd = LoadLibraryFile(dir.filePath("odd.cqp"));
  EXPECT_EQ(odd.Status.Message(), QStringLiteral("Could not read file!"));
  EXPECT_TRUE(odd.Value.empty());
  Touch(QStringLiteral("bad.gpl"), "GIMP Palette\n1 2 3 fine\n1 2 300 too bright\n");
  const TReadResult<TColors> gpl = LoadLibraryFile(dir.filePath("bad.gpl"));
  EXPECT_TRUE(gpl.Status.Message().startsWith(QStringLiteral("Line 3 ")));
  EXPECT_TRUE(gpl.Value.empty());

  const QByteArray full = EncodePaletteData({{QStringLiteral("A"), TColorObject()}, {QStringLiteral("B"), TColorObject()}});
  Touch(QStringLiteral("cut.tnp"), full.left(full.size() - 2));
  const TReadResult<TColors> cut = LoadLibraryFile(dir.filePath("cut.tnp"));
  EXPECT_EQ(cut.Status.MessageKey(), QStringLiteral("sCantOpen"));
  ASSERT_EQ(cut.Value.size(), 1u);
  EXPECT_EQ(cut.Value[0].Name(), u"A");
}

// What the shipped libraries hold, read through the program's own reader.
TEST(ShippedLibraryTest, TheWebLibrariesHoldEveryColourOfTheirGridOnceAndTheNamedOnesTheirNames) {
  const auto colorsOf = [](const char* file) {
    const TReadResult<TColors> read = LoadLibraryFile(QStringLiteral(TINTORIUM_PALETTES "/") + QLatin1String(file));
    EXPECT_TRUE(read.Ok()) << file << ": " << read.Status.Message().toStdString();
    return read.Value;
  };
  const auto gridOf = [](const TColors& colors, int step) {
    std::set<TColor> grid;
    for (const TColorObjectFx& color : colors) {
      const TColor c = color.GetColor();
      if (RedOf(c) % step == 0 && GreenOf(c) % step == 0 && BlueOf(c) % step == 0) grid.insert(c);
    }
    return grid;
  };
  const TColors safe = colorsOf("Web Safe.aco");
  const TColors hues = colorsOf("Web Hues.aco");
  const TColors smart = colorsOf("Web Smart.aco");
  ASSERT_EQ(safe.size(), 216u);
  EXPECT_EQ(gridOf(safe, 0x33).size(), 216u);
  EXPECT_EQ(gridOf(hues, 0x33), gridOf(safe, 0x33));
  ASSERT_EQ(smart.size(), 4096u);
  EXPECT_EQ(gridOf(smart, 0x11).size(), 4096u);
  // By hue: red's column first, the greys last from white to black.
  EXPECT_EQ(hues.front().HexText(), "FF0000");
  EXPECT_EQ(hues[210].HexText(), "FFFFFF");
  EXPECT_EQ(hues.back().HexText(), "000000");

  const struct {
    const char* file;
    std::size_t count;
    std::size_t index;
    const char* name;
    const char* hex;
  } named[] = {
      {"CSS Named Colors.aco", 148, 0, "aliceblue", "F0F8FF"},
      {"Tailwind CSS.aco", 244, 7, "slate-500", "64748B"},
      {"Open Color.aco", 132, 2, "gray-0", "F8F9FA"},
      {"X11 Colors.aco", 550, 0, "snow", "FFFAFA"},
  };
  for (const auto& library : named) {
    const TColors colors = colorsOf(library.file);
    ASSERT_EQ(colors.size(), library.count) << library.file;
    EXPECT_EQ(QString::fromStdU16String(colors[library.index].Name()), QLatin1String(library.name)) << library.file;
    EXPECT_EQ(colors[library.index].HexText(), library.hex) << library.file;
  }
  const TColors css = colorsOf("CSS Named Colors.aco");
  EXPECT_TRUE(std::any_of(css.begin(), css.end(), [](const TColorObjectFx& c) {
    return c.Name() == u"rebeccapurple" && c.HexText() == "663399";
  }));
}

}  // namespace
}  // namespace tintorium
