#pragma once
// The cover window: the frozen desktop shown over the live one, borderless and on top, with a crosshair pointer.
// It reports what the user does over it; the picker decides what that means.

#include "engine/screenpick/FrozenScreen.h"

#include <QWidget>

namespace tintorium {

class TDesktopShadowForm final : public QWidget {
  Q_OBJECT

 public:
  /// Shows `screen`; Cover() places the window over the desktop rectangle `area`.
  explicit TDesktopShadowForm(const TFrozenScreen& screen, QWidget* parent = nullptr);

  const TFrozenScreen& Screen() const { return screen_; }
  /// Shows the window over `area` (logical desktop coordinates), on top, and takes the keyboard.
  void Cover(const QRect& area);
  /// Shows the window full screen on `screen` (where windows cannot place themselves, as on Wayland).
  void CoverScreen(QScreen* screen);

 signals:
  /// The pointer moved onto the picture pixel `pixel`.
  void PointerMoved(const QPoint& pixel);
  /// A mouse button was released over the picture pixel `pixel`.
  void PickRequested(const QPoint& pixel);
  /// A key was pressed (`text` as typed, for "+" and "-" on any keyboard layout).
  void KeyPressed(int key, const QString& text);
  void WheelTurned(int delta);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  TFrozenScreen screen_;
};

}  // namespace tintorium
