#include "ui/screenpick/ScreenPicker.h"

#include "ui/actions/MainActions.h"
#include "core/ColorModels.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/language/MessageSeam.h"
#include "engine/language/Messages.h"
#include "ui/screenpick/CaptureScreenSource.h"
#include "ui/screenpick/DesktopPickDialog.h"
#include "ui/screenpick/DesktopShadowForm.h"
#include "engine/screenpick/MagnifierView.h"
#include "ui/screenpick/PortalScreenSource.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tintorium {
namespace {

const TColorObject kWhite(0xFFFFFF, cmRGB);

bool IsWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

TScreenPicker::TScreenPicker(TWorkspace& workspace, QWidget* mainWindow, QObject* parent)
    : QObject(parent), workspace_(workspace), mainWindow_(mainWindow) {
  hideTimer_.setSingleShot(true);
  hideTimer_.setInterval(500);
  connect(&hideTimer_, &QTimer::timeout, this, &TScreenPicker::HiddenWaitOver);
}

TScreenPicker::~TScreenPicker() {
  delete magnifier_;
  delete cover_;
}

void TScreenPicker::AttachAction(QAction* action) {
  if (action) connect(action, &QAction::triggered, this, &TScreenPicker::Start);
}

void TScreenPicker::UpdateActions(TMainActions& actions) { actions.actToolsScreenPick->setEnabled(true); }

void TScreenPicker::StartFor(std::function<void(TColor)> deliver) {
  if (open_) return;
  Start();
  deliver_ = std::move(deliver);
}

void TScreenPicker::Start() {
  if (open_) return;
  deliver_ = nullptr;
  open_ = true;
  hasPosition_ = false;
  picked_ = kWhite;
  portalTried_ = false;
  route_ = ChooseScreenPickRoute(QGuiApplication::platformName(), qgetenv(kScreenPickRouteVariable),
                                 !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
  mainWasVisible_ = mainWindow_ && mainWindow_->isVisible();
  if (mainWindow_) {
    mainPosition_ = mainWindow_->pos();
    mainWindow_->hide();
  }
  hideTimer_.start();
}

// The desktop behind the main window needs a moment to repaint before it is read.
void TScreenPicker::HiddenWaitOver() {
  if (!open_) return;
  if (mainWindow_ && mainWindow_->isVisible()) {
    mainWindow_->hide();
    hideTimer_.start();
    return;
  }
  ReadScreen(route_);
}

void TScreenPicker::ReadScreen(TScreenPickRoute route) {
  if (source_) source_->deleteLater();
  route_ = route;
  if (route == TScreenPickRoute::Capture) {
    source_ = new TCaptureScreenSource(this);
  } else {
    source_ = new TPortalScreenSource(portalBus_ ? *portalBus_ : QDBusConnection::sessionBus(), this);
    portalTried_ = true;
  }
  connect(source_, &TScreenSource::Frozen, this, &TScreenPicker::ShowPicture);
  connect(source_, &TScreenSource::Picked, this, [this](const QColor& color) {
    ApplyColor(color);
    Finish();
  });
  connect(source_, &TScreenSource::Cancelled, this, &TScreenPicker::Finish);
  connect(source_, &TScreenSource::Unavailable, this, [this, route] {
    // A display that cannot be read directly may still have a portal, and the other way round.
    if (route == TScreenPickRoute::Capture && !portalTried_)
      ReadScreen(TScreenPickRoute::Portal);
    else if (route == TScreenPickRoute::PortalThenCapture)
      ReadScreen(TScreenPickRoute::Capture);
    else
      ScreenUnavailable();
  });
  source_->Start();
}

void TScreenPicker::ShowPicture(const TFrozenScreen& screen) {
  if (!open_ || cover_) return;
  cover_ = new TDesktopShadowForm(screen);
  connect(cover_, &TDesktopShadowForm::PointerMoved, this, &TScreenPicker::MoveTo);
  connect(cover_, &TDesktopShadowForm::PickRequested, this, &TScreenPicker::Pick);
  connect(cover_, &TDesktopShadowForm::KeyPressed, this, &TScreenPicker::KeyPressed);
  connect(cover_, &TDesktopShadowForm::WheelTurned, this, &TScreenPicker::WheelTurned);
  // Wayland windows cannot place themselves: the cover fills the screen the main window was on.
  if (IsWayland())
    cover_->CoverScreen(mainWindow_ ? mainWindow_->screen() : QGuiApplication::primaryScreen());
  else
    cover_->Cover(screen.geometry);
  CreateMagnifier();
  if (const auto pixel = screen.PixelAt(QCursor::pos())) MoveTo(*pixel);
  emit Opened();
}

void TScreenPicker::CreateMagnifier() {
  // Transient for the cover, so the window manager keeps it above the cover, which stays on top itself.
  magnifier_ = new TDesktopPickDialog(cover_);
  connect(magnifier_, &TDesktopPickDialog::KeyPressed, this, &TScreenPicker::KeyPressed);
  connect(magnifier_, &TDesktopPickDialog::WheelTurned, this, &TScreenPicker::WheelTurned);
  connect(magnifier_, &TDesktopPickDialog::CloseRequested, this, &TScreenPicker::Close);
  // Over the magnifier the pointer reaches it, not the cover: it steps aside to the other corner.
  connect(magnifier_, &TDesktopPickDialog::PointerEntered, this, &TScreenPicker::PlaceMagnifier);
  magnifier_->adjustSize();
  PlaceMagnifier();
  magnifier_->show();
  magnifier_->raise();
}

void TScreenPicker::MoveTo(const QPoint& pixel) {
  if (!cover_) return;
  const QImage& picture = cover_->Screen().image;
  if (!picture.rect().contains(pixel)) return;
  position_ = pixel;
  hasPosition_ = true;
  picked_.SetRGB(RGBValuesFromQRgb(picture.pixel(pixel)));
  Redraw();
}

void TScreenPicker::PlaceMagnifier() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!magnifier_ || !screen) return;
  magnifier_->move(MagnifierPlace(screen->availableGeometry(), magnifier_->frameGeometry().size(), QCursor::pos()));
}

