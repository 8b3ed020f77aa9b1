#pragma once
// TColorWheel: twelve colours 30 degrees apart around the base colour, on the RGB or the red-yellow-blue hue
// circle, with the members of a colour harmony in full colour and the others pale.
//
// A left click on a full-colour segment (press and release on the same segment colour) makes that colour the
// BaseColor, sets PickedByClick and fires OnChange when it differs; a press on such a segment followed by a move
// of more than 5 pixels drags the colour instead. Setting BaseColor from outside clears PickedByClick, so a
// handler that acts only on PickedByClick never echoes a pushed colour back.

#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorWheelImage.h"
#include "ui/controls/CommonColorControl.h"
#include "engine/schemes/ColorWheelScheme.h"

#include <vector>

namespace tintorium {

class TColorWheel final : public TCommonColorControl, public TColorDragSource {
  Q_OBJECT
  Q_PROPERTY(quint32 BaseColor READ BaseColor WRITE SetBaseColor)

 public:
  /// A new wheel is 200 x 200, base colour RGB (122, 122, 255), style wsRGB, harmony chNone.
  explicit TColorWheel(QWidget* parent = nullptr);

  TColor BaseColor() const { return baseColor_; }
  /// Stores the colour, clears PickedByClick, recomputes the segments, repaints and fires OnChange at once
  /// and once more after the repaint.
  void SetBaseColor(TColor color);
  TColorWheelStyle WheelStyle() const { return style_; }
  /// Repaints; does not fire OnChange.
  void SetWheelStyle(TColorWheelStyle style);
  TColorHarmonyType Harmony() const { return harmony_; }
  /// Repaints; does not fire OnChange.
  void SetHarmony(TColorHarmonyType harmony);

  /// The displayed colour under the pointer at the last press (clNone before the first).
  TColor DragColor() const { return dragColor_; }
  /// Whether the current BaseColor was chosen by a click in the wheel.
  bool PickedByClick() const { return pickedByClick_; }
  bool Dragging() const { return dragging_; }

  const TWheelSegments& SegmentColors() const { return segments_; }
  /// Segment `index`, brought into 0-11.
  TColor SegmentColor(int index) const { return segments_[std::size_t(WheelSegmentIndex(index))]; }
  /// True for the twelve segment colours (exact); pale colours are not own colours.
  bool IsOwnColor(TColor color) const override;
  bool IsHarmonyAngle(int angle) const { return tintorium::IsHarmonyAngle(harmony_, angle); }
  /// The harmony's members in "Add all to palette" order (all twelve with chNone).
  std::vector<TColor> AddAllColors() const;

  TWheelGeometry Geometry() const { return WheelGeometry(size()); }
  QSize sizeHint() const override { return {200, 200}; }

  /// Kind Wheel, DragColor when it is an own colour (else clNone), in the page's result model.
  TColorDragOffer ColorDragOffer() const override;

 signals:
  void OnChange();

 protected:
  QImage DisplayImage() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void RecomputeSegments();
  /// Renders the display image when the colours changed or the shorter side did. Never before it is needed.
  void EnsureImage() const;
  QColor Background() const;
  bool StartsDrag(QPoint pos) const;

  TColor baseColor_;
  TColorWheelStyle style_ = wsRGB;
  TColorHarmonyType harmony_ = chNone;
  TWheelSegments segments_{};
  TColor dragColor_ = clNone;
  QPoint pressPoint_;
  bool colorChanged_ = true;
  bool pickedByClick_ = false;
  bool dragging_ = false;
  bool dragEnded_ = false;
  mutable bool imageDirty_ = true;
  mutable QImage display_;   // S x S logical pixels at the device pixel ratio, the reduced ring
  mutable QImage screen_;    // the whole control as shown: background and the display image centred
  mutable int imageSide_ = -1;
  mutable qreal imageRatio_ = 0;
};

}  // namespace tintorium
