#include "ui/wizards/WizardPicture.h"

#include "ui/controls/ThemeInk.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tintorium {
namespace {

constexpr QSize kSize(112, 340);

void DrawDocument(QPainter& painter, const QRect& rect) {
  QPainterPath page;
  const int fold = 14;
  page.moveTo(rect.topLeft());
  page.lineTo(rect.right() - fold, rect.top());
  page.lineTo(rect.right(), rect.top() + fold);
  page.lineTo(rect.bottomRight());
  page.lineTo(rect.bottomLeft());
  page.closeSubpath();
  painter.setPen(QPen(QColor(0x55, 0x5A, 0x66), 1.2));
  painter.setBrush(Qt::white);
  painter.drawPath(page);
  painter.drawLine(rect.right() - fold, rect.top(), rect.right() - fold, rect.top() + fold);
  painter.drawLine(rect.right() - fold, rect.top() + fold, rect.right(), rect.top() + fold);
  painter.setPen(QPen(QColor(0xB8, 0xBE, 0xC8), 2));
  for (int y = rect.top() + 24; y < rect.bottom() - 6; y += 8)
    painter.drawLine(rect.left() + 8, y, rect.right() - 8 - (y % 3) * 6, y);
}

void DrawSwatches(QPainter& painter, const QPoint& topLeft) {
  const QColor colors[] = {QColor(0xE6, 0x39, 0x46), QColor(0xF4, 0xA2, 0x61), QColor(0xE9, 0xC4, 0x6A),
                           QColor(0x2A, 0x9D, 0x8F), QColor(0x26, 0x46, 0x53), QColor(0x8E, 0x7D, 0xBE)};
  painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1));
  for (int i = 0; i < 6; ++i) {
    painter.setBrush(colors[i]);
    painter.drawRoundedRect(QRect(topLeft + QPoint((i % 2) * 30, (i / 2) * 24), QSize(26, 20)), 3, 3);
  }
}

void DrawArrow(QPainter& painter, const QPointF& from, const QPointF& to) {
  painter.setPen(QPen(QColor(0x1F, 0x5F, 0xBF), 5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
  const QPointF tip = to + QPointF(0, to.y() > from.y() ? 6 : -6);
  const qreal back = to.y() > from.y() ? -8 : 8;
  QPolygonF head{tip, QPointF(to.x() - 9, to.y() + back), QPointF(to.x() + 9, to.y() + back)};
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1F, 0x5F, 0xBF));
  painter.drawPolygon(head);
}

}  // namespace

QPixmap WizardPicture(TWizardKind kind, qreal ratio) {
  QPixmap picture = DevicePixmap(kSize, ratio);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kSize.height());
  sky.setColorAt(0, QColor(0xEE, 0xF3, 0xFB));
  sky.setColorAt(1, QColor(0xC9, 0xD8, 0xF0));
  painter.fillRect(QRect(QPoint(0, 0), kSize), sky);
  const QRect document(22, 40, 68, 84);
  const QPoint swatches(26, 180);
  DrawDocument(painter, document);
  if (kind == TWizardKind::Import)
    DrawArrow(painter, QPointF(56, 132), QPointF(56, 164));
  else
    DrawArrow(painter, QPointF(56, 166), QPointF(56, 134));
  DrawSwatches(painter, swatches);
  return picture;
}

}  // namespace tintorium
