// The picker's portal route against stand-in portals on a private session bus: a screenshot frozen under the
// cover and magnifier, a refused screenshot answered by the portal's own PickColor, a cancelled pick, answers
// that cannot be believed, and no portal at all. Also where the zoom, Esc and a second start behave the same
// on any route.
#include "core/ColorModels.h"
#include "engine/language/Messages.h"
#include "ui/screenpick/DesktopPickDialog.h"
#include "ui/screenpick/DesktopShadowForm.h"
#include "engine/screenpick/MagnifierView.h"
#include "engine/screenpick/ScreenPickRoute.h"
#include "support/ScriptedDialogs.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ScreenPickTestSupport.h"

#include <QAction>
#include <QDBusConnection>
#include <QPushButton>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QWheelEvent>

namespace tintorium {
namespace {

const QString kPortalName = QStringLiteral("org.freedesktop.portal.Desktop");

// One private bus for the whole run: nothing here may reach the desktop's own portal.
class PrivateBus {
 public:
  static PrivateBus& Instance() {
    static PrivateBus bus;
    return bus;
  }
  bool Up() const { return connection_.isConnected(); }
  const QString& Address() const { return address_; }
  QDBusConnection Connection() const { return connection_; }

 private:
  PrivateBus() : connection_(QStringLiteral("none")) {
    daemon_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    if (!daemon_.waitForStarted(5000) || !daemon_.waitForReadyRead(5000)) return;
    address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
    connection_ = QDBusConnection::connectToBus(address_, QStringLiteral("picker-test-bus"));
  }
  ~PrivateBus() {
    QDBusConnection::disconnectFromBus(QStringLiteral("picker-test-bus"));
    daemon_.kill();
    daemon_.waitForFinished(2000);
  }
  QProcess daemon_;
  QString address_;
  QDBusConnection connection_;
};

class PortalPickTest : public test::ScreenPickWindowTest {
 protected:
  void SetUp() override {
    if (!PrivateBus::Instance().Up()) GTEST_SKIP() << "dbus-daemon cannot start a private session bus";
    oldRoute = qgetenv(kScreenPickRouteVariable);
    qputenv(kScreenPickRouteVariable, "portal");
    ScreenPickWindowTest::SetUp();
    picker->SetPortalBus(PrivateBus::Instance().Connection());
    Workspace().BaseColor().SetColor(0x123456, cmRGB);
    Workspace().BaseColorChanged(nullptr, cmRGB, true, false);
  }
  void TearDown() override {
    StopPortal();
    ScreenPickWindowTest::TearDown();
    qputenv(kScreenPickRouteVariable, oldRoute);
  }

  /// Starts a stand-in portal with `args` (see FakePortal.cpp) and waits until it owns the portal's name.
  void StartPortal(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), PrivateBus::Instance().Address());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    portal.setProcessEnvironment(env);
    portal.start(QStringLiteral(TINTORIUM_FAKE_PORTAL), args);
    ASSERT_TRUE(portal.waitForStarted(5000));
    ASSERT_TRUE(portal.waitForReadyRead(5000));
    ASSERT_EQ(portal.readLine().trimmed(), "ready");
  }
  void StopPortal() {
    if (portal.state() == QProcess::NotRunning) return;
    portal.kill();
    portal.waitForFinished(2000);
    QDBusConnectionInterface* names = PrivateBus::Instance().Connection().interface();
    EXPECT_TRUE(QTest::qWaitFor([names] { return !names->isServiceRegistered(kPortalName).value(); }, 5000));
  }
  /// The calls the stand-in received, one line each ("Screenshot interactive=0").
  QStringList PortalCalls() {
    portal.waitForReadyRead(200);
    return QString::fromLocal8Bit(portal.readAll()).split(u'\n', Qt::SkipEmptyParts);
  }

  /// A desktop picture of `scale` times the screen's size: four quadrants of known colours.
  QString WriteDesktopPicture(double scale) {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    QImage picture((QSizeF(desktop.size()) * scale).toSize(), QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    QPainter painter(&picture);
    painter.fillRect(0, 0, w / 2, h / 2, QColor(200, 30, 40));
    painter.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(20, 160, 60));
    painter.fillRect(0, h / 2, w / 2, h - h / 2, QColor(30, 60, 210));
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(250, 250, 10));
    painter.end();
    const QString path = folder.filePath(QStringLiteral("desktop.png"));
    EXPECT_TRUE(picture.save(path));
    return path;
  }

  QPoint CoverPointAt(double fx, double fy) {
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    return picker->Cover()->mapFromGlobal(
        QPoint(desktop.x() + int(desktop.width() * fx), desktop.y() + int(desktop.height() * fy)));
  }

  QByteArray oldRoute;
  QProcess portal;
  test::TScriptedDialogs dialogs;
};

struct TPickCase {
  double scale;         // the screenshot's pixels per screen pixel
  double fx, fy;        // where on the screen the pick is, as a share of its width and height
  Qt::MouseButton button;
  TRGBValues expected;
};

