// The text exports: exact bytes, escaping, and well-formed files for real parsers.
#include "engine/formats/ExportRules.h"
#include "engine/formats/ExportWriters.h"
#include "engine/formats/SwatchFiles.h"
#include "engine/qtcolor/ShownColor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tintorium {
namespace {

TColorObjectFx Rgb(int r, int g, int b, const char16_t* name) {
  TColorObjectFx color;
  color.SetRGB({r, g, b});
  color.SetName(name);
  return color;
}

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ExportText, HtmlChartIsExactAndEscapesNames) {
  const QByteArray html = HtmlChartText({Rgb(255, 128, 0, u"Sea & <Sky> \"x\"")});
  const QByteArray expected =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional/EN\">\r\n"
      "<html>\r\n<head>\r\n  <title>Tintorium HTML Export</title>\r\n"
      "  <meta name=\"generator\" content=\"Tintorium\">\r\n  <style type=\"text/css\">\r\n"
      "\tbody {background-color: #FFFFFF;color: #000000;font-family: Tahoma, Verdana;}\r\n"
      "\tdiv.swatch {float: left; width: 256px; margin-bottom: 10px; margin-right: 10px; margin-left: 0px;}\r\n"
      "\tdiv.outer {float: left; border: 1px solid #000000; padding: 0px;}\r\n"
      "\tdiv.shadow {padding: 0px;}\r\n"
      "\th1 {font-size: 18px;font-weight: bold;padding-bottom: 0px;margin-bottom: 8px;border-bottom: 1px solid "
      "#999999;}\r\n"
      "\tdiv.color {width: 80px;height: 55px; padding: 0; margin: 0;}\r\n"
      "\tdiv.caption {float:left; color: #555555; font-size: 12px; line-height: 16px; margin: 0 0 0 10px;}\r\n"
      "\th3 {margin: 0 0 4px 0; padding: 0 0 2px 0;font-size: 12px; font-weight: bold; border-bottom: 1px solid "
      "#E6E6E6;}\r\n"
      "  </style>\r\n</head>\r\n\r\n"
      "<body>\r\n<h1>Tintorium Chart</h1>\r\n\r\n"
      "<div class=\"swatch\">\r\n<div class=\"outer\">\r\n"
      "  <div class=\"shadow\" style=\"border:0px solid #FFFFFF;background-color:#FF8000;\">\r\n"
      "    <div class=\"color\" style=\"background-color:#FF8000;\"></div>\r\n    </div>\r\n  </div>\r\n"
      "<div class=\"caption\"><h3>Sea &amp; &lt;Sky&gt; &quot;x&quot;</h3>HEX: FF8000<br />Values: R:255 G:128 "
      "B:0</div>\r\n</div>\r\n\r\n"
      "</body>\r\n</html>\r\n";
  EXPECT_EQ(html, expected);
}

TEST(ExportText, CssRulesAndEmptyList) {
  EXPECT_EQ(CssText({Rgb(255, 128, 0, u"Accent"), Rgb(255, 128, 0, u"FF8000")}),
            QByteArray(".Accent {\r\n  Color: #FF8000;\r\n}\r\n\r\n.FF8000 {\r\n  Color: #FF8000;\r\n}\r\n\r\n"));
  EXPECT_TRUE(CssText({}).isEmpty());
  // An empty name cannot be a class; the colour's text stands in for it.
  EXPECT_EQ(CssText({Rgb(0, 0, 0, u"")}), QByteArray(".\\30 00000 {\r\n  Color: #000000;\r\n}\r\n\r\n"));
}

struct TIdentifierCase {
  const char16_t* name;
  const char16_t* identifier;
};

class CssIdentifierTest : public ::testing::TestWithParam<TIdentifierCase> {};

TEST_P(CssIdentifierTest, EscapesWhatIsNotAnIdentifier) {
  EXPECT_EQ(CssIdentifier(QString::fromUtf16(GetParam().name)), QString::fromUtf16(GetParam().identifier));
}

