#include "app/ThemeStyle.h"

#include <QDockWidget>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStatusBar>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace tintorium {
namespace {

const char kThemedPalette[] = "tintoriumThemedPalette";

/// `over`'s fill, line and text where it has them, `base`'s elsewhere.
TThemeFace Over(const TThemeFace& base, const TThemeFace& over) {
  TThemeFace face = base;
  if (over.fill.IsSet()) face.fill = over.fill;
  if (over.line.isValid()) {
    face.line = over.line;
    face.lineWidth = over.lineWidth;
  }
  if (over.text.isValid()) face.text = over.text;
  return face;
}

/// The fill and outline of `face` over `path`; the outline runs inside `bounds`.
void PaintPath(QPainter* painter, const QPainterPath& path, const QRectF& bounds, const TThemeFace& face) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(face.line.isValid() ? QPen(face.line, face.lineWidth) : QPen(Qt::NoPen));
  painter->setBrush(face.fill.IsSet() ? face.fill.BrushFor(bounds) : QBrush(Qt::NoBrush));
  painter->drawPath(path);
  painter->restore();
}

/// `rect` shrunk so a line of `width` centred on the result stays inside it, whole device pixels included.
QRectF InsideLine(const QRectF& rect, int width) {
  const qreal half = width / 2.0;
  return rect.adjusted(half, half, -half, -half);
}

void PaintFace(QPainter* painter, const QRectF& rect, const TThemeFace& face, qreal radius) {
  const QRectF inner = face.line.isValid() ? InsideLine(rect, face.lineWidth) : rect;
  QPainterPath path;
  path.addRoundedRect(inner, radius, radius);
  PaintPath(painter, path, rect, face);
}

/// A rectangle rounded only at its left end, its right end, both or neither: one segment of a joined row of tabs.
QPainterPath SegmentPath(const QRectF& rect, qreal radius, bool roundLeft, bool roundRight) {
  QPainterPath rounded;
  rounded.addRoundedRect(rect, radius, radius);
  if (roundLeft && roundRight) return rounded;
  QPainterPath square;
  if (!roundLeft && !roundRight) {
    square.addRect(rect);
    return square;
  }
  square.addRect(roundLeft ? rect.adjusted(rect.width() / 2, 0, 0, 0) : rect.adjusted(0, 0, -rect.width() / 2, 0));
  return rounded.united(square);
}

/// A tab's outline, rounded at the top; `closed` also draws its bottom edge.
QPainterPath TopRoundedPath(const QRectF& rect, qreal radius, bool closed) {
  const qreal r = std::min({radius, rect.width() / 2, rect.height() / 2});
  QPainterPath path(rect.bottomLeft());
  path.lineTo(rect.left(), rect.top() + r);
  path.arcTo(QRectF(rect.left(), rect.top(), 2 * r, 2 * r), 180, -90);
  path.lineTo(rect.right() - r, rect.top());
  path.arcTo(QRectF(rect.right() - 2 * r, rect.top(), 2 * r, 2 * r), 90, -90);
  path.lineTo(rect.bottomRight());
  if (closed) path.closeSubpath();
  return path;
}

/// A tab's surface in `state`: selected, under the pointer (where the look has a hover fill) or idle.
TThemeFace TabFace(const TThemeLook& look, QStyle::State state) {
  if (state & QStyle::State_Selected) return Over(look.tab, look.tabSelected);
  const bool hot = (state & QStyle::State_MouseOver) && (state & QStyle::State_Enabled) && look.tabHot.fill.IsSet();
  return hot ? Over(look.tab, look.tabHot) : look.tab;
}

bool IsNorthTab(int shape) { return shape == QTabBar::RoundedNorth || shape == QTabBar::TriangularNorth; }
bool IsSouthTab(int shape) { return shape == QTabBar::RoundedSouth || shape == QTabBar::TriangularSouth; }

QPalette WithText(QPalette palette, const QColor& text) {
  if (!text.isValid()) return palette;
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(QPalette::Active, role, text);
    palette.setColor(QPalette::Inactive, role, text);
  }
  return palette;
}

