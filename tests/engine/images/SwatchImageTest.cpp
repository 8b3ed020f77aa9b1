// Swatch pictures and their files, GIF writing, and the colours read back from images.
#include "engine/images/GifWriter.h"
#include "engine/images/ImagePalette.h"
#include "engine/images/SwatchImage.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <random>

namespace tintorium {
namespace {

TColors Colors(int count) {
  TColors colors;
  for (int i = 0; i < count; ++i) {
    TColorObjectFx color;
    color.SetRGB({(i * 40) % 256, 200 - i * 10, 30 + i});
    color.SetName(QStringLiteral("C%1").arg(i).toStdU16String());
    colors.push_back(color);
  }
  return colors;
}

QRgb Rgb(const TColorObjectFx& c) { return qRgb(c.GetRGB().R, c.GetRGB().G, c.GetRGB().B); }

int TextHeight() { return QFontMetrics(SwatchImageFont()).height(); }

bool ColumnIsWhite(const QImage& image, int top, int bottom) {
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    }
  }
  return true;
}

struct TSizeCase {
  const char* name;
  int count;
  TSwatchImageOptions options;
  int width;   // -1: computed from the text height
  int height;
};

class SwatchSizeTest : public ::testing::TestWithParam<TSizeCase> {};

TEST_P(SwatchSizeTest, PictureSize) {
  const TSizeCase& c = GetParam();
  const QImage image = DrawSwatchImage(Colors(c.count), c.options);
  const int cellHeight = std::max(c.options.SwatchHeight, 2 * TextHeight() + 4);
  EXPECT_EQ(image.width(), c.width);
  EXPECT_EQ(image.height(), c.height > 0 ? c.height : -c.height * (cellHeight + 2));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SwatchSizeTest,
    ::testing::Values(TSizeCase{"EightPerLineOfEight", 8, {8, 32, 32, false}, 272, 68},
                      TSizeCase{"ThreeOfEight", 3, {8, 32, 32, false}, 102, 34},
                      TSizeCase{"Empty", 0, {8, 32, 32, false}, 2, 34},
                      TSizeCase{"NineWithText", 9, {8, 32, 32, true}, 8 * (32 + 112), -2},
                      TSizeCase{"OnePerLine", 3, {1, 10, 5, false}, 12, 28},
                      TSizeCase{"OptionsClamped", 2, {0, 300, 0, false}, 258, 3 * 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawSwatchImage, OutlinedSwatchesInRowsOnWhite) {
  const TColors colors = Colors(9);
  const QImage image = DrawSwatchImage(colors, {8, 32, 32, false});
  ASSERT_EQ(image.size(), QSize(272, 68));
  // Swatch k of a row starts at 34·k; outline from +2 to +29, colour inside, white around.
  for (int k = 0; k < 8; ++k) {
    const int x = 34 * k;
    EXPECT_EQ(image.pixel(x + 2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(x + 29, 29), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(x + 3, 3), Rgb(colors[k]));
    EXPECT_EQ(image.pixel(x + 28, 28), Rgb(colors[k]));
    EXPECT_EQ(image.pixel(x + 1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(x + 30, 30), qRgb(255, 255, 255));
  }
  EXPECT_EQ(image.pixel(3, 34 + 3), Rgb(colors[8]));

  const QImage eight = DrawSwatchImage(Colors(8), {8, 32, 32, false});
  EXPECT_TRUE(ColumnIsWhite(eight, 34, 68));  // a full last row leaves an empty one below
}

TEST(DrawSwatchImage, TextBesideEachSwatchAndNinthStartsTheSecondRow) {
  const TColors colors = Colors(9);
  const QImage image = DrawSwatchImage(colors, {8, 32, 32, true});
  const int cellWidth = 32 + 110;
  const int cellHeight = std::max(32, 2 * TextHeight() + 4);
  EXPECT_EQ(image.pixel(cellWidth + 2 + 3, 3), Rgb(colors[1]));
  EXPECT_EQ(image.pixel(3, cellHeight + 2 + 3), Rgb(colors[8]));
  auto darkIn = [&image](QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) return true;
      }
    }
    return false;
  };
  const int h = TextHeight();
  EXPECT_TRUE(darkIn(QRect(36, 2, 100, h)));          // the name
  EXPECT_TRUE(darkIn(QRect(36, 4 + h, 100, h)));      // the value text below it
  EXPECT_FALSE(darkIn(QRect(36, 4 + 2 * h, 100, cellHeight - 4 - 2 * h)));
  const QImage plain = DrawSwatchImage(colors, {8, 32, 32, false});
  EXPECT_EQ(plain.width(), 8 * 34);
}

TEST(DrawSwatchImage, RefusesPicturesTooLargeToMake) {
  EXPECT_TRUE(DrawSwatchImage(Colors(3000), {1, 256, 256, false}).isNull());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("huge.png"));
  const TFileResult result = WriteSwatchImage(path, Colors(3000), {1, 256, 256, false}, TSwatchImageFormat::Png);
  EXPECT_EQ(result.Message(), QStringLiteral("Could not save file!"));
  EXPECT_FALSE(QFileInfo::exists(path));
}

