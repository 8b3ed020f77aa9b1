#include "ui/controls/ColorPickerButton.h"

#include "ui/controls/Bevel.h"
#include "ui/controls/ColorPopup.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace tintorium {

using detail::Bevel;

TColorPickerButton::TColorPickerButton(QWidget* parent) : QWidget(parent), popup_(new TColorPopup(*this)) {
  resize(45, 22);
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::NoFocus);
}

TColorPickerButton::~TColorPickerButton() = default;

void TColorPickerButton::SetSelectionColor(TColor color) {
  if (color == selectionColor_) return;
  selectionColor_ = color;
  update();
  if (DroppedDown()) popup_->SelectColor(color);
  emit OnChange();
}

void TColorPickerButton::SetDefaultText(const QString& text) {
  defaultText_ = text;
  popup_->Relayout();
}

void TColorPickerButton::SetCustomText(const QString& text) {
  customText_ = text;
  if (text.isEmpty())
    popup_->DropCustomSelection();
  else
    popup_->Relayout();
}

void TColorPickerButton::SetShowSystemColors(bool show) {
  showSystemColors_ = show;
  popup_->Relayout();
}

void TColorPickerButton::SetPopupSpacing(int spacing) {
  popupSpacing_ = std::max(spacing, 0);
  popup_->Relayout();
}

void TColorPickerButton::SetDropDownWidth(int width) {
  dropDownWidth_ = std::max(width, 0);
  update();
}

void TColorPickerButton::SetDropDownArrowColor(TColor color) {
  arrowColor_ = color;
  update();
}

void TColorPickerButton::SetIndicatorBorder(TIndicatorBorder border) {
  indicatorBorder_ = border;
  update();
}

void TColorPickerButton::SetFlat(bool flat) {
  flat_ = flat;
  update();
}

void TColorPickerButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  update();
}

void TColorPickerButton::SetDown(bool down) {
  down_ = down;
  update();
}

void TColorPickerButton::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

bool TColorPickerButton::DroppedDown() const { return popup_->isVisible(); }

void TColorPickerButton::SetDroppedDown(bool dropped) {
  if (dropped == DroppedDown()) return;
  bool allowed = true;
  emit OnDropChanging(&allowed);
  if (!allowed) return;
  if (dropped) {
    popup_->SelectColor(selectionColor_);
    const QRect global(mapToGlobal(QPoint(0, 0)), size());
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    popup_->move(TColorPopup::Placement(global, popup_->size(), available));
    popup_->show();
    popup_->setFocus(Qt::PopupFocusReason);
  } else {
    popup_->hide();  // hideEvent reports through PopupClosed
    return;
  }
  emit OnDropChanged();
  update();
}

void TColorPickerButton::PopupClosed() {
  // Also reached when the window system closes the popup (focus lost, application deactivated).
  pressOnArrow_ = false;
  pressed_ = false;
  emit OnDropChanged();
  update();
}

QString TColorPickerButton::CellHint(int cell) const {
  QString hint = (cell == pcDefault || cell == pcCustom) ? toolTip() : QString();
  if (hintHandler_) hintHandler_(cell, hint);
  return hint;
}

void TColorPickerButton::SetColorDropTarget(TDropAccepts accepts, TDropApply drop) {
  dropTarget_.Set(std::move(accepts), std::move(drop));
  setAcceptDrops(dropTarget_.Enabled());
}

bool TColorPickerButton::DropOffer(const TColorDragOffer& offer) { return dropTarget_.Drop(offer); }

void TColorPickerButton::dragEnterEvent(QDragEnterEvent* event) { dropTarget_.AnswerDragOver(event); }

void TColorPickerButton::dragMoveEvent(QDragMoveEvent* event) { dropTarget_.AnswerDragOver(event); }

void TColorPickerButton::dropEvent(QDropEvent* event) { dropTarget_.AnswerDrop(event); }

QRect TColorPickerButton::IndicatorRect() const {
  const int bevel = flat_ ? 1 : 2;
  QRect face = rect().adjusted(bevel, bevel, -bevel, -bevel);
  if (caption_.isEmpty()) {
    face.setRight(face.right() - dropDownWidth_ - 2);
    return face.adjusted(2, 2, -2, -2);
  }
  const int bottom = std::min(face.bottom() - 2, height() - 3);
  return QRect(face.left() + 2, bottom - 5, face.width() - dropDownWidth_ - 6, 6);
}

void TColorPickerButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  const bool dropped = DroppedDown();
  const bool sunken = (pressed_ && pressInside_) || down_;
  const QRect r = rect().adjusted(0, 0, -1, -1);
  const int divider = width() - dropDownWidth_;
  if (flat_) {
    if (!transparent_ || hot_ || sunken || dropped) painter.fillRect(rect(), pal.color(QPalette::Button));
    if (hot_ || sunken || dropped) {
      if (sunken)
        Bevel(painter, r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
      else
        Bevel(painter, r, pal.color(QPalette::Light), pal.color(QPalette::Dark));
      const int shift = sunken ? 1 : 0;
      const int inset = sunken ? 2 : 1;
      painter.setPen(pal.color(QPalette::Light));
      painter.drawLine(divider + shift, inset, divider + shift, height() - 1 - inset);
      painter.setPen(pal.color(QPalette::Dark));
      painter.drawLine(divider - 1 + shift, inset, divider - 1 + shift, height() - 1 - inset);
    }
  } else {
    painter.fillRect(rect(), pal.color(QPalette::Button));
    if (sunken) {
      Bevel(painter, r, pal.color(QPalette::Shadow), pal.color(QPalette::Light));
    } else {
      Bevel(painter, r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
      Bevel(painter, r.adjusted(1, 1, -1, -1), pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
    }
  }
  if (dropped && pressOnArrow_) {
    const QRect arrowPart(divider, 0, dropDownWidth_ - 1, height() - 1);
    Bevel(painter, arrowPart, pal.color(QPalette::Dark), pal.color(QPalette::Light));
  }
  if (down_ && !hot_) {
    for (int y = 1; y < height() - 1; ++y)
      for (int x = 1 + (y % 2); x < divider - 1; x += 2) {
        painter.setPen(pal.color(QPalette::Light));
        painter.drawPoint(x, y);
      }
  }
  if (!caption_.isEmpty()) {
    painter.setPen(isEnabled() ? pal.color(QPalette::ButtonText) : pal.color(QPalette::Dark));
    painter.drawText(QRect(0, 0, divider, height() - 8), Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
  }

  const QRect indicator = IndicatorRect();
  const QColor fill = ToQColor(ColorToRGB(selectionColor_ == clDefault || selectionColor_ == clNone ? 0 : selectionColor_));
  switch (indicatorBorder_) {
    case ibNone: painter.fillRect(indicator, fill); break;
    case ibFlat:
      painter.fillRect(indicator, fill);
      painter.setPen(pal.color(QPalette::Dark));
      painter.drawRect(indicator.adjusted(0, 0, -1, -1));
      break;
    case ibSunken:
    case ibRaised: {
      const QRect b = indicator.adjusted(0, 0, -1, -1);
      if (indicatorBorder_ == ibSunken)
        Bevel(painter, b, pal.color(QPalette::Dark), pal.color(QPalette::Light));
      else
        Bevel(painter, b, pal.color(QPalette::Light), pal.color(QPalette::Dark));
      painter.fillRect(indicator.adjusted(1, 1, -1, -1), fill);
      break;
    }
  }

  const int shift = (pressed_ || dropped) ? 1 : 0;
  const int y = height() / 2 + shift;
  const int x = width() + (dropDownWidth_ + 5) / 2 - dropDownWidth_ - 6 + shift;
  painter.setPen(Qt::NoPen);
  painter.setBrush(isEnabled() ? ToQColor(ColorToRGB(arrowColor_)) : pal.color(QPalette::Dark));
  painter.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 6, y), QPoint(x + 3, y + 3)}));
}

void TColorPickerButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  if (OnArrowPart(pos)) {
    pressOnArrow_ = true;
    if (!DroppedDown()) SetDroppedDown(true);
    return;
  }
  pressOnArrow_ = false;
  pressed_ = true;
  pressInside_ = true;
  update();
}

void TColorPickerButton::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_) return;
  const bool inside = rect().contains(event->position().toPoint());
  if (inside != pressInside_) {
    pressInside_ = inside;
    update();
  }
}

void TColorPickerButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  const bool clicked = rect().contains(event->position().toPoint());
  update();
  if (clicked) Click();
}

void TColorPickerButton::Click() {
  if (groupIndex_ != 0) SetDown(!down_ || !allowAllUp_ ? true : false);
  emit OnClick();
}

void TColorPickerButton::mouseDoubleClickEvent(QMouseEvent* event) {
  if (down_) emit OnDblClick();
  mousePressEvent(event);
}

void TColorPickerButton::enterEvent(QEnterEvent* event) {
  if (flat_ && !pressed_) {
    hot_ = true;
    update();
  }
  QWidget::enterEvent(event);
}

void TColorPickerButton::leaveEvent(QEvent* event) {
  if (!pressed_) {
    hot_ = false;
    update();
  }
  QWidget::leaveEvent(event);
}

bool TColorPickerButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && !showHint_) {
    event->ignore();
    return true;
  }
  return QWidget::event(event);
}

}  // namespace tintorium
