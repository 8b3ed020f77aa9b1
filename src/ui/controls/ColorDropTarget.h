#pragma once
// What makes a widget a colour drop target: the rule that decides over an offer and the action that applies it,
// with the answers to Qt's drag events. Shared by the colour controls and the picker buttons.

#include "ui/controls/ColorDrag.h"

#include <functional>

class QDropEvent;

namespace tintorium {

class TColorDropTarget {
 public:
  using TAccepts = std::function<bool(const TColorDragOffer&)>;
  using TApply = std::function<void(const TColorDragOffer&)>;

  /// Empty functions turn dropping off.
  void Set(TAccepts accepts, TApply apply);
  bool Enabled() const { return accepts_ && apply_; }

  /// Applies `offer` when the rule takes it; returns whether it did.
  bool Drop(const TColorDragOffer& offer);
  /// A drag entering or moving: accepted as a copy when the rule would take its offer, ignored otherwise.
  void AnswerDragOver(QDropEvent* event) const;
  /// A drop: applied and accepted as a copy, or ignored.
  void AnswerDrop(QDropEvent* event);

 private:
  TAccepts accepts_;
  TApply apply_;
};

}  // namespace tintorium
