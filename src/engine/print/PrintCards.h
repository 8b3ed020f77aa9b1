#pragma once
// The cards of a printed scheme: one per colour, in the order they are printed.

#include "engine/palette/PaletteEntry.h"
#include "engine/schemes/ColorWheelScheme.h"

#include <vector>

namespace tintorium {

/// What the document holds, as bits of BuildPrintCards' `contents`.
enum TPrintContent : int { pcPalette = 1, pcHistory = 2, pcColorWheel = 4 };

/// One card: the name printed on it and its colour, whose own model gives the value text.
struct TPrintCard {
  QString Name;
  TColorObject Color;
};
using TPrintCards = std::vector<TPrintCard>;

/// Where the cards come from: the palette and the history in list order, and the wheel's twelve segments.
struct TPrintSources {
  TPaletteEntries Palette;
  TPaletteEntries History;
  TWheelSegments Wheel{};
};

/// The palette's cards, then the history's, then the wheel's, each part only when its bit is in `contents`.
TPrintCards BuildPrintCards(int contents, const TPrintSources& sources);

/// The twelve wheel cards: segment i as an RGB colour named "Color Wheel #<i + 1>" (sPrintWheelCard).
TPrintCards WheelCards(const TWheelSegments& segments);

}  // namespace tintorium