INSTANTIATE_TEST_SUITE_P(Names, CssIdentifierTest,
                         ::testing::Values(TIdentifierCase{u"FF8000", u"FF8000"},
                                           TIdentifierCase{u"Accent", u"Accent"},
                                           TIdentifierCase{u"0080FF", u"\\30 080FF"},
                                           TIdentifierCase{u"Sea Sky", u"Sea\\ Sky"},
                                           TIdentifierCase{u"a.b#c{d}", u"a\\.b\\#c\\{d\\}"},
                                           TIdentifierCase{u"-", u"\\-"},
                                           TIdentifierCase{u"-1x", u"-\\31 x"},
                                           TIdentifierCase{u"_x-y", u"_x-y"},
                                           TIdentifierCase{u"tab\tx", u"tab\\9 x"},
                                           TIdentifierCase{u"Zażółć 🎨", u"Zażółć\\ 🎨"}));

TEST(ExportText, XmlListingAndEmptyList) {
  EXPECT_EQ(XmlText({}), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<scheme>\r\n</scheme>\r\n"));
  EXPECT_EQ(XmlText({Rgb(5, 128, 255, u"Sea & Sky %3")}),
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<scheme>\r\n"
                       "<color>\r\n  <caption>Sea &amp; Sky %3</caption>\r\n  <hex>0580FF</hex>\r\n  <rgb>\r\n"
                       "    <red>5</red>\r\n    <green>128</green>\r\n    <blue>255</blue>\r\n  </rgb>\r\n"
                       "</color>\r\n</scheme>\r\n"));
}

TEST(ExportText, PainterColorSetPadsToThreeDigits) {
  const QByteArray header = "ROWS 12\r\nCOLS 22\r\nWIDTH 16\r\nHEIGHT 16\r\nTEXTHEIGHT 0\r\nSPACING 1\r\n";
  EXPECT_EQ(PainterColorSetText({}), header);
  EXPECT_EQ(PainterColorSetText({Rgb(5, 128, 255, u"x"), Rgb(0, 0, 0, u"y")}),
            header + "R: 005, G:128, B:255 \r\nR: 000, G:000, B:000 \r\n");
}

// xmllint reads every file we write, whatever the names hold.
TEST(ExportFiles, XmlIsWellFormedForHostileNames) {
  const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
  if (xmllint.isEmpty()) GTEST_SKIP() << "xmllint not found";
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("colors.xml"));
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  const TColors colors{Rgb(1, 2, 3, u"Sea & Sky"), Rgb(4, 5, 6, u"<b>\"q\"</b>"), Rgb(7, 8, 9, u"ctl\x01\x1F"),
                       Rgb(10, 11, 12, lone), Rgb(13, 14, 15, u"🎨 ]]> &amp;")};
  ASSERT_TRUE(WriteXmlFile(path, colors).Ok());
  QProcess lint;
  lint.start(xmllint, {QStringLiteral("--noout"), path});
  ASSERT_TRUE(lint.waitForFinished(10000));
  EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();

  QProcess query;
  query.start(xmllint, {QStringLiteral("--xpath"), QStringLiteral("string(/scheme/color[1]/caption)"), path});
  ASSERT_TRUE(query.waitForFinished(10000));
  EXPECT_EQ(query.readAllStandardOutput().trimmed(), QByteArray("Sea & Sky"));
}

struct TExportCase {
  const char* file;
  TExportWriter writer;
  const char* startsWith;
  int startLength = -1;  // for prefixes holding zero bytes
};

class ExportRulesTest : public ::testing::TestWithParam<TExportCase> {};

TEST_P(ExportRulesTest, TheExtensionChoosesTheWriter) {
  const TExportCase& c = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(QString::fromLatin1(c.file));
  EXPECT_EQ(ExportWriterForPath(path), c.writer);
  const TExportResult result = ExportColors(path, {Rgb(255, 128, 0, u"Accent")}, TSwatchImageOptions{});
  if (c.writer == TExportWriter::None) {
    EXPECT_EQ(result.Outcome, TExportOutcome::NotWritten);
    EXPECT_EQ(result.Status.MessageKey(), QStringLiteral("txtExportNo"));
    EXPECT_FALSE(QFileInfo::exists(path));
    return;
  }
  ASSERT_EQ(result.Outcome, TExportOutcome::Written) << result.Status.Message().toStdString();
  EXPECT_TRUE(ReadAll(path).startsWith(QByteArray(c.startsWith, c.startLength))) << c.file;
}

