#pragma once
// The colours a custom control paints its own chrome with (background, halo, frames, text), taken from the
// palette of the active theme, and the cached images they draw into, made at the screen's pixel density.

#include "core/ColorTypes.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPalette>
#include <QSize>

#include <functional>

class QPainter;

class QWidget;

namespace tintorium {

/// A system colour (clBtnFace, clWindow ...) as the theme shows it: each maps to the palette role that plays its
/// part (clWindow is Base, white in the default theme; clBtnFace is Button). Any other colour is returned as it is.
QColor ThemedColor(TColor color, const QPalette& palette);

/// `from` moved `amount` (0 keeps `from`, 1 gives `to`) of the way towards `to`, per channel, truncated.
QColor MixColors(const QColor& from, const QColor& to, double amount);

/// `preferred` when it reaches `ratio` (WCAG 2 contrast) on `background`; otherwise the first colour on the way
/// from it to black or white (whichever stands out more from the background) that does.
QColor ReadableInk(const QColor& preferred, const QColor& background, double ratio = 4.5);

/// The background of a selected item in a list of `background` whose idle items are drawn on it: a light grey on
/// light lists, a lighter shade of the list on dark ones.
QColor SelectedItemFill(const QColor& background);

/// The device pixel ratio a widget's cached image is drawn at: the widget's own (its screen's), at least 1.
qreal ImageRatio(const QWidget& widget);

/// The device pixels of an image covering `logical` pixels at `ratio`: each side multiplied and rounded up, at least 1.
QSize DeviceSize(QSize logical, qreal ratio);

/// An opaque image covering `logical` pixels at `ratio` device pixels per pixel, with that ratio set, so a painter
/// on it works in widget coordinates and drawing it at (0, 0) needs no scaling. Never empty (at least 1 x 1).
QImage DeviceImage(QSize logical, qreal ratio);

/// A transparent pixmap covering `logical` pixels at `ratio`, with that ratio set (a painter on it works in logical
/// coordinates; a label or icon shows it at its logical size). Never empty.
QPixmap DevicePixmap(QSize logical, qreal ratio);

/// A swatch picture of `logical` size at `ratio`: `fill` inside a `frame` one widget pixel wide (whole device
/// pixels: the ratio rounded, at least one), corners included.
QPixmap FramedSwatchPixmap(QSize logical, qreal ratio, const QColor& fill, const QColor& frame);

/// The ratio for pictures made before their widget is on a screen (labels, icons, drag pictures): the densest
/// screen's, at least 1, so no screen shows them scaled up.
qreal PictureRatio();

/// The logical x of the left edge of the device pixel that logical `x` falls in, at `ratio`: a pointer and the
/// device column it points at give the same value (1.25 x 3 = 3.75 lies in device pixel 3, whose edge is 2.4).
qreal DevicePixelEdge(qreal x, qreal ratio);

/// An icon of `logical` size drawn by `paint` (in logical coordinates) at the device sizes of the usual screen
/// densities (1, 1.25, 1.5, 2 and 3), so each screen gets a picture of its own pixels.
QIcon DrawnIcon(QSize logical, const std::function<void(QPainter&)>& paint);

}  // namespace tintorium
