#include "engine/palette/PaletteFile.h"

#include "PaletteTestSupport.h"
#include "support/AllocationCeiling.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace tintorium {
namespace {

using test::CMYK;
using test::Entry;
using test::HSB;
using test::Lab;
using test::OwnValues;
using test::RGB;

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

class PaletteFileTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(PaletteFileTest, WorkedExampleIsTwentyNineBytes) {
  const TPaletteEntries entries{Entry("FF8000", RGB(255, 128, 0))};
  const QString path = Path("one.tnp");
  ASSERT_TRUE(WritePaletteFile(path, entries));
  EXPECT_EQ(ReadAll(path), Hex("01000000" "00" "ff00" "8000" "0000" "0000" "06000000" "460046003800300030003000"));
}

TEST_F(PaletteFileTest, EmptyPaletteIsFourZeroBytesAndReadsBack) {
  const QString path = Path("empty.tnp");
  ASSERT_TRUE(WritePaletteFile(path, {}));
  EXPECT_EQ(ReadAll(path), Hex("00000000"));
  TPaletteEntries read{Entry("stale", RGB(1, 2, 3))};
  EXPECT_TRUE(ReadPaletteFile(path, read));
  EXPECT_TRUE(read.empty());
}

TEST_F(PaletteFileTest, ChannelsOfEachModelAndFourthChannelOnlyForCmyk) {
  const TPaletteEntries entries{Entry("h", HSB(200, 50, 75)), Entry("c", CMYK(10, 20, 30, 40)),
                                Entry("l", Lab(50, -20, 127))};
  const QByteArray bytes = EncodePaletteData(entries);
  EXPECT_EQ(bytes.mid(4, 13), Hex("01" "c800" "3200" "4b00" "0000" "01000000"));
  EXPECT_EQ(bytes.mid(4 + 15, 13), Hex("02" "0a00" "1400" "1e00" "2800" "01000000"));
  // a = -20 is EC FF.
  EXPECT_EQ(bytes.mid(4 + 30, 13), Hex("03" "3200" "ecff" "7f00" "0000" "01000000"));
}

TEST_F(PaletteFileTest, FourthChannelIsIgnoredOutsideCmyk) {
  // RGB entry with junk in channel 4.
  TPaletteEntries read;
  ASSERT_TRUE(ParsePaletteData(Hex("01000000" "00" "0a00" "1400" "1e00" "3412" "00000000"), read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].Color.Model(), cmRGB);
  EXPECT_EQ(read[0].Color.GetRGB(), (TRGBValues{10, 20, 30}));
  EXPECT_EQ(read[0].Color.GetCMYK(), RGB(10, 20, 30).GetCMYK());
}

TEST_F(PaletteFileTest, RoundTripKeepsNamesModelsAndOwnValues) {
  TColorObject converted = RGB(12, 200, 99);
  converted.SetModel(cmLAB);  // tag only: the stored Lab record is what comes back
  const TPaletteEntries entries{
      Entry("", RGB(0, 0, 0)),
      Entry("Sky", HSB(359, 100, 1)),
      Entry("ink", CMYK(100, 0, 100, 0)),
      Entry("dark", Lab(3, -128, -128)),
      {QString::fromUtf8("Zażółć \xF0\x9F\x98\x80 チェリー"), RGB(255, 255, 255)},
      Entry("tag", converted),
  };
  const QString path = Path("round.tnp");
  ASSERT_TRUE(WritePaletteFile(path, entries));
  TPaletteEntries read;
  ASSERT_TRUE(ReadPaletteFile(path, read));
  ASSERT_EQ(read.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(read[i].Name, entries[i].Name);
    EXPECT_EQ(read[i].Color.Model(), entries[i].Color.Model());
    EXPECT_EQ(OwnValues(read[i].Color), OwnValues(entries[i].Color));
  }
}

TEST_F(PaletteFileTest, NameOutsideBasicPlaneCountsBothSurrogates) {
  const TPaletteEntries entries{{QString::fromUtf8("\xF0\x9F\x98\x80"), RGB(1, 2, 3)}};
  const QByteArray bytes = EncodePaletteData(entries);
  EXPECT_EQ(bytes.mid(4 + 9), Hex("02000000" "3dd8" "00de"));
}

// The count is the only header: bytes that do not start with a sensible one are refused, never opened as an
// empty palette that a Save would then write over.
TEST_F(PaletteFileTest, ANegativeCountOrBytesAfterAZeroCountAreNotAPalette) {
  for (const QByteArray& bytes : {Hex("00000000") + Hex("deadbeef"), Hex("ffffffff"), Hex("ffffffff") + Hex("deadbeef"),
                                  Hex("00000080"), Hex("00000080") + Hex("deadbeef")}) {
    SCOPED_TRACE(bytes.toHex().constData());
    TPaletteEntries read;
    const TFileResult result = ParsePaletteData(bytes, read);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.MessageKey(), QStringLiteral("sCantOpen"));
    EXPECT_TRUE(read.empty());
  }
  TPaletteEntries read;
  EXPECT_TRUE(ParsePaletteData(Hex("00000000"), read));
}

