// Pictures for "Colors from Image": the formats taken, upright camera pictures, opaque pixels, and files that
// are damaged, not pictures or too large.
#include "engine/images/PictureFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

namespace tintorium {
namespace {

class PictureFileTest : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return Path(name);
  }
  QTemporaryDir dir_;
};

/// A PNG that is only its header, claiming `width` by `height` pixels.
QByteArray PngHeaderOnly(quint32 width, quint32 height) {
  QByteArray ihdr("IHDR");
  quint32 be[2] = {qToBigEndian(width), qToBigEndian(height)};
  ihdr.append(reinterpret_cast<const char*>(be), 8);
  ihdr.append("\x08\x02\x00\x00\x00", 5);
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  const quint32 length = qToBigEndian(quint32(13));
  png.append(reinterpret_cast<const char*>(&length), 4);
  png.append(ihdr);
  png.append(4, '\0');  // the checksum is never reached
  return png;
}

TEST_F(PictureFileTest, TheClassicFormatsComeFirstThenEveryStillFormatThePluginsRead) {
  const QStringList suffixes = PictureSuffixes();
  ASSERT_GE(suffixes.size(), 6);
  EXPECT_EQ(suffixes.mid(0, 6), (QStringList{"gif", "jpg", "jpeg", "bmp", "ico", "png"}));
  EXPECT_TRUE(suffixes.contains("webp"));
  EXPECT_TRUE(suffixes.contains("tiff"));
  EXPECT_FALSE(suffixes.contains("svg"));
  EXPECT_TRUE(IsPictureFileName("/a/Photo.JPG"));
  EXPECT_FALSE(IsPictureFileName("/a/notes.txt"));
  EXPECT_FALSE(IsPictureFileName("/a/noext"));
  EXPECT_TRUE(PictureFileFilter().startsWith("All (*.gif *.jpg *.jpeg *.bmp *.ico *.png "));
  EXPECT_TRUE(PictureFileFilter().contains(";;JPEG Image File (*.jpeg);;Bitmaps (*.bmp);;"));
}

TEST_F(PictureFileTest, ACameraPictureIsTurnedUprightByItsOrientationTag) {
  // Landscape pixels, left half red, tagged "turn a quarter clockwise to view".
  QImage pixels(400, 300, QImage::Format_RGB32);
  pixels.fill(Qt::blue);
  QPainter(&pixels).fillRect(0, 0, 200, 300, Qt::red);
  QImageWriter writer(Path("camera.jpg"), "jpeg");
  writer.setTransformation(QImageIOHandler::TransformationRotate90);
  ASSERT_TRUE(writer.write(pixels));

  const std::optional<TPicture> picture = ReadPicture(Path("camera.jpg"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Image.size(), QSize(300, 400));
  EXPECT_EQ(picture->NaturalSize, QSize(300, 400));
  EXPECT_GT(qRed(picture->Image.pixel(150, 20)), 200) << "the red half is on top";
  EXPECT_GT(qBlue(picture->Image.pixel(150, 380)), 200);

  // Asked to cover no more than 120 by 100, it is reduced before it is turned, and still knows its full size.
  const std::optional<TPicture> reduced = ReadPicture(Path("camera.jpg"), {120, 100});
  ASSERT_TRUE(reduced);
  EXPECT_EQ(reduced->Image.size(), QSize(120, 160));
  EXPECT_EQ(reduced->NaturalSize, QSize(300, 400));
  EXPECT_GT(qRed(reduced->Image.pixel(60, 5)), 200);
  // A picture smaller than the bound either way is read as it is.
  EXPECT_EQ(ReadPicture(Path("camera.jpg"), {1000, 200})->Image.size(), QSize(300, 400));
}

TEST_F(PictureFileTest, APngIsReadOpaqueWithTheColoursHiddenUnderItsTransparency) {
  QImage pixels(4, 1, QImage::Format_ARGB32);
  pixels.setPixel(0, 0, qRgba(10, 200, 30, 0));
  pixels.setPixel(1, 0, qRgba(10, 200, 30, 128));
  pixels.setPixel(2, 0, qRgba(250, 0, 0, 255));
  pixels.setPixel(3, 0, qRgba(0, 0, 0, 0));
  ASSERT_TRUE(pixels.save(Path("clear.png")));
  ASSERT_TRUE(pixels.save(Path("clear.webp"), "webp", 100));

  const std::optional<TPicture> png = ReadPicture(Path("clear.png"));
  ASSERT_TRUE(png);
  EXPECT_FALSE(png->Image.hasAlphaChannel());
  EXPECT_EQ(png->Image.pixel(0, 0), qRgb(10, 200, 30));
  EXPECT_EQ(png->Image.pixel(1, 0), qRgb(10, 200, 30));
  EXPECT_EQ(png->Image.pixel(2, 0), qRgb(250, 0, 0));
  // Other formats show their transparent parts as white.
  const std::optional<TPicture> webp = ReadPicture(Path("clear.webp"));
  ASSERT_TRUE(webp);
  EXPECT_EQ(webp->Image.pixel(3, 0), qRgb(255, 255, 255));
}

TEST_F(PictureFileTest, FilesThatAreNoUsablePictureAreRefused) {
  QImage small(8, 8, QImage::Format_RGB32);
  small.fill(Qt::gray);
  ASSERT_TRUE(small.save(Path("real.png")));
  QFile::copy(Path("real.png"), Path("real.txt"));
  const QString cases[] = {
      Write("damaged.jpg", QByteArray("\xFF\xD8\xFF\xE0 not really a jpeg", 24)),
      Write("empty.png", QByteArray()),
      Write("huge.png", PngHeaderOnly(60000, 60000)),  // 14 GB of pixels, refused from the header
      Path("missing.png"),
      Path("real.txt"),  // decodable, but not named as a picture
  };
  for (const QString& path : cases) EXPECT_FALSE(ReadPicture(path)) << path.toStdString();
  EXPECT_TRUE(ReadPicture(Path("real.png")));
}

TEST_F(PictureFileTest, ThePixelLimitIsTheImageReadersAllocationLimit) {
  QImage picture(1200, 1000, QImage::Format_RGB32);  // 4.8 MB of pixels
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(Path("medium.bmp")));
  const int limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(4);
  const bool refused = !ReadPicture(Path("medium.bmp"));
  QImageReader::setAllocationLimit(limit);
  EXPECT_TRUE(refused);
  EXPECT_TRUE(ReadPicture(Path("medium.bmp")));
}

}  // namespace
}  // namespace tintorium
