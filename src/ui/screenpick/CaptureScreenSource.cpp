#include "ui/screenpick/CaptureScreenSource.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace tintorium {

void TCaptureScreenSource::Start() {
  QTimer::singleShot(0, this, [this] {
    const TFrozenScreen desktop = CaptureDesktop();
    if (desktop.IsNull())
      emit Unavailable();
    else
      emit Frozen(desktop);
  });
}

TFrozenScreen TCaptureScreenSource::CaptureDesktop() {
  std::vector<TScreenShot> shots;
  for (QScreen* screen : QGuiApplication::screens()) {
    // Window 0 is the whole screen; the pixmap comes in device pixels.
    const QPixmap pixmap = screen->grabWindow(0);
    if (!pixmap.isNull()) shots.push_back({pixmap.toImage(), screen->geometry()});
  }
  return ComposeDesktop(shots);
}

}  // namespace tintorium
