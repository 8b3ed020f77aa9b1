#pragma once
// Where the cards of a printed scheme go: pages of the printer's size, half-inch margins (or the printer's
// unprintable margins where those are wider), cards flowing left to right in lines of one and a half card
// heights, as many to a line as fit the printable width. Sizes are kept in inches and placed in the printer's
// dots, so the cards are drawn at its full resolution.

#include <QMargins>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace tintorium {

/// A card is 210 x 50 screen pixels of 96 per inch.
inline constexpr double kCardPixelsPerInch = 96.0;
inline constexpr double kCardWidthInches = 210.0 / kCardPixelsPerInch;
inline constexpr double kCardHeightInches = 50.0 / kCardPixelsPerInch;
/// The distance from one line of cards to the next, in card heights.
inline constexpr double kCardLineSpacing = 1.5;

/// A page in the printer's dots.
struct TPrintPageGeometry {
  QSize Page;    // the whole sheet
  int Dpi = 300;  // dots per inch, both directions
  QRect Content;  // the sheet less its margins
};

/// The sheet `page` at `dpi` (at least 1) whose printer cannot print `unprintable` dots at each edge: each margin
/// is half an inch, rounded to dots, or the unprintable margin of that side when wider.
TPrintPageGeometry PrintPageGeometry(QSize page, int dpi, QMargins unprintable);

/// What the preview holds before any printer is read: A4 at 300 dpi with 40 dots unprintable at the left, top
/// and right and 186 at the bottom.
TPrintPageGeometry DefaultPrintPageGeometry();

class TPrintLayout {
 public:
  /// `cardCount` cards (negative counts as none) on pages of `geometry`. Even a page too small for a card holds
  /// one line of one card, so every card has a page.
  TPrintLayout(int cardCount, const TPrintPageGeometry& geometry);

  const TPrintPageGeometry& Geometry() const { return geometry_; }
  int CardCount() const { return cardCount_; }
  int CardsPerLine() const { return cardsPerLine_; }
  int LinesPerPage() const { return linesPerPage_; }
  int CardsPerPage() const { return cardsPerLine_ * linesPerPage_; }
  /// 0 when there are no cards.
  int PageCount() const;
  /// The page card `card` is on (0-based); -1 outside 0 .. CardCount() - 1.
  int PageOf(int card) const;
  /// The first card of page `page` and one past its last; an empty range outside the pages.
  int FirstCardOf(int page) const;
  int EndCardOf(int page) const;
  /// Card `card`'s place on its page, in dots from the sheet's top left corner.
  QRectF CardRect(int card) const;
  /// A card's size in dots.
  QSizeF CardSize() const;

 private:
  TPrintPageGeometry geometry_;
  int cardCount_;
  int cardsPerLine_;
  int linesPerPage_;
};

}  // namespace tintorium
