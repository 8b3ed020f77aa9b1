#include "engine/print/PrintCards.h"

#include "core/ColorModels.h"
#include "engine/language/Messages.h"

namespace tintorium {
namespace {

void AppendEntries(TPrintCards& cards, const TPaletteEntries& entries) {
  for (const TPaletteEntry& entry : entries) cards.push_back({entry.Name, entry.Color});
}

}  // namespace

TPrintCards WheelCards(const TWheelSegments& segments) {
  TPrintCards cards;
  cards.reserve(segments.size());
  for (std::size_t i = 0; i < segments.size(); ++i) {
    TColorObject color;
    color.SetRGB(ColorToRGBValues(segments[i]));
    cards.push_back({FormatMessage(sPrintWheelCard, {int(i) + 1}), color});
  }
  return cards;
}

TPrintCards BuildPrintCards(int contents, const TPrintSources& sources) {
  TPrintCards cards;
  if (contents & pcPalette) AppendEntries(cards, sources.Palette);
  if (contents & pcHistory) AppendEntries(cards, sources.History);
  if (contents & pcColorWheel) {
    TPrintCards wheel = WheelCards(sources.Wheel);
    cards.insert(cards.end(), std::make_move_iterator(wheel.begin()), std::make_move_iterator(wheel.end()));
  }
  return cards;
}

}  // namespace tintorium