class PortalScreenshotPickTest : public PortalPickTest, public ::testing::WithParamInterface<TPickCase> {};

TEST_P(PortalScreenshotPickTest, PicksThePixelOfTheFrozenScreenshotAndRecordsIt) {
  const TPickCase& c = GetParam();
  StartPortal({"screenshot", WriteDesktopPicture(c.scale)});
  const QPoint placed = window->pos();
  StartWithAction();
  EXPECT_FALSE(window->isVisible());
  ASSERT_TRUE(WaitOpened());
  EXPECT_EQ(PortalCalls(), QStringList{"Screenshot interactive=0"});
  ASSERT_NE(picker->Magnifier(), nullptr);
  EXPECT_TRUE(picker->Magnifier()->isVisible());

  const QPoint at = CoverPointAt(c.fx, c.fy);
  QTest::mouseMove(picker->Cover(), at);
  QTest::qWait(20);
  // The magnifier shows the colour under the pointer in its centre dot and its swatch.
  const QRgb expected = qRgb(c.expected.R, c.expected.G, c.expected.B);
  EXPECT_EQ(picker->Magnifier()->View().pixel(kMagnifierSize / 2, kMagnifierSize / 2), expected);
  EXPECT_EQ(picker->Magnifier()->Info().pixel(18, 18), expected);

  QTest::mouseClick(picker->Cover(), c.button, Qt::NoModifier, at);
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), c.expected);
  EXPECT_EQ(Workspace().BaseColor().Model(), cmRGB);
  EXPECT_EQ(NewestInHistory(), RGBValuesToColor(c.expected));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->pos(), placed);
  EXPECT_EQ(picker->Cover(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PortalScreenshotPickTest,
                         ::testing::Values(TPickCase{1.0, 0.25, 0.25, Qt::LeftButton, {200, 30, 40}},
                                           TPickCase{1.0, 0.75, 0.25, Qt::RightButton, {20, 160, 60}},
                                           TPickCase{2.0, 0.25, 0.75, Qt::MiddleButton, {30, 60, 210}},
                                           TPickCase{2.0, 0.9, 0.9, Qt::LeftButton, {250, 250, 10}}));

// The contrast analyser's "Pick from screen" runs the same picker, and the pick goes to its swatch, never to the
// base colour or its history.
TEST_F(PortalPickTest, TheAnalysersPickGoesToItsSwatchNotToTheBaseColour) {
  StartPortal({"screenshot", WriteDesktopPicture(1.0)});
  window->Actions().actToolsContrastTest->trigger();
  auto* form = window->findChild<TContrastAnalyzeForm*>();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  ASSERT_TRUE(form->PickBackButton()->isEnabled());
  const int history = Workspace().History().Count();
  QTest::mouseClick(form->PickBackButton(), Qt::LeftButton);
  ASSERT_TRUE(WaitOpened());
  const QPoint at = CoverPointAt(0.75, 0.25);
  QTest::mouseMove(picker->Cover(), at);
  QTest::mouseClick(picker->Cover(), Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(form->BackColor(), RGBValuesToColor({20, 160, 60}));
  EXPECT_EQ(form->Result().Ratio, MeasureContrast(form->BackColor(), form->TextColor()).Ratio) << "and is measured";
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
  EXPECT_EQ(Workspace().History().Count(), history);
  // The next pick from the main window's command sets the base colour again.
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  QTest::mouseClick(picker->Cover(), Qt::LeftButton, Qt::NoModifier, CoverPointAt(0.25, 0.25));
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), (TRGBValues{200, 30, 40}));
  EXPECT_EQ(form->BackColor(), RGBValuesToColor({20, 160, 60}));
  form->close();
}

TEST_F(PortalPickTest, ARefusedScreenshotFallsBackToThePortalsOwnPicker) {
  StartPortal({"refuse", "12", "200", "99"});
  StartWithAction();
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(PortalCalls(), (QStringList{"Screenshot interactive=0", "PickColor interactive=1"}));
  EXPECT_EQ(Base(), (TRGBValues{12, 200, 99}));
  EXPECT_EQ(NewestInHistory(), RGBValuesToColor({12, 200, 99}));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PortalPickTest, ACancelledPortalPickChangesNothing) {
  StartPortal({"cancel"});
  const int history = Workspace().History().Count();
  StartWithAction();
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
  EXPECT_EQ(Workspace().History().Count(), history);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(dialogs.messages.empty());
}

