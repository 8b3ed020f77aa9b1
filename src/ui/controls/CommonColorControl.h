#pragma once
// Base class of the colour controls: the control's own colours, the colour under the pointer,
// and an optional colour drop target.

#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorDropTarget.h"
#include "core/ColorTypes.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>

namespace tintorium {

class TCommonColorControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(quint32 HoverColor READ HoverColor)

 public:
  /// A new control is 64 x 64, a tab stop, painting its whole area (no separate background erase).
  explicit TCommonColorControl(QWidget* parent = nullptr);
  ~TCommonColorControl() override;

  /// The displayed colour under the pointer at the last mouse move (clNone before the first); never cleared.
  TColor HoverColor() const { return hoverColor_; }
  /// True when `color` is one of the colours this control offers.
  virtual bool IsOwnColor(TColor color) const = 0;
  /// The hover colour when it is an own colour; empty otherwise.
  std::optional<TColor> GetHoverColor() const;

  /// The model of the owning page's "Result space" box, kept current by the page; colours this control
  /// hands out by drag are made in it. Default cmRGB.
  TColorModel ResultModel() const { return resultModel_; }
  void SetResultModel(TColorModel model) { resultModel_ = model; }

  /// What the control shows, as DisplayImage(): device pixels, with the widget's device pixel ratio set.
  QImage ShownImage() const { return DisplayImage(); }

  /// The colour shown at `pos` (widget coordinates), read from DisplayImage(); clNone outside it.
  TColor DisplayedColorAt(QPoint pos) const;

  /// Makes the control a colour drop target: `accepts` decides while dragging over it, `drop` applies the
  /// drop. Offers come from ColorDrag::OfferFromDrop. Passing empty functions turns dropping off.
  using TDropAccepts = TColorDropTarget::TAccepts;
  using TDropApply = TColorDropTarget::TApply;
  void SetColorDropTarget(TDropAccepts accepts, TDropApply drop);
  /// Drops `offer` as a drop event would; returns whether the target took it.
  bool DropOffer(const TColorDragOffer& offer);

 signals:
  /// After HoverColor was updated for a move to `pos`.
  void OnMouseMove(Qt::MouseButtons buttons, QPoint pos);
  /// The ordinary mouse-down notification (after a descendant's own press handling); drives the tool popup.
  void OnMouseDown(Qt::MouseButton button, QPoint pos);
  void OnMouseLeave();

 protected:
  /// What the control shows, drawn at the widget's device pixel ratio (its deviceIndependentSize the widget's).
  /// The default renders the widget; controls with a cached image return that.
  virtual QImage DisplayImage() const;
  /// Sets HoverColor from the pixel at `pos`. Descendants handling moves themselves call this first.
  void TrackHover(QPoint pos);
  /// Sets HoverColor directly (a table takes the colour of the cell under a press, even outside the grid).
  void SetHoverColor(TColor color) { hoverColor_ = color; }

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:

  TColor hoverColor_ = clNone;
  TColorModel resultModel_ = cmRGB;
  TColorDropTarget dropTarget_;
};

}  // namespace tintorium
