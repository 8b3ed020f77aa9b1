#include "ui/palette/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tintorium {

void CenterOnScreen(QWidget& window) {
  QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

}  // namespace tintorium
