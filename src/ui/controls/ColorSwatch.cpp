#include "ui/controls/ColorSwatch.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "core/ColorText.h"
#include "ui/controls/ThemeInk.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>
#include <string>

namespace tintorium {

TColorSwatch::TColorSwatch(QWidget* parent) : TCommonColorControl(parent) { Redraw(); }

TColorSwatch::~TColorSwatch() = default;

void TColorSwatch::SetBaseColor(TColor color) {
  if (color == baseColor_) return;
  baseColor_ = color;
  Redraw();
  update();
}

bool TColorSwatch::IsOwnColor(TColor color) const {
  return color != clNone && ColorToRGB(color) == ColorToRGB(baseColor_);
}

TColorDragOffer TColorSwatch::ColorDragOffer() const {
  if (dragObject_) {
    const TColorObject object = dragObject_();
    const std::string hex = object.HexText();
    return {TColorDragKind::BaseSwatch, object.GetColor(), object.Model(),
            TColorObjectFx(object, std::u16string(hex.begin(), hex.end()))};
  }
  return {TColorDragKind::Swatch, ColorToRGB(baseColor_), cmRGB, std::nullopt};
}

QSize TColorSwatch::sizeHint() const { return {64, 64}; }

void TColorSwatch::Redraw() {
  const QSize size = this->size().expandedTo(QSize(1, 1));
  const qreal ratio = ImageRatio(*this);
  if (image_.size() != DeviceSize(size, ratio) || image_.devicePixelRatio() != ratio) image_ = DeviceImage(size, ratio);
  const QWidget* parent = parentWidget();
  image_.fill(parent != nullptr ? parent->palette().color(parent->backgroundRole())
                                : palette().color(backgroundRole()));
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (ratio == 1.0) {
    painter.setPen(Qt::black);
    painter.setBrush(ToQColor(baseColor_));
    // The outline runs along the image's last column and row, as a rounded rectangle with 7 x 7 corners.
    painter.drawRoundedRect(QRect(0, 0, size.width() - 1, size.height() - 1), 3.5, 3.5);
    return;
  }
  // Denser screens: the outline one pixel of the widget wide, filled in device pixels so no edge is blurred.
  painter.scale(1.0 / ratio, 1.0 / ratio);  // the image's own pixels from here
  const QRectF outer(QPointF(0, 0), QSizeF(image_.size()));
  const qreal line = std::max<qreal>(1.0, std::round(ratio));
  const qreal radius = 4.0 * ratio;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawRoundedRect(outer, radius, radius);
  painter.setBrush(ToQColor(baseColor_));
  painter.drawRoundedRect(outer.adjusted(line, line, -line, -line), radius - line, radius - line);
}

void TColorSwatch::paintEvent(QPaintEvent*) {
  if (image_.devicePixelRatio() != ImageRatio(*this)) Redraw();  // moved to a screen of another density
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void TColorSwatch::resizeEvent(QResizeEvent* event) {
  Redraw();
  TCommonColorControl::resizeEvent(event);
}

void TColorSwatch::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange ||
      event->type() == QEvent::StyleChange) {
    Redraw();
    update();
  }
  TCommonColorControl::changeEvent(event);
}

void TColorSwatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    pressPos_ = event->position().toPoint();
  }
  TCommonColorControl::mousePressEvent(event);
}

void TColorSwatch::mouseMoveEvent(QMouseEvent* event) {
  TCommonColorControl::mouseMoveEvent(event);
  if (!pressed_ || !autoDrag_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
  pressed_ = false;
  ColorDrag::ExecDrag(this, ColorDragOffer());
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) pressed_ = false;
  TCommonColorControl::mouseReleaseEvent(event);
  if (click) emit OnClick();
}

}  // namespace tintorium
