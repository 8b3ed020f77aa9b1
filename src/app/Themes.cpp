#include "app/Themes.h"

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
  const char* styleSheet;
};

// Plain Fusion: the neutral look without decoration.
constexpr char kDefaultSheet[] = "";

// Soft grey surfaces, gently shaded bars, rounded controls and a blue accent.
constexpr char kMacSheet[] = R"(
QMainWindow, QDialog { background: #ececec; }
QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f7f7f7, stop:1 #e4e4e4);
  border-bottom: 1px solid #c8c8c8; padding: 1px 4px; }
QMenuBar::item { padding: 3px 10px; border-radius: 4px; background: transparent; }
QMenuBar::item:selected { background: #2568d4; color: white; }
QMenu { background: #f9f9f9; border: 1px solid #bdbdbd; border-radius: 6px; padding: 4px 0; }
QMenu::item { padding: 4px 24px 4px 26px; border-radius: 4px; margin: 0 4px; }
QMenu::item:selected { background: #2568d4; color: white; }
QMenu::separator { height: 1px; background: #dcdcdc; margin: 4px 10px; }
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eeeeee, stop:1 #d6d6d6);
  border: none; border-bottom: 1px solid #b9b9b9; spacing: 3px; padding: 2px; }
QToolBar::separator { width: 1px; background: #bcbcbc; margin: 4px 4px; }
QToolButton { border: 1px solid transparent; border-radius: 5px; padding: 2px; }
QToolButton:hover { background: rgba(255, 255, 255, 150); border-color: #b4b4b4; }
QToolButton:pressed, QToolButton:checked { background: #cfcfcf; border-color: #a6a6a6; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #f0f0f0);
  border: 1px solid #b5b5b5; border-radius: 6px; padding: 4px 14px; min-height: 16px; }
QPushButton:hover { border-color: #8fb5f5; }
QPushButton:pressed { background: #dadada; }
QPushButton:default { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b6cd8, stop:1 #2a66cc);
  color: white; border-color: #2a6fdc; }
QPushButton:disabled { color: #a8a8a8; background: #f2f2f2; }
QDockWidget::title { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f4f4, stop:1 #dcdcdc);
  border-bottom: 1px solid #bdbdbd; padding: 4px 6px; text-align: center; }
QTabBar::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfbfb, stop:1 #e9e9e9);
  border: 1px solid #b9b9b9; padding: 3px 8px; margin-right: -1px; }
QTabBar::tab:first { border-top-left-radius: 6px; border-bottom-left-radius: 6px; }
QTabBar::tab:last { border-top-right-radius: 6px; border-bottom-right-radius: 6px; }
QTabBar::tab:only-one { border-radius: 6px; }
QTabBar::tab:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b6cd8, stop:1 #2a66cc);
  color: white; border-color: #2a6fdc; }
QTabWidget::tab-bar { alignment: center; }
QTabWidget::pane { border: 1px solid #c4c4c4; border-radius: 6px; top: -12px; padding-top: 12px;
  background: #f3f3f3; }
QGroupBox { border: 1px solid #c9c9c9; border-radius: 6px; margin-top: 14px; background: #f1f1f1; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 3px; }
QStatusBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e8e8e8, stop:1 #d2d2d2);
  border-top: 1px solid #b9b9b9; }
QToolTip { background: #fffff0; color: #222222; border: 1px solid #bcbcbc; }
)";

// Flat, light bars with a grey icon band in the menus; hovered items framed in dark blue on pale blue.
constexpr char kOfficeXPSheet[] = R"(
QMainWindow, QDialog { background: #f1efe9; }
QMenuBar { background: #f1efe9; border-bottom: 1px solid #d6d3ca; }
QMenuBar::item { padding: 3px 8px; border: 1px solid transparent; background: transparent; }
QMenuBar::item:selected { background: #c1d2ee; border-color: #316ac5; }
QMenuBar::item:pressed { background: #fcfcf9; border-color: #8a867a; border-bottom-color: #fcfcf9; }
QMenu { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #e9e6dd, stop:1 #e9e6dd); border: 1px solid #8a867a; }
QMenu::item { background: #fcfcf9; margin-left: 24px; padding: 4px 24px 4px 8px; border: 1px solid transparent; }
QMenu::item:selected { background: #c1d2ee; border-color: #316ac5; color: black; margin-left: 0;
  padding-left: 32px; }
QMenu::item:disabled { color: #a7a59f; }
QMenu::separator { height: 1px; background: #c5c2b8; margin: 2px 0 2px 32px; }
QMenu::icon { padding-left: 4px; }
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfaf7, stop:1 #e7e4da);
  border: none; border-bottom: 1px solid #d0ccc0; spacing: 1px; padding: 2px; }
QToolBar::handle { image: none; width: 6px; background: transparent; border-left: 2px dotted #a8a496; margin: 3px 2px; }
QToolBar::separator { width: 1px; background: #c5c2b8; margin: 3px 3px; }
QToolButton { border: 1px solid transparent; padding: 2px; }
QToolButton:hover { background: #c1d2ee; border-color: #316ac5; }
QToolButton:pressed, QToolButton:checked { background: #98b5e2; border-color: #316ac5; }
QPushButton { background: #fdfdfb; border: 1px solid #8a867a; padding: 4px 14px; min-height: 16px; }
QPushButton:hover { background: #c1d2ee; border-color: #316ac5; }
QPushButton:pressed { background: #98b5e2; }
QPushButton:default { border: 2px solid #316ac5; }
QPushButton:disabled { color: #a7a59f; border-color: #c5c2b8; }
QDockWidget::title { background: #d9d5ca; padding: 4px 6px; border-bottom: 1px solid #c5c2b8; }
QTabBar::tab { background: #e9e6dd; border: 1px solid #c5c2b8; border-bottom: none; padding: 3px 8px;
  margin-right: 1px; color: #4d4a42; }
QTabBar::tab:selected { background: #fcfcf9; color: black; border-color: #8a867a; }
QTabBar::tab:hover:!selected { background: #c1d2ee; }
QTabWidget::pane { border: 1px solid #8a867a; background: #fcfcf9; top: -1px; }
QGroupBox { border: 1px solid #c5c2b8; margin-top: 14px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #1f4e9c; }
QStatusBar { background: #f1efe9; border-top: 1px solid #d6d3ca; }
QToolTip { background: #ffffe1; color: black; border: 1px solid #767676; }
)";

// A dark night-sky look: deep indigo surfaces, violet accent, softly glowing selection.
constexpr char kDreamSheet[] = R"(
QMainWindow, QDialog { background: #1d1a2e; }
QMenuBar { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #241f3b, stop:1 #2c2147);
  border-bottom: 1px solid #3b3358; padding: 1px 4px; }
QMenuBar::item { padding: 3px 10px; border-radius: 4px; background: transparent; color: #e4defa; }
QMenuBar::item:selected { background: #7352e6; color: white; }
QMenu { background: #241f38; border: 1px solid #4a4070; border-radius: 6px; padding: 4px 0; color: #e4defa; }
QMenu::item { padding: 4px 24px 4px 26px; border-radius: 4px; margin: 0 4px; }
QMenu::item:selected { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #7352e6, stop:1 #9c51ce);
  color: white; }
QMenu::item:disabled { color: #6d6590; }
QMenu::separator { height: 1px; background: #3d355e; margin: 4px 10px; }
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b2545, stop:1 #221d37);
  border: none; border-bottom: 1px solid #3b3358; spacing: 3px; padding: 2px; }
QToolBar::separator { width: 1px; background: #463d6a; margin: 4px 4px; }
QToolButton { border: 1px solid transparent; border-radius: 5px; padding: 2px; color: #e4defa; }
QToolButton:hover { background: #3a3160; border-color: #5b4d92; }
QToolButton:pressed, QToolButton:checked { background: #4d3f86; border-color: #7c5cf0; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3a3360, stop:1 #2e284d);
  border: 1px solid #54497f; border-radius: 6px; padding: 4px 14px; min-height: 16px; color: #eeeaff; }
QPushButton:hover { border-color: #9a7ff5; }
QPushButton:pressed { background: #251f3f; }
QPushButton:default { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7a5bed, stop:1 #6d4fe0);
  border-color: #a48bf7; color: white; }
QPushButton:disabled { color: #6d6590; border-color: #3b3358; }
QDockWidget { color: #e4defa; }
QDockWidget::close-button, QDockWidget::float-button { background: #d9d1f7; border: 1px solid #7c5cf0;
  border-radius: 3px; }
QDockWidget::close-button:hover, QDockWidget::float-button:hover { background: #ffffff; }
QDockWidget::title { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2f2850, stop:1 #3a2a5a);
  padding: 4px 6px; border-bottom: 1px solid #4a4070; }
QTabBar::tab { background: #262140; border: 1px solid #3d355e; border-bottom: none; padding: 3px 8px;
  margin-right: 2px; border-top-left-radius: 6px; border-top-right-radius: 6px; color: #b8b0d8; }
QTabBar::tab:selected { background: #332b55; color: white; border-color: #7c5cf0; border-top: 2px solid #b05ce8; }
QTabBar::tab:hover:!selected { background: #2f2950; color: #e4defa; }
QTabWidget::pane { border: 1px solid #3d355e; background: #221d36; top: -1px; }
QGroupBox { border: 1px solid #41386a; border-radius: 6px; margin-top: 14px; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 3px; color: #c9b8ff; }
QStatusBar { background: #1a1729; border-top: 1px solid #3b3358; color: #b8b0d8; }
QToolTip { background: #2d2650; color: #f2eeff; border: 1px solid #7c5cf0; }
)";

// Blue gradient bars with rounded toolbar ends; hovered items glow warm orange.
constexpr char kOfficeKSheet[] = R"(
QMainWindow, QDialog { background: #dbe7f8; }
QMenuBar { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #9ebef5, stop:1 #c4dafa);
  border-bottom: 1px solid #6f9ddf; padding: 1px 2px; }
QMenuBar::item { padding: 3px 8px; border: 1px solid transparent; background: transparent; }
QMenuBar::item:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 #ffd091);
  border-color: #000080; }
QMenuBar::item:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e3efff, stop:1 #9ebef5);
  border-color: #002d96; }
QMenu { background: #f6f6f6; border: 1px solid #002d96; padding: 1px; }
QMenu::item { padding: 4px 24px 4px 30px; border: 1px solid transparent; }
QMenu::item:selected { background: #ffeec2; border-color: #000080; color: black; }
QMenu::item:disabled { color: #8d8d8d; }
QMenu::separator { height: 1px; background: #6a8ccb; margin: 2px 0 2px 30px; }
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e3efff, stop:0.45 #c4dafa, stop:1 #8db2e3);
  border: 1px solid #6f9ddf; border-radius: 4px; spacing: 1px; padding: 2px; margin: 1px; }
QToolBar::handle { width: 6px; border-left: 2px dotted #27418f; margin: 3px 2px; }
QToolBar::separator { width: 1px; background: #6a8ccb; margin: 3px 3px; }
QToolButton { border: 1px solid transparent; padding: 2px; }
QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 #ffd091);
  border-color: #000080; }
QToolButton:pressed, QToolButton:checked { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,
  stop:0 #fe8e4b, stop:1 #ffd38e); border-color: #000080; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d8e6fa);
  border: 1px solid #6f9ddf; border-radius: 3px; padding: 4px 14px; min-height: 16px; }
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 #ffd091);
  border-color: #000080; }
QPushButton:pressed { background: #fe9e5b; }
QPushButton:default { border: 2px solid #002d96; }
QPushButton:disabled { color: #8d8d8d; border-color: #a9c1e6; }
QDockWidget::title { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3d6dc8, stop:1 #24519f);
  color: white; padding: 4px 6px; }
QDockWidget { color: white; }
QDockWidget::close-button, QDockWidget::float-button { background: #f3f8ff; border: 1px solid #000080;
  border-radius: 2px; }
QDockWidget::close-button:hover, QDockWidget::float-button:hover { background: #ffd091; }
QTabBar::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3f8ff, stop:1 #c4dafa);
  border: 1px solid #6f9ddf; border-bottom: none; padding: 3px 8px; margin-right: 1px;
  border-top-left-radius: 3px; border-top-right-radius: 3px; color: #0b2c6e; }
QTabBar::tab:selected { background: white; border-top: 2px solid #f7a23a; }
QTabBar::tab:hover:!selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 #ffd091); }
QTabWidget::pane { border: 1px solid #6f9ddf; background: #f5f9ff; top: -1px; }
QGroupBox { border: 1px solid #8db2e3; border-radius: 3px; margin-top: 14px; background: #eef4fd; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #15428b; }
QStatusBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c4dafa, stop:1 #8db2e3);
  border-top: 1px solid #6f9ddf; color: #0b2c6e; }
QToolTip { background: #ffffe1; color: black; border: 1px solid #767676; }
)";

const std::array<TTheme, 5> kThemes = {{
    {"Default",
     {"#efefef", "#000000", "#ffffff", "#f7f7f7", "#efefef", "#2a7bae", "#ffffff", "#a0a0a0", "#0000ff", false},
     kDefaultSheet},
    {"Mac Style",
     {"#ececec", "#1d1d1f", "#ffffff", "#f4f5f7", "#f6f6f6", "#2568d4", "#ffffff", "#a8a8a8", "#0a64d6", false},
     kMacSheet},
    {"OfficeXP",
     {"#f1efe9", "#000000", "#ffffff", "#f6f5f1", "#f1efe9", "#316ac5", "#ffffff", "#a7a59f", "#0000ff", false},
     kOfficeXPSheet},
    {"Dream",
     {"#1d1a2e", "#e4defa", "#151226", "#1f1b33", "#2e284d", "#7352e6", "#ffffff", "#6d6590", "#b49bff", true},
     kDreamSheet},
    {"OfficeK",
     {"#dbe7f8", "#0b1f44", "#ffffff", "#eef4fd", "#e3efff", "#316ac5", "#ffffff", "#8d8d8d", "#0b4fc4", false},
     kOfficeKSheet},
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
  const QString sheet = QString::fromLatin1(theme->styleSheet);
  const QPalette palette = BuildPalette(theme->colors);
  if (installed && Current() == QLatin1String(theme->name) && app->styleSheet() == sheet &&
      QApplication::palette() == palette)
    return true;
  // A fresh style each time: with a style sheet set, style() is a proxy and no longer tells what is below.
  QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
  if (!fusion) return false;
  QApplication::setStyle(fusion);
  installed = fusion;
  QApplication::setPalette(palette);
  app->setStyleSheet(sheet);
  Current() = QLatin1String(theme->name);
  return true;
}

QString CurrentThemeName() { return Current(); }

bool IsDarkTheme(const QString& name) {
  const TTheme* theme = FindTheme(name);
  return theme && theme->colors.dark;
}

}  // namespace tintorium