/// The dock's float and close symbols in a box of the theme's colours, drawn at whatever size is asked.
class TDockSymbolEngine : public QIconEngine {
 public:
  TDockSymbolEngine(bool close, TThemeFace face, TThemeFace hot) : close_(close), face_(face), hot_(hot) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const TThemeFace& face = mode == QIcon::Active ? hot_ : face_;
    const QRectF box = QRectF(rect).adjusted(1, 1, -1, -1);
    PaintFace(painter, box, face, std::max(1.0, box.width() / 6));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const qreal pen = std::max(1.0, box.width() / 9);
    painter->setPen(QPen(face.text, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    const QRectF mark = box.adjusted(box.width() * 0.3, box.height() * 0.3, -box.width() * 0.3, -box.height() * 0.3);
    if (close_) {
      painter->drawLine(mark.topLeft(), mark.bottomRight());
      painter->drawLine(mark.topRight(), mark.bottomLeft());
    } else {
      const qreal step = mark.width() / 3;
      painter->drawRect(mark.adjusted(0, step, -step, 0));
      painter->drawPolyline(QPolygonF{{mark.left() + step, mark.top() + step}, {mark.left() + step, mark.top()},
                                      mark.topRight(), {mark.right(), mark.bottom() - step},
                                      {mark.right() - step, mark.bottom() - step}});
    }
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return picture;
  }

  QIconEngine* clone() const override { return new TDockSymbolEngine(*this); }

 private:
  bool close_;
  TThemeFace face_;
  TThemeFace hot_;
};

}  // namespace

TThemeStyle::TThemeStyle(const TThemeLook& look, QStyle* fusion) : QProxyStyle(fusion), look_(look) {}

void TThemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
  switch (element) {
    case PE_PanelMenu:
      return DrawMenuPanel(option, painter);
    case PE_FrameMenu:
      painter->save();
      painter->setPen(look_.menuLine);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
      painter->restore();
      return;
    case PE_IndicatorToolBarSeparator:
      return DrawToolBarSeparator(option, painter);
    case PE_IndicatorToolBarHandle:
      if (!look_.toolBarGrip.isValid()) break;
      return DrawToolBarGrip(option, painter);
    case PE_PanelButtonTool:
      if (DrawToolButtonPanel(option, painter, widget)) return;
      break;
    case PE_PanelButtonCommand:
      if (DrawButtonPanel(option, painter)) return;
      break;
    case PE_FrameTabWidget:
      return DrawPane(option, painter);
    case PE_FrameTabBarBase:
      return DrawTabBarBase(option, painter);
    case PE_FrameGroupBox: {
      TThemeFace frame = look_.groupBox;
      frame.text = QColor();
      return PaintFace(painter, option->rect, frame, look_.groupBoxRadius);
    }
    case PE_PanelStatusBar:
      return DrawStatusBar(option, painter);
    default:
      break;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void TThemeStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  switch (element) {
    case CE_MenuBarItem:
      return DrawMenuBarItem(option, painter, widget);
    case CE_MenuBarEmptyArea:
      return DrawMenuBarArea(option, painter);
    case CE_MenuItem:
      return DrawMenuItem(option, painter, widget);
    case CE_ToolBar:
      return DrawToolBar(option, painter);
    case CE_PushButtonLabel:
      return DrawButtonLabel(option, painter, widget);
    case CE_DockWidgetTitle:
      return DrawDockTitle(option, painter, widget);
    case CE_TabBarTabShape:
      if (DrawTabShape(option, painter)) return;
      break;
    case CE_TabBarTabLabel:
      return DrawTabLabel(option, painter, widget);
    default:
      break;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void TThemeStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control == CC_GroupBox && box && look_.groupBox.text.isValid()) {
    QStyleOptionGroupBox titled = *box;
    titled.textColor = look_.groupBox.text;
    titled.palette = WithText(box->palette, look_.groupBox.text);
    return QProxyStyle::drawComplexControl(control, &titled, painter, widget);
  }
  QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect TThemeStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
  QRect rect = QProxyStyle::subElementRect(element, option, widget);
  const auto* frame = qstyleoption_cast<const QStyleOptionTabWidgetFrame*>(option);
  if (!look_.tabsSegmented || !frame || !IsNorthTab(frame->shape)) return rect;
  // The pane's top edge runs through the middle of the row of tabs (the pages keep their place below it).
  if (element != SE_TabWidgetTabPane) return rect;
  const QRect bar = QProxyStyle::subElementRect(SE_TabWidgetTabBar, option, widget);
  if (!bar.isEmpty()) rect.setTop(bar.center().y());
  return rect;
}

int TThemeStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  // Tabs padded as a compact row, so narrow panels keep room for their own controls.
  if (metric == PM_TabBarTabHSpace) return 18;
  if (metric == PM_TabBarTabVSpace) return 8;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TThemeStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                    const QWidget* widget) const {
  QSize needed = QProxyStyle::sizeFromContents(type, option, size, widget);
  // Menu bar titles get room on either side for their highlight.
  if (type == CT_MenuBarItem && !needed.isEmpty()) needed.rwidth() += 12;
  return needed;
}

int TThemeStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
  // A tab widget's row sits centred on its pane; a bare tab bar keeps its tabs where its layout puts them.
  if (hint == SH_TabBar_Alignment && look_.tabsSegmented && qobject_cast<const QTabWidget*>(widget))
    return Qt::AlignHCenter;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon TThemeStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  const bool dockSymbol =
      icon == SP_TitleBarCloseButton || icon == SP_TitleBarNormalButton || icon == SP_DockWidgetCloseButton;
  if (dockSymbol && look_.dockButton.fill.IsSet() && qobject_cast<const QDockWidget*>(widget))
    return DockButtonIcon(icon);
  return QProxyStyle::standardIcon(icon, option, widget);
}

void TThemeStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (qobject_cast<QTabBar*>(widget) && look_.tabHot.fill.IsSet()) widget->setAttribute(Qt::WA_Hover);
  if (qobject_cast<QStatusBar*>(widget) && look_.statusBarText.isValid()) {
    widget->setPalette(WithText(widget->palette(), look_.statusBarText));
    widget->setProperty(kThemedPalette, true);
  }
}

void TThemeStyle::unpolish(QWidget* widget) {
  if (widget->property(kThemedPalette).toBool()) {
    widget->setPalette(QPalette());
    widget->setProperty(kThemedPalette, QVariant());
  }
  QProxyStyle::unpolish(widget);
}

// --- Menu bar and menus ---------------------------------------------------------------------------------------

void TThemeStyle::DrawMenuBarArea(const QStyleOption* option, QPainter* painter) const {
  const QRect bar = option->rect;
  painter->fillRect(bar, look_.menuBar.BrushFor(bar));
  if (look_.menuBarLine.isValid()) painter->fillRect(QRect(bar.left(), bar.bottom(), bar.width(), 1), look_.menuBarLine);
}

void TThemeStyle::DrawMenuBarItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return;
  QStyleOption area(*option);
  area.rect = item->menuRect.isValid() ? item->menuRect : (widget ? widget->rect() : option->rect);
  DrawMenuBarArea(&area, painter);

  const bool enabled = option->state & State_Enabled;
  const bool hot = enabled && (option->state & State_Selected);
  const bool open = hot && (option->state & State_Sunken) && look_.menuBarItemOpen.fill.IsSet();
  const TThemeFace& face = open ? look_.menuBarItemOpen : look_.menuBarItemHot;
  if (hot) PaintFace(painter, QRectF(option->rect).adjusted(1, 1, -1, -1), face, look_.menuBarItemRadius);

  int alignment = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
  if (!proxy()->styleHint(SH_UnderlineShortcut, item, widget)) alignment |= Qt::TextHideMnemonic;
  const QPalette palette = hot ? WithText(item->palette, face.text) : item->palette;
  proxy()->drawItemText(painter, item->rect, alignment, palette, enabled, item->text, QPalette::ButtonText);
}

void TThemeStyle::DrawMenuPanel(const QStyleOption* option, QPainter* painter) const {
  painter->fillRect(option->rect, look_.menuBack);
  if (look_.menuBand.isValid()) {
    painter->fillRect(QRect(option->rect.left(), option->rect.top(), look_.menuBandWidth, option->rect.height()),
                      look_.menuBand);
  }
}

void TThemeStyle::DrawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return QProxyStyle::drawControl(CE_MenuItem, option, painter, widget);
  if (item->menuItemType == QStyleOptionMenuItem::Separator && item->text.isEmpty()) {
    const QRect r = item->rect;
    const int left = r.left() + (look_.menuBand.isValid() ? look_.menuBandWidth + 8 : 10);
    const int right = r.right() - (look_.menuBand.isValid() ? 0 : 10);
    painter->fillRect(QRect(left, r.center().y(), std::max(0, right - left + 1), 1), look_.menuSeparator);
    return;
  }
  QStyleOptionMenuItem drawn = *item;
  if ((item->state & State_Selected) && (item->state & State_Enabled)) {
    PaintFace(painter, QRectF(item->rect).adjusted(look_.menuItemInset, 0, -look_.menuItemInset, 0),
              look_.menuItemHot, look_.menuItemRadius);
    // Fusion draws the rest (check, icon, text, shortcut, arrow); its own highlight is made invisible.
    drawn.palette.setColor(QPalette::Highlight, Qt::transparent);
    if (look_.menuItemHot.text.isValid()) drawn.palette.setColor(QPalette::HighlightedText, look_.menuItemHot.text);
  }
  QProxyStyle::drawControl(CE_MenuItem, &drawn, painter, widget);
}

