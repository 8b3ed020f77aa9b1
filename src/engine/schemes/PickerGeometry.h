#pragma once
// Where the pickers of the "Colors from Image" page sit on the fitted picture and which pixel each one reads:
// plain geometry, no widgets. Picker positions are the top-left corners of their 15 by 15 circles, in the
// fitted picture's pixel coordinates; they may lie partly outside the picture.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QRandomGenerator;

namespace tintorium {

inline constexpr int PickerSize = 15;
/// A picker reads the pixel this far right of and below its top-left corner.
inline constexpr int PickerSampleOffset = 8;
inline constexpr int MaxPickCount = 10;
inline constexpr int DefaultPickCount = 7;

/// The size a `natural` picture is shown at in a panel of `panel`: as large as fits into the panel less one pixel
/// each way, keeping the aspect (Trunc), never enlarged, and never smaller than 1 by 1.
QSize FitPicture(QSize natural, QSize panel);

/// The pixel a picker at `topLeft` reads, clamped into a picture of `image`.
QPoint SamplePoint(QPoint topLeft, QSize image);

/// Where a newly placed picker goes: any pixel of the picture.
QPoint RandomPickerSpot(QSize image, QRandomGenerator& random);
/// Where "Mix pickers" moves a picker: x below width - 15, y below height - 15 (0 on a picture narrower or
/// lower than that).
QPoint MixedPickerSpot(QSize image, QRandomGenerator& random);
/// A picker after the picture was fitted to `image`: one beyond the bottom or right edge (top > height - 15,
/// left > width - 15) moves in to that edge less a random 0-29 pixels, each axis with its own draw, but never
/// so far that its centre leaves the picture.
QPoint RefittedPickerSpot(QPoint topLeft, QSize image, QRandomGenerator& random);

/// The top-left corner range a dragged picker is held in: its centre stays on the picture,
/// -7 ... height - 7 vertically and -7 ... width - 7 horizontally.
QPoint ClampDraggedPicker(QPoint topLeft, QSize image);
/// A picker at `topLeft` pressed at `press` and now under the pointer at `pointer` (both in the picker's own
/// coordinates, taken at the press): its new, clamped corner.
QPoint DraggedPickerSpot(QPoint topLeft, QPoint press, QPoint pointer, QSize image);

/// Whether `point` falls on the picker at `topLeft` (its circle, ring included).
bool PickerHit(QPoint topLeft, QPoint point);
/// The index of the topmost picker under `point` (the last placed wins), -1 for none.
int PickerAt(const std::vector<QPoint>& pickers, QPoint point);

}  // namespace tintorium

namespace tintorium {

/// The swatch list under the picture: 10 columns of equal width (the list's width div 10), rows 30 pixels high.
inline constexpr int SwatchColumns = 10;
inline constexpr int SwatchRowHeight = 30;

/// The rectangle of swatch `index` in a list `width` pixels wide.
QRect SwatchRect(int index, int width);
/// The swatch under `point` in a list of `count` swatches `width` pixels wide, -1 for none.
int SwatchAt(QPoint point, int width, int count);

}  // namespace tintorium
