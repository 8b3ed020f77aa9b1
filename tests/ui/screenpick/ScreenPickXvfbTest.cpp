// The picker on X11 with a real capture and real pointer and key events (xdotool): a window of known colours is
// picked from the frozen desktop; Esc changes nothing; zoom keys and wheel stop at their limits; it starts again.
// Runs on an X display with a window manager (see CMakeLists.txt) and skips elsewhere.
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/screenpick/DesktopPickDialog.h"
#include "ui/screenpick/DesktopShadowForm.h"
#include "engine/screenpick/MagnifierView.h"
#include "engine/screenpick/ScreenPickRoute.h"
#include "ScreenPickTestSupport.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

namespace tintorium {
namespace {

const QRgb kQuadrants[4] = {qRgb(210, 40, 20), qRgb(30, 170, 90), qRgb(40, 70, 220), qRgb(240, 230, 10)};

// Four quadrants of known colours.
class TQuadrantWindow final : public QWidget {
 public:
  TQuadrantWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int w = width() / 2, h = height() / 2;
    painter.fillRect(0, 0, w, h, QColor(kQuadrants[0]));
    painter.fillRect(w, 0, width() - w, h, QColor(kQuadrants[1]));
    painter.fillRect(0, h, w, height() - h, QColor(kQuadrants[2]));
    painter.fillRect(w, h, width() - w, height() - h, QColor(kQuadrants[3]));
  }
};

/// `seen` (device pixels) back at `side` × `side`: on a scaled screen each view pixel shows as a block of device
/// pixels, whose middle is taken. The screen's scaling may shift the blocks' edges by a device pixel, so a few
/// pixels along the lines may differ: see ShareAlike.
QImage SampledBack(const QImage& seen, int side) {
  if (seen.width() == side) return seen;
  QImage back(side, side, QImage::Format_RGB32);
  const double r = double(seen.width()) / side;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) back.setPixel(x, y, seen.pixel(int((x + 0.5) * r), int((y + 0.5) * r)));
  return back;
}

/// The share (0-1) of pixels two images of one size have alike; 0 when their sizes differ.
double ShareAlike(const QImage& a, const QImage& b) {
  if (a.size() != b.size() || a.isNull()) return 0;
  int alike = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) alike += a.pixel(x, y) == b.pixel(x, y) ? 1 : 0;
  return double(alike) / (a.width() * a.height());
}

bool Xdotool(const QStringList& args) { return QProcess::execute(QStringLiteral("xdotool"), args) == 0; }

bool WaitForWindowManager() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    QWidget probe;
    probe.resize(50, 50);
    probe.show();
    if (QTest::qWaitFor([&probe] { return probe.frameGeometry() != probe.geometry(); }, 200)) return true;
  }
  return false;
}

class ScreenPickXvfbTest : public test::ScreenPickWindowTest {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) GTEST_SKIP() << "needs xdotool";
    ASSERT_TRUE(WaitForWindowManager()) << "no window manager on the display";
    oldRoute = qgetenv(kScreenPickRouteVariable);
    oldWayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv(kScreenPickRouteVariable);
    qunsetenv("WAYLAND_DISPLAY");
    ScreenPickWindowTest::SetUp();
    Workspace().BaseColor().SetColor(0x123456, cmRGB);
    Workspace().BaseColorChanged(nullptr, cmRGB, true, false);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    target.setGeometry(screen.right() - 420, screen.bottom() - 420, 400, 400);
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    QTest::qWait(300);
  }
  void TearDown() override {
    ScreenPickWindowTest::TearDown();
    qputenv(kScreenPickRouteVariable, oldRoute);
    if (!oldWayland.isEmpty()) qputenv("WAYLAND_DISPLAY", oldWayland);
  }

  /// The centre of quadrant `q` (0-3) of the colour window, in desktop coordinates.
  QPoint QuadrantCentre(int q) const {
    const QRect r = target.geometry();
    return {r.x() + (q % 2 == 0 ? 100 : 300), r.y() + (q < 2 ? 100 : 300)};
  }
  /// Moves the pointer to `at` until the picker has seen it there. A move sent before the window manager has
  /// mapped the cover reaches the window below it, so it is sent again (by way of a neighbouring pixel).
  bool PointerTo(const QPoint& at) {
    if (!QTest::qWaitForWindowExposed(picker->Cover())) return false;
    const auto pixel = picker->Cover()->Screen().PixelAt(at);
    if (!pixel) return false;
    // xdotool speaks device pixels; with a scale factor (QT_SCALE_FACTOR) logical ones are larger.
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    for (int attempt = 0; attempt < 10; ++attempt) {
      for (const QPoint& p : {at + QPoint(1, 1), at}) {
        const QPoint device = (QPointF(p) * ratio).toPoint();
        if (!Xdotool({"mousemove", QString::number(device.x()), QString::number(device.y())})) return false;
      }
      if (QTest::qWaitFor([this, pixel] { return picker->Position() == *pixel; }, 500)) return true;
    }
    return false;
  }
  bool Key(const char* name) {
    const bool sent = Xdotool({"key", QString::fromLatin1(name)});
    QTest::qWait(50);
    return sent;
  }

  QByteArray oldRoute;
  QByteArray oldWayland;
  TQuadrantWindow target;
};

