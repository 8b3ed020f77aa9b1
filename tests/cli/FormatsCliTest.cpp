// tintorium-cli formats prints the format table, and tintorium-cli palette's help names every format the table
// lets it read or write.
#include "engine/formats/FormatRegistry.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace tintorium {
namespace {

struct TRun {
  int status = -1;
  QString out;
  QString err;
};

TRun Cli(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(TINTORIUM_CLI), args);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(FormatsCliTest, PrintsOneLinePerFormatAndRefusesArguments) {
  const TRun run = Cli({QStringLiteral("formats")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.out, FormatTableLines().join(u'\n') + u'\n');
  EXPECT_TRUE(run.out.contains(QStringLiteral("GIMP Palette\tgpl\trw\treads: colors, names\tkeeps: colors, names\n")));
  const TRun extra = Cli({QStringLiteral("formats"), QStringLiteral("gpl")});
  EXPECT_EQ(extra.status, 2);
  EXPECT_TRUE(extra.out.isEmpty());
  EXPECT_EQ(Cli({QStringLiteral("formats"), QStringLiteral("--help")}).status, 0);
  EXPECT_TRUE(Cli({QStringLiteral("--help")}).out.contains(QStringLiteral("formats")));
}

TEST(FormatsCliTest, AsChoosesAWriterTheExtensionSharesAndReadingTellsThemApart) {
  QTemporaryDir dir;
  const QString source = QStringLiteral(TINTORIUM_TEST_DATA "/interchange/office-colors.soc");
  const QString scribus = dir.filePath(QStringLiteral("s.xml"));
  const QString listing = dir.filePath(QStringLiteral("l.xml"));
  ASSERT_EQ(Cli({QStringLiteral("palette"), QStringLiteral("convert"), source, scribus, QStringLiteral("--as"),
                 QStringLiteral("Scribus")}).status, 0);
  ASSERT_EQ(Cli({QStringLiteral("palette"), QStringLiteral("convert"), source, listing}).status, 0);
  const TRun shown = Cli({QStringLiteral("palette"), QStringLiteral("show"), scribus});
  EXPECT_EQ(shown.status, 0) << shown.err.toStdString();
  EXPECT_TRUE(shown.out.startsWith(QStringLiteral("Black\tRGB\tR:0 G:0 B:0\t000000\n"))) << shown.out.toStdString();
  EXPECT_EQ(shown.out.count(u'\n'), 4);
  EXPECT_EQ(Cli({QStringLiteral("palette"), QStringLiteral("show"), listing}).status, 2);  // our listing has no reader
  const TRun unknown = Cli({QStringLiteral("palette"), QStringLiteral("convert"), source, scribus, QStringLiteral("--as=gimp")});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.err.contains(QStringLiteral("--as takes scribus|paint.net"))) << unknown.err.toStdString();
}

// The help is fixed text; this keeps it in step with the table when a row is added.
TEST(FormatsCliTest, PaletteHelpNamesEveryExtensionTheTableReadsOrWrites) {
  const TRun run = Cli({QStringLiteral("palette"), QStringLiteral("--help")});
  ASSERT_EQ(run.status, 0);
  const qsizetype targetsAt = run.out.indexOf(QStringLiteral("Targets (OUT):"));
  ASSERT_GT(targetsAt, 0);
  const QString sources = run.out.left(targetsAt);
  const QString targets = run.out.mid(targetsAt);
  for (const TFileFormat& format : FileFormats()) {
    for (const QString& extension : format.ExtensionList()) {
      const QRegularExpression named(QStringLiteral("\\.%1\\b").arg(QRegularExpression::escape(extension)));
      if (format.Import != TImportSource::None || (format.Flags & fPalette) != 0) {
        EXPECT_TRUE(sources.contains(named)) << format.Name << " ." << extension.toStdString();
      }
      if (format.Export != TExportWriter::None || (format.Flags & fNative) != 0) {
        EXPECT_TRUE(targets.contains(named)) << format.Name << " ." << extension.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace tintorium
