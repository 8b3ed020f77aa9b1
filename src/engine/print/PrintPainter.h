#pragma once
// Draws the cards and pages of a printed scheme on any paint device (printer, PDF, preview image). Everything is
// drawn as shapes and text at the device's own resolution, never as a picture scaled up.

#include "engine/print/PrintCards.h"

class QPainter;
class QRectF;

namespace tintorium {

class TPrintLayout;

/// A card in `rect` (device units of `painter`, any size; the card's 210 x 50 pixel design is scaled to it):
/// white ground, the colour in a rounded, black-framed square, the name in bold, a silver rule, and the colour's
/// value text in its own model ("R:.. G:.. B:..", "C:.. M:.. Y:.. K:.." ...). A name too long for the card is
/// shortened with an ellipsis.
void PaintPrintCard(QPainter& painter, const TPrintCard& card, const QRectF& rect);

/// Page `page` of `layout` with its cards taken from `cards` (which must hold layout.CardCount() cards), in the
/// printer's dots from the sheet's top left corner: a white sheet, then the cards. A page outside the layout
/// draws the white sheet only.
void PaintPrintPage(QPainter& painter, const TPrintCards& cards, const TPrintLayout& layout, int page);

}  // namespace tintorium