// --- Tool bars and tool buttons -------------------------------------------------------------------------------

void TThemeStyle::DrawToolBar(const QStyleOption* option, QPainter* painter) const {
  const QRect r = option->rect;
  const bool horizontal = option->state & State_Horizontal;
  TThemeFill fill = look_.toolBar;
  if (!horizontal) fill.across = !fill.across;
  if (look_.toolBarBoxed) {
    painter->fillRect(r, option->palette.window());
    return PaintFace(painter, QRectF(r).adjusted(1, 1, -1, -1), TThemeFace{fill, look_.toolBarLine, {}, 1}, 4);
  }
  painter->fillRect(r, fill.BrushFor(r));
  if (!look_.toolBarLine.isValid()) return;
  painter->fillRect(horizontal ? QRect(r.left(), r.bottom(), r.width(), 1) : QRect(r.right(), r.top(), 1, r.height()),
                    look_.toolBarLine);
}

void TThemeStyle::DrawToolBarSeparator(const QStyleOption* option, QPainter* painter) const {
  const QRect r = option->rect;
  if (option->state & State_Horizontal) {
    painter->fillRect(QRect(r.center().x(), r.top() + 4, 1, std::max(0, r.height() - 8)), look_.toolBarSeparator);
  } else {
    painter->fillRect(QRect(r.left() + 4, r.center().y(), std::max(0, r.width() - 8), 1), look_.toolBarSeparator);
  }
}

void TThemeStyle::DrawToolBarGrip(const QStyleOption* option, QPainter* painter) const {
  const QRect r = option->rect;
  const bool horizontal = option->state & State_Horizontal;
  const int length = horizontal ? r.height() : r.width();
  for (int at = 3; at + 2 <= length - 3; at += 4) {
    const QRect dot = horizontal ? QRect(r.center().x() - 1, r.top() + at, 2, 2) : QRect(r.left() + at, r.center().y() - 1, 2, 2);
    painter->fillRect(dot, look_.toolBarGrip);
  }
}

bool TThemeStyle::DrawToolButtonPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  // A dock title's symbols carry their own box.
  if (widget && look_.dockButton.fill.IsSet() && widget->inherits("QDockWidgetTitleButton")) return true;
  const State state = option->state;
  const TThemeFace* face = nullptr;
  if (state & (State_Sunken | State_On)) {
    face = &look_.toolButtonDown;
  } else if ((state & State_MouseOver) && (state & State_Enabled)) {
    face = &look_.toolButtonHot;
  } else {
    return false;
  }
  PaintFace(painter, option->rect, *face, look_.toolButtonRadius);
  return true;
}

// --- Push buttons ---------------------------------------------------------------------------------------------

namespace {

TThemeFace ButtonFace(const TThemeLook& look, const QStyleOption* option) {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  const QStyle::State state = option->state;
  TThemeFace face = look.button;
  if (!(state & QStyle::State_Enabled)) return Over(face, look.buttonOff);
  if (button && (button->features & QStyleOptionButton::DefaultButton)) face = Over(face, look.buttonDefault);
  if (state & (QStyle::State_Sunken | QStyle::State_On)) return Over(face, look.buttonDown);
  if (state & QStyle::State_MouseOver) return Over(face, look.buttonHot);
  return face;
}

}  // namespace

bool TThemeStyle::DrawButtonPanel(const QStyleOption* option, QPainter* painter) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  const bool flat = button && (button->features & QStyleOptionButton::Flat);
  if (flat && !(option->state & (State_Sunken | State_On | State_MouseOver))) return true;
  PaintFace(painter, option->rect, ButtonFace(look_, option), look_.buttonRadius);
  return true;
}

void TThemeStyle::DrawButtonLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  const QColor text = ButtonFace(look_, option).text;
  if (!button || !text.isValid()) return QProxyStyle::drawControl(CE_PushButtonLabel, option, painter, widget);
  QStyleOptionButton drawn = *button;
  drawn.palette.setColor(QPalette::ButtonText, text);
  QProxyStyle::drawControl(CE_PushButtonLabel, &drawn, painter, widget);
}

// --- Dock titles ----------------------------------------------------------------------------------------------

