#pragma once
// The contrast analyser's status marks: a red mark with a cross (fail), a green mark with a tick (pass) and an
// amber mark with a tick (between the two thresholds of a WCAG 2 mark).

#include "core/Contrast.h"

#include <QColor>
#include <QImage>

namespace tintorium {

/// The side of a mark in pixels.
inline constexpr int ContrastMarkSize = 13;

/// The fill of a mark's disc.
QColor ContrastMarkColor(TContrastMark mark);
/// The mark drawn on a transparent ContrastMarkSize square (logical pixels) at `ratio` device pixels each, the
/// ratio set on the image (below 1 counts as 1).
QImage ContrastMarkImage(TContrastMark mark, qreal ratio = 1.0);

}  // namespace tintorium