TEST_F(PaletteFileTest, FileCutInThirdEntryKeepsTheFirstTwo) {
  const TPaletteEntries entries{Entry("A", RGB(1, 1, 1)), Entry("B", RGB(2, 2, 2)), Entry("C", RGB(3, 3, 3))};
  const QByteArray full = EncodePaletteData(entries);
  const QString path = Path("cut.tnp");
  WriteRaw(path, full.left(full.size() - 1));
  TPaletteEntries read;
  const TFileResult result = ReadPaletteFile(path, read);
  EXPECT_FALSE(result);
  EXPECT_EQ(result.Message(), QStringLiteral("Could not read file!"));
  EXPECT_EQ(result.MessageKey(), QStringLiteral("sCantOpen"));
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[1].Name, QStringLiteral("B"));
}

TEST_F(PaletteFileTest, MissingFileEmptiesTheListAndFails) {
  TPaletteEntries read{Entry("old", RGB(1, 2, 3))};
  const TFileResult result = ReadPaletteFile(Path("absent.tnp"), read);
  EXPECT_EQ(result.Message(), QStringLiteral("Could not read file!"));
  EXPECT_TRUE(read.empty());
}

TEST_F(PaletteFileTest, BytesAfterTheLastEntryAreNotRead) {
  TPaletteEntries read;
  EXPECT_TRUE(ParsePaletteData(EncodePaletteData({Entry("x", RGB(9, 9, 9))}) + Hex("ffffffff00"), read));
  EXPECT_EQ(read.size(), 1u);
}

TEST_F(PaletteFileTest, UnknownModelByteReadsAsBlackRgbWithItsName) {
  TPaletteEntries read;
  ASSERT_TRUE(ParsePaletteData(Hex("01000000" "07" "ff00" "ff00" "ff00" "0000" "01000000" "5800"), read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].Name, QStringLiteral("X"));
  EXPECT_EQ(read[0].Color.Model(), cmRGB);
  EXPECT_EQ(read[0].Color.GetColor(), clBlack);
}

TEST_F(PaletteFileTest, HugeClaimsFailAtTheEndOfTheFileWithoutAllocating) {
  const QByteArray entry = EncodePaletteData({Entry("ok", RGB(1, 2, 3))}).mid(4);
  struct Case {
    const char* what;
    QByteArray bytes;
    std::size_t kept;
  };
  const Case cases[] = {
      {"count 2147483647", Hex("ffffff7f") + entry, 1},
      {"name length 2000000000", Hex("02000000") + entry + Hex("00" "0000000000000000" "00943577") + Hex("4100"), 1},
      {"name length 2147483647", Hex("01000000" "00" "0000000000000000" "ffffff7f"), 0},
  };
  test::TAllocationCeiling ceiling;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = Path("huge.tnp");
    WriteRaw(path, c.bytes);
    TPaletteEntries read;
    EXPECT_EQ(ReadPaletteFile(path, read).MessageKey(), QStringLiteral("sCantOpen"));
    EXPECT_EQ(read.size(), c.kept);
  }
}

TEST_F(PaletteFileTest, FailedSaveLeavesThePreviousFileIntact) {
  const QString path = Path("keep.tnp");
  const QByteArray previous = EncodePaletteData({Entry("old", RGB(1, 2, 3))});
  WriteRaw(path, previous);
  TPaletteEntries big;
  for (int i = 0; i < 500; ++i) big.push_back(Entry("a fairly long colour name", RGB(i % 256, 0, 0)));
  TFileResult result;
  {
    test::TFileSizeLimit limit(4096);  // the disk "fills up" after 4 KiB
    result = WritePaletteFile(path, big);
  }
  EXPECT_EQ(result.Message(), QStringLiteral("Could not save file!"));
  EXPECT_EQ(result.MessageKey(), QStringLiteral("sCantSave"));
  EXPECT_EQ(ReadAll(path), previous);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.tnp")});
}