class SwatchFileTest : public ::testing::TestWithParam<TSwatchImageFormat> {};

TEST_P(SwatchFileTest, ReadsBackAsDrawn) {
  QTemporaryDir dir;
  const char* extension[] = {"bmp", "png", "jpg", "gif"};
  const QString path = dir.filePath(QStringLiteral("swatches.") + extension[int(GetParam())]);
  const TColors colors = Colors(5);
  const TSwatchImageOptions options{3, 20, 16, false};
  ASSERT_TRUE(WriteSwatchImage(path, colors, options, GetParam()).Ok());
  const QImage drawn = DrawSwatchImage(colors, options);
  const QImage read(path);
  ASSERT_EQ(read.size(), drawn.size());
  // Lossless formats match exactly; JPEG only blurs the edges a little.
  const bool lossy = GetParam() == TSwatchImageFormat::Jpeg;
  qint64 total = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      const QRgb a = drawn.pixel(x, y);
      const QRgb b = read.pixel(x, y);
      const int error = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
      ASSERT_LE(error, lossy ? 24 : 0) << x << "," << y;
      total += error;
    }
  }
  EXPECT_LE(double(total) / (drawn.width() * drawn.height()), lossy ? 2.0 : 0.0);
}

INSTANTIATE_TEST_SUITE_P(Formats, SwatchFileTest,
                         ::testing::Values(TSwatchImageFormat::Bmp, TSwatchImageFormat::Png,
                                           TSwatchImageFormat::Jpeg, TSwatchImageFormat::Gif));

TEST(SwatchFile, JpegIsBaselineAtQualityOneHundredWithFullColourResolution) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.jpg"));
  ASSERT_TRUE(WriteSwatchImage(path, Colors(4), {}, TSwatchImageFormat::Jpeg).Ok());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const qsizetype frame = bytes.indexOf("\xFF\xC0");  // baseline
  ASSERT_GE(frame, 0);
  EXPECT_FALSE(bytes.contains("\xFF\xC2"));           // progressive
  ASSERT_EQ(bytes[frame + 9], 3);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(bytes[frame + 11 + 3 * c], 0x11) << "component " << c << " subsampled";
  // Quality 100 makes every quantisation step 1.
  const qsizetype dqt = bytes.indexOf("\xFF\xDB");
  ASSERT_GE(dqt, 0);
  for (int i = 0; i < 64; ++i) ASSERT_EQ(bytes[dqt + 5 + i], 1) << i;
}

