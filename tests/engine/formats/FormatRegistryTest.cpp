// The table of file formats: every format that reads and writes round-trips a small palette with what its row
// promises kept and the rest lost; the lookups, wizard places and fuzz targets agree with the rows.

#include "engine/formats/FormatRegistry.h"

#include "core/ColorText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <string>

namespace tintorium {
namespace {

TColorObjectFx Named(const char16_t* name, const TColorObject& color) { return {color, name}; }

// Names a code writer would rewrite (a space, a capital, a non-ASCII letter), one colour per model.
TColors SamplePalette() {
  TColorObject rgb;
  rgb.SetRGB({30, 144, 255});
  TColorObject cmyk;
  cmyk.SetCMYK({10, 80, 0, 5});
  TColorObject lab;
  lab.SetLab({62, -35, -12});
  TColorObject hsb;
  hsb.SetHSB({40, 90, 70});
  return {Named(u"Accent Blue", rgb), Named(u"Ink Ärger", cmyk), Named(u"Lab Teal", lab), Named(u"Ochre", hsb)};
}

std::string Hex(const TColorObject& color) { return HexText(color.GetRGB()); }

// What a format's reader gives: the palette reader when it has one, else the import wizard's rows.
TReadResult<TColors> ReadBack(const TFileFormat& format, const QString& path) {
  if (format.Read != nullptr) return format.Read(path);
  const TReadResult<QList<TImportRow>> rows = ImportFileRows(path, {}, format.Import);
  TReadResult<TColors> colors;
  colors.Status = rows.Status;
  for (const TImportRow& row : rows.Value) {
    TColorObject color;
    color.SetRGB(ParseHexColor(row.Hex.toStdString()));
    colors.Value.emplace_back(color, row.Caption.toStdU16String());
  }
  return colors;
}

bool Keeps(const TFileFormat& format, TFormatTrait trait) { return (format.Keeps & trait) != 0; }

TEST(FormatRegistryTest, EveryFormatThatReadsAndWritesKeepsWhatItsRowSaysAndLosesTheRest) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const TColors written = SamplePalette();
  int tried = 0;
  for (const TFileFormat& format : FileFormats()) {
    if (!format.CanRead() || !format.CanWrite()) continue;
    for (const QString& extension : format.ExtensionList()) {
      SCOPED_TRACE(std::string(format.Name) + " ." + extension.toStdString());
      ++tried;
      const QString path = dir.filePath(QStringLiteral("palette.") + extension);
      ASSERT_TRUE(format.Write(path, written, {}).Ok());
      const TReadResult<TColors> read = ReadBack(format, path);
      ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
      ASSERT_FALSE(read.Value.empty());
      if (Keeps(format, ftColors)) {
        // A fixed-size table (.act) fills up after the colours.
        ASSERT_GE(read.Value.size(), written.size());
        for (std::size_t i = 0; i < written.size(); ++i) EXPECT_EQ(Hex(read.Value[i]), Hex(written[i])) << i;
      }
      if (read.Value.size() < written.size()) continue;
      bool namesKept = true;
      for (std::size_t i = 0; i < written.size(); ++i) namesKept &= read.Value[i].Name() == written[i].Name();
      EXPECT_EQ(namesKept, Keeps(format, ftNames));
      EXPECT_EQ(read.Value[1].Model() == cmCMYK && read.Value[1].GetCMYK() == written[1].GetCMYK(),
                Keeps(format, ftCmyk));
      EXPECT_EQ(read.Value[2].Model() == cmLAB && read.Value[2].GetLab() == written[2].GetLab(), Keeps(format, ftLab));
      EXPECT_EQ(read.Value[3].Model() == cmHSB && read.Value[3].GetHSB() == written[3].GetHSB(),
                Keeps(format, ftModels));
    }
  }
  EXPECT_GE(tried, 10);
}

TEST(FormatRegistryTest, EachExtensionLeadsBackToItsRowForReadingAndWriting) {
  for (const TFileFormat& format : FileFormats()) {
    for (const QString& extension : format.ExtensionList()) {
      SCOPED_TRACE(std::string(format.Name) + " ." + extension.toStdString());
      EXPECT_EQ(extension, extension.toLower());
      const QString path = QStringLiteral("/no/such/Dir.x/File.") + extension.toUpper();
      EXPECT_TRUE(PathHasFormatExtension(path, format));
      EXPECT_FALSE(PathHasFormatExtension(extension, format)) << "a bare extension is a name, not a type";
      const TFileFormat* reader = FormatForPath(path, TFormatUse::Read);
      if (format.CanRead() && format.Sniff == nullptr) { EXPECT_TRUE(reader != nullptr && reader->CanRead()); }
      const TFileFormat* writer = FormatForPath(path, TFormatUse::Write);
      if (format.CanWrite() && (format.Flags & fWriteByChoice) == 0) { EXPECT_EQ(writer, &format); }
      if (writer != nullptr) { EXPECT_EQ(writer->Flags & fWriteByChoice, 0); }
    }
    for (const char16_t* type : format.MediaTypes) EXPECT_EQ(FormatForMediaType(QString::fromUtf16(type)), &format);
    if (format.Export != TExportWriter::None) { EXPECT_NE(FormatForExportWriter(format.Export), nullptr); }
  }
  EXPECT_EQ(FormatForPath(QStringLiteral("a.unknown"), TFormatUse::Read), nullptr);
  EXPECT_EQ(FormatForPath(QStringLiteral("tokens.json"), TFormatUse::Read), nullptr);
}

// Language files key the wizard items by index: the places must stay a gapless list with no item twice.
TEST(FormatRegistryTest, WizardPlacesAreGaplessAndEachItemAppearsInItsList) {
  QList<int> importPlaces{3};  // the web address
  QList<int> exportPlaces;
  for (const TFileFormat& format : FileFormats()) {
    if (format.ImportPlace.Index >= 0) {
      importPlaces.append(format.ImportPlace.Index);
      EXPECT_TRUE(format.CanRead()) << format.Name;
      EXPECT_STREQ(ImportTypes()[std::size_t(format.ImportPlace.Index)].Item, format.ImportPlace.Item);
    }
    if (format.ExportPlace.Index >= 0) {
      exportPlaces.append(format.ExportPlace.Index);
      EXPECT_NE(format.Export, TExportWriter::None) << format.Name;
      EXPECT_STREQ(ExportTypes()[std::size_t(format.ExportPlace.Index)].Item, format.ExportPlace.Item);
      EXPECT_EQ(ExportTypes()[std::size_t(format.ExportPlace.Index)].Writer, format.Export);
    }
  }
  for (QList<int>* places : {&importPlaces, &exportPlaces}) {
    std::sort(places->begin(), places->end());
    for (qsizetype i = 0; i < places->size(); ++i) EXPECT_EQ((*places)[i], i);
  }
  EXPECT_EQ(importPlaces.size(), qsizetype(ImportTypes().size()));
  EXPECT_EQ(exportPlaces.size(), qsizetype(ExportTypes().size()));
}

TEST(FormatRegistryTest, PaletteFormatsOpenAndListAsLibrariesUnderTheirOwnFilter) {
  QSet<int> libraryPlaces;
  for (const TFileFormat* format : PaletteFormats()) {
    EXPECT_NE(format->Read, nullptr) << format->Name;
    EXPECT_NE(format->FilterKey, kMessageCount) << format->Name;
    EXPECT_GT(format->LibraryPlace, 0) << format->Name;
    libraryPlaces.insert(format->LibraryPlace);
  }
  EXPECT_EQ(libraryPlaces.size(), qsizetype(PaletteFormats().size()));
  EXPECT_EQ(LibraryFormats().size(), PaletteFormats().size());
  EXPECT_EQ(NativePaletteFormat().ExtensionList(), QStringList{QStringLiteral("tnp")});
  const QString filter = FormatsFilter(sFilterAllPalettes, PaletteFormats());
  EXPECT_EQ(filter.count(QStringLiteral(";;")), qsizetype(PaletteFormats().size()));
  EXPECT_TRUE(filter.startsWith(
      FilterText(sFilterAllPalettes, QStringLiteral("*.tnp *.aco *.act *.gpl *.ase *.soc *.xml *.hex"))))
      << filter.toStdString();
}

// The fuzz targets' seeds stay in fuzz/CMakeLists.txt; each reader a row names is a target there, seeded with
// files of the row's extensions.
TEST(FormatRegistryTest, EveryPaletteReaderHasAFuzzTargetSeededWithItsFiles) {
  QFile file(QStringLiteral(TINTORIUM_SOURCE_DIR "/fuzz/CMakeLists.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  const QRegularExpression line(QStringLiteral(R"(tintorium_add_fuzzer\(NAME (\S+) SOURCE (\S+) SEEDS \S+ GLOBS ([^)]*)\))"));
  QHash<QString, QStringList> globs;
  for (auto match = line.globalMatch(text); match.hasNext();) {
    const auto m = match.next();
    globs.insert(m.captured(1), m.captured(3).split(u' ', Qt::SkipEmptyParts));
    EXPECT_TRUE(QFile::exists(QStringLiteral(TINTORIUM_SOURCE_DIR "/fuzz/") + m.captured(2))) << m.captured(2).toStdString();
  }
  ASSERT_FALSE(globs.isEmpty());
  for (const TFileFormat& format : FileFormats()) {
    SCOPED_TRACE(format.Name);
    if (format.Read != nullptr) { EXPECT_NE(format.Fuzzer, nullptr); }
    if (format.Fuzzer == nullptr) continue;
    const QStringList seeds = globs.value(QLatin1String(format.Fuzzer));
    ASSERT_FALSE(seeds.isEmpty()) << format.Fuzzer;
    const bool seeded = std::any_of(seeds.begin(), seeds.end(), [&format](const QString& glob) {
      return glob == u"*" || PathHasFormatExtension(QStringLiteral("seed") + glob.mid(1), format);
    });
    EXPECT_TRUE(seeded) << seeds.join(u' ').toStdString();
  }
}

TEST(FormatRegistryTest, TableLinesShowOneFormatEachWithAccessAndTraits) {
  const QStringList lines = FormatTableLines();
  ASSERT_EQ(lines.size(), qsizetype(FileFormats().size()));
  for (std::size_t i = 0; i < FileFormats().size(); ++i) {
    const TFileFormat& format = FileFormats()[i];
    const QStringList cells = lines[qsizetype(i)].split(u'\t');
    ASSERT_EQ(cells.size(), 5) << lines[qsizetype(i)].toStdString();
    EXPECT_EQ(cells[0], QLatin1String(format.Name));
    EXPECT_EQ(cells[1], format.ExtensionList().join(u' '));
    EXPECT_EQ(cells[2], QString(QLatin1Char(format.CanRead() ? 'r' : '-')) + QLatin1Char(format.CanWrite() ? 'w' : '-'));
    EXPECT_EQ(cells[4], QStringLiteral("keeps: ") + FormatTraitsText(format.Keeps));
  }
  EXPECT_EQ(FormatTraitsText(0), QStringLiteral("-"));
  EXPECT_EQ(FormatTraitsText(ftNames | ftCmyk), QStringLiteral("names, CMYK"));
}

}  // namespace
}  // namespace tintorium