TEST_F(ScreenPickXvfbTest, PicksEachColourOfARealWindowWithAnyButton) {
  const char* buttons[] = {"1", "3", "2", "1"};
  for (int q = 0; q < 4; ++q) {
    SCOPED_TRACE(q);
    const QPoint placed = window->pos();
    StartWithAction();
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(WaitOpened());
    // The cover shows the whole desktop, at its place.
    EXPECT_EQ(picker->Cover()->geometry(), QGuiApplication::primaryScreen()->virtualGeometry());
    ASSERT_TRUE(PointerTo(QuadrantCentre(q)));
    EXPECT_EQ(picker->Magnifier()->View().pixel(kMagnifierSize / 2, kMagnifierSize / 2), kQuadrants[q]);
    if (q == 0) {
      // What the user sees: the magnifier stands above the cover, showing its view.
      const QWidget* view = picker->Magnifier()->findChild<QWidget*>(QStringLiteral("imgScr"));
      ASSERT_NE(view, nullptr);
      const QPoint origin = view->mapToGlobal(QPoint(0, 0));
      ASSERT_TRUE(QTest::qWaitFor(
          [&] {
            const QImage seen = QGuiApplication::primaryScreen()
                                    ->grabWindow(0, origin.x(), origin.y(), kMagnifierSize, kMagnifierSize)
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            return ShareAlike(SampledBack(seen, kMagnifierSize), picker->Magnifier()->View()) > 0.97;
          },
          5000));
    }
    ASSERT_TRUE(Xdotool({"click", QString::fromLatin1(buttons[q])}));
    ASSERT_TRUE(WaitClosed());
    EXPECT_EQ(ToQRgb(Base()), kQuadrants[q]);
    EXPECT_EQ(NewestInHistory(), FromQRgb(kQuadrants[q]));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->pos(), placed);
  }
}

TEST_F(ScreenPickXvfbTest, EscLeavesBaseColourAndHistoryAndTheWindowInPlace) {
  const int history = Workspace().History().Count();
  const QPoint placed = window->pos();
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  ASSERT_TRUE(PointerTo(QuadrantCentre(1)));
  ASSERT_TRUE(Key("Escape"));
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
  EXPECT_EQ(Workspace().History().Count(), history);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(window->pos(), placed);

  // And a second start works as the first.
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  ASSERT_TRUE(PointerTo(QuadrantCentre(2)));
  ASSERT_TRUE(Xdotool({"click", "1"}));
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(ToQRgb(Base()), kQuadrants[2]);
}

TEST_F(ScreenPickXvfbTest, TheMagnifierStepsAsideFromThePointer) {
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(picker->Magnifier()));
  const auto magnifierPlace = [this] { return picker->Magnifier()->frameGeometry(); };
  const QRect before = magnifierPlace();
  const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
  const QPoint over = (QPointF(before.center()) * ratio).toPoint();
  ASSERT_TRUE(Xdotool({"mousemove", QString::number(over.x()), QString::number(over.y())}));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !magnifierPlace().contains(before.center()); }, 5000));
  EXPECT_GT(magnifierPlace().x(), QGuiApplication::primaryScreen()->geometry().center().x());
  ASSERT_TRUE(Key("Escape"));
  ASSERT_TRUE(WaitClosed());
}

TEST_F(ScreenPickXvfbTest, ZoomKeysAndWheelStopAtTheLimits) {
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  // Near the border of two quadrants (3 or 4 picture pixels away, whatever the scale), so the view shows both
  // and the zoom changes how much.
  const int away = qRound(3 / QGuiApplication::primaryScreen()->devicePixelRatio());
  const QPoint border = QuadrantCentre(0) + QPoint(100 - away, 0);
  ASSERT_TRUE(PointerTo(border));
  for (int i = 0; i < 9; ++i) ASSERT_TRUE(Key("plus"));
  EXPECT_EQ(picker->Zoom(), kMaxPickZoom);
  // At 7 a picture pixel is 14 view pixels wide: the border is 42 or 56 view pixels right of the centre.
  const QImage atSeven = picker->Magnifier()->View();
  EXPECT_EQ(atSeven.pixel(91 + 30, 60), kQuadrants[0]);
  EXPECT_EQ(atSeven.pixel(91 + 60, 60), kQuadrants[1]);
  ASSERT_TRUE(Xdotool({"click", "--repeat", "2", "4"}));
  QTest::qWait(100);
  EXPECT_EQ(picker->Zoom(), kMaxPickZoom);
  ASSERT_TRUE(Xdotool({"click", "--repeat", "9", "--delay", "20", "5"}));
  EXPECT_TRUE(QTest::qWaitFor([this] { return picker->Zoom() == kMinPickZoom; }, 3000));
  ASSERT_TRUE(Key("minus"));
  EXPECT_EQ(picker->Zoom(), kMinPickZoom);
  const QImage atOne = picker->Magnifier()->View();
  EXPECT_EQ(atOne.pixel(91 + 30, 60), kQuadrants[1]);  // at 1 the border is 6 or 8 view pixels away
  ASSERT_TRUE(Key("Escape"));
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(window->Options().ScreenPickerZoom, kMinPickZoom);
}

}  // namespace
}  // namespace tintorium
