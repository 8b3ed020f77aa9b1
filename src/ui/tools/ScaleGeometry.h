#pragma once
// Where the Scales page draws its swatches and its L, C and h curves: pure functions of the control's size, so
// the painting, the hit-testing and the tests agree on every point. The swatch row and the curves share their
// columns, so a curve's point stands under its swatch.

#include <QPointF>
#include <QRect>
#include <QSize>

#include <span>

namespace tintorium {

/// The curves, top to bottom.
enum class TScalePlot : int {
  Lightness = 0,  // OKLCH L, 0-1
  Chroma,         // OKLCH C, 0-ScalePlotChromaMax
  Hue,            // OKLCH h, 0-360 degrees
};
inline constexpr int ScalePlotCount = 3;
/// The top of the chroma axis: a little above the most chroma an sRGB colour has in OKLCH.
inline constexpr double ScalePlotChromaMax = 0.34;
/// How near to a point (pixels) a press takes it.
inline constexpr double ScalePointGrip = 8;

/// The horizontal band of column `index` of `count` across `width` (pixels); empty for an index out of range.
/// Columns are as wide as the width allows, the rest spread over the first ones.
QRect ScaleColumnRect(int width, int count, int index);
/// The column under x, or -1 outside every column (or count < 1).
int ScaleColumnAt(int width, int count, int x);

/// Swatch `index` of `count` in a row of `size`: its column less a gap of 2 pixels, the full height.
QRect ScaleSwatchRect(QSize size, int count, int index);
/// The swatch under `pos`, or -1 for the gaps, outside the row, or count < 1.
int ScaleSwatchAt(QSize size, int count, QPoint pos);

/// The frame of plot `plot` in curves of `size`: three bands of equal height, each with a left margin for its
/// axis label of `labelWidth` pixels and 6 pixels of air above and below.
QRect ScalePlotRect(QSize size, TScalePlot plot, int labelWidth);
/// The top of `plot`'s axis (L 1, C ScalePlotChromaMax, h 360); its bottom is 0.
double ScalePlotMax(TScalePlot plot);
/// The point of step `index` of `count` with value `value` (clamped to the axis) in `frame`; the x of the point is
/// the centre of the step's column across the whole width `width`.
QPointF ScaleCurvePoint(int width, QRect frame, TScalePlot plot, int count, int index, double value);
/// The value at height y in `frame` (clamped to the axis).
double ScalePlotValueAt(QRect frame, TScalePlot plot, double y);
/// The point of `values` (one per step, in `frame` of `plot`) within ScalePointGrip of `pos`, the nearest when
/// several are; -1 when none is.
int ScaleCurvePointAt(int width, QRect frame, TScalePlot plot, std::span<const double> values, QPointF pos);

}  // namespace tintorium
