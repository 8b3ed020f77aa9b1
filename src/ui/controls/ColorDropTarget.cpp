#include "ui/controls/ColorDropTarget.h"

#include <QDropEvent>

#include <optional>

namespace tintorium {
namespace {

std::optional<TColorDragOffer> OfferOf(const QDropEvent* event) {
  return ColorDrag::OfferFromDrop(event->source(), event->mimeData());
}

void Answer(QDropEvent* event, bool taken) {
  if (!taken) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

}  // namespace

void TColorDropTarget::Set(TAccepts accepts, TApply apply) {
  accepts_ = std::move(accepts);
  apply_ = std::move(apply);
}

bool TColorDropTarget::Drop(const TColorDragOffer& offer) {
  if (!Enabled() || !accepts_(offer)) return false;
  apply_(offer);
  return true;
}

void TColorDropTarget::AnswerDragOver(QDropEvent* event) const {
  if (!Enabled()) return Answer(event, false);
  const std::optional<TColorDragOffer> offer = OfferOf(event);
  Answer(event, offer && accepts_(*offer));
}

void TColorDropTarget::AnswerDrop(QDropEvent* event) {
  const std::optional<TColorDragOffer> offer = OfferOf(event);
  Answer(event, offer && Drop(*offer));
}

}  // namespace tintorium
