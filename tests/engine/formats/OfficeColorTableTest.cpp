// LibreOffice colour tables (.soc): the palettes LibreOffice ships, our sample, damaged and hostile input, and
// what our writer writes read back by Qt's XML reader with LibreOffice's root and attributes.

#include "engine/formats/OfficeColorTable.h"

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

// The entries as LibreOffice's own files spell them, found by a pattern rather than an XML reader.
QList<std::pair<QString, QString>> EntriesByPattern(const QByteArray& bytes) {
  static const QRegularExpression entry(QStringLiteral(R"re(<draw:color draw:name="([^"]*)" draw:color="#([0-9a-fA-F]{6})"\s*/>)re"));
  QList<std::pair<QString, QString>> entries;
  for (auto match = entry.globalMatch(QString::fromUtf8(bytes)); match.hasNext();) {
    const auto m = match.next();
    QString name = m.captured(1);
    name.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    entries.append({name, m.captured(2).toUpper()});
  }
  return entries;
}

TEST(OfficeColorTableTest, ReadsEveryPaletteLibreOfficeShipsWithEveryEntryAndName) {
  const QString folder = test::PackageFolder(QStringLiteral("libreoffice-common"),
                                             QStringLiteral("/usr/lib/libreoffice/share/palette"));
  if (folder.isEmpty()) GTEST_SKIP() << "libreoffice-common could not be had (no package, no network): skipped";
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.soc")}, QDir::Files);
  ASSERT_GE(files.size(), 5);
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const QString path = QDir(folder).filePath(file);
    const TReadResult<TColors> read = ReadSocFile(path);
    ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
    const auto expected = EntriesByPattern(ReadBytes(path));
    ASSERT_EQ(read.Value.size(), std::size_t(expected.size()));
    ASSERT_FALSE(expected.isEmpty());
    for (qsizetype i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(QString::fromStdU16String(read.Value[std::size_t(i)].Name()), expected[i].first);
      EXPECT_EQ(QString::fromStdString(read.Value[std::size_t(i)].HexText()), expected[i].second);
    }
    // Ours round-trips through our reader, with LibreOffice's root element and namespace declarations.
    const QByteArray ours = EncodeSocData(read.Value);
    const TReadResult<TColors> again = ParseSocData(ours);
    ASSERT_TRUE(again.Ok());
    ASSERT_EQ(again.Value.size(), read.Value.size());
    for (std::size_t i = 0; i < read.Value.size(); ++i) {
      EXPECT_EQ(again.Value[i].Name(), read.Value[i].Name());
      EXPECT_EQ(again.Value[i].GetRGB(), read.Value[i].GetRGB());
    }
  }
}

QXmlStreamAttributes RootAttributes(const QByteArray& bytes, QString* root) {
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      *root = xml.qualifiedName().toString();
      QXmlStreamAttributes attributes = xml.attributes();
      for (const QXmlStreamNamespaceDeclaration& ns : xml.namespaceDeclarations())
        attributes.append(QStringLiteral("xmlns:") + ns.prefix().toString(), ns.namespaceUri().toString());
      while (!xml.atEnd()) xml.readNext();
      EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
      return attributes;
    }
  }
  return {};
}

TEST(OfficeColorTableTest, OursIsWellFormedXmlWithLibreOfficesRootAndNamespaces) {
  TColorObject color;
  color.SetRGB({255, 128, 0});
  const TColors colors{{color, u"A & B <\"quoted\">\tTab Ünï 😀"}, {color, u"bad\x01" u"control"}};
  const QByteArray ours = EncodeSocData(colors);
  QString root;
  const QXmlStreamAttributes attributes = RootAttributes(ours, &root);
  EXPECT_EQ(root, QStringLiteral("office:color-table"));
  EXPECT_TRUE(ours.contains("draw:color=\"#ff8000\""));
  const QString folder = test::PackageFolder(QStringLiteral("libreoffice-common"),
                                             QStringLiteral("/usr/lib/libreoffice/share/palette"));
  if (!folder.isEmpty()) {
    QString theirRoot;
    const QXmlStreamAttributes theirs = RootAttributes(ReadBytes(QDir(folder).filePath(QStringLiteral("standard.soc"))), &theirRoot);
    EXPECT_EQ(root, theirRoot);
    ASSERT_EQ(attributes.size(), theirs.size());
    for (qsizetype i = 0; i < theirs.size(); ++i) {
      EXPECT_EQ(attributes[i].qualifiedName(), theirs[i].qualifiedName());
      EXPECT_EQ(attributes[i].value(), theirs[i].value());
    }
  } else {
    std::puts("libreoffice-common could not be had: the root is compared with our own namespaces only");
  }
  const TReadResult<TColors> back = ParseSocData(ours);
  ASSERT_TRUE(back.Ok()) << back.Status.Message().toStdString();
  ASSERT_EQ(back.Value.size(), 2u);
  EXPECT_EQ(back.Value[0].Name(), colors[0].Name());
  EXPECT_EQ(QString::fromStdU16String(back.Value[1].Name()), QString::fromUtf8("bad\xEF\xBF\xBD" "control"));
}

