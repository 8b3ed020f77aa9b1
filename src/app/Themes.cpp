#include "app/Themes.h"

#include "app/ThemeStyle.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include <array>

namespace tintorium {
namespace {

struct TThemeColors {
  const char* window;
  const char* windowText;
  const char* base;
  const char* alternateBase;
  const char* button;
  const char* highlight;
  const char* highlightedText;
  const char* disabledText;
  const char* link;
  bool dark;
};

struct TTheme {
  const char* name;
  TThemeColors colors;
};

const std::array<TTheme, 5> kThemes = {{
    {"Default",
     {"#efefef", "#000000", "#ffffff", "#f7f7f7", "#efefef", "#2a7bae", "#ffffff", "#a0a0a0", "#0000ff", false}},
    {"Mac Style",
     {"#ececec", "#1d1d1f", "#ffffff", "#f4f5f7", "#f6f6f6", "#2568d4", "#ffffff", "#a8a8a8", "#0a64d6", false}},
    {"OfficeXP",
     {"#f1efe9", "#000000", "#ffffff", "#f6f5f1", "#f1efe9", "#316ac5", "#ffffff", "#a7a59f", "#0000ff", false}},
    {"Dream",
     {"#1d1a2e", "#e4defa", "#151226", "#1f1b33", "#2e284d", "#7352e6", "#ffffff", "#6d6590", "#b49bff", true}},
    {"OfficeK",
     {"#dbe7f8", "#0b1f44", "#ffffff", "#eef4fd", "#e3efff", "#316ac5", "#ffffff", "#8d8d8d", "#0b4fc4", false}},
}};

const TTheme* FindTheme(const QString& name) {
  for (const TTheme& theme : kThemes) {
    if (name.compare(QLatin1String(theme.name), Qt::CaseInsensitive) == 0) return &theme;
  }
  return nullptr;
}

QPalette BuildPalette(const TThemeColors& c) {
  const QColor window(c.window);
  const QColor button(c.button);
  const QColor text(c.windowText);
  QPalette p(button, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Base, QColor(c.base));
  p.setColor(QPalette::AlternateBase, QColor(c.alternateBase));
  p.setColor(QPalette::Highlight, QColor(c.highlight));
  p.setColor(QPalette::HighlightedText, QColor(c.highlightedText));
  p.setColor(QPalette::Link, QColor(c.link));
  p.setColor(QPalette::LinkVisited, QColor(c.link).darker(c.dark ? 80 : 130));
  p.setColor(QPalette::ToolTipBase, c.dark ? QColor("#2d2650") : QColor("#ffffe1"));
  p.setColor(QPalette::ToolTipText, c.dark ? QColor("#f2eeff") : QColor("#000000"));
  p.setColor(QPalette::BrightText, c.dark ? QColor("#ffffff") : QColor("#ff0000"));
  p.setColor(QPalette::Light, button.lighter(c.dark ? 160 : 150));
  p.setColor(QPalette::Midlight, button.lighter(c.dark ? 130 : 115));
  p.setColor(QPalette::Mid, button.darker(c.dark ? 120 : 125));
  p.setColor(QPalette::Dark, button.darker(c.dark ? 160 : 200));
  p.setColor(QPalette::Shadow, c.dark ? QColor("#09070f") : QColor("#6a6a6a"));
  QColor placeholder(text);
  placeholder.setAlpha(128);
  p.setColor(QPalette::PlaceholderText, placeholder);
  const QColor disabled(c.disabledText);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, disabled);
  }
  p.setColor(QPalette::Disabled, QPalette::Highlight, button.darker(c.dark ? 80 : 130));
  p.setColor(QPalette::Disabled, QPalette::Base, window);
  return p;
}

QString& Current() {
  static QString name;
  return name;
}

}  // namespace

QStringList ThemeNames() {
  QStringList names;
  for (const TTheme& theme : kThemes) names.append(QLatin1String(theme.name));
  return names;
}

bool ApplyTheme(const QString& name) {
  const TTheme* theme = FindTheme(name);
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!theme || !app) return false;
  // The same theme again (the start applies it before the window's widgets exist, then once more from the
  // settings) is left alone: setting a style repolishes every widget.
  static QPointer<QStyle> installed;
  const QPalette palette = BuildPalette(theme->colors);
  if (installed && installed == QApplication::style() && Current() == QLatin1String(theme->name) &&
      QApplication::palette() == palette)
    return true;
  QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
  if (!fusion) return false;
  QStyle* style = fusion;
  if (const TThemeLook* look = FindThemeLook(theme->name)) style = new TThemeStyle(*look, fusion);
  QApplication::setStyle(style);
  installed = style;
  QApplication::setPalette(palette);
  Current() = QLatin1String(theme->name);
  return true;
}

QString CurrentThemeName() { return Current(); }

bool IsDarkTheme(const QString& name) {
  const TTheme* theme = FindTheme(name);
  return theme && theme->colors.dark;
}

}  // namespace tintorium
