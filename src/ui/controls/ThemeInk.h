#pragma once
// The colours a custom control paints its own chrome with (background, halo, frames, text), taken from the
// palette of the active theme, and the cached images they draw into, made at the screen's pixel density.

#include "core/ColorTypes.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QSize>

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

}  // namespace tintorium
