#pragma once
// The magnifier's drawing as pure functions: the zoom steps, the square of the frozen picture it enlarges, the
// enlarged view with its crosshair, and the values panel below it.

#include "core/ColorObject.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace tintorium {

/// Side of the enlarged view (imgScr) and height of the values panel (imgInfo) below it, in pixels.
inline constexpr int kMagnifierSize = 183;
inline constexpr int kMagnifierInfoHeight = 78;
/// The zoom levels (ScreenPickerZoom): 1 shows 91 × 91 picture pixels at about twice their size, 7 shows 13 × 13
/// at about 14 times.
inline constexpr int kMinPickZoom = 1;
inline constexpr int kMaxPickZoom = 7;

/// "+" or a forward wheel step: one level up, at most 7 (a stored 0 goes to 1).
int ZoomIn(int zoom);
/// "-" or a backward wheel step: one level down, at least 1.
int ZoomOut(int zoom);
/// A wheel step: forward (positive delta) zooms in, backward or zero zooms out.
int WheelZoom(int zoom, int delta);
/// The level drawn: below 1 counts as 1, above 7 as 7.
int DrawnZoom(int zoom);

/// The square of the picture the view enlarges around `center` at `zoom`: top-left at center minus
/// o = (size div 2) div (2z), side 2o + 1, so `center` is the pixel in the middle (91, 45, 31, 23, 19, 15, 13
/// pixels for z = 1 ... 7). May reach beyond the picture.
QRect MagnifierSource(const QPoint& center, int zoom, int size = kMagnifierSize);

/// The enlarged view (size × size, RGB32): the source square by pixel replication (picture pixels outside the
/// frozen picture drawn black), a white frame, a white crosshair whose arms stop short of the centre, and a dot of
/// `picked` at the centre.
QImage RenderMagnifierView(const QImage& frozen, const QPoint& center, int zoom, QRgb picked,
                           int size = kMagnifierSize);

/// The values panel (183 × 78): a swatch of `picked`, its values in RGB, HSB, CMYK and Lab, and `tip`.
QImage RenderMagnifierInfo(const TColorObject& picked, const QString& tip);

/// Where the magnifier window of frame size `size` goes on `screen` (available area): its top-left corner,
/// unless `pointer` lies in that place, then the top-right corner, so it never hides what is being picked.
QPoint MagnifierPlace(const QRect& screen, const QSize& size, const QPoint& pointer);

}  // namespace tintorium
