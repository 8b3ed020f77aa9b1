#include "ui/controls/ColorMixer.h"

namespace tintorium {

TColorMixer::TColorMixer(QWidget* parent) : TColorTable(parent) { RebuildCells(); }

TColorMixer::~TColorMixer() = default;

void TColorMixer::SetCorner(int index, TColor color) {
  if (index < 1 || index > 4) return;
  corners_[std::size_t(index - 1)] = color;
  ContentChanged();
}

TColor TColorMixer::Corner(int index) const {
  return index >= 1 && index <= 4 ? corners_[std::size_t(index - 1)] : clNone;
}

TColorDragOffer TColorMixer::ColorDragOffer() const {
  return {TColorDragKind::Mixer, DropColor(), ResultModel(), std::nullopt};
}

void TColorMixer::BuildCells(std::vector<TColor>& cells) const { cells = MixerCells(corners_, Size()); }

}  // namespace tintorium
