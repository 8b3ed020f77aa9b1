#pragma once
// A decorated theme drawn as a style over Fusion: bars, menus, buttons, dock titles, tabs, group boxes and the
// status bar take their fills, lines and text colours from a TThemeLook; everything else is Fusion's, coloured by
// the theme's palette. Drawing in the style keeps every widget on the fast path (a style sheet would have each
// one matched against its rules when it is polished).

#include "app/ThemeLook.h"

#include <QProxyStyle>

class QStyleOptionTab;

namespace tintorium {

class TThemeStyle : public QProxyStyle {
  Q_OBJECT

 public:
  /// Draws `look` (which must outlive the style) over `fusion`, which the style takes over.
  TThemeStyle(const TThemeLook& look, QStyle* fusion);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
  void polish(QWidget* widget) override;
  void unpolish(QWidget* widget) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;

 private:
  void DrawMenuBarItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  void DrawMenuBarArea(const QStyleOption* option, QPainter* painter) const;
  void DrawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  void DrawMenuPanel(const QStyleOption* option, QPainter* painter) const;
  void DrawToolBar(const QStyleOption* option, QPainter* painter) const;
  void DrawToolBarSeparator(const QStyleOption* option, QPainter* painter) const;
  void DrawToolBarGrip(const QStyleOption* option, QPainter* painter) const;
  bool DrawToolButtonPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  bool DrawButtonPanel(const QStyleOption* option, QPainter* painter) const;
  void DrawButtonLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  void DrawDockTitle(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  bool DrawTabShape(const QStyleOption* option, QPainter* painter) const;
  void DrawNorthTabShape(const QStyleOptionTab& tab, QPainter* painter) const;
  void DrawTabLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
  void DrawPane(const QStyleOption* option, QPainter* painter) const;
  void DrawTabBarBase(const QStyleOption* option, QPainter* painter) const;
  void DrawStatusBar(const QStyleOption* option, QPainter* painter) const;
  QIcon DockButtonIcon(StandardPixmap icon) const;

  const TThemeLook& look_;
};

}  // namespace tintorium
