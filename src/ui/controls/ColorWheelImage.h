#pragma once
// The drawing of the colour wheel: geometry from the control's size, the ring drawn aliased on an image three
// times as large, and the 3 x 3 reduction that gives segment interiors exactly their colour.

#include "engine/schemes/ColorWheelScheme.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tintorium {

/// Sizes in supersampled pixels (three per screen pixel) unless said otherwise.
struct TWheelGeometry {
  int S = 0;        // the display image's side in screen pixels: the smaller of width and height
  int D = 0;        // the wheel's diameter, 3S - 50 (no wheel when not positive)
  int CX = 0;       // the centre, 3S div 2
  int CY = 0;
  QRect display;    // where the display image sits in the control, centred (screen pixels)
};

TWheelGeometry WheelGeometry(QSize controlSize);
/// The point at screen `angle` (270 up, clockwise) and `radius` around the centre, coordinates truncated.
QPoint WheelPoint(const TWheelGeometry& geometry, int angle, int radius);
/// Where segment `index` is filled from (radius D div 3), in control coordinates: well inside the segment.
QPoint SegmentCentre(const TWheelGeometry& geometry, int index);
/// Whether `point` (control coordinates) lies within the outer circle, radius D div 2 (a third on screen).
bool InsideWheel(const TWheelGeometry& geometry, QPoint point);

/// Fills the 4-connected area around `seed` that has the seed's colour with `fill` (a surface flood fill).
void SurfaceFill(QImage& image, QPoint seed, QRgb fill);
/// Every pixel of the result is the per-channel average of a 3 x 3 block of `image`, sums divided by 9 and
/// truncated. `image` is 3S by 3S; the result S by S, both Format_RGB32.
QImage ReduceThreeByThree(const QImage& image);

/// The colours of everything around the segments: the control's background, the halo around the ring and the
/// ring inside the segments, the centre disc and the markers (lines, circles, the arrow).
struct TWheelInks {
  QColor background;
  QColor halo{210, 210, 210};
  QColor centre{245, 245, 245};
  QColor arrow{128, 128, 128};
  QColor marker{0, 0, 0};
};

/// The inks of a theme: the background is the window colour, the halo and arrow lie between it and the text
/// colour, the centre between it and the base colour, the markers are the text colour. The default theme gives
/// the classic light greys and black.
TWheelInks WheelInks(const QPalette& palette);

/// The ring of `segments` with `harmony`'s markers, 3N by 3N for N = S x `ratio` (rounded up; ratio 1 and below
/// give 3S): RenderWheel's first eight steps, all sizes scaled by N / S.
QImage RenderWheelSupersampled(const TWheelGeometry& geometry, const TWheelSegments& segments,
                               TColorHarmonyType harmony, const TWheelInks& inks, qreal ratio = 1.0);
QImage RenderWheelSupersampled(const TWheelGeometry& geometry, const TWheelSegments& segments,
                               TColorHarmonyType harmony, QColor background);
/// The display image, N by N device pixels with `ratio` as its device pixel ratio (S by S logical pixels): the
/// supersampled ring reduced 3 x 3. A null image when S is 0.
QImage RenderWheel(const TWheelGeometry& geometry, const TWheelSegments& segments, TColorHarmonyType harmony,
                   const TWheelInks& inks, qreal ratio = 1.0);
QImage RenderWheel(const TWheelGeometry& geometry, const TWheelSegments& segments, TColorHarmonyType harmony,
                   QColor background);

}  // namespace tintorium
