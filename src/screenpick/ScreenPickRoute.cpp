#include "screenpick/ScreenPickRoute.h"

namespace tintorium {

TScreenPickRoute ChooseScreenPickRoute(const QString& platformName, const QByteArray& forced) {
  const QByteArray choice = forced.trimmed().toLower();
  if (choice == "portal") return TScreenPickRoute::Portal;
  if (choice == "capture") return TScreenPickRoute::Capture;
  return platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive) ? TScreenPickRoute::Portal
                                                                                  : TScreenPickRoute::Capture;
}

}  // namespace tintorium
