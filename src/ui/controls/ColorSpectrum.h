#pragma once
// A colour table showing a square slice of the RGB cube or of HSB space through the current colour
// (schemes/SpectrumCells.h): one channel held at the colour's value, the other two across and down.

#include "ui/controls/ColorTable.h"
#include "core/ColorObject.h"

namespace tintorium {

class TColorSpectrum : public TColorTable {
  Q_OBJECT

 public:
  /// A new spectrum is 258 x 258 with 86 cells per side, sliced through black in RGB, red held.
  explicit TColorSpectrum(QWidget* parent = nullptr);
  ~TColorSpectrum() override;

  /// The colour the slice passes through; the setter copies it.
  const TColorObject& CurrentColor() const { return current_; }
  void SetCurrentColor(const TColorObject& color);
  /// The space sliced: cmRGB or cmHSB (other models slice RGB).
  TColorModel Model() const { return model_; }
  void SetModel(TColorModel model);
  /// The channel held fixed: 1, 2 or 3 (R, G, B or H, S, B); other values are clamped into 1-3.
  int ActiveValue() const { return activeValue_; }
  void SetActiveValue(int value);

 protected:
  void BuildCells(std::vector<TColor>& cells) const override;

 private:
  TColorObject current_;
  TColorModel model_ = cmRGB;
  int activeValue_ = 1;
};

}  // namespace tintorium