TEST(GifWriter, ReducesManyColoursToAtMost256) {
  QImage gradient(300, 200, QImage::Format_RGB32);
  for (int y = 0; y < gradient.height(); ++y) {
    for (int x = 0; x < gradient.width(); ++x) gradient.setPixel(x, y, qRgb(x * 255 / 299, y * 255 / 199, 90));
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteGifImage(buffer, gradient));
  QImage read;
  ASSERT_TRUE(read.loadFromData(buffer.data(), "GIF"));
  ASSERT_EQ(read.size(), gradient.size());
  QSet<QRgb> distinct;
  double error = 0;
  for (int y = 0; y < read.height(); ++y) {
    for (int x = 0; x < read.width(); ++x) {
      const QRgb a = gradient.pixel(x, y);
      const QRgb b = read.pixel(x, y);
      distinct.insert(b & 0xFFFFFF);
      error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
  }
  EXPECT_LE(distinct.size(), 256);
  EXPECT_LT(error / (300.0 * 200.0), 12.0);
  QBuffer none;
  none.open(QIODevice::WriteOnly);
  EXPECT_FALSE(WriteGifImage(none, QImage()));
  EXPECT_EQ(none.size(), 0);
}

// ---- Reading colours back from images -----------------------------------------------------------------------

QByteArray Gif(bool globalTable, quint16 width, quint16 height, int tableBits = 1) {
  QByteArray gif("GIF89a");
  const char packed = static_cast<char>(0x80 | (tableBits - 1));
  gif.append(char(width & 0xFF)).append(char(width >> 8)).append(char(height & 0xFF)).append(char(height >> 8));
  gif.append(globalTable ? packed : '\0').append('\0').append('\0');
  QByteArray table;
  for (int i = 0; i < (1 << tableBits); ++i) table.append(char(i * 16)).append(char(0xF0 - i)).append(char(0x0A));
  if (globalTable) gif += table;
  gif.append("\x21\xF9\x04\x00\x00\x00\x00\x00", 8);  // a graphic control extension before the image
  gif.append(',').append(QByteArray(4, '\0'));
  gif.append(char(width & 0xFF)).append(char(width >> 8)).append(char(height & 0xFF)).append(char(height >> 8));
  gif.append(globalTable ? '\0' : packed);
  if (!globalTable) gif += table;
  gif.append("\x02\x02\x44\x01\x00;", 6);
  return gif;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

TEST(ReadGifPalette, GlobalOrFirstLocalTableInOrder) {
  QTemporaryDir dir;
  const QStringList expected{QStringLiteral("00F00A"),
                             QStringLiteral("10EF0A"), QStringLiteral("20EE0A"), QStringLiteral("30ED0A")};
  for (bool global : {true, false}) {
    const TReadResult<QStringList> read = ReadGifPalette(WriteFile(dir, "t.gif", Gif(global, 1, 1, 2)));
    ASSERT_TRUE(read.Ok()) << global;
    EXPECT_EQ(read.Value, expected) << global;
  }
  // Claimed dimensions are never allocated: only the table is read.
  const TReadResult<QStringList> huge = ReadGifPalette(WriteFile(dir, "huge.gif", Gif(true, 65535, 65535, 8)));
  ASSERT_TRUE(huge.Ok());
  EXPECT_EQ(huge.Value.size(), 256);
  EXPECT_TRUE(ReadGifPalette(dir.filePath("missing.gif")).Value.isEmpty());
  EXPECT_TRUE(ReadGifPalette(dir.filePath("missing.gif")).Ok());
}

TEST(ReadGifPalette, Fixtures) {
  const auto local = ReadGifPalette(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/local-table.gif"));
  ASSERT_TRUE(local.Ok());
  EXPECT_EQ(local.Value, (QStringList{"00F00A", "10EF0A", "20EE0A", "30ED0A"}));
  const auto written = ReadGifPalette(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/swatches.gif"));
  ASSERT_TRUE(written.Ok());
  const QSet<QString> found(written.Value.begin(), written.Value.end());
  EXPECT_TRUE(found.contains(QSet<QString>{"102030", "405060", "708090", "FFFFFF", "000000"}));
  EXPECT_EQ(written.Value.size(), 8);
}

TEST(ReadGifPalette, ReadsWhatTheGifWriterWrote) {
  QTemporaryDir dir;
  const QString path = dir.filePath("s.gif");
  const TColors colors = Colors(2);
  ASSERT_TRUE(WriteSwatchImage(path, colors, {}, TSwatchImageFormat::Gif).Ok());
  const TReadResult<QStringList> read = ReadGifPalette(path);
  ASSERT_TRUE(read.Ok());
  const QSet<QString> found(read.Value.begin(), read.Value.end());
  for (const auto& c : colors) EXPECT_TRUE(found.contains(QString::fromStdString(c.HexText())));
  EXPECT_TRUE(found.contains("FFFFFF") && found.contains("000000"));
}

TEST(ReadGifPalette, DamagedFilesFailWithoutCrashing) {
  QTemporaryDir dir;
  const QByteArray gif = Gif(false, 1, 1, 2);
  for (qsizetype length = 0; length < gif.size(); ++length) {
    const TReadResult<QStringList> read = ReadGifPalette(WriteFile(dir, "cut.gif", gif.left(length)));
    if (!read.Ok()) {
      EXPECT_EQ(read.Status.Message(), QStringLiteral("Could not read file!"));
      EXPECT_TRUE(read.Value.isEmpty());
    }
  }
  EXPECT_FALSE(ReadGifPalette(WriteFile(dir, "cut.gif", Gif(true, 1, 1, 8).left(100))).Ok());
  EXPECT_FALSE(ReadGifPalette(WriteFile(dir, "text.gif", "<html>#fff</html>")).Ok());
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    QByteArray bytes = round % 2 ? QByteArray("GIF89a") : QByteArray();
    const int n = static_cast<int>(random() % 400);
    for (int i = 0; i < n; ++i) bytes.append(static_cast<char>(random() & 0xFF));
    const TReadResult<QStringList> read = ReadGifPalette(WriteFile(dir, "random.gif", bytes));
    EXPECT_LE(read.Value.size(), 256);
  }
}

quint32 Crc32(const QByteArray& data) {
  quint32 crc = 0xFFFFFFFF;
  for (char byte : data) {
    crc ^= static_cast<unsigned char>(byte);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
  }
  return ~crc;
}

QByteArray Png(const QImage& image) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return buffer.data();
}

TEST(ReadImagePalette, FewColoursComeBackExactlyInUpperCase) {
  QTemporaryDir dir;
  QImage image(30, 10, QImage::Format_RGB32);
  image.fill(qRgb(0xAB, 0x12, 0xEF));
  for (int y = 0; y < 10; ++y) {
    for (int x = 10; x < 20; ++x) image.setPixel(x, y, qRgb(0, 0x80, 0xFF));
    for (int x = 20; x < 30; ++x) image.setPixel(x, y, qRgb(0xFE, 0xFE, 0xFE));
  }
  for (const char* format : {"png", "bmp"}) {
    const QString path = dir.filePath(QStringLiteral("three.") + format);
    ASSERT_TRUE(image.save(path, format));
    const TReadResult<QStringList> read = ReadImagePalette(path);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(QSet<QString>(read.Value.begin(), read.Value.end()),
              (QSet<QString>{"AB12EF", "0080FF", "FEFEFE"}))
        << format << " " << read.Value.join(' ').toStdString();
  }
}

TEST(ReadImagePalette, ManyColoursGiveAtMost256) {
  QTemporaryDir dir;
  QImage image(256, 256, QImage::Format_RGB32);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) image.setPixel(x, y, qRgb(x, y, (x + y) / 2));
  }
  const QString path = dir.filePath("many.jpg");
  ASSERT_TRUE(image.save(path, "JPEG", 95));
  const TReadResult<QStringList> read = ReadImagePalette(path);
  ASSERT_TRUE(read.Ok());
  EXPECT_GT(read.Value.size(), 16);
  EXPECT_LE(read.Value.size(), 256);
}

