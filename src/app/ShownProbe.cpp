#include "app/ShownProbe.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace tintorium {

TShownProbe::TShownProbe(QWidget& window) : QObject(&window) {
  if (QWindow* handle = window.windowHandle()) handle->installEventFilter(this);
}

bool TShownProbe::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
    std::puts("shown");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    std::_Exit(0);  // nothing is written back: a measured start leaves no trace
  }
  return false;
}

}  // namespace tintorium
