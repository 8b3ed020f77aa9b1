#include "ui/controls/ColorSpectrum.h"

#include "engine/schemes/SpectrumCells.h"

#include <algorithm>

namespace tintorium {

TColorSpectrum::TColorSpectrum(QWidget* parent) : TColorTable(parent) {
  resize(258, 258);
  SetSize(86);
}

TColorSpectrum::~TColorSpectrum() = default;

void TColorSpectrum::SetCurrentColor(const TColorObject& color) {
  current_ = color;
  ContentChanged();
}

void TColorSpectrum::SetModel(TColorModel model) {
  model_ = model;
  ContentChanged();
}

void TColorSpectrum::SetActiveValue(int value) {
  activeValue_ = std::clamp(value, 1, 3);
  ContentChanged();
}

void TColorSpectrum::BuildCells(std::vector<TColor>& cells) const {
  cells = SpectrumCells(current_, model_, activeValue_, Size());
}

}  // namespace tintorium