void TThemeStyle::DrawDockTitle(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  const auto* dock = qstyleoption_cast<const QStyleOptionDockWidget*>(option);
  if (!dock || dock->verticalTitleBar) return QProxyStyle::drawControl(CE_DockWidgetTitle, option, painter, widget);
  const QRect r = option->rect;
  painter->fillRect(r, look_.dockTitle.fill.BrushFor(r));
  if (look_.dockTitle.line.isValid()) painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look_.dockTitle.line);
  if (dock->title.isEmpty()) return;
  const QRect textArea = proxy()->subElementRect(SE_DockWidgetTitleBarText, option, widget).adjusted(2, 0, -2, 0);
  const QString title = option->fontMetrics.elidedText(dock->title, Qt::ElideRight, textArea.width());
  const int alignment = (look_.dockTitleCentred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
  const QPalette palette = WithText(option->palette, look_.dockTitle.text);
  proxy()->drawItemText(painter, textArea, alignment | Qt::TextHideMnemonic, palette, option->state & State_Enabled,
                        title, QPalette::WindowText);
}

QIcon TThemeStyle::DockButtonIcon(StandardPixmap icon) const {
  return QIcon(new TDockSymbolEngine(icon != SP_TitleBarNormalButton, look_.dockButton,
                                     Over(look_.dockButton, look_.dockButtonHot)));
}

// --- Tabs -----------------------------------------------------------------------------------------------------

bool TThemeStyle::DrawTabShape(const QStyleOption* option, QPainter* painter) const {
  const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
  if (!tab || !(IsNorthTab(tab->shape) || IsSouthTab(tab->shape))) return false;
  // Tabs under their pane are the same drawing upside down.
  painter->save();
  if (IsSouthTab(tab->shape)) {
    painter->translate(0, tab->rect.top() + tab->rect.bottom() + 1);
    painter->scale(1, -1);
  }
  DrawNorthTabShape(*tab, painter);
  painter->restore();
  return true;
}

void TThemeStyle::DrawNorthTabShape(const QStyleOptionTab& tab, QPainter* painter) const {
  const bool selected = tab.state & State_Selected;
  const TThemeFace face = TabFace(look_, tab.state);
  if (look_.tabsSegmented) {
    bool first = tab.position == QStyleOptionTab::Beginning || tab.position == QStyleOptionTab::OnlyOneTab;
    bool last = tab.position == QStyleOptionTab::End || tab.position == QStyleOptionTab::OnlyOneTab;
    if (tab.direction == Qt::RightToLeft) std::swap(first, last);
    // Neighbours share one line: each segment reaches one pixel under the next.
    const QRectF rect = InsideLine(QRectF(tab.rect).adjusted(0, 1, last ? 0 : 1, -1), face.lineWidth);
    PaintPath(painter, SegmentPath(rect, look_.tabRadius, first, last), rect, face);
    return;
  }
  // Idle tabs sit a little lower; the selected one reaches over the pane's edge and joins it.
  const QRectF area = QRectF(tab.rect).adjusted(look_.tabGap / 2.0, selected ? 0 : 2, -look_.tabGap / 2.0, selected ? 1 : 0);
  const QRectF outline = area.adjusted(0.5, 0.5, -0.5, 0);
  TThemeFace filled = face;
  filled.line = QColor();
  PaintPath(painter, TopRoundedPath(outline, look_.tabRadius, true), area, filled);
  TThemeFace edged = face;
  edged.fill = {};
  PaintPath(painter, TopRoundedPath(outline, look_.tabRadius, false), area, edged);
  if (selected && look_.tabAccent.isValid()) {
    painter->save();
    painter->setClipPath(TopRoundedPath(area, look_.tabRadius, true));
    painter->fillRect(QRectF(area.left(), area.top(), area.width(), 2), look_.tabAccent);
    painter->restore();
  }
}

void TThemeStyle::DrawTabLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
  const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
  if (!tab || !(IsNorthTab(tab->shape) || IsSouthTab(tab->shape)))
    return QProxyStyle::drawControl(CE_TabBarTabLabel, option, painter, widget);
  QStyleOptionTab drawn = *tab;
  drawn.palette = WithText(tab->palette, TabFace(look_, option->state).text);
  QProxyStyle::drawControl(CE_TabBarTabLabel, &drawn, painter, widget);
}

void TThemeStyle::DrawPane(const QStyleOption* option, QPainter* painter) const {
  PaintFace(painter, option->rect, look_.pane, look_.paneRadius);
}

void TThemeStyle::DrawTabBarBase(const QStyleOption* option, QPainter* painter) const {
  if (look_.tabsSegmented || !look_.pane.line.isValid()) return;
  const QRect r = option->rect;
  painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look_.pane.line);
}

// --- Status bar -----------------------------------------------------------------------------------------------

void TThemeStyle::DrawStatusBar(const QStyleOption* option, QPainter* painter) const {
  const QRect r = option->rect;
  painter->fillRect(r, look_.statusBar.BrushFor(r));
  if (look_.statusBarLine.isValid()) painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), look_.statusBarLine);
}

}  // namespace tintorium