TEST(ReadImagePalette, HostileImagesFailWithoutAllocatingTheirClaims) {
  QTemporaryDir dir;
  // A bitmap header claiming 50,000 × 50,000 pixels and no pixel data.
  QByteArray bmp("BM");
  auto le32 = [&bmp](quint32 v) { for (int i = 0; i < 4; ++i) bmp.append(char((v >> (8 * i)) & 0xFF)); };
  auto le16 = [&bmp](quint16 v) { bmp.append(char(v & 0xFF)).append(char(v >> 8)); };
  le32(54); le32(0); le32(54); le32(40); le32(50000); le32(50000); le16(1); le16(24);
  le32(0); le32(0); le32(2835); le32(2835); le32(0); le32(0);
  EXPECT_FALSE(ReadImagePalette(WriteFile(dir, "huge.bmp", bmp)).Ok());

  // A PNG whose header (with a correct checksum) claims 60,000 × 60,000 pixels.
  QImage small(4, 4, QImage::Format_RGB32);
  small.fill(Qt::red);
  QByteArray png = Png(small);
  qToBigEndian<quint32>(60000, png.data() + 16);
  qToBigEndian<quint32>(60000, png.data() + 20);
  qToBigEndian<quint32>(Crc32(png.mid(12, 17)), png.data() + 29);
  const TReadResult<QStringList> huge = ReadImagePalette(WriteFile(dir, "huge.png", png));
  EXPECT_FALSE(huge.Ok());
  EXPECT_EQ(huge.Status.Message(), QStringLiteral("Could not read file!"));

  const QByteArray good = Png(small);
  for (qsizetype length = 0; length < good.size(); length += 5) {
    const TReadResult<QStringList> read = ReadImagePalette(WriteFile(dir, "cut.png", good.left(length)));
    EXPECT_LE(read.Value.size(), 256);
  }
  std::mt19937 random(11);
  for (int round = 0; round < 100; ++round) {
    QByteArray bytes = round % 2 ? good.left(16) : QByteArray("BM");
    for (int i = 0; i < 300; ++i) bytes.append(static_cast<char>(random() & 0xFF));
    EXPECT_LE(ReadImagePalette(WriteFile(dir, "random.png", bytes)).Value.size(), 256);
  }
  EXPECT_TRUE(ReadImagePalette(dir.filePath("missing.png")).Ok());
}

}  // namespace
}  // namespace tintorium
