// Adobe Swatch Exchange files built byte by byte: the layout the writer produces, each colour model, names,
// groups and colour types, and every kind of damaged or hostile file with the error it gives.
#include "engine/formats/SwatchExchangeFile.h"

#include "core/ColorModels.h"
#include "engine/formats/SwatchFiles.h"
#include "support/AllocationCeiling.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <bit>
#include <limits>

namespace tintorium {
namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray U16(std::uint16_t v) {
  QByteArray bytes;
  bytes.append(static_cast<char>(v >> 8));
  bytes.append(static_cast<char>(v & 0xFF));
  return bytes;
}
QByteArray U32(std::uint32_t v) { return U16(static_cast<std::uint16_t>(v >> 16)) + U16(static_cast<std::uint16_t>(v)); }
QByteArray F32(float v) { return U32(std::bit_cast<std::uint32_t>(v)); }

/// The length word counting the terminator, the UTF-16BE units, the terminator.
QByteArray NameField(const QString& name) {
  QByteArray field = U16(static_cast<std::uint16_t>(name.size() + 1));
  for (QChar c : name) field += U16(c.unicode());
  return field + U16(0);
}
QByteArray Block(std::uint16_t type, const QByteArray& body) { return U16(type) + U32(static_cast<std::uint32_t>(body.size())) + body; }
QByteArray ColorBody(const QByteArray& name, const char* model, const std::vector<float>& values,
                     std::uint16_t type = actNormal) {
  QByteArray body = name + QByteArray(model, 4);
  for (float v : values) body += F32(v);
  return body + U16(type);
}
QByteArray Color(const QString& name, const char* model, const std::vector<float>& values,
                 std::uint16_t type = actNormal) {
  return Block(0x0001, ColorBody(NameField(name), model, values, type));
}
QByteArray GroupStart(const QString& name) { return Block(0xC001, NameField(name)); }
QByteArray GroupEnd() { return Block(0xC002, {}); }

QByteArray Ase(const QList<QByteArray>& blocks, qint64 count = -1) {
  QByteArray file = QByteArray("ASEF") + U16(1) + U16(0) +
                    U32(static_cast<std::uint32_t>(count < 0 ? blocks.size() : count));
  for (const QByteArray& block : blocks) file += block;
  return file;
}

std::vector<TAseSwatch> ReadOk(const QByteArray& data) {
  const auto read = ParseAseData(data);
  EXPECT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  return read.Value;
}

TColorObjectFx Named(const QString& name, int r, int g, int b) {
  return TColorObjectFx(TColorObject(RGBValuesToColor({r, g, b}), cmRGB), name.toStdU16String());
}

// --- Layout -------------------------------------------------------------------------------------------------

TEST(AseLayoutTest, WriterWritesBigEndianRgbBlocksWithTerminatedNames) {
  const QByteArray bytes = EncodeAseData({Named("A", 255, 128, 0), Named("", 0, 0, 1)});
  EXPECT_EQ(bytes, Hex("41534546" "0001" "0000" "00000002"
                       "0001" "00000018" "0002" "0041" "0000" "52474220" "3f800000" "3f008081" "00000000" "0002"
                       "0001" "00000016" "0001" "0000" "52474220" "00000000" "00000000" "3b808081" "0002"));
}

TEST(AseLayoutTest, EachModelBecomesTheCoreColourOfItsModel) {
  struct Case {
    const char* what;
    const char* model;
    std::vector<float> values;
    TColorModel core;
    std::array<int, 4> own;  // the values of the core model's record
  };
  const Case cases[] = {
      {"RGB, 127.5 rounds to even", "RGB ", {1.0F, 0.5F, 0.2F}, cmRGB, {255, 128, 51, 0}},
      {"RGB out of range is limited", "RGB ", {1.5F, -0.25F, 0.0F}, cmRGB, {255, 0, 0, 0}},
      {"CMYK in per cent", "CMYK", {0.25F, 0.5F, 0.0F, 1.0F}, cmCMYK, {25, 50, 0, 100}},
      {"Lab: L is a fraction of 100, a and b as written", "LAB ", {0.5F, -20.0F, 12.4F}, cmLAB, {50, -20, 12, 0}},
      {"Lab out of range is limited", "LAB ", {1.5F, 200.0F, -300.0F}, cmLAB, {100, 127, -128, 0}},
      {"Gray 0 is black", "Gray", {0.0F}, cmRGB, {0, 0, 0, 0}},
      {"Gray 1 is white", "Gray", {1.0F}, cmRGB, {255, 255, 255, 0}},
      {"Gray a quarter", "Gray", {0.25F}, cmRGB, {64, 64, 64, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto swatches = ReadOk(Ase({Color("x", c.model, c.values)}));
    ASSERT_EQ(swatches.size(), 1u);
    const TColorObject& color = swatches[0].Color;
    EXPECT_EQ(color.Model(), c.core);
    std::size_t i = 0;
    for (float v : c.values) EXPECT_EQ(swatches[0].Values[i++], v);
    switch (c.core) {
      case cmCMYK:
        EXPECT_EQ(color.GetCMYK(), (TCMYKValues{c.own[0], c.own[1], c.own[2], c.own[3]}));
        EXPECT_EQ(color.GetRGB(), CMYKToRGB(color.GetCMYK()));
        break;
      case cmLAB:
        EXPECT_EQ(color.GetLab(), (TLabValues{c.own[0], c.own[1], c.own[2]}));
        EXPECT_EQ(color.GetRGB(), LabToRGB(color.GetLab()));
        break;
      default: EXPECT_EQ(color.GetRGB(), (TRGBValues{c.own[0], c.own[1], c.own[2]}));
    }
  }
}

TEST(AseLayoutTest, NamesCountTheirTerminatorAndEndAtTheFirstZero) {
  struct Case {
    const char* what;
    QByteArray field;
    QString name;
  };
  const Case cases[] = {
      {"length counts the terminator", Hex("0004" "0053006b0079" "0000"), "Sky"},
      {"length 0: no units at all", Hex("0000"), ""},
      {"length 1: the terminator alone", Hex("0001" "0000"), ""},
      {"a writer that left the terminator out", Hex("0003" "0053006b0079"), "Sky"},
      {"units after a zero are dropped", Hex("0005" "0053006b" "0000" "0079007a"), "Sk"},
      {"a surrogate pair is two units", Hex("0003" "d83dde00" "0000"), QString::fromUtf8("\xF0\x9F\x98\x80")},
  };
  for (const Case& c : cases) {
    const auto swatches = ReadOk(Ase({Block(0x0001, ColorBody(c.field, "RGB ", {0.0F, 0.0F, 1.0F}))}));
    ASSERT_EQ(swatches.size(), 1u) << c.what;
    EXPECT_EQ(swatches[0].Name, c.name) << c.what;
  }
}

TEST(AseLayoutTest, GroupsNameTheirColoursAndNeverNest) {
  const auto swatches = ReadOk(Ase({
      Color("Out", "RGB ", {0, 0, 0}),
      GroupStart("G1"), Color("a", "RGB ", {0, 0, 0}), GroupEnd(),
      Color("b", "RGB ", {0, 0, 0}),
      GroupEnd(),  // no group open: ignored
      GroupStart("G2"), Color("c", "RGB ", {0, 0, 0}),
      GroupStart("G3"), Color("d", "RGB ", {0, 0, 0}),  // ends G2, as Illustrator reads it
      Block(0xC001, {}), Color("", "Gray", {1}),          // a group without a name
      GroupStart("G4"), Color("f", "RGB ", {0, 0, 0}),    // never ended: the file's end ends it
  }));
  ASSERT_EQ(swatches.size(), 7u);
  const QStringList groups{"", "G1", "", "G2", "G3", "", "G4"};
  for (std::size_t i = 0; i < swatches.size(); ++i) EXPECT_EQ(swatches[i].Group, groups[static_cast<qsizetype>(i)]) << i;

  QStringList names;
  for (const TColorObjectFx& color : AseColorObjects(swatches)) names << QString::fromStdU16String(color.Name());
  EXPECT_EQ(names, (QStringList{"Out", "G1 / a", "b", "G2 / c", "G3 / d", "FFFFFF", "G4 / f"}));
}

TEST(AseLayoutTest, ColourTypesAreKeptAsWritten) {
  const auto swatches = ReadOk(Ase({Color("g", "RGB ", {0, 0, 0}, actGlobal), Color("s", "LAB ", {0, 0, 0}, actSpot),
                                    Color("n", "CMYK", {0, 0, 0, 0}, actNormal), Color("x", "Gray", {0}, 7)}));
  ASSERT_EQ(swatches.size(), 4u);
  EXPECT_EQ(swatches[0].Type, actGlobal);
  EXPECT_EQ(swatches[1].Type, actSpot);
  EXPECT_EQ(swatches[2].Type, actNormal);
  EXPECT_EQ(swatches[3].Type, 7);
}

TEST(AseLayoutTest, UnknownBlocksAndBytesBeyondContentsAreSkipped) {
  const QByteArray padded = Block(0x0001, ColorBody(NameField("padded"), "RGB ", {1, 0, 0}) + Hex("deadbeef0000"));
  const auto swatches = ReadOk(Ase({Block(0x0002, Hex("00010203040506070809")), padded, Color("next", "Gray", {0.5F}),
                                    Color("beyond the count", "RGB ", {0, 0, 0})},
                                   3) +
                               Hex("ffffffff"));
  ASSERT_EQ(swatches.size(), 2u);
  EXPECT_EQ(swatches[0].Name, QStringLiteral("padded"));
  EXPECT_EQ(swatches[0].Color.GetRGB(), (TRGBValues{255, 0, 0}));
  EXPECT_EQ(swatches[1].Name, QStringLiteral("next"));
  EXPECT_EQ(swatches[1].Color.GetRGB(), (TRGBValues{128, 128, 128}));
  EXPECT_TRUE(ReadOk(Ase({})).empty());
}

// --- Damaged and hostile files --------------------------------------------------------------------------------

TEST(AseHostileTest, EachDamageGivesItsOwnClearError) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const QString truncated = QString::fromLatin1(kTruncatedText);
  const QString signature = QString::fromLatin1(kAseSignatureText);
  auto block = [](int n) { return QString::fromLatin1(kAseBlockText).arg(n); };
  auto number = [](int n) { return QString::fromLatin1(kAseNumberText).arg(n); };
  struct Case {
    const char* what;
    QByteArray data;
    QString message;
  };
  const QByteArray one = Color("x", "RGB ", {0, 0, 0});
  const Case cases[] = {
      {"empty file", {}, signature},
      {"three bytes", "ASE", signature},
      {"another signature", QByteArray("ASEG") + Ase({}).mid(4), signature},
      {"no version", "ASEF", truncated},
      {"version 2.0", QByteArray("ASEF") + Hex("0002000000000000"), QString::fromLatin1(kAseVersionText).arg("2.0")},
      {"version 0.1", QByteArray("ASEF") + Hex("0000000100000000"), QString::fromLatin1(kAseVersionText).arg("0.1")},
      {"no block count", QByteArray("ASEF") + Hex("00010000"), truncated},
      {"two blocks announced, one there", Ase({one}, 2), truncated},
      {"4294967295 blocks announced", Ase({one}, 0xFFFFFFFF), truncated},
      {"block header cut", Ase({one.left(3)}, 1), truncated},
      {"block of 4294967295 bytes", Ase({Hex("0001ffffffff") + one.mid(6)}), truncated},
      {"block cut short", Ase({one.left(one.size() - 1)}), truncated},
      {"name longer than its block", Ase({Block(0x0001, Hex("ffff0041"))}), block(1)},
      {"colour without its type word", Ase({Block(0x0001, NameField("x") + "RGB " + F32(0) + F32(0) + F32(0))}), block(1)},
      {"RGB with two values", Ase({Block(0x0001, NameField("x") + "RGB " + F32(0) + F32(0))}), block(1)},
      {"no model", Ase({Block(0x0001, NameField("x") + "RG")}), block(1)},
      {"group name longer than its block", Ase({Block(0xC001, Hex("00100041"))}), block(1)},
      {"unknown model", Ase({Color("x", "XYZ ", {0, 0, 0})}), QString::fromLatin1(kAseModelText).arg(1).arg("XYZ ")},
      {"unprintable model", Ase({GroupStart("g"), Color("x", "\x00\x7f" "AB", {0})}),
       QString::fromLatin1(kAseModelText).arg(2).arg("??AB")},
      {"NaN in RGB", Ase({GroupStart("g"), Color("x", "RGB ", {0, nan, 0})}), number(2)},
      {"infinite Lab a", Ase({Color("x", "LAB ", {0.5F, inf, 0})}), number(1)},
      {"minus infinite CMYK black", Ase({one, Color("x", "CMYK", {0, 0, 0, -inf})}), number(2)},
      {"NaN grey", Ase({Color("x", "Gray", {nan})}), number(1)},
  };
  test::TAllocationCeiling ceiling;
  for (const Case& c : cases) {
    const auto read = ParseAseData(c.data);
    EXPECT_FALSE(read.Ok()) << c.what;
    EXPECT_EQ(read.Status.Message(), c.message) << c.what;
    EXPECT_TRUE(read.Value.empty()) << c.what;
  }
}

TEST(AseHostileTest, MissingAndUnreadableFiles) {
  QTemporaryDir dir;
  EXPECT_EQ(ReadAseFile(dir.filePath("none.ase")).Status.MessageKey(), QStringLiteral("sFileNotFound"));
  EXPECT_EQ(ReadAseFile(dir.path()).Status.MessageKey(), QStringLiteral("sCantOpen"));
}

// --- Writer -------------------------------------------------------------------------------------------------

class AseWriterTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(AseWriterTest, WrittenFileReadsBackTheSameColoursAndNames) {
  TColors colors;
  for (int i = 0; i < 300; ++i) {
    colors.push_back(Named(QStringLiteral("Colour %1").arg(i), i % 256, (255 - i) % 256, (i * 7) % 256));
  }
  colors.push_back(Named(QString::fromUtf8("Grün \xF0\x9F\x98\x80 / looks like a group"), 1, 2, 3));
  TColorObjectFx lab(TColorObject(), u"Lab");
  lab.SetLab({60, -30, 40});
  colors.push_back(lab);
  ASSERT_TRUE(WriteAseFile(Path("many.ase"), colors));
  const auto read = ReadAseFile(Path("many.ase"));
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  const TColors again = AseColorObjects(read.Value);
  ASSERT_EQ(again.size(), colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i) {
    EXPECT_EQ(again[i].GetRGB(), colors[i].GetRGB()) << i;
    EXPECT_EQ(again[i].Name(), colors[i].Name()) << i;
    EXPECT_EQ(read.Value[i].Model, TAseModel::RGB) << i;
    EXPECT_EQ(read.Value[i].Type, actNormal) << i;
  }
}

TEST_F(AseWriterTest, LongNamesAreCutToWhatTheLengthWordHoldsButNeverInsideAPair) {
  QString plain(70000, u'x');
  QString paired(65533, u'y');
  paired += QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral("tail");  // the pair spans units 65534 and 65535
  const auto read = ParseAseData(EncodeAseData({Named(plain, 0, 0, 0), Named(paired, 0, 0, 0)}));
  ASSERT_TRUE(read.Ok());
  ASSERT_EQ(read.Value.size(), 2u);
  EXPECT_EQ(read.Value[0].Name, plain.left(65534));
  EXPECT_EQ(read.Value[1].Name, paired.left(65533));
}

}  // namespace
}  // namespace tintorium
