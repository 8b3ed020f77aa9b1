#include "ui/screenpick/DesktopShadowForm.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

namespace tintorium {

TDesktopShadowForm::TDesktopShadowForm(const TFrozenScreen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), screen_(screen) {
  setObjectName(QStringLiteral("DesktopShadowForm"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void TDesktopShadowForm::Cover(const QRect& area) {
  setGeometry(area);
  show();
  raise();
  activateWindow();
}

void TDesktopShadowForm::CoverScreen(QScreen* screen) {
  if (screen) {
    setGeometry(screen->geometry());
    if (QWindow* window = windowHandle()) window->setScreen(screen);
  }
  showFullScreen();
  raise();
  activateWindow();
}

void TDesktopShadowForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  setFocus(Qt::ActiveWindowFocusReason);
  // Once mapped, keys come here even where the window manager gives focus elsewhere: Esc must always end it.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) grabKeyboard();
  });
}

void TDesktopShadowForm::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRect shown(mapToGlobal(QPoint(0, 0)), size());
  const QRect source = screen_.SourceRect(shown);
  painter.fillRect(event->rect(), Qt::black);
  if (source.isEmpty()) return;
  const QRectF target(QPointF((source.x() / screen_.ScaleX()) + screen_.geometry.x() - shown.x(),
                              (source.y() / screen_.ScaleY()) + screen_.geometry.y() - shown.y()),
                      QSizeF(source.width() / screen_.ScaleX(), source.height() / screen_.ScaleY()));
  painter.drawImage(target, screen_.image, source);
}

void TDesktopShadowForm::mouseMoveEvent(QMouseEvent* event) {
  if (const auto pixel = screen_.PixelAt(event->globalPosition())) emit PointerMoved(*pixel);
}

void TDesktopShadowForm::mouseReleaseEvent(QMouseEvent* event) {
  if (const auto pixel = screen_.PixelAt(event->globalPosition())) emit PickRequested(*pixel);
}

void TDesktopShadowForm::keyPressEvent(QKeyEvent* event) { emit KeyPressed(event->key(), event->text()); }

void TDesktopShadowForm::wheelEvent(QWheelEvent* event) {
  const QPoint steps = event->angleDelta();
  const int delta = steps.y() != 0 ? steps.y() : steps.x();
  if (delta != 0) emit WheelTurned(delta);
  event->accept();
}

}  // namespace tintorium