void TScreenPicker::Pick(const QPoint& pixel) {
  MoveTo(pixel);
  // Whatever happens while the colour is handed on, the picker ends and the main window comes back.
  struct TFinishAfter {
    TScreenPicker* picker;
    ~TFinishAfter() { picker->Finish(); }
  } finish{this};
  if (hasPosition_) ApplyColor(ToQColor(RGBValuesToColor(picked_.GetRGB())));
}

void TScreenPicker::KeyPressed(int key, const QString& text) {
  if (key == Qt::Key_Escape) {
    Close();
    return;
  }
  if (key == Qt::Key_Plus || text == QLatin1String("+"))
    zoom_ = ZoomIn(zoom_);
  else if (key == Qt::Key_Minus || text == QLatin1String("-"))
    zoom_ = ZoomOut(zoom_);
  Redraw();
}

void TScreenPicker::WheelTurned(int delta) {
  zoom_ = WheelZoom(zoom_, delta);
  Redraw();
}

void TScreenPicker::Redraw() {
  if (!cover_ || !magnifier_ || !hasPosition_) return;
  const QRgb color = ToQRgb(picked_.GetRGB());
  magnifier_->ShowImages(RenderMagnifierView(cover_->Screen().image, position_, zoom_, color),
                         RenderMagnifierInfo(picked_, Message(sScreenPickTip)));
}

void TScreenPicker::ApplyColor(const QColor& color) {
  if (deliver_) {
    // Moved out first: the receiver may start another pick.
    const std::function<void(TColor)> deliver = std::move(deliver_);
    deliver_ = nullptr;
    deliver(RGBValuesToColor(RGBValuesFromQRgb(color.rgb())));
    return;
  }
  TColorObject& base = workspace_.BaseColor();
  base.SetRGB(RGBValuesFromQRgb(color.rgb()));
  workspace_.BaseColorChanged(cover_ ? static_cast<QObject*>(cover_) : this, cmRGB, true, false);
}

void TScreenPicker::ScreenUnavailable() {
  Finish();
  ShowMessageBox(Message(sScreenPickUnavailable), mfWarning);
}

void TScreenPicker::Close() { Finish(); }

void TScreenPicker::Finish() {
  if (!open_) return;
  open_ = false;
  deliver_ = nullptr;
  hideTimer_.stop();
  if (source_) {
    source_->disconnect(this);
    source_->deleteLater();  // it may be the one emitting now
    source_ = nullptr;
  }
  if (magnifier_) {
    magnifier_->hide();
    magnifier_->deleteLater();
    magnifier_ = nullptr;
  }
  if (cover_) {
    cover_->releaseKeyboard();
    cover_->hide();
    cover_->deleteLater();
    cover_ = nullptr;
  }
  RestoreMainWindow();
  emit Closed();
}

void TScreenPicker::RestoreMainWindow() {
  if (!mainWindow_ || !mainWasVisible_) return;
  if (!mainWindow_->isMaximized() && !mainWindow_->isFullScreen()) mainWindow_->move(mainPosition_);
  mainWindow_->show();
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

}  // namespace tintorium