TEST_F(PaletteFileTest, FilesMadeByteByByteReadAndWriteBackIdentically) {
  for (const char* name : {"worked-example.tnp", "all-models.tnp"}) {
    SCOPED_TRACE(name);
    const QString source = QStringLiteral(TINTORIUM_TEST_DATA "/palette/") + QString::fromLatin1(name);
    TPaletteEntries read;
    ASSERT_TRUE(ReadPaletteFile(source, read));
    const QString copy = Path(name);
    ASSERT_TRUE(WritePaletteFile(copy, read));
    EXPECT_EQ(ReadAll(copy), ReadAll(source));
  }
  TPaletteEntries read;
  ASSERT_TRUE(ReadPaletteFile(QStringLiteral(TINTORIUM_TEST_DATA "/palette/all-models.tnp"), read));
  ASSERT_EQ(read.size(), 6u);
  EXPECT_EQ(read[1].Color.GetHSB(), (THSBValues{200, 50, 75}));
  EXPECT_EQ(read[2].Color.GetCMYK(), (TCMYKValues{10, 20, 30, 40}));
  EXPECT_EQ(read[3].Color.GetLab(), (TLabValues{50, -20, 127}));
  EXPECT_EQ(read[3].Color.GetRGB(), Lab(50, -20, 127).GetRGB());
  EXPECT_EQ(read[4].Name, QString());
  EXPECT_EQ(read[5].Name, QString::fromUtf8("Zażółć \xF0\x9F\x98\x80"));
}

TEST_F(PaletteFileTest, SavingThroughALinkUpdatesTheLinkedFileAndKeepsTheLink) {
  const QString real = Path("real.tnp");
  const QString link = Path("link.tnp");
  WriteRaw(real, EncodePaletteData({}));
  ASSERT_TRUE(QFile::link(real, link));
  const TPaletteEntries entries{Entry("FF8000", RGB(255, 128, 0))};
  ASSERT_TRUE(WritePaletteFile(link, entries));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadAll(real), EncodePaletteData(entries));
}

// A folder that refuses new files while its files stay writable. The superuser ignores permissions, so it seals
// the folder with the immutable attribute instead; where neither works the test is skipped.
class TSealedFolder {
 public:
  explicit TSealedFolder(const QString& path) : path_(path) {
    if (::geteuid() == 0) {
      immutable_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path_}) == 0;
    } else {
      QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    }
    QFile probe(QDir(path_).filePath(QStringLiteral("probe")));
    sealed_ = !probe.open(QIODevice::WriteOnly);
  }
  ~TSealedFolder() {
    if (immutable_) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  bool Sealed() const { return sealed_; }

 private:
  QString path_;
  bool immutable_ = false;
  bool sealed_ = false;
};

TEST_F(PaletteFileTest, AFolderThatTakesNoNewFileStillSavesIntoItsWritableFile) {
  const QString path = Path("shared.tnp");
  WriteRaw(path, EncodePaletteData({Entry("old", RGB(1, 2, 3))}));
  const TPaletteEntries entries{Entry("new", RGB(255, 128, 0))};
  TFileResult saved;
  TFileResult created;
  {
    TSealedFolder sealed(dir_.path());
    if (!sealed.Sealed()) GTEST_SKIP() << "cannot seal a folder here";
    saved = WritePaletteFile(path, entries);
    created = WritePaletteFile(Path("brand-new.tnp"), entries);
  }
  EXPECT_TRUE(saved) << saved.Message().toStdString();
  EXPECT_EQ(ReadAll(path), EncodePaletteData(entries));
  EXPECT_EQ(created.MessageKey(), QStringLiteral("sCantSave")) << "nothing to write in place";
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("shared.tnp")});
}

TEST_F(PaletteFileTest, SaveIntoMissingFolderFails) {
  EXPECT_EQ(WritePaletteFile(Path("no/such/folder/x.tnp"), {}).MessageKey(), QStringLiteral("sCantSave"));
}

}  // namespace
}  // namespace tintorium
