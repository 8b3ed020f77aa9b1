#pragma once
// The four-corner mixer: a colour table whose cells mix its corner colours bilinearly in RGB.

#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorTable.h"
#include "engine/schemes/MixerCells.h"

namespace tintorium {

class TColorMixer : public TColorTable, public TColorDragSource {
  Q_OBJECT
  Q_PROPERTY(quint32 Value1 READ Value1 WRITE SetValue1)
  Q_PROPERTY(quint32 Value2 READ Value2 WRITE SetValue2)
  Q_PROPERTY(quint32 Value3 READ Value3 WRITE SetValue3)
  Q_PROPERTY(quint32 Value4 READ Value4 WRITE SetValue4)

 public:
  /// A new mixer is 256 x 256, Size 5, red, green, yellow and blue at its corners.
  explicit TColorMixer(QWidget* parent = nullptr);
  ~TColorMixer() override;

  /// The corners: 1 top left, 2 top right, 3 bottom right, 4 bottom left.
  TColor Value1() const { return corners_[0]; }
  TColor Value2() const { return corners_[1]; }
  TColor Value3() const { return corners_[2]; }
  TColor Value4() const { return corners_[3]; }
  /// Each setter stores the colour, rebuilds, clears UserSelected and fires OnChange after the next paint.
  void SetValue1(TColor color) { SetCorner(1, color); }
  void SetValue2(TColor color) { SetCorner(2, color); }
  void SetValue3(TColor color) { SetCorner(3, color); }
  void SetValue4(TColor color) { SetCorner(4, color); }
  /// Corner `index` 1-4 (others ignored).
  void SetCorner(int index, TColor color);
  TColor Corner(int index) const;

  /// A drop of the mixer offers DropColor in the page's Result space (the mixer never starts a drag itself).
  TColorDragOffer ColorDragOffer() const override;

 protected:
  void BuildCells(std::vector<TColor>& cells) const override;

 private:
  TMixerCorners corners_{0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000};
};

}  // namespace tintorium
