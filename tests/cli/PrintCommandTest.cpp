// tintorium-cli print as a script runs it: the PDF it writes, read back with pdfinfo and pdftoppm, and its
// answers to bad arguments and unreadable or unwritable files.
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/palette/PaletteFile.h"
#include "engine/print/PdfProbe.h"
#include "engine/print/PrintCards.h"
#include "engine/print/PrintPdf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tintorium::test {
namespace {

struct TRun {
  int status = -1;
  QString err;
};

class PrintCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (int i = 0; i < 50; ++i) {
      TColorObject color;
      if (i % 3 == 1) {
        color.SetCMYK({i % 100, 20, 82, 2});
      } else {
        color.SetRGB({(i * 53) % 256, (i * 97 + 40) % 256, (i * 29 + 200) % 256});
      }
      palette_.push_back({QStringLiteral("Colour %1").arg(i + 1), color});
    }
    ASSERT_TRUE(WritePaletteFile(Path("colours.tnp"), palette_));
  }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  static TRun Run(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(TINTORIUM_CLI), QStringList{QStringLiteral("print")} + args);
    TRun run;
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) return run;
    run.status = cli.exitCode();
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
  }

  // Every card's swatch colour at its place on every page of `pdf`.
  static void ExpectSwatches(const QString& pdf, const TPrintCards& cards, QPageSize::PageSizeId paper) {
    const TPrintLayout layout(int(cards.size()),
                              PrintPageGeometry(QPageSize(paper).sizePixels(kPdfDpi), kPdfDpi, QMargins()));
    ASSERT_EQ(PdfPageCount(pdf), layout.PageCount());
    for (int page = 1; page <= layout.PageCount(); ++page) {
      const QImage image = RenderPdfPage(pdf, page, 72);
      ASSERT_FALSE(image.isNull());
      for (int card = layout.FirstCardOf(page - 1); card < layout.EndCardOf(page - 1); ++card)
        EXPECT_TRUE(Near(image.pixel(SwatchCentre(layout, card, 72)), ToQRgb(cards[std::size_t(card)].Color.GetColor())))
            << "card " << card;
    }
  }

  QTemporaryDir dir_;
  TPaletteEntries palette_;
};

TEST_F(PrintCommandTest, WritesThePaletteCardsThenTheWheelCardsOnA4OrLetter) {
  TPrintSources sources;
  sources.Palette = palette_;
  sources.Wheel = WheelSegments(0x0080FF, wsRGB);  // RRGGBB FF8000
  struct TCase {
    QStringList args;
    int contents;
    QPageSize::PageSizeId paper;
  };
  const TCase cases[] = {
      {{}, pcPalette, QPageSize::A4},
      {{"--wheel", "#FF8000"}, pcPalette | pcColorWheel, QPageSize::A4},
      {{"--paper", "letter", "--wheel", "ff8000"}, pcPalette | pcColorWheel, QPageSize::Letter},
  };
  for (const TCase& c : cases) {
    const QString pdf = Path(QStringLiteral("scheme.pdf"));
    const TRun run = Run(QStringList{Path("colours.tnp"), pdf} + c.args);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ExpectSwatches(pdf, BuildPrintCards(c.contents, sources), c.paper);
  }
}

TEST_F(PrintCommandTest, ReadsSwatchFilesOfOtherPrograms) {
  QFile gpl(Path("warm.gpl"));
  ASSERT_TRUE(gpl.open(QIODevice::WriteOnly));
  gpl.write("GIMP Palette\nName: Warm\n#\n255   0   0 Red\n  0 128 255 Sky\n");
  gpl.close();
  const TRun run = Run({Path("warm.gpl"), Path("warm.pdf")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  TPrintCards cards{{QStringLiteral("Red"), TColorObject(0x0000FF, cmRGB)}, {QStringLiteral("Sky"), TColorObject(0xFF8000, cmRGB)}};
  ExpectSwatches(Path("warm.pdf"), cards, QPageSize::A4);
}

TEST_F(PrintCommandTest, BadArgumentsAndFilesGiveTheirStatusAndLeaveNoFile) {
  ASSERT_TRUE(WritePaletteFile(Path("empty.tnp"), {}));
  QFile broken(Path("broken.tnp"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a palette at all");
  broken.close();
  struct TCase {
    QStringList args;
    int status;
    const char* says;
  };
  const TCase cases[] = {
      {{Path("colours.tnp")}, 2, "usage"},
      {{Path("colours.tnp"), Path("out.pdf"), "--wheel"}, 2, "--wheel needs a value"},
      {{Path("colours.tnp"), Path("out.pdf"), "--wheel", "12345G"}, 2, "not a colour"},
      {{Path("colours.tnp"), Path("out.pdf"), "--paper", "a3"}, 2, "unknown paper"},
      {{Path("colours.tnp"), Path("out.pdf"), "--landscape"}, 2, "unknown option"},
      {{Path("colours.tnp"), Path("out.png")}, 2, "PDF"},
      {{Path("page.html"), Path("out.pdf")}, 2, "not a palette"},
      {{Path("missing.tnp"), Path("out.pdf")}, 1, "File not found"},
      {{Path("broken.tnp"), Path("out.pdf")}, 1, "broken.tnp"},
      {{Path("empty.tnp"), Path("out.pdf")}, 1, "no colors to print"},
      {{Path("colours.tnp"), Path("no/such/folder/out.pdf")}, 1, "Could not save file!"},
  };
  for (const TCase& c : cases) {
    const TRun run = Run(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(Path("out.pdf")));
  EXPECT_EQ(Run({"--help"}).status, 0);
}

}  // namespace
}  // namespace tintorium::test
