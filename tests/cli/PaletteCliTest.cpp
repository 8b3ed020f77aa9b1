// tintorium-cli palette and scan, run as a script would run them.
#include "engine/web/WebScan.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace tintorium {
namespace {

struct TRun {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

TRun Cli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(TINTORIUM_CLI), args);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

QByteArray ReadAll(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Corpus(const char* path) { return QStringLiteral(TINTORIUM_CORPUS "/") + QString::fromLatin1(path); }

class PaletteCliTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  void Write(const char* name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir dir_;
};

TEST_F(PaletteCliTest, ShowListsNameModelValuesAndHex) {
  Write("page.css", "a{color:#FF8000} b{color:#fff} c{color:#FF8000}");
  const TRun run = Cli({"palette", "show", Path("page.css")});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, QByteArray("FF8000\tRGB\tR:255 G:128 B:0\tFF8000\n"
                                "ffffff\tRGB\tR:255 G:255 B:255\tFFFFFF\n"
                                "FF8000\tRGB\tR:255 G:128 B:0\tFF8000\n"));
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  const TRun filtered = Cli({"palette", "show", Path("page.css"), "--no-duplicates", "--no-grays"});
  EXPECT_EQ(filtered.out, QByteArray("FF8000\tRGB\tR:255 G:128 B:0\tFF8000\n"));
}

TEST_F(PaletteCliTest, ConvertSortAndDedupeThroughPaletteFiles) {
  const QString nord = Corpus("swatches/1j01-nord.aco");
  ASSERT_EQ(Cli({"palette", "convert", nord, Path("nord.tnp")}).status, 0);
  const TRun shown = Cli({"palette", "show", Path("nord.tnp")});
  EXPECT_EQ(shown.out, Cli({"palette", "show", nord}).out);
  EXPECT_EQ(shown.out.count('\n'), 16);

  Write("three.css", "#0a0000 #050000 #0A0000");
  ASSERT_EQ(Cli({"palette", "sort", Path("three.css"), "RGB - R value", "ASC", Path("asc.tnp")}).status, 0);
  EXPECT_EQ(Cli({"palette", "show", Path("asc.tnp")}).out,
            QByteArray("050000\tRGB\tR:5 G:0 B:0\t050000\n0a0000\tRGB\tR:10 G:0 B:0\t0A0000\n"
                       "0A0000\tRGB\tR:10 G:0 B:0\t0A0000\n"));
  ASSERT_EQ(Cli({"palette", "sort", Path("three.css"), "1", "desc", Path("desc.css")}).status, 0);
  EXPECT_EQ(ReadAll(Path("desc.css")).left(8), QByteArray(".\\30 a00"));

  ASSERT_EQ(Cli({"palette", "dedupe", Path("three.css"), Path("once.txt")}).status, 0);
  EXPECT_EQ(ReadAll(Path("once.txt")).count("R: "), 2);
}

/// Name and hexadecimal text of each line "palette show" prints.
QList<QByteArrayList> NamesAndHex(const QByteArray& shown) {
  QList<QByteArrayList> rows;
  for (const QByteArray& line : shown.split('\n')) {
    const QByteArrayList fields = line.split('\t');
    if (fields.size() == 4) rows.append({fields[0], fields[3]});
  }
  return rows;
}

TEST_F(PaletteCliTest, ShowsGimpAndSwatchExchangeColoursWithNamesAndModels) {
  const TRun ase = Cli({"palette", "show", Corpus("swatches/dagronf-palette_complex.ase")});
  EXPECT_EQ(ase.status, 0) << ase.err.toStdString();
  const QByteArrayList lines = ase.out.split('\n');
  ASSERT_EQ(lines.size(), 22);  // and the empty piece after the last line break
  EXPECT_EQ(lines[0], QByteArray("GMX RGB / Black RGB\tRGB\tR:0 G:0 B:0\t000000"));
  EXPECT_TRUE(lines[10].startsWith("GMX CMYK / Hunter CMYK\tCMYK\tC:93 M:24 Y:85 K:68\t")) << lines[10].toStdString();
  EXPECT_TRUE(lines[15].startsWith("GMX PANTONE / PANTONE 656 C\tLab\tL:91 a:-1 b:-5\t")) << lines[15].toStdString();

  const TRun gpl = Cli({"palette", "show", Corpus("swatches/gimp-data-Ega.gpl"), "--no-duplicates"});
  EXPECT_EQ(gpl.status, 0);
  EXPECT_TRUE(gpl.out.startsWith("grey0\tRGB\tR:0 G:0 B:0\t000000\nA800A8\tRGB\tR:168 G:0 B:168\tA800A8\n"));

  const TRun old = Cli({"palette", "show", Corpus("swatches/dagronf-unsupported_version.ase")});
  EXPECT_EQ(old.status, 1);
  EXPECT_TRUE(old.err.contains("version 0.1 is not supported")) << old.err.toStdString();
  EXPECT_TRUE(old.out.isEmpty());
}

TEST_F(PaletteCliTest, GimpAndSwatchExchangeFilesRoundTripThroughConvertWithNamesAndColours) {
  const char* const sources[] = {"swatches/dagronf-palette_complex.ase", "swatches/dagronf-argyle-socks.ase",
                                 "swatches/gimp-data-Ega.gpl", "swatches/inkscape-svg.gpl"};
  for (const char* source : sources) {
    SCOPED_TRACE(source);
    const QList<QByteArrayList> original = NamesAndHex(Cli({"palette", "show", Corpus(source)}).out);
    ASSERT_FALSE(original.isEmpty());
    // Each of our exports, then an export of that export, and a palette file in between.
    QString previous = Corpus(source);
    for (const char* target : {"a.ase", "b.gpl", "c.tnp", "d.ase"}) {
      ASSERT_EQ(Cli({"palette", "convert", previous, Path(target)}).status, 0) << target;
      EXPECT_EQ(NamesAndHex(Cli({"palette", "show", Path(target)}).out), original) << target;
      previous = Path(target);
    }
  }
  EXPECT_TRUE(ReadAll(Path("b.gpl")).startsWith("GIMP Palette\nName: b\nColumns: 0\n#\n  0   0   0\tblack (#000000)\n"));
}

TEST_F(PaletteCliTest, ConvertWritesSwatchPicturesWithTheOptions) {
  Write("page.html", "#102030 #405060 #708090");
  ASSERT_EQ(Cli({"palette", "convert", Path("page.html"), Path("s.png"), "--per-line", "2", "--swatch=10x12"}).status,
            0);
  const QImage image(Path("s.png"));
  EXPECT_EQ(image.size(), QSize(2 * 12, 2 * 14));
  EXPECT_EQ(image.pixel(3, 3), qRgb(0x10, 0x20, 0x30));
  ASSERT_EQ(Cli({"palette", "convert", Path("page.html"), Path("t.gif"), "--text"}).status, 0);
  EXPECT_GT(QImage(Path("t.gif")).width(), 3 * 34);
}

struct TErrorCase {
  const char* name;
  QStringList args;
  int status;
  const char* message;
};

class PaletteCliErrorTest : public ::testing::TestWithParam<TErrorCase> {};

TEST_P(PaletteCliErrorTest, ReportsOnStandardError) {
  QTemporaryDir dir;
  QFile cut(dir.filePath("cut.tnp"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(QByteArray("\xFF\xFF\xFF\x7F\x00\x01\x00", 7));  // claims 2,147,483,647 entries
  cut.close();
  QStringList args;
  for (const QString& arg : GetParam().args) args.append(QString(arg).replace("DIR", dir.path()));
  const TRun run = Cli(args);
  EXPECT_EQ(run.status, GetParam().status) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PaletteCliErrorTest,
    ::testing::Values(
        TErrorCase{"MissingAction", {"palette"}, 2, "missing action"},
        TErrorCase{"UnknownAction", {"palette", "paint", "x"}, 2, "unknown action"},
        TErrorCase{"ShowWithoutFile", {"palette", "show"}, 2, "usage"},
        TErrorCase{"UnknownOption", {"palette", "show", "a.css", "--fast"}, 2, "unknown option"},
        TErrorCase{"PerLineOutOfRange", {"palette", "convert", "a.css", "b.png", "--per-line", "257"}, 2, "1 to 256"},
        TErrorCase{"BadSwatch", {"palette", "convert", "a.css", "b.png", "--swatch", "10"}, 2, "WxH"},
        TErrorCase{"UnknownInputType", {"palette", "show", "DIR/a.doc"}, 2, "can be read from"},
        TErrorCase{"UnknownOutputType", {"palette", "convert", "DIR/cut.tnp", "DIR/b.doc"}, 2, "can be written to"},
        TErrorCase{"UnknownSortKey", {"palette", "sort", "DIR/a.tnp", "Redness", "ASC", "DIR/b.tnp"}, 2,
                   "unknown sort key"},
        TErrorCase{"AmbiguousSortKey", {"palette", "sort", "DIR/a.tnp", "B VALUE", "ASC", "DIR/b.tnp"}, 2,
                   "unknown sort key"},
        TErrorCase{"BadOrder", {"palette", "sort", "DIR/a.tnp", "Hue", "UP", "DIR/b.tnp"}, 2, "ASC or DESC"},
        TErrorCase{"MissingFile", {"palette", "show", "DIR/none.aco"}, 1, "File not found"},
        TErrorCase{"HostileCount", {"palette", "convert", "DIR/cut.tnp", "DIR/out.css"}, 1, "Could not read file!"},
        TErrorCase{"ScanMissing", {"scan", "DIR/none.html"}, 1, "File not found"},
        TErrorCase{"ScanNoArgument", {"scan"}, 2, "expected one FILE"},
        TErrorCase{"ScanDetailsAlone", {"scan", "--details", "DIR/a.css"}, 2, "--details only with --all-notations"},
        TErrorCase{"ScanUnknownOption", {"scan", "--all", "DIR/a.css"}, 2, "expected one FILE"},
        TErrorCase{"BadNotation", {"palette", "convert", "a.css", "b.scss", "--notation", "hsl"}, 2,
                   "hex, rgb or oklch"},
        TErrorCase{"BrokenTokens", {"palette", "show", "DIR/cut.tnp.tokens.json"}, 1, "File not found"},
        TErrorCase{"ScanRefused", {"scan", "http://127.0.0.1:1/x.css"}, 1, "Connection failed"},
        // https:// addresses are fetched too, not taken for file names.
        TErrorCase{"ScanHttpsRefused", {"scan", "https://127.0.0.1:1/x.css"}, 1, "Connection failed"},
        TErrorCase{"ShowHttpsRefused", {"palette", "show", "https://127.0.0.1:1/x"}, 1, "Connection failed"}),
    [](const auto& info) { return std::string(info.param.name); });

// The exports for code and the all-notations reading, end to end: a swatch file to tokens, SCSS and custom
// properties, each read back with the names and colours it was given.
TEST_F(PaletteCliTest, CodeExportsReadBackThroughTheCli) {
  Write("page.css", "/* red */ .red { color: RebeccaPurple; --Brand Blue: x; --brand-blue: rgb(0 0 255 / 50%); }");
  const TRun scan = Cli({"scan", "--all-notations", "--details", Path("page.css")});
  EXPECT_EQ(scan.status, 0) << scan.err.toStdString();
  EXPECT_EQ(scan.out, QByteArray("663399\tcolor\tRebeccaPurple\n0000FF\t--brand-blue\trgb(0 0 255 / 50%)\n"));
  ASSERT_EQ(Cli({"palette", "convert", "--all-notations", Path("page.css"), Path("t.tokens.json"), "--notation",
                 "oklch"}).status,
            0);
  EXPECT_EQ(Cli({"palette", "show", Path("t.tokens.json")}).out,
            QByteArray("663399\tRGB\tR:102 G:51 B:153\t663399\nbrand-blue\tRGB\tR:0 G:0 B:255\t0000FF\n"));
  ASSERT_EQ(Cli({"palette", "convert", Path("t.tokens.json"), Path("v.scss"), "--notation", "rgb"}).status, 0);
  EXPECT_EQ(ReadAll(Path("v.scss")), QByteArray("$color-663399: rgb(102 51 153);\n$brand-blue: rgb(0 0 255);\n"));
  ASSERT_EQ(Cli({"palette", "convert", Path("v.scss"), Path("v.css"), "--css-variables"}).status, 0);
  EXPECT_EQ(ReadAll(Path("v.css")), QByteArray(":root {\n  --color-663399: #663399;\n  --brand-blue: #0000ff;\n}\n"));
  // Without --all-notations only the "#" colours count, named by their text.
  EXPECT_EQ(Cli({"palette", "show", Path("v.css")}).out,
            QByteArray("663399\tRGB\tR:102 G:51 B:153\t663399\n0000ff\tRGB\tR:0 G:0 B:255\t0000FF\n"));
  EXPECT_EQ(Cli({"palette", "show", "--all-notations", Path("v.css")}).out,
            QByteArray("color-663399\tRGB\tR:102 G:51 B:153\t663399\nbrand-blue\tRGB\tR:0 G:0 B:255\t0000FF\n"));
}

TEST(PaletteCli, UnwritableTargetFailsWithTheSaveMessage) {
  QTemporaryDir dir;
  const TRun run = Cli({"palette", "convert", Corpus("swatches/1j01-nord.aco"), dir.filePath("no/out.tnp")});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.contains("Could not save file!")) << run.err.toStdString();
}

TEST(ScanCli, PrintsOneColourPerLine) {
  const TRun run = Cli({"scan", Corpus("web/email.html")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.count('\n'), 18);
  EXPECT_TRUE(run.out.startsWith("f4f5f6\n"));
  EXPECT_EQ(Cli({"scan", "--help"}).status, 0);
  const QByteArray help = Cli({"palette", "--help"}).out;
  EXPECT_TRUE(help.contains("palette convert IN OUT"));
  EXPECT_TRUE(help.contains("a GIMP palette (.gpl)"));
  EXPECT_TRUE(help.contains(".gpl, .ase (RGB)"));
}

// Printed block by block as found: the same lines as the whole-file scan, for every real page and for one of
// many blocks (the pages again and again, each time shifted by a byte, so block ends fall all over them).
TEST(ScanCli, PrintsWhatTheWholeFileScanFinds) {
  const auto expectSameAsWhole = [](const QString& path) {
    const TRun run = Cli({"scan", path});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList whole = ScanTextColorsInBytes(ReadAll(path));
    EXPECT_EQ(run.out, whole.isEmpty() ? QByteArray() : (whole.join(u'\n') + u'\n').toLatin1()) << path.toStdString();
  };
  QByteArray large;
  for (const QString& name : QDir(Corpus("web")).entryList(QDir::Files)) {
    expectSameAsWhole(Corpus("web/") + name);
    const QByteArray page = ReadAll(Corpus("web/") + name);
    for (int shift = 0; shift < 7; ++shift) large.append(page).append(QByteArray(shift + 1, ' '));
  }
  ASSERT_GT(large.size(), 4 * kScanBlockSize);
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("large.css")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(large);
  file.close();
  expectSameAsWhole(file.fileName());
}

// --template writes any name through the template, the palette named after the source; a refused template
// names its fault's place and writes nothing.
TEST_F(PaletteCliTest, ConvertThroughATemplateOrSayWhereItIsWrong) {
  Write("in.gpl", "GIMP Palette\n255 128 0 Sea & Sky\n0 0 0\n");
  Write("list.tpl", "kind: xml\n<p n=\"{{palette}}\">{{#colors}}<c>{{name}}:{{ident}}</c>{{/colors}}</p>\n");
  const TRun run = Cli({"palette", "convert", Path("in.gpl"), Path("out.anything"), "--template", Path("list.tpl")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(ReadAll(Path("out.anything")), QByteArray("<p n=\"in\"><c>Sea &amp; Sky:sea_sky</c><c>000000:color_000000</c></p>\n"));

  Write("bad.tpl", "kind: text\n{{#colors}}\n{{hex}}\n");
  const TRun bad = Cli({"palette", "convert", Path("in.gpl"), Path("bad.txt"), "--template=" + Path("bad.tpl")});
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.err.contains("bad.tpl: line 2, column 1: {{#colors}} is not closed")) << bad.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("bad.txt")));
  EXPECT_EQ(Cli({"palette", "convert", Path("in.gpl"), Path("x.txt"), "--template"}).status, 2);
}

// The palette's name is its file's name without folder and extensions, as the export wizard names an opened
// palette: not the GIMP header's name, not the output's.
TEST_F(PaletteCliTest, ATemplateNamesThePaletteAfterItsSourceFile) {
  Write("Brand v2.gpl", "GIMP Palette\nName: Something else\n255 128 0 Orange\n");
  Write("name.tpl", "kind: text\n[{{palette}}] {{count}}\n");
  const TRun run = Cli({"palette", "convert", Path("Brand v2.gpl"), Path("out.colours.txt"), "--template", Path("name.tpl")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(ReadAll(Path("out.colours.txt")), QByteArray("[Brand v2] 1\n"));
}

}  // namespace
}  // namespace tintorium
