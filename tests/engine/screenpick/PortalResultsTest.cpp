// What the portal hands back is checked before it is believed; and the route is chosen from the platform.
#include "engine/screenpick/PortalResults.h"
#include "engine/screenpick/ScreenPickRoute.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include <cmath>
#include <limits>

namespace tintorium {
namespace {

QString Uri(const QString& path) { return QUrl::fromLocalFile(path).toString(); }

TEST(PortalResultsTest, ScreenshotFileIsReadOnlyWhenItIsALocalPictureWithinBounds) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage picture(64, 32, QImage::Format_ARGB32);
  picture.fill(qRgba(10, 20, 30, 255));
  ASSERT_TRUE(picture.save(dir.filePath("shot.png")));
  const QImage read = LoadPortalPicture(Uri(dir.filePath("shot.png")));
  ASSERT_EQ(read.size(), QSize(64, 32));
  EXPECT_EQ(read.format(), QImage::Format_RGB32);
  EXPECT_EQ(read.pixel(5, 5), qRgb(10, 20, 30));

  // A PNG header claiming 40000 × 40000 pixels: refused before anything is allocated.
  QByteArray huge = QByteArray::fromHex("89504E470D0A1A0A0000000D49484452");
  huge += QByteArray::fromHex("00009C4000009C40080200000000000000");
  QFile hugeFile(dir.filePath("huge.png"));
  ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly));
  hugeFile.write(huge);
  hugeFile.close();
  QFile text(dir.filePath("text.png"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a picture at all");
  text.close();
  QFile truncated(dir.filePath("truncated.png"));
  QFile whole(dir.filePath("shot.png"));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && truncated.open(QIODevice::WriteOnly));
  truncated.write(whole.readAll().left(40));
  truncated.close();

  for (const QString& uri : {Uri(dir.filePath("huge.png")), Uri(dir.filePath("text.png")),
                             Uri(dir.filePath("truncated.png")), Uri(dir.filePath("missing.png")),
                             Uri(dir.path()), QStringLiteral("http://example.com/shot.png"), QString(),
                             QStringLiteral("file:///proc/self/status"), QStringLiteral("::not a uri::")})
    EXPECT_TRUE(LoadPortalPicture(uri).isNull()) << uri.toStdString();
}

TEST(PortalResultsTest, PickedColourIsClampedAndRounded) {
  EXPECT_EQ(PortalColor(0, 0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(PortalColor(1, 1, 1), qRgb(255, 255, 255));
  EXPECT_EQ(PortalColor(12 / 255.0, 200 / 255.0, 99 / 255.0), qRgb(12, 200, 99));
  EXPECT_EQ(PortalColor(-0.5, 1.7, 0.5), qRgb(0, 255, 128));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(PortalColor(nan, 0, 0), std::nullopt);
  EXPECT_EQ(PortalColor(0, inf, 0), std::nullopt);
}

TEST(PortalResultsTest, RouteFollowsThePlatformUnlessForced) {
  struct TCase {
    const char* platform;
    const char* forced;
    bool waylandSession;
    TScreenPickRoute route;
  } const cases[] = {
      {"xcb", "", false, TScreenPickRoute::Capture},
      {"xcb", "", true, TScreenPickRoute::PortalThenCapture},  // X11 inside a Wayland session
      {"wayland", "", true, TScreenPickRoute::Portal},
      {"wayland-egl", "", true, TScreenPickRoute::Portal},
      {"offscreen", "", false, TScreenPickRoute::Capture},
      {"xcb", "portal", false, TScreenPickRoute::Portal},
      {"xcb", "capture", true, TScreenPickRoute::Capture},
      {"wayland", "capture", true, TScreenPickRoute::Capture},
      {"xcb", " Portal\n", false, TScreenPickRoute::Portal},
      {"wayland", "nonsense", true, TScreenPickRoute::Portal},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ChooseScreenPickRoute(QString::fromLatin1(c.platform), c.forced, c.waylandSession), c.route)
        << c.platform << " / " << c.forced << " / " << c.waylandSession;
}

}  // namespace
}  // namespace tintorium