INSTANTIATE_TEST_SUITE_P(Paths, ExportRulesTest,
                         ::testing::Values(TExportCase{"a.aco", TExportWriter::Aco, "\x00\x01\x00\x01", 4},
                                           TExportCase{"a.ACT", TExportWriter::Act, "\xFF\x80\x00\x00", 4},
                                           TExportCase{"a.gpl", TExportWriter::Gpl, "GIMP Palette\nName: a\n"},
                                           TExportCase{"a.Ase", TExportWriter::Ase, "ASEF\x00\x01\x00\x00", 8},
                                           TExportCase{"a.css", TExportWriter::Css, ".Accent {"},
                                           TExportCase{"a.htm", TExportWriter::Html, "<!DOCTYPE"},
                                           TExportCase{"a.html", TExportWriter::Html, "<!DOCTYPE"},
                                           TExportCase{"a.php", TExportWriter::Html, "<!DOCTYPE"},
                                           TExportCase{"a.xml", TExportWriter::Xml, "<?xml"},
                                           TExportCase{"a.txt", TExportWriter::PainterText, "ROWS 12"},
                                           TExportCase{"a.Png", TExportWriter::SwatchImage, "\x89PNG"},
                                           TExportCase{"a.bmp", TExportWriter::SwatchImage, "BM"},
                                           TExportCase{"a.jpeg", TExportWriter::SwatchImage, "\xFF\xD8"},
                                           TExportCase{"a.jpg", TExportWriter::SwatchImage, "\xFF\xD8"},
                                           TExportCase{"a.gif", TExportWriter::SwatchImage, "GIF8"},
                                           TExportCase{"a.doc", TExportWriter::None, ""},
                                           TExportCase{"noextension", TExportWriter::None, ""}));

TEST(ExportFiles, AFailedWriteReportsAndCreatesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("missing-folder/colors.css"));
  const TExportResult result = ExportColors(path, {Rgb(1, 2, 3, u"x")}, TExportOptions{});
  EXPECT_EQ(result.Outcome, TExportOutcome::Failed);
  EXPECT_EQ(result.Status.Message(), QStringLiteral("Could not save file!"));
  EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace tintorium

namespace tintorium {
namespace {

// An entry held as RGB outside 0-255 (a hand-edited palette) is shown with each channel's low byte; every
// writer writes that same colour, never a clamped one the user did not see.
TEST(ExportText, EveryWriterWritesTheColourTheListShows) {
  const TColors colors = {Rgb(300, -1, 128, u"odd")};
  const TRGBValues shown = ColorToRGBValues(colors[0].GetColor());
  ASSERT_EQ(shown, (TRGBValues{44, 255, 128}));
  EXPECT_EQ(ShownRGB(colors[0]), shown);

  const QByteArray hex = "2CFF80";
  EXPECT_TRUE(HtmlChartText(colors).contains(hex));
  EXPECT_TRUE(CssText(colors).contains("#" + hex));
  const QByteArray xml = XmlText(colors);
  EXPECT_TRUE(xml.contains("<hex>" + hex + "</hex>"));
  EXPECT_TRUE(xml.contains("<red>44</red>") && xml.contains("<green>255</green>") && xml.contains("<blue>128</blue>"))
      << xml.constData();
  EXPECT_TRUE(PainterColorSetText(colors).contains("R: 044, G:255, B:128")) << PainterColorSetText(colors).constData();

  const QByteArray act = EncodeActData(colors);
  EXPECT_EQ(act.left(3), QByteArray::fromHex(hex));
  const TReadResult<QByteArray> aco = EncodeAcoData(colors);
  ASSERT_TRUE(aco);
  // Version 1 header (4 bytes), then the colour space word and the channel words, each channel times 257.
  EXPECT_EQ(aco.Value.mid(6, 6), QByteArray::fromHex("2C2CFFFF8080"));
}

}  // namespace
}  // namespace tintorium
