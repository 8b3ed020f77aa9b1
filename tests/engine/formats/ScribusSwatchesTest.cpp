// Scribus swatch files (.xml): all the swatch files Scribus ships, our sample, damaged input, our writer read
// back by Qt's XML reader, and the .xml extension shared with the XML colour list.

#include "engine/formats/ScribusSwatches.h"

#include "engine/formats/FormatRegistry.h"
#include "engine/formats/PackageFiles.h"  // tests/engine/formats

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace tintorium {
namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Unescaped(QString text) {
  return text.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
      .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
      .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
      .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
      .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// Each COLOR tag's attributes, found by patterns rather than an XML reader.
QList<QHash<QString, QString>> TagsByPattern(const QByteArray& bytes) {
  static const QRegularExpression tag(QStringLiteral(R"(<COLOR\b([^>]*)>)"));
  static const QRegularExpression attribute(QStringLiteral(R"re(([A-Za-z]+)\s*=\s*"([^"]*)")re"));
  QList<QHash<QString, QString>> tags;
  for (auto t = tag.globalMatch(QString::fromUtf8(bytes)); t.hasNext();) {
    QHash<QString, QString> attributes;
    const QString inside = t.next().captured(1);
    for (auto a = attribute.globalMatch(inside); a.hasNext();) {
      const auto m = a.next();
      attributes.insert(m.captured(1), Unescaped(m.captured(2)));
    }
    tags.append(attributes);
  }
  return tags;
}

TEST(ScribusSwatchesTest, ReadsAllSwatchFilesScribusShipsWithEveryEntryAndName) {
  const QString folder = test::PackageFolder(QStringLiteral("scribus-data"), QStringLiteral("/usr/share/scribus/swatches"));
  if (folder.isEmpty()) GTEST_SKIP() << "scribus-data could not be had (no package, no network): skipped";
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files);
  EXPECT_EQ(files.size(), 34);
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const QString path = QDir(folder).filePath(file);
    ASSERT_EQ(ImportSourceForPath(path), TImportSource::Palette);
    const TReadResult<TColors> read = ReadScribusFile(path);
    ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
    const auto tags = TagsByPattern(ReadBytes(path));
    ASSERT_EQ(read.Value.size(), std::size_t(tags.size()));
    for (qsizetype i = 0; i < tags.size(); ++i) {
      const TColorObjectFx& color = read.Value[std::size_t(i)];
      EXPECT_EQ(QString::fromStdU16String(color.Name()), tags[i].value(QStringLiteral("NAME"))) << i;
      const bool cmyk = tags[i].value(QStringLiteral("SPACE")) != u"RGB" && tags[i].contains(QStringLiteral("CMYK"));
      EXPECT_EQ(color.Model(), cmyk ? cmCMYK : cmRGB) << i;
      if (!cmyk) {
        EXPECT_EQ(QString::fromStdString(color.HexText()), tags[i].value(QStringLiteral("RGB")).mid(1).toUpper());
      }
    }
    // Ours round-trips through our reader (as RGB).
    const TReadResult<TColors> again = ParseScribusData(EncodeScribusData(read.Value, file));
    ASSERT_TRUE(again.Ok());
    ASSERT_EQ(again.Value.size(), read.Value.size());
    for (std::size_t i = 0; i < read.Value.size(); ++i) {
      EXPECT_EQ(again.Value[i].Name(), read.Value[i].Name());
      EXPECT_EQ(again.Value[i].GetRGB(), read.Value[i].GetRGB());
    }
  }
}

TEST(ScribusSwatchesTest, ReadsOurSampleInksAsPerCentsAndSpaceChoosingTheValue) {
  const TReadResult<TColors> read = ReadScribusFile(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/scribus-swatches.xml"));
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  ASSERT_EQ(read.Value.size(), 6u);
  EXPECT_EQ(read.Value[0].HexText(), "87CEEB");
  EXPECT_EQ(read.Value[1].Model(), cmCMYK);
  EXPECT_EQ(read.Value[1].GetCMYK(), (TCMYKValues{0, 100, 100, 0}));
  EXPECT_EQ(read.Value[2].GetCMYK(), (TCMYKValues{0, 20, 70, 10}));  // 0x33 = 51 -> 20, 0xb3 = 179 -> 70, 0x1a = 26 -> 10
  EXPECT_EQ(QString::fromStdU16String(read.Value[2].Name()), QStringLiteral("Gold & Spot"));
  EXPECT_EQ(read.Value[3].GetCMYK(), (TCMYKValues{100, 100, 100, 100}));
  EXPECT_EQ(read.Value[4].Model(), cmRGB);
  EXPECT_EQ(read.Value[4].HexText(), "102030");
  EXPECT_EQ(read.Value[5].Name(), u"FF8000");
}

TEST(ScribusSwatchesTest, OursIsWellFormedXmlWithScribusRootAndAttributes) {
  TColorObject color;
  color.SetCMYK({0, 50, 100, 0});
  const TColors colors{{color, u"Ink \"A\" & <B> Ü"}};
  const QByteArray ours = EncodeScribusData(colors, QStringLiteral("Mine & Yours"));
  QXmlStreamReader xml(ours);
  QStringList elements;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    elements << xml.name().toString();
    if (xml.name() == u"SCRIBUSCOLORS") {
      EXPECT_EQ(xml.attributes().value(QStringLiteral("Name")), u"Mine & Yours");
    }
    if (xml.name() == u"COLOR") {
      EXPECT_EQ(xml.attributes().value(QStringLiteral("NAME")), QStringView(u"Ink \"A\" & <B> Ü"));
      EXPECT_EQ(xml.attributes().value(QStringLiteral("RGB")), QStringLiteral("#") + QString::fromStdString(color.HexText()).toLower());
      EXPECT_EQ(xml.attributes().value(QStringLiteral("Spot")), u"0");
      EXPECT_EQ(xml.attributes().value(QStringLiteral("Register")), u"0");
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(elements, (QStringList{QStringLiteral("SCRIBUSCOLORS"), QStringLiteral("COLOR")}));
  const QString folder = test::PackageFolder(QStringLiteral("scribus-data"), QStringLiteral("/usr/share/scribus/swatches"));
  if (!folder.isEmpty()) {
    // The same root and entry attributes as Scribus's own (Tango.xml is one it wrote).
    const auto theirs = TagsByPattern(ReadBytes(QDir(folder).filePath(QStringLiteral("Tango.xml"))));
    ASSERT_FALSE(theirs.isEmpty());
    const auto mine = TagsByPattern(ours);
    auto theirKeys = theirs.front().keys();
    auto myKeys = mine.front().keys();
    std::sort(theirKeys.begin(), theirKeys.end());
    std::sort(myKeys.begin(), myKeys.end());
    EXPECT_EQ(myKeys, theirKeys);
  }
}

TEST(ScribusSwatchesTest, RefusesWhatIsNoSwatchFileWithoutColors) {
  const struct {
    const char* bytes;
    const char* message;
  } cases[] = {
      {"", "This is not a Scribus"},
      {"<?xml version=\"1.0\"?><colors/>", "This is not a Scribus"},
      {"<SCRIBUSCOLORS>\n<COLOR NAME=\"a\"/></SCRIBUSCOLORS>", "The color on line 2"},
      {"<SCRIBUSCOLORS><COLOR NAME=\"a\" RGB=\"#12345g\"/></SCRIBUSCOLORS>", "The color on line 1"},
      {"<SCRIBUSCOLORS><COLOR NAME=\"a\" CMYK=\"#123456\"/></SCRIBUSCOLORS>", "The color on line 1"},
      {"<SCRIBUSCOLORS><COLOR NAME=\"a\" RGB=\"#123456\"/>", "The file is damaged"},
  };
  for (const auto& c : cases) {
    const TReadResult<TColors> read = ParseScribusData(QByteArrayView(c.bytes));
    EXPECT_FALSE(read.Ok()) << c.bytes;
    EXPECT_TRUE(read.Value.empty()) << c.bytes;
    EXPECT_TRUE(read.Status.Message().startsWith(QLatin1String(c.message))) << read.Status.Message().toStdString();
  }
}

// .xml writes the XML colour list unless the Scribus type is chosen; reading tells the two apart by content.
TEST(ScribusSwatchesTest, SharesXmlWithTheColorListByContentAndByChoice) {
  QTemporaryDir dir;
  const QString scribus = dir.filePath(QStringLiteral("a.xml"));
  const QString listing = dir.filePath(QStringLiteral("b.xml"));
  TColorObject color;
  color.SetRGB({1, 2, 3});
  const TColors colors{{color, u"one"}};
  EXPECT_EQ(ExportWriterForPath(scribus), TExportWriter::Xml);
  ASSERT_TRUE(ExportColors(listing, colors, {}).Status.Ok());
  TExportOptions chosen;
  for (const TExportType& type : ExportTypes())
    if (type.Writer == TExportWriter::Scribus) ApplyExportType(type, chosen);
  EXPECT_EQ(ExportWriterFor(scribus, chosen), TExportWriter::Scribus);
  EXPECT_EQ(ExportWriterFor(dir.filePath(QStringLiteral("c.gpl")), chosen), TExportWriter::Gpl);
  ASSERT_TRUE(ExportColors(scribus, colors, chosen).Status.Ok());
  EXPECT_EQ(ImportSourceForPath(scribus), TImportSource::Palette);
  EXPECT_NE(PaletteFormatForPath(scribus), nullptr);
  EXPECT_EQ(ImportSourceForPath(listing), TImportSource::None);
  EXPECT_EQ(PaletteFormatForPath(listing), nullptr);
  const TReadResult<QList<TImportRow>> rows = ImportFileRows(scribus, {});
  ASSERT_TRUE(rows.Ok());
  EXPECT_EQ(rows.Value, (QList<TImportRow>{{QStringLiteral("one"), QStringLiteral("010203")}}));
}

}  // namespace
}  // namespace tintorium
