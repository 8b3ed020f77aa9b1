#include "ui/controls/CommonColorControl.h"

#include "engine/qtcolor/QtColorAdapter.h"

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
  dropTarget_.Set(std::move(accepts), std::move(drop));
  setAcceptDrops(dropTarget_.Enabled());
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

void TCommonColorControl::dragEnterEvent(QDragEnterEvent* event) { dropTarget_.AnswerDragOver(event); }

void TCommonColorControl::dragMoveEvent(QDragMoveEvent* event) { dropTarget_.AnswerDragOver(event); }

bool TCommonColorControl::DropOffer(const TColorDragOffer& offer) { return dropTarget_.Drop(offer); }

void TCommonColorControl::dropEvent(QDropEvent* event) { dropTarget_.AnswerDrop(event); }

}  // namespace tintorium
