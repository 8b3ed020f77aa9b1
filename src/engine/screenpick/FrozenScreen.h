#pragma once
// A still picture of the desktop and the desktop rectangle it shows, so a pointer position (in Qt's logical
// desktop coordinates) finds its pixel whatever the device pixel ratio or the picture's own scale.

#include <QImage>
#include <QPointF>
#include <QRect>

#include <optional>
#include <vector>

namespace tintorium {

struct TFrozenScreen {
  QImage image;   // any size; RGB32 once composed
  QRect geometry; // the logical desktop rectangle the picture covers

  bool IsNull() const { return image.isNull() || geometry.isEmpty(); }
  /// Picture pixels per logical pixel along x and y (1 on a plain screen, 2 on a doubled one).
  double ScaleX() const;
  double ScaleY() const;
  /// The picture pixel shown at the desktop point `global`; nullopt outside the picture or when null.
  std::optional<QPoint> PixelAt(const QPointF& global) const;
  /// The part of the picture behind the desktop rectangle `area` (clipped to the picture).
  QRect SourceRect(const QRect& area) const;
};

/// One screen's capture: its picture (device pixels) and its logical geometry.
struct TScreenShot {
  QImage image;
  QRect geometry;
};

/// The desktop as one picture: the union of the screens' geometries, at the finest device pixel ratio among
/// them (a coarser screen is enlarged by pixel replication); parts no screen covers are black. Null shots are
/// left out; null when none is left.
TFrozenScreen ComposeDesktop(const std::vector<TScreenShot>& shots);

}  // namespace tintorium
