#pragma once
// A strip of swatches walking from a base colour in one direction (warmer, cooler, darker, brighter, more or
// less saturated). The colours come from VariationSwatches (schemes/VariationStrip.h); the strip draws them,
// maps points to them and starts a drag of the swatch under a held left button.

#include "ui/controls/ColorDrag.h"
#include "ui/controls/CommonColorControl.h"
#include "engine/schemes/VariationStrip.h"

#include <QImage>
#include <QRect>

#include <optional>
#include <vector>

namespace tintorium {

class TColorVariation : public TCommonColorControl, public TColorDragSource {
  Q_OBJECT
  Q_PROPERTY(quint32 BaseColor READ BaseColor WRITE SetBaseColor)
  Q_PROPERTY(int Size READ Size WRITE SetSize)

 public:
  /// A new strip is 256 x 64 with 5 swatches of black, walking warmer.
  explicit TColorVariation(QWidget* parent = nullptr);
  ~TColorVariation() override;

  /// The first swatch and the colour the walk starts from.
  TColor BaseColor() const { return baseColor_; }
  void SetBaseColor(TColor color);
  TVariationType Variation() const { return variation_; }
  void SetVariation(TVariationType type);
  /// Number of swatches, base included; negative values count as 0 (an empty strip).
  int Size() const { return size_; }
  void SetSize(int size);
  /// The colour of the swatch the last drag started from; clNone before the first drag.
  TColor DropColor() const { return dropColor_; }

  /// The swatches, first to last.
  const std::vector<TColor>& Swatches() const { return swatches_; }
  /// The swatch at `index` clamped into 0 .. Size - 1; empty when the strip is empty.
  std::optional<TColor> SwatchColor(int index) const;

  bool IsOwnColor(TColor color) const override;
  TColorDragOffer ColorDragOffer() const override;
  QSize sizeHint() const override { return {256, 64}; }

  /// The swatch rectangles of a strip of `count` swatches in a control of `size`, first to last, as drawn
  /// (outline included): the framed base swatch's inner rectangle, then the others. Empty for count <= 0.
  static std::vector<QRect> SwatchRects(QSize size, int count);
  /// The side of one swatch: min(Trunc((W - 6) / count), H - 3) - 3.
  static int SwatchSide(QSize size, int count);

 protected:
  QImage DisplayImage() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Rebuild();
  void EnsureImage() const;
  void Draw(QImage& image) const;

  TColor baseColor_ = clBlack;
  TVariationType variation_ = vtWarm;
  int size_ = 5;
  TColor dropColor_ = clNone;
  std::vector<TColor> swatches_;
  // Drawn when first needed (paint or hit test), so a strip nobody looks at costs no drawing.
  mutable QImage image_;
  mutable bool imageDirty_ = true;
};

}  // namespace tintorium
