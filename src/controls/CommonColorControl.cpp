#include "controls/CommonColorControl.h"

#include "interchange/QtColorAdapter.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>

namespace tintorium {

TCommonColorControl::TCommonColorControl(QWidget* parent) : QWidget(parent) {
  resize(64, 64);
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Button);
  // The control paints its whole area itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

TCommonColorControl::~TCommonColorControl() = default;

std::optional<TColor> TCommonColorControl::GetHoverColor() const {
  if (hoverColor_ == clNone || !IsOwnColor(hoverColor_)) return std::nullopt;
  return hoverColor_;
}

TColor TCommonColorControl::DisplayedColorAt(QPoint pos) const {
  const QImage image = DisplayImage();
  if (image.isNull()) return clNone;
  const qreal ratio = image.devicePixelRatio();
  const QPoint pixel(static_cast<int>(pos.x() * ratio), static_cast<int>(pos.y() * ratio));
  if (!image.valid(pixel)) return clNone;
  return FromQRgb(image.pixel(pixel));
}

void TCommonColorControl::SetColorDropTarget(TDropAccepts accepts, TDropApply drop) {
  dropAccepts_ = std::move(accepts);
  dropApply_ = std::move(drop);
  setAcceptDrops(dropAccepts_ && dropApply_);
}

QImage TCommonColorControl::DisplayImage() const { return const_cast<TCommonColorControl*>(this)->grab().toImage(); }

void TCommonColorControl::TrackHover(QPoint pos) { hoverColor_ = DisplayedColorAt(pos); }

void TCommonColorControl::mousePressEvent(QMouseEvent* event) {
  emit OnMouseDown(event->button(), event->position().toPoint());
  QWidget::mousePressEvent(event);
}

void TCommonColorControl::mouseMoveEvent(QMouseEvent* event) {
  TrackHover(event->position().toPoint());
  emit OnMouseMove(event->buttons(), event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void TCommonColorControl::leaveEvent(QEvent* event) {
  emit OnMouseLeave();
  QWidget::leaveEvent(event);
}

bool TCommonColorControl::AcceptsDrag(const QDropEvent* event) const {
  if (!dropAccepts_ || !dropApply_) return false;
  const std::optional<TColorDragOffer> offer = ColorDrag::OfferFromDrop(event->source(), event->mimeData());
  return offer && dropAccepts_(*offer);
}

void TCommonColorControl::dragEnterEvent(QDragEnterEvent* event) {
  if (AcceptsDrag(event)) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void TCommonColorControl::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptsDrag(event)) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

bool TCommonColorControl::DropOffer(const TColorDragOffer& offer) {
  if (!dropAccepts_ || !dropApply_ || !dropAccepts_(offer)) return false;
  dropApply_(offer);
  return true;
}

void TCommonColorControl::dropEvent(QDropEvent* event) {
  const std::optional<TColorDragOffer> offer = ColorDrag::OfferFromDrop(event->source(), event->mimeData());
  if (offer && DropOffer(*offer)) {
    event->setDropAction(Qt::CopyAction);
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace tintorium