TEST(OfficeColorTableTest, ReadsOurSampleByNamespaceNotPrefix) {
  const TReadResult<TColors> read = ReadSocFile(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/office-colors.soc"));
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  ASSERT_EQ(read.Value.size(), 4u);
  EXPECT_EQ(QString::fromStdU16String(read.Value[1].Name()), QString::fromUtf8("Grün & Gold"));
  EXPECT_EQ(read.Value[2].Name(), u"Sky");
  EXPECT_EQ(read.Value[2].HexText(), "87CEEB");
  EXPECT_EQ(read.Value[3].Name(), u"FF8000");  // no name: named by its colour
}

TEST(OfficeColorTableTest, RefusesWhatIsNoColorTableWithoutColors) {
  const struct {
    const char* bytes;
    const char* message;  // the start of the message
  } cases[] = {
      {"", "This is not a LibreOffice"},
      {"<?xml version=\"1.0\"?><table/>", "This is not a LibreOffice"},
      {"<o:colour-table xmlns:o=\"http://openoffice.org/2000/office\"/>", "This is not a LibreOffice"},
      {"<office:color-table xmlns:office=\"http://openoffice.org/2000/office\" "
       "xmlns:draw=\"http://openoffice.org/2000/drawing\">\n<draw:color draw:name=\"a\" draw:color=\"#12345\"/>"
       "</office:color-table>",
       "The color on line 2"},
      {"<office:color-table xmlns:office=\"http://openoffice.org/2000/office\" "
       "xmlns:draw=\"http://openoffice.org/2000/drawing\"><draw:color draw:name=\"a\" draw:color=\"red\"/>"
       "</office:color-table>",
       "The color on line 1"},
      {"<office:color-table xmlns:office=\"http://openoffice.org/2000/office\" "
       "xmlns:draw=\"http://openoffice.org/2000/drawing\"><draw:color draw:name=\"a\" draw:color=\"#000000\"/>",
       "The file is damaged"},
      {"<!DOCTYPE t [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
       "<office:color-table xmlns:office=\"http://openoffice.org/2000/office\" "
       "xmlns:draw=\"http://openoffice.org/2000/drawing\"><draw:color draw:name=\"&d;&d;&d;&d;&d;&d;\" "
       "draw:color=\"#000000\"/></office:color-table>",
       "The file is damaged"},
  };
  for (const auto& c : cases) {
    const TReadResult<TColors> read = ParseSocData(QByteArrayView(c.bytes));
    EXPECT_FALSE(read.Ok()) << c.bytes;
    EXPECT_TRUE(read.Value.empty()) << c.bytes;
    EXPECT_TRUE(read.Status.Message().startsWith(QLatin1String(c.message))) << read.Status.Message().toStdString();
  }
  QTemporaryDir dir;
  EXPECT_EQ(ReadSocFile(dir.filePath(QStringLiteral("none.soc"))).Status.MessageKey(), QStringLiteral("sFileNotFound"));
}

TEST(OfficeColorTableTest, IsARowOfTheFormatTableThatOpensAsThePalette) {
  const TFileFormat* format = FormatForPath(QStringLiteral("a.SOC"), TFormatUse::Read);
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->Read, &ReadSocFile);
  EXPECT_EQ(ExportWriterForPath(QStringLiteral("a.soc")), TExportWriter::Soc);
  EXPECT_EQ(ImportSourceForPath(QStringLiteral("a.soc")), TImportSource::Palette);
  EXPECT_NE(PaletteFormatForPath(QStringLiteral("a.soc")), nullptr);
}

}  // namespace
}  // namespace tintorium
