#include "engine/print/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

// How many `step`s fit into `room`; a hair of rounding error must not lose a card that fits exactly.
int Fitting(double room, double step) { return std::max(1, int(std::floor(room / step + 1e-9))); }

}  // namespace

TPrintPageGeometry PrintPageGeometry(QSize page, int dpi, QMargins unprintable) {
  TPrintPageGeometry geometry;
  geometry.Dpi = std::max(1, dpi);
  geometry.Page = page.expandedTo(QSize(1, 1));
  const int half = int(std::lround(geometry.Dpi / 2.0));
  const QMargins margins(std::max(half, unprintable.left()), std::max(half, unprintable.top()),
                         std::max(half, unprintable.right()), std::max(half, unprintable.bottom()));
  geometry.Content = QRect(QPoint(0, 0), geometry.Page).marginsRemoved(margins);
  if (geometry.Content.width() < 1 || geometry.Content.height() < 1)
    geometry.Content = QRect(QPoint(0, 0), geometry.Page);  // margins wider than the sheet: print where it can
  return geometry;
}

TPrintPageGeometry DefaultPrintPageGeometry() {
  return PrintPageGeometry(QSize(2480, 3507), 300, QMargins(40, 40, 2480 - 40 - 2400, 3507 - 40 - 3281));
}

TPrintLayout::TPrintLayout(int cardCount, const TPrintPageGeometry& geometry)
    : geometry_(geometry), cardCount_(std::max(0, cardCount)) {
  const QSizeF card = CardSize();
  cardsPerLine_ = Fitting(geometry_.Content.width(), card.width());
  linesPerPage_ = Fitting(geometry_.Content.height(), card.height() * kCardLineSpacing);
}

QSizeF TPrintLayout::CardSize() const {
  return QSizeF(kCardWidthInches * geometry_.Dpi, kCardHeightInches * geometry_.Dpi);
}

int TPrintLayout::PageCount() const { return (cardCount_ + CardsPerPage() - 1) / CardsPerPage(); }

int TPrintLayout::PageOf(int card) const {
  return card >= 0 && card < cardCount_ ? card / CardsPerPage() : -1;
}

int TPrintLayout::FirstCardOf(int page) const {
  return page >= 0 && page < PageCount() ? page * CardsPerPage() : 0;
}

int TPrintLayout::EndCardOf(int page) const {
  return page >= 0 && page < PageCount() ? std::min(cardCount_, (page + 1) * CardsPerPage()) : 0;
}

QRectF TPrintLayout::CardRect(int card) const {
  const int onPage = std::max(0, card) % CardsPerPage();
  const QSizeF size = CardSize();
  const double x = geometry_.Content.left() + (onPage % cardsPerLine_) * size.width();
  const double y = geometry_.Content.top() + (onPage / cardsPerLine_) * size.height() * kCardLineSpacing;
  return QRectF(QPointF(x, y), size);
}

}  // namespace tintorium
