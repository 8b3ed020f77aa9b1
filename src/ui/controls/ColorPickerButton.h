#pragma once
// A flat or push button that shows a colour and drops down a TColorPopup from its arrow part.

#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorDropTarget.h"
#include "core/ColorTypes.h"

#include <QWidget>

#include <functional>

namespace tintorium {

class TColorPopup;

enum TIndicatorBorder : std::uint8_t { ibNone = 0, ibFlat, ibSunken, ibRaised };

class TColorPickerButton final : public QWidget {
  Q_OBJECT
  Q_PROPERTY(quint32 SelectionColor READ SelectionColor WRITE SetSelectionColor)
  Q_PROPERTY(QString DefaultText READ DefaultText WRITE SetDefaultText)
  Q_PROPERTY(QString CustomText READ CustomText WRITE SetCustomText)

 public:
  /// A new button is 45 x 22 with black selected, no default or custom cell and no system colours.
  explicit TColorPickerButton(QWidget* parent = nullptr);
  ~TColorPickerButton() override;

  TColor SelectionColor() const { return selectionColor_; }
  /// A different value is stored, shown, selected in an open popup, and fires OnChange; equal values fire nothing.
  void SetSelectionColor(TColor color);

  /// Caption of the popup's default cell; empty: no default cell.
  QString DefaultText() const { return defaultText_; }
  void SetDefaultText(const QString& text);
  /// Caption of the custom cell; empty: no custom cell and no comb.
  QString CustomText() const { return customText_; }
  void SetCustomText(const QString& text);
  bool ShowSystemColors() const { return showSystemColors_; }
  void SetShowSystemColors(bool show);
  /// Horizontal inner margin of the popup; negative values count as 0.
  int PopupSpacing() const { return popupSpacing_; }
  void SetPopupSpacing(int spacing);
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int width);
  TColor DropDownArrowColor() const { return arrowColor_; }
  void SetDropDownArrowColor(TColor color);
  TIndicatorBorder IndicatorBorder() const { return indicatorBorder_; }
  void SetIndicatorBorder(TIndicatorBorder border);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  /// Latched state of a button with a GroupIndex; a click toggles it (off only with AllowAllUp).
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  /// Hints over the popup (and the button's own tool tip) only while on. Default off.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  /// Opens or closes the popup; OnDropChanging may refuse.
  void SetDroppedDown(bool dropped);
  bool DroppedDown() const;
  bool Hot() const { return hot_; }
  TColorPopup* Popup() const { return popup_; }

  /// OnHint(cell, hint): cell -3 default cell, -2 custom cell, -1 elsewhere; may replace `hint`.
  using THintHandler = std::function<void(int cell, QString& hint)>;
  void SetHintHandler(THintHandler handler) { hintHandler_ = std::move(handler); }
  QString CellHint(int cell) const;

  /// Makes the button a colour drop target, as TCommonColorControl::SetColorDropTarget.
  using TDropAccepts = TColorDropTarget::TAccepts;
  using TDropApply = TColorDropTarget::TApply;
  void SetColorDropTarget(TDropAccepts accepts, TDropApply drop);
  bool DropOffer(const TColorDragOffer& offer);

  /// The area filled with SelectionColor, in widget coordinates.
  QRect IndicatorRect() const;
  QSize sizeHint() const override { return {45, 22}; }

 signals:
  void OnChange();
  void OnDefaultSelect();
  /// Before the popup opens or closes; clearing *allowed keeps the state.
  void OnDropChanging(bool* allowed);
  void OnDropChanged();
  void OnClick();
  void OnDblClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool event(QEvent* event) override;

 private:
  friend class TColorPopup;
  void PopupClosed();
  bool OnArrowPart(QPoint pos) const { return pos.x() > width() - dropDownWidth_; }
  void Click();

  TColor selectionColor_ = 0;
  QString defaultText_;
  QString customText_;
  QString caption_;
  bool showSystemColors_ = false;
  int popupSpacing_ = 8;
  int dropDownWidth_ = 15;
  TColor arrowColor_ = 0;
  TIndicatorBorder indicatorBorder_ = ibFlat;
  bool flat_ = false;
  bool transparent_ = true;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool showHint_ = false;
  bool hot_ = false;
  bool pressed_ = false;       // a press on the face is being followed
  bool pressOnArrow_ = false;  // the current press began on the arrow part
  bool pressInside_ = false;
  TColorPopup* popup_;
  THintHandler hintHandler_;
  TColorDropTarget dropTarget_;
};

}  // namespace tintorium
