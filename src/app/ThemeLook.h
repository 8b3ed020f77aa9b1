#pragma once
// What a decorated theme paints on top of Fusion: the fills, lines, radii and text colours of the bars, menus,
// buttons, dock titles, tabs, group boxes and status bar. Plain data; TThemeStyle draws from it.

#include <QBrush>
#include <QColor>
#include <QRectF>

namespace tintorium {

/// A flat colour or a two- or three-stop gradient across the painted rectangle.
struct TThemeFill {
  QColor from;
  QColor to;                 // invalid: flat `from`
  QColor middle;             // invalid: no middle stop
  bool across = false;       // left to right rather than top to bottom
  qreal middleAt = 0.45;

  bool IsSet() const { return from.isValid(); }
  /// The brush that paints this fill over `rect` (the gradient runs over the whole of it).
  QBrush BrushFor(const QRectF& rect) const;
};

/// A control's surface in one state: its fill, its outline (invalid: none) and its text (invalid: the palette's).
struct TThemeFace {
  TThemeFill fill;
  QColor line;
  QColor text;
  int lineWidth = 1;
};

struct TThemeLook {
  // Menu bar: the bar, its item under the pointer and the item whose menu is open.
  TThemeFill menuBar;
  QColor menuBarLine;
  TThemeFace menuBarItemHot;
  TThemeFace menuBarItemOpen;  // fill unset: as hot
  int menuBarItemRadius = 0;

  // Menus: the panel, an icon band down the left (invalid: none), the item under the pointer, separators.
  QColor menuBack;
  QColor menuLine;
  QColor menuBand;
  int menuBandWidth = 24;
  TThemeFace menuItemHot;
  int menuItemRadius = 0;
  int menuItemInset = 0;  // space left and right of a highlighted item
  QColor menuSeparator;

  // Tool bars and their buttons.
  TThemeFill toolBar;
  QColor toolBarLine;
  bool toolBarBoxed = false;  // an outline all round with rounded ends, instead of a line under
  QColor toolBarSeparator;
  QColor toolBarGrip;  // dotted grip; invalid: Fusion's
  TThemeFace toolButtonHot;
  TThemeFace toolButtonDown;  // pressed or checked
  int toolButtonRadius = 0;

  // Push buttons.
  TThemeFace button;
  TThemeFace buttonHot;    // fill or line unset: as `button`
  TThemeFace buttonDown;
  TThemeFace buttonDefault;
  TThemeFace buttonOff;    // disabled
  int buttonRadius = 0;

  // Dock titles; the float and close symbols are drawn in the title's text colour on `dockButton`.
  TThemeFace dockTitle;
  bool dockTitleCentred = false;
  TThemeFace dockButton;       // fill unset: no box behind the symbols
  TThemeFace dockButtonHot;

  // Tabs and the pane under them.
  TThemeFace tab;
  TThemeFace tabSelected;
  TThemeFace tabHot;           // fill unset: no hover look
  QColor tabAccent;            // a bar along the top of the selected tab; invalid: none
  int tabRadius = 0;
  int tabGap = 0;              // space between neighbouring tabs
  bool tabsSegmented = false;  // one joined row, rounded at its ends, centred on the pane's top edge
  TThemeFace pane;
  int paneRadius = 0;

  // Group boxes: frame, fill and title colour.
  TThemeFace groupBox;
  int groupBoxRadius = 0;

  // Status bar.
  TThemeFill statusBar;
  QColor statusBarLine;
  QColor statusBarText;
};

/// The decorated looks, by theme name ("Mac Style", "OfficeXP", "Dream", "OfficeK"); null for any other.
const TThemeLook* FindThemeLook(const char* name);

}  // namespace tintorium
