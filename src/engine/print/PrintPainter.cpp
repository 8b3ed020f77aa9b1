#include "engine/print/PrintPainter.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/print/PrintLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace tintorium {
namespace {

constexpr double kCardWidthPixels = 210.0;
constexpr double kTextLeft = 65.0;
constexpr double kTextRight = 205.0;
constexpr double kNameTop = 5.0;
constexpr double kValuesTop = 30.0;
constexpr double kFontPoints = 8.0;

// Verdana 8 point at the card's scale: a card 210 pixels wide is 2.1875 inches, so the font keeps its size
// against the card whatever the device's own resolution or the painter's scaling.
QFont CardFont(const QPainter& painter, double scale, bool bold) {
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(bold);
  const double deviceDpi = painter.device() ? painter.device()->logicalDpiY() : kCardPixelsPerInch;
  font.setPointSizeF(kFontPoints * scale * kCardPixelsPerInch / deviceDpi);
  font.setHintingPreference(QFont::PreferNoHinting);  // hinted at small sizes, glyphs would not scale evenly
  return font;
}

void DrawCardText(QPainter& painter, const QString& text, const QPointF& at, double width, const QFont& font) {
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  const QString shown = metrics.elidedText(text, Qt::ElideRight, width);
  painter.drawText(QRectF(at, QSizeF(width, metrics.height())), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   shown);
}

}  // namespace

void PaintPrintCard(QPainter& painter, const TPrintCard& card, const QRectF& rect) {
  const double k = rect.width() / kCardWidthPixels;
  const auto at = [&](double x, double y) { return rect.topLeft() + QPointF(x * k, y * k); };
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.fillRect(rect, Qt::white);

  QPen frame(Qt::black, k);
  frame.setJoinStyle(Qt::MiterJoin);
  painter.setPen(frame);
  painter.setBrush(ToQColor(card.Color.GetColor()));
  // The frame's centre line runs half a pixel inside the 40 x 40 square, so its outer edge is the square's.
  painter.drawRoundedRect(QRectF(at(5.5, 5.5), QSizeF(39 * k, 39 * k)), 2.5 * k, 2.5 * k);

  painter.setPen(Qt::black);
  DrawCardText(painter, card.Name, at(kTextLeft, kNameTop), (kTextRight - kTextLeft) * k, CardFont(painter, k, true));
  painter.fillRect(QRectF(at(kTextLeft, 20), QSizeF(100 * k, 2 * k)), QColor(192, 192, 192));
  DrawCardText(painter, QString::fromStdString(card.Color.ValuesText()), at(kTextLeft, kValuesTop),
               (kTextRight - kTextLeft) * k, CardFont(painter, k, false));
  painter.restore();
}

void PaintPrintPage(QPainter& painter, const TPrintCards& cards, const TPrintLayout& layout, int page) {
  painter.fillRect(QRectF(QPointF(0, 0), QSizeF(layout.Geometry().Page)), Qt::white);
  const int end = std::min<int>(layout.EndCardOf(page), int(cards.size()));
  for (int card = layout.FirstCardOf(page); card < end; ++card)
    PaintPrintCard(painter, cards[std::size_t(card)], layout.CardRect(card));
}

}  // namespace tintorium
