#include "ui/tools/PickedColorList.h"

#include "core/ColorObject.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/schemes/PickerGeometry.h"
#include "ui/controls/ThemeInk.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace tintorium {

namespace {

const QColor SelectedFill(26, 140, 255);

int RowsFor(int count) { return std::max((count + SwatchColumns - 1) / SwatchColumns, 1); }

}  // namespace

TPickedColorList::TPickedColorList(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("lstPSColors"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TPickedColorList::SetColors(std::vector<TColor> colors) {
  colors_ = std::move(colors);
  if (selected_ >= Count()) selected_ = -1;
  updateGeometry();
  update();
}

void TPickedColorList::SetSelected(int index) {
  const int valid = index >= 0 && index < Count() ? index : -1;
  if (valid == selected_) return;
  selected_ = valid;
  update();
}

std::optional<TColorObjectFx> TPickedColorList::SelectedObject() const {
  if (selected_ < 0) return std::nullopt;
  const TColorObject color(colors_[std::size_t(selected_)], cmRGB);
  const std::string hex = color.HexText();
  return TColorObjectFx(color, std::u16string(hex.begin(), hex.end()));
}

TColorDragOffer TPickedColorList::ColorDragOffer() const {
  TColorDragOffer offer;
  offer.kind = TColorDragKind::List;
  if (std::optional<TColorObjectFx> object = SelectedObject()) {
    offer.color = object->GetColor();
    offer.object = std::move(object);
  }
  return offer;
}

QImage TPickedColorList::Render() const {
  QImage image = DeviceImage(size(), ImageRatio(*this));
  image.fill(palette().color(QPalette::Base));
  QPainter painter(&image);
  for (int i = 0; i < Count(); ++i) {
    const QRect item = SwatchRect(i, width());
    if (i == selected_) painter.fillRect(item, SelectedFill);
    painter.setPen(Qt::black);
    painter.setBrush(ToQColor(colors_[std::size_t(i)]));
    painter.drawRect(item.adjusted(1, 1, -2, -2));
  }
  if (hasFocus() && selected_ >= 0) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = SwatchRect(selected_, width());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
  return image;
}

QSize TPickedColorList::sizeHint() const { return {SwatchColumns * 40, RowsFor(Count()) * SwatchRowHeight}; }

QSize TPickedColorList::minimumSizeHint() const { return {SwatchColumns * 8, RowsFor(Count()) * SwatchRowHeight}; }

void TPickedColorList::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, Render());
}

void TPickedColorList::ChooseByUser(int index) {
  if (index < 0) return;
  SetSelected(index);
  emit SwatchClicked(index);
}

void TPickedColorList::mousePressEvent(QMouseEvent* event) {
  const int index = SwatchAt(event->position().toPoint(), width(), Count());
  if (event->button() == Qt::RightButton) {
    emit MenuRequested(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  ChooseByUser(index);
  pressPos_ = event->position().toPoint();
  dragArmed_ = index >= 0;
}

void TPickedColorList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int index = SwatchAt(pos, width(), Count());
  if (index >= 0)
    emit ColorHover(colors_[std::size_t(index)]);
  else
    emit ColorHoverEnd();
  if (!dragArmed_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((pos - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
  dragArmed_ = false;
  ColorDrag::ExecDrag(this, ColorDragOffer());
}

void TPickedColorList::mouseReleaseEvent(QMouseEvent*) { dragArmed_ = false; }

void TPickedColorList::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int index = SwatchAt(event->position().toPoint(), width(), Count());
  if (index < 0) return;
  ChooseByUser(index);
  emit SwatchDoubleClicked(index);
}

void TPickedColorList::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -SwatchColumns; break;
    case Qt::Key_Down: step = SwatchColumns; break;
    case Qt::Key_Home: ChooseByUser(Count() > 0 ? 0 : -1); return;
    case Qt::Key_End: ChooseByUser(Count() - 1); return;
    default: QWidget::keyPressEvent(event); return;
  }
  if (Count() == 0) return;
  ChooseByUser(std::clamp(selected_ < 0 ? 0 : selected_ + step, 0, Count() - 1));
}

void TPickedColorList::leaveEvent(QEvent* event) {
  emit ColorHoverEnd();
  QWidget::leaveEvent(event);
}

}  // namespace tintorium