// A screenshot file that is no picture is not believed, nor a colour of the wrong type: the user is told.
TEST_F(PortalPickTest, AnswersThatCannotBeBelievedEndInTheMessage) {
  StartPortal({"garbage"});
  StartWithAction();
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(PortalCalls(), (QStringList{"Screenshot interactive=0", "PickColor interactive=1"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, Message(sScreenPickUnavailable));
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
}

TEST_F(PortalPickTest, WithoutAPortalTheUserIsToldWhatIsMissing) {
  StartWithAction();
  ASSERT_TRUE(WaitClosed());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, Message(sScreenPickUnavailable));
  EXPECT_TRUE(dialogs.messages[0].text.contains(QLatin1String("X11")));
  EXPECT_EQ(dialogs.messages[0].flags, int(mfWarning));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
}

// An X11 program inside a Wayland session: the portal first, since a capture would miss the Wayland windows; the
// capture only when no portal answers.
// Sets an environment variable for one scope.
class TEnvironmentValue {
 public:
  TEnvironmentValue(const char* name, const QByteArray& value)
      : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~TEnvironmentValue() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

TEST_F(PortalPickTest, InsideAWaylandSessionThePortalComesFirstAndTheCaptureAfterIt) {
  const TEnvironmentValue notForced(kScreenPickRouteVariable, QByteArray());
  const TEnvironmentValue wayland("WAYLAND_DISPLAY", "wayland-test");
  StartPortal({"screenshot", WriteDesktopPicture(1.0)});
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  EXPECT_EQ(PortalCalls(), QStringList{"Screenshot interactive=0"});
  QTest::keyClick(picker->Cover(), Qt::Key_Escape);
  ASSERT_TRUE(WaitClosed());

  StopPortal();
  StartWithAction();
  ASSERT_TRUE(WaitOpened());  // captured: the offscreen screen can be read
  EXPECT_TRUE(dialogs.messages.empty());
  QTest::keyClick(picker->Cover(), Qt::Key_Escape);
  ASSERT_TRUE(WaitClosed());
}

TEST_F(PortalPickTest, EscLeavesBaseAndHistoryAndASecondStartWorks) {
  StartPortal({"screenshot", WriteDesktopPicture(1.0)});
  const int history = Workspace().History().Count();
  StartWithAction();
  // The wait for the desktop to repaint is a timer: the start returns at once, the window hidden.
  EXPECT_TRUE(picker->IsOpen());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(picker->Cover(), nullptr);
  ASSERT_TRUE(WaitOpened());
  QTest::mouseMove(picker->Cover(), CoverPointAt(0.25, 0.25));
  TDesktopShadowForm* const cover = picker->Cover();
  picker->Start();  // while open: nothing happens
  EXPECT_EQ(picker->Cover(), cover);
  QTest::keyClick(picker->Cover(), Qt::Key_Escape);
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
  EXPECT_EQ(Workspace().History().Count(), history);
  EXPECT_TRUE(window->isVisible());

  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  const QPoint at = CoverPointAt(0.75, 0.75);
  QTest::mouseMove(picker->Cover(), at);
  QTest::mouseClick(picker->Cover(), Qt::LeftButton, Qt::NoModifier, at);
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), (TRGBValues{250, 250, 10}));
  EXPECT_EQ(Workspace().History().Count(), history + 1);
}

void Wheel(QWidget* target, int delta) {
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
}

TEST_F(PortalPickTest, ZoomStopsAtItsLimitsAndIsKeptInTheOptions) {
  StartPortal({"screenshot", WriteDesktopPicture(1.0)});
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  QTest::mouseMove(picker->Cover(), CoverPointAt(0.5, 0.5));
  for (int i = 0; i < 9; ++i) QTest::keyClick(picker->Cover(), Qt::Key_Plus);
  EXPECT_EQ(picker->Zoom(), kMaxPickZoom);
  const QImage atSeven = picker->Magnifier()->View();
  // At 7 the view shows 13 × 13 pixels around the centre: across the middle, each colour is 14 pixels wide.
  EXPECT_EQ(atSeven, RenderMagnifierView(picker->Cover()->Screen().image, picker->Position(), 7,
                                         atSeven.pixel(kMagnifierSize / 2, kMagnifierSize / 2)));
  Wheel(picker->Magnifier(), 120);
  EXPECT_EQ(picker->Zoom(), kMaxPickZoom);
  for (int i = 0; i < 9; ++i) Wheel(picker->Cover(), -120);
  EXPECT_EQ(picker->Zoom(), kMinPickZoom);
  QTest::keyClick(picker->Magnifier(), Qt::Key_Minus);
  EXPECT_EQ(picker->Zoom(), kMinPickZoom);
  QTest::keyClick(picker->Cover(), Qt::Key_Plus);
  QTest::keyClick(picker->Cover(), Qt::Key_Plus);
  QTest::keyClick(picker->Cover(), Qt::Key_Escape);
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(window->Options().ScreenPickerZoom, 3);
}

TEST_F(PortalPickTest, TheMagnifiersCloseButtonEndsThePickerWithoutAChange) {
  StartPortal({"screenshot", WriteDesktopPicture(1.0)});
  StartWithAction();
  ASSERT_TRUE(WaitOpened());
  QTest::mouseMove(picker->Cover(), CoverPointAt(0.25, 0.25));
  picker->Magnifier()->close();
  ASSERT_TRUE(WaitClosed());
  EXPECT_EQ(Base(), (TRGBValues{0x56, 0x34, 0x12}));
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace tintorium
