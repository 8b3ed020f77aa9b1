// A box shown through the seam must be seen above a stay-on-top main window, not hidden behind it with the
// window blocked. Stacking is the window manager's, so this runs on an X display with one and skips elsewhere.
#include "ui/language/MessageSeam.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace tintorium {
namespace {

const QColor kMainColour(255, 0, 255);

/// The share (0-1) of the screen inside `rect` that shows the main window's colour.
double ShareOfMainWindow(const QRect& rect) {
  const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, rect.x(), rect.y(), rect.width(),
                                                                    rect.height()).toImage();
  if (shot.isNull() || shot.width() * shot.height() == 0) return 1.0;
  int hits = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) hits += QColor(shot.pixel(x, y)) == kMainColour ? 1 : 0;
  }
  return double(hits) / (shot.width() * shot.height());
}

/// Shows an error box through the real seam; returns how much of it the main window covered once it settled.
double CoveredShareOfNextBox() {
  double covered = -1;
  int settledTicks = 0;
  QTimer poll;
  poll.setInterval(50);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    if (++settledTicks < 10) return;  // half a second for the window manager to map and stack it
    covered = ShareOfMainWindow(box->geometry().adjusted(4, 4, -4, -4));
    box->done(QMessageBox::Ok);
  });
  poll.start();
  Dialogs().ShowMessageBox(QStringLiteral("Could not read file!"), mfError);
  return covered;
}

/// The window manager may still be starting, and would neither frame nor activate a window mapped before it
/// ran; a fresh probe window each time shows when it manages new ones.
bool WaitForWindowManager() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    QWidget probe;
    probe.resize(50, 50);
    probe.show();
    if (QTest::qWaitFor([&probe] { return probe.frameGeometry() != probe.geometry(); }, 200)) return true;
  }
  return false;
}

class MessageStackingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    ASSERT_TRUE(WaitForWindowManager()) << "no window manager on the display";
    QPalette colours = main.palette();
    colours.setColor(QPalette::Window, kMainColour);
    main.setPalette(colours);
    main.setAutoFillBackground(true);
    main.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(40, 60, -40, -40));
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  }

  QMainWindow main;
  QWindow other;  // stands for another program's window
};

TEST_F(MessageStackingTest, AnErrorBoxShowsAboveTheStayOnTopWindow) {
  struct Case {
    const char* what;
    std::function<void(QMainWindow&)> before;
  };
  const Case cases[] = {
      {"while the window is active", [](QMainWindow&) {}},
      // A native chooser is no widget: once it closes no widget is active until the window manager says so.
      {"right after a native chooser closed",
       [](QMainWindow&) {
         QWindow chooser;
         chooser.setGeometry(60, 80, 300, 200);
         chooser.show();
         chooser.requestActivate();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&chooser));
       }},
      {"while another program's window has the focus",
       [this](QMainWindow&) {
         other.setGeometry(60, 80, 200, 100);
         other.show();
         other.requestActivate();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
       }},
  };
  for (const Case& c : cases) {
    c.before(main);
    const double covered = CoveredShareOfNextBox();
    ASSERT_GE(covered, 0.0) << c.what << ": no box was shown";
    EXPECT_LT(covered, 0.05) << c.what << ": the box is behind the main window";
    other.hide();
    main.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
  }
}

}  // namespace
}  // namespace tintorium
