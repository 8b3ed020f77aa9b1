#pragma once
// How the screen is read, chosen when the picker starts.

#include <QByteArray>
#include <QString>

namespace tintorium {

enum class TScreenPickRoute {
  Capture,  // the windowing system lets us read the screen (X11): capture it ourselves
  Portal,   // it does not (Wayland): ask the desktop portal for a screenshot, or to pick the colour itself
};

/// The environment variable that overrides the choice: "portal" or "capture" (anything else is ignored).
inline constexpr const char* kScreenPickRouteVariable = "TINTORIUM_SCREEN_PICK";

/// Portal on Wayland platforms ("wayland", "wayland-egl", ...), capture on every other; `forced` (the value of
/// kScreenPickRouteVariable) wins when it names a route.
TScreenPickRoute ChooseScreenPickRoute(const QString& platformName, const QByteArray& forced);

}  // namespace tintorium
