#include "ui/library/LibraryItemDelegate.h"

#include "ui/controls/ColorList.h"
#include "core/ColorObject.h"
#include "core/ColorText.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QPainter>

namespace tintorium {
namespace {

const QColor kShadow(210, 210, 210);
const QColor kNameInk(110, 110, 110);

QFont ItemFont(int pointSize, bool bold) {
  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(pointSize);
  font.setBold(bold);
  return font;
}

/// A rounded rectangle covering x1 .. x2 - 1 and y1 .. y2 - 1, corners of a 5 x 5 ellipse.
void RoundRect(QPainter& painter, int x1, int y1, int x2, int y2) {
  painter.drawRoundedRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), 2.5, 2.5);
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void DrawLibraryItem(QPainter& painter, const QRect& rect, bool selected, bool focused, const QString& name,
                     const TColorObject& color, bool onlyColor, const QColor& background) {
  const int L = rect.left();
  const int T = rect.top();
  const int R = L + rect.width();
  const int B = T + rect.height();
  painter.save();
  painter.setClipRect(rect);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QColor fill = selected ? SelectedItemFill(background) : background;
  // The list's own colour may be dark (a dark theme): the texts then stay readable in light ink.
  const bool dark = fill.lightness() < 128;
  painter.fillRect(rect, fill);
  if (focused) {
    painter.setPen(QPen(dark ? Qt::white : Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
  const QColor shadow = dark ? fill.darker(170) : kShadow;
  const int swatchBottom = onlyColor ? B : T + 32;
  painter.setPen(shadow);
  painter.setBrush(shadow);
  RoundRect(painter, L + 4, T + 4, R - 2, swatchBottom - 2);
  painter.setPen(Qt::black);
  painter.setBrush(ToQColor(color.GetColor()));
  RoundRect(painter, L + 3, T + 3, R - 3, swatchBottom - 3);
  if (!onlyColor) {
    painter.setFont(ItemFont(7, true));
    painter.setPen(ReadableInk(dark ? QColor(200, 200, 200) : kNameInk, fill));
    const QFontMetrics nameMetrics = painter.fontMetrics();
    int top = T + 32;
    painter.drawText(L + 6, top + nameMetrics.ascent(),
                     nameMetrics.elidedText(name.left(400), Qt::ElideRight, std::max(R - L - 9, 0)));
    top += nameMetrics.height() + 4;
    painter.setFont(ItemFont(6, false));
    painter.setPen(ReadableInk(dark ? QColor(230, 230, 230) : QColor(Qt::black), fill));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const QString& line : {Text(ValuesText(color.GetRGB(), true)), Text(ValuesText(color.GetHSB(), true)),
                                Text(ValuesText(color.GetCMYK(), true)), Text(ValuesText(color.GetLab(), true))}) {
      painter.drawText(L + 6, top + metrics.ascent(), line);
      top += metrics.height() + 3;
    }
  }
  painter.restore();
}

void TLibraryItemDelegate::SetOnlyColor(bool on) {
  if (on == onlyColor_) return;
  onlyColor_ = on;
  emit sizeHintChanged(QModelIndex());
}

void TLibraryItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const QVariant value = index.data(ColorObjectRole);
  if (!value.canConvert<TColorObject>()) return;  // an item without a colour draws nothing
  DrawLibraryItem(*painter, option.rect, option.state.testFlag(QStyle::State_Selected),
                  option.state.testFlag(QStyle::State_HasFocus), index.data(Qt::DisplayRole).toString(),
                  value.value<TColorObject>(), onlyColor_, option.palette.color(QPalette::Base));
}

QSize TLibraryItemDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return {ItemHeight(), ItemHeight()};
}

}  // namespace tintorium
