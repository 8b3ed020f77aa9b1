#pragma once
// How the screen is read, chosen when the picker starts.

#include <QByteArray>
#include <QString>

namespace tintorium {

enum class TScreenPickRoute {
  Capture,            // the windowing system lets us read the screen (X11): capture it ourselves
  Portal,             // it does not (Wayland): ask the desktop portal for a screenshot, or to pick the colour itself
  PortalThenCapture,  // X11 inside a Wayland session: a capture would see only X11 windows (the others black),
                      // so the portal first, and the capture only where no portal answers
};

/// The environment variable that overrides the choice: "portal" or "capture" (anything else is ignored).
inline constexpr const char* kScreenPickRouteVariable = "TINTORIUM_SCREEN_PICK";

/// Portal on Wayland platforms ("wayland", "wayland-egl", ...); PortalThenCapture on another platform inside a
/// Wayland session (`waylandSession`: WAYLAND_DISPLAY is set); Capture otherwise. `forced` (the value of
/// kScreenPickRouteVariable) wins when it names a route.
TScreenPickRoute ChooseScreenPickRoute(const QString& platformName, const QByteArray& forced, bool waylandSession);

}  // namespace tintorium
