#include "engine/screenpick/ScreenPickRoute.h"

namespace tintorium {

TScreenPickRoute ChooseScreenPickRoute(const QString& platformName, const QByteArray& forced, bool waylandSession) {
  const QByteArray choice = forced.trimmed().toLower();
  if (choice == "portal") return TScreenPickRoute::Portal;
  if (choice == "capture") return TScreenPickRoute::Capture;
  if (platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive)) return TScreenPickRoute::Portal;
  return waylandSession ? TScreenPickRoute::PortalThenCapture : TScreenPickRoute::Capture;
}

}  // namespace tintorium
