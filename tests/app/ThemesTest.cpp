// The interface themes: each applies, looks different from the others, and keeps text readable.
// With TINTORIUM_THEME_SHOTS set to a folder, every theme's sample window is also saved there as a PNG.
#include "ui/actions/MainActions.h"
#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "ui/palette/EditColorDialog.h"
#include "ui/palette/SortColorsDialog.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ColorMixer.h"
#include "ui/controls/ColorVariation.h"
#include "ui/controls/ColorWheel.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/library/LibraryItemDelegate.h"
#include "core/ColorObject.h"
#include "app/Themes.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace tintorium {
namespace {

// A window with the kinds of controls the program shows, plus an open menu beside it.
QImage RenderSample() {
  QMainWindow w;
  w.setWindowTitle("Tintorium");
  auto* file = w.menuBar()->addMenu("File");
  QMenu* edit = w.menuBar()->addMenu("Edit");
  w.menuBar()->addMenu("View");
  w.menuBar()->addMenu("Help");
  file->addAction("New Palette");
  edit->addAction("Undo")->setShortcut(QKeySequence("Ctrl+Z"));
  edit->addAction("Redo")->setEnabled(false);
  edit->addSeparator();
  auto* check = edit->addAction("Always On Top");
  check->setCheckable(true);
  check->setChecked(true);
  edit->addAction(w.style()->standardIcon(QStyle::SP_DialogSaveButton), "Save");
  QToolBar* bar = w.addToolBar("Main Bar");
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const char* t : {"New", "Open", "Save"}) bar->addAction(t);
  bar->addSeparator();
  bar->addAction("Options")->setCheckable(true);
  bar->actions().last()->setChecked(true);
  auto* dock = new QDockWidget("Base Color", &w);
  auto* dockBody = new QWidget;
  auto* dockLayout = new QVBoxLayout(dockBody);
  auto* tabs = new QTabWidget;
  tabs->addTab(new QLabel("  R  G  B"), "RGB");
  tabs->addTab(new QWidget, "HSB");
  tabs->addTab(new QWidget, "CMYK");
  dockLayout->addWidget(tabs);
  auto* hex = new QLineEdit("E8FD00");
  dockLayout->addWidget(hex);
  dock->setWidget(dockBody);
  w.addDockWidget(Qt::LeftDockWidgetArea, dock);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* toolTabs = new QTabWidget;
  auto* page = new QWidget;
  auto* pageLayout = new QVBoxLayout(page);
  auto* group = new QGroupBox("Result space");
  auto* groupLayout = new QHBoxLayout(group);
  auto* combo = new QComboBox;
  combo->addItems({"RGB", "HSB"});
  groupLayout->addWidget(combo);
  auto* spin = new QSpinBox;
  spin->setValue(8);
  groupLayout->addWidget(spin);
  pageLayout->addWidget(group);
  auto* remember = new QCheckBox("Remember last palette");
  remember->setChecked(true);
  pageLayout->addWidget(remember);
  auto* list = new QListWidget;
  list->addItems({"Web Safe.aco", "Web Hues.aco", "Pastels.tnp"});
  list->setCurrentRow(1);
  pageLayout->addWidget(list);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("OK");
  ok->setDefault(true);
  buttons->addWidget(ok);
  buttons->addWidget(new QPushButton("Cancel"));
  auto* off = new QPushButton("Disabled");
  off->setEnabled(false);
  buttons->addWidget(off);
  pageLayout->addLayout(buttons);
  toolTabs->addTab(page, "Color Wheel");
  toolTabs->addTab(new QWidget, "Variations");
  toolTabs->addTab(new QWidget, "Color Mixer");
  layout->addWidget(toolTabs);
  w.setCentralWidget(central);
  w.statusBar()->showMessage("Colors in palette: 3");
  w.resize(640, 400);
  w.show();
  QApplication::processEvents();
  const QImage window = w.grab().toImage();

  edit->popup(QPoint(0, 0));
  edit->setActiveAction(edit->actions().first());
  QApplication::processEvents();
  const QImage menu = edit->grab().toImage();
  edit->hide();

  QImage out(window.width() + menu.width() + 20, std::max(window.height(), menu.height()), QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter painter(&out);
  painter.drawImage(0, 0, window);
  painter.drawImage(window.width() + 20, 30, menu);
  return out;
}


// --- Contrast -------------------------------------------------------------------------------------------------

// WCAG 2 relative luminance and contrast ratio.
double RelativeLuminance(QRgb c) {
  auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double ContrastRatio(QRgb a, QRgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// What is drawn in an area: its background (the commonest colour), the strongest contrast of any pixel against
/// it (antialiased glyphs still have a core in the ink colour) and how far the drawing stands out on average.
struct TInk {
  QRgb background = 0;
  double contrast = 1.0;
  double meanContrast = 1.0;
};

TInk MeasureInk(const QImage& area) {
  QHash<QRgb, int> counts;
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) ++counts[area.pixel(x, y) | 0xFF000000u];
  }
  TInk ink;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > most) {
      most = it.value();
      ink.background = it.key();
    }
  }
  double sum = 0;
  int drawn = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.key() == ink.background) continue;
    const double ratio = ContrastRatio(it.key(), ink.background);
    ink.contrast = std::max(ink.contrast, ratio);
    sum += ratio * it.value();
    drawn += it.value();
  }
  if (drawn > 0) ink.meanContrast = sum / drawn;
  return ink;
}

QRect RectIn(const QWidget* window, const QWidget* widget, const QRect& rect) {
  return QRect(widget->mapTo(window, rect.topLeft()), rect.size());
}

/// Every text the window shows (labels, buttons, check boxes, tabs, dock titles) with too little contrast against
/// what is behind it, as "name: ratio" lines; empty when all pass WCAG's 4.5:1.
QStringList LowContrastTexts(QWidget* window) {
  const QImage shot = window->grab().toImage();
  QStringList faults;
  const auto check = [&](const QString& what, const QRect& rect) {
    const QRect area = rect.intersected(shot.rect());
    if (area.width() < 4 || area.height() < 4) return;
    const TInk ink = MeasureInk(shot.copy(area));
    if (ink.contrast < 4.5) faults << QStringLiteral("%1: %2").arg(what).arg(ink.contrast, 0, 'f', 2);
  };
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || widget->objectName().startsWith(QLatin1String("qt_"))) continue;
    // Disabled controls are exempt from 4.5:1 (their weaker ink is checked on its own, at 2:1).
    if (!widget->isEnabled()) continue;
    const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                        : widget->objectName();
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
      check(name, RectIn(window, label, label->contentsRect()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty() &&
                                                                      !qobject_cast<QToolButton*>(widget)) {
      check(name, RectIn(window, button, button->rect()));
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) {
        // A tab scrolled out of view shows nothing to measure.
        if (tabs->rect().contains(tabs->tabRect(i))) check(name + u'/' + tabs->tabText(i), RectIn(window, tabs, tabs->tabRect(i)));
      }
    } else if (auto* dock = qobject_cast<QDockWidget*>(widget); dock && dock->widget()) {
      const int titleHeight = dock->widget()->geometry().top();
      check(name + QStringLiteral(" title"), RectIn(window, dock, QRect(0, 0, dock->width() / 2, titleHeight)));
    }
  }
  return faults;
}

/// The dock's float and close buttons, each against its own background: WCAG asks 3:1 of such symbols, and a
/// symbol is all ink, so its drawing on average must reach that, not only its darkest pixel.
QStringList LowContrastDockButtons(QWidget* window) {
  const QImage shot = window->grab().toImage();
  QStringList faults;
  for (QDockWidget* dock : window->findChildren<QDockWidget*>()) {
    if (!dock->isVisibleTo(window)) continue;
    for (QAbstractButton* button : dock->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (!button->isVisibleTo(window)) continue;
      const TInk ink = MeasureInk(shot.copy(RectIn(window, button, button->rect())));
      if (ink.meanContrast < 3.0) {
        faults << QStringLiteral("%1/%2: %3").arg(dock->objectName(), button->objectName()).arg(ink.meanContrast, 0, 'f', 2);
      }
    }
  }
  return faults;
}

// --- States: selected, focused, disabled, checked ------------------------------------------------------------

/// The strongest contrast of what `checked` draws beyond `unchecked` (the check mark) against the commonest colour
/// of `unchecked` (the box it sits in); both images of the same area.
double MarkContrast(const QImage& checked, const QImage& unchecked) {
  const QRgb box = MeasureInk(unchecked).background;
  double best = 1.0;
  for (int y = 0; y < checked.height(); ++y) {
    for (int x = 0; x < checked.width(); ++x) {
      const QRgb a = checked.pixel(x, y) | 0xFF000000u;
      if (a != (unchecked.pixel(x, y) | 0xFF000000u)) best = std::max(best, ContrastRatio(a, box));
    }
  }
  return best;
}

/// A check box's indicator as drawn, checked or not.
QImage CheckIndicator(QCheckBox& box, bool checked) {
  box.setChecked(checked);
  QApplication::processEvents();
  QStyleOptionButton option;
  option.initFrom(&box);
  const QRect indicator = box.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
  return box.grab(indicator).toImage();
}

/// Every state of the themed controls that falls short, as "what: ratio": texts of selected, focused and checked
/// items below 4.5:1, check marks below 3:1; disabled texts and marks (exempt from those levels) must still show
/// (2:1) and read weaker than their enabled selves.
QStringList LowContrastStates() {
  QStringList faults;
  const auto need = [&](const QString& what, double ratio, double minimum) {
    if (ratio < minimum) faults << QStringLiteral("%1: %2").arg(what).arg(ratio, 0, 'f', 2);
  };

  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* focusedList = new QListWidget;
  auto* idleList = new QListWidget;
  for (QListWidget* list : {focusedList, idleList}) {
    list->addItems({"Web Safe.aco", "Web Hues.aco", "Pastels.tnp"});
    list->setCurrentRow(1);
    layout->addWidget(list);
  }
  auto* box = new QCheckBox("Remember last palette");
  auto* offBox = new QCheckBox("Print names");
  offBox->setEnabled(false);
  auto* label = new QLabel("Swatch count:");
  auto* offLabel = new QLabel("Swatch count:");
  offLabel->setEnabled(false);
  auto* edit = new QLineEdit("E8FD00");
  auto* offEdit = new QLineEdit("E8FD00");
  offEdit->setEnabled(false);
  auto* ok = new QPushButton("OK");
  ok->setDefault(true);
  auto* toggle = new QToolButton;
  toggle->setText("Options");
  toggle->setCheckable(true);
  toggle->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{box, offBox, label, offLabel, edit, offEdit, ok, toggle})
    layout->addWidget(w);
  window.resize(360, 520);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return {"window not shown"};
  window.activateWindow();
  focusedList->setFocus();
  QApplication::processEvents();

  for (auto [list, what] : {std::pair{focusedList, "focused list"}, std::pair{idleList, "unfocused list"}}) {
    const QRect row = list->visualItemRect(list->item(1));
    need(QStringLiteral("%1: selected row").arg(what), MeasureInk(list->viewport()->grab(row).toImage()).contrast, 4.5);
  }
  need("default button", MeasureInk(ok->grab().toImage()).contrast, 4.5);
  need("checked tool button", MeasureInk(toggle->grab().toImage()).contrast, 4.5);
  need("check mark", MarkContrast(CheckIndicator(*box, true), CheckIndicator(*box, false)), 3.0);
  box->setFocus();
  QApplication::processEvents();
  need("focused check mark", MarkContrast(CheckIndicator(*box, true), CheckIndicator(*box, false)), 3.0);
  need("focused check box text", MeasureInk(box->grab().toImage()).contrast, 4.5);
  const double offMark = MarkContrast(CheckIndicator(*offBox, true), CheckIndicator(*offBox, false));
  need("disabled check mark", offMark, 2.0);

  const auto textContrast = [](QWidget* w) { return MeasureInk(w->grab(w->contentsRect()).toImage()).contrast; };
  for (auto [on, off, what] : {std::tuple{static_cast<QWidget*>(label), static_cast<QWidget*>(offLabel), "label"},
                               std::tuple{static_cast<QWidget*>(edit), static_cast<QWidget*>(offEdit), "line edit"}}) {
    const double enabled = textContrast(on);
    const double disabled = textContrast(off);
    need(QStringLiteral("disabled %1").arg(what), disabled, 2.0);
    if (disabled >= enabled) faults << QStringLiteral("disabled %1 reads as strong as enabled").arg(what);
  }

  // The menu: the item under the pointer and a checked one.
  QMenu menu;
  menu.addAction("Undo");
  QAction* check = menu.addAction("Always On Top");
  check->setCheckable(true);
  menu.popup(QPoint(0, 0));
  if (!QTest::qWaitForWindowExposed(&menu)) return faults << "menu not shown";
  menu.setActiveAction(menu.actions().first());
  QApplication::processEvents();
  need("active menu item", MeasureInk(menu.grab(menu.actionGeometry(menu.actions().first())).toImage()).contrast, 4.5);
  const QRect checkRow = menu.actionGeometry(check);
  const QRect markArea(checkRow.left(), checkRow.top(), checkRow.height() + 8, checkRow.height());
  check->setChecked(false);
  QApplication::processEvents();
  const QImage unchecked = menu.grab(markArea).toImage();
  check->setChecked(true);
  menu.update();
  QApplication::processEvents();
  need("menu check mark", MarkContrast(menu.grab(markArea).toImage(), unchecked), 3.0);
  menu.hide();

  // The owner-drawn lists (palette, history, library) on the theme's list colour, idle, selected and focused.
  const QColor base = QApplication::palette().color(QPalette::Base);
  const TColorObject colour(0x3366CC, cmRGB);
  for (int state = 0; state < 3; ++state) {
    const bool selected = state > 0;
    const bool focused = state == 2;
    const QString what = QStringList{"idle", "selected", "focused"}[state];
    QImage item(300, TColorList::ItemHeight, QImage::Format_RGB32);
    {
      QPainter painter(&item);
      DrawColorListItem(painter, item.rect(), {selected, focused}, "Deep Sky", colour, false, base);
    }
    need("colour list item, " + what, MeasureInk(item.copy(45, 2, 250, 34)).contrast, 4.5);
    QImage library(140, 104, QImage::Format_RGB32);
    {
      QPainter painter(&library);
      DrawLibraryItem(painter, library.rect(), selected, focused, "Deep Sky", colour, false, base);
    }
    need("library item, " + what, MeasureInk(library.copy(2, 34, 136, 68)).contrast, 4.5);
  }
  return faults;
}

double Luminance(QRgb c) { return 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c); }

/// The theme as the Theme menu applies it, icons included.
bool ChooseThemeOn(TMainWindow& window, const QString& name) { return window.ChooseTheme(name); }

class ThemesTest : public ::testing::Test {
 protected:
  void TearDown() override { ApplyTheme("Default"); }
};

TEST_F(ThemesTest, FiveNamesInMenuOrder) {
  EXPECT_EQ(ThemeNames(), (QStringList{"Default", "Mac Style", "OfficeXP", "Dream", "OfficeK"}));
}

TEST_F(ThemesTest, UnknownNameChangesNothing) {
  ASSERT_TRUE(ApplyTheme("OfficeXP"));
  const QColor window = QApplication::palette().color(QPalette::Window);
  EXPECT_FALSE(ApplyTheme("Nonexistent"));
  EXPECT_FALSE(ApplyTheme(""));
  EXPECT_EQ(CurrentThemeName(), "OfficeXP");
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), window);
  EXPECT_TRUE(ApplyTheme("mac style"));
  EXPECT_EQ(CurrentThemeName(), "Mac Style");
}

TEST_F(ThemesTest, EachThemeLooksDistinctAndKeepsTextReadable) {
  const QString shots = qEnvironmentVariable("TINTORIUM_THEME_SHOTS");
  QList<QImage> images;
  for (const QString& name : ThemeNames()) {
    ASSERT_TRUE(ApplyTheme(name)) << name.toStdString();
    const QPalette p = QApplication::palette();
    for (auto [fg, bg] : {std::pair{QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
                          {QPalette::HighlightedText, QPalette::Highlight}, {QPalette::ButtonText, QPalette::Button}}) {
      EXPECT_GT(std::abs(Luminance(p.color(fg).rgb()) - Luminance(p.color(bg).rgb())), 90.0)
          << name.toStdString() << " role " << fg;
    }
    EXPECT_EQ(IsDarkTheme(name), Luminance(p.color(QPalette::Window).rgb()) < 128) << name.toStdString();
    images.append(RenderSample());
    if (!shots.isEmpty()) images.last().save(QDir(shots).filePath(name + ".png"));
  }
  for (int a = 0; a < images.size(); ++a) {
    for (int b = a + 1; b < images.size(); ++b) {
      EXPECT_NE(images[a], images[b]) << a << " and " << b;
    }
  }
}

// Selected rows, focus, checked and disabled controls, the open menu and the owner-drawn lists, in every theme.
TEST_F(ThemesTest, SelectedFocusedCheckedAndDisabledStatesStayReadableInEveryTheme) {
  for (const QString& name : ThemeNames()) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(ApplyTheme(name));
    EXPECT_EQ(LowContrastStates().join(u'\n').toStdString(), "");
  }
}

// The custom controls' own chrome (the mixer's margin, a strip's background, the wheel's surroundings and centre)
// comes from the theme: white stays white in the default theme, a dark theme makes it dark.
TEST_F(ThemesTest, CustomControlsTakeTheirChromeFromTheTheme) {
  struct TCase {
    const char* theme;
    bool dark;
  };
  for (const TCase& c : {TCase{"Default", false}, TCase{"Dream", true}}) {
    SCOPED_TRACE(c.theme);
    ASSERT_TRUE(ApplyTheme(c.theme));
    const QPalette palette = QApplication::palette();
    TColorMixer mixer;
    mixer.resize(120, 100);
    mixer.SetColor(clWindow);
    TColorVariation strip;
    strip.resize(200, 64);
    strip.setBackgroundRole(QPalette::Base);
    TColorWheel wheel;
    wheel.resize(200, 200);
    for (QWidget* w : std::initializer_list<QWidget*>{&mixer, &strip, &wheel}) {
      w->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    const QRgb base = palette.color(QPalette::Base).rgb();
    EXPECT_EQ(mixer.DisplayedColorAt({2, 50}), FromQRgb(base)) << "the mixer's margin";
    EXPECT_EQ(strip.DisplayedColorAt({strip.width() - 2, 1}), FromQRgb(base)) << "the strip's background";
    const TWheelGeometry g = wheel.Geometry();
    const QPoint centre = g.display.topLeft() + QPoint(g.CX, g.CY) / 3 + QPoint(0, 3);
    const QColor shownCentre = ToQColor(wheel.DisplayedColorAt(centre));
    EXPECT_EQ(shownCentre.lightness() < 128, c.dark) << "the wheel's centre " << shownCentre.name().toStdString();
    EXPECT_EQ(ToQColor(wheel.DisplayedColorAt({1, 1})), palette.color(QPalette::Window)) << "around the wheel";
    if (!c.dark) {
      EXPECT_EQ(base, qRgb(255, 255, 255)) << "the default theme keeps its white";
      EXPECT_EQ(shownCentre, QColor(245, 245, 245));
    }
  }
}

TEST_F(ThemesTest, SwitchingThemesRestylesTheMainWindow) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings store(folder.filePath("settings.ini"), QSettings::IniFormat);
  test::TScriptedDialogs dialogs;
  TMainWindow window(store, {"-", "-"});  // two arguments: no palette
  window.resize(900, 560);
  window.show();
  const QString shots = qEnvironmentVariable("TINTORIUM_THEME_SHOTS");
  QList<QImage> images;
  for (const QString& name : ThemeNames()) {
    ASSERT_TRUE(ApplyTheme(name));
    QApplication::processEvents();
    images.append(window.grab().toImage());
    if (!shots.isEmpty()) {
      images.last().save(QDir(shots).filePath("main-" + name + ".png"));
      // Every tool page too, to look at the custom controls in the theme.
      QTabBar* tabs = window.ToolTabs();
      const int shown = tabs->currentIndex();
      for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        window.grab().save(QDir(shots).filePath(QStringLiteral("page%1-%2.png").arg(i).arg(name)));
      }
      tabs->setCurrentIndex(shown);
      QApplication::processEvents();
    }
  }
  for (int i = 1; i < images.size(); ++i) EXPECT_NE(images[i - 1], images[i]) << i;
}

// The decorated themes are drawn by the style: no theme leaves a style sheet behind (that would have every widget
// matched against its rules when polished, the bulk of the start-up time).
TEST_F(ThemesTest, NoThemeInstallsAStyleSheet) {
  for (const QString& name : ThemeNames()) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(ApplyTheme(name));
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    QPushButton button("OK");
    button.ensurePolished();
    EXPECT_EQ(button.style(), QApplication::style()) << "a style-sheet style stands between the button and the theme";
  }
}

// A tab widget's pages start below its row of tabs in every theme, also where the row sits on the pane's edge.
TEST_F(ThemesTest, TabPagesNeverSitUnderTheirTabs) {
  for (const QString& name : ThemeNames()) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(ApplyTheme(name));
    QTabWidget tabs;
    auto* page = new QLabel("R  G  B");
    tabs.addTab(page, "RGB");
    tabs.addTab(new QWidget, "HSB");
    tabs.resize(260, 160);
    tabs.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tabs));
    const QRect bar = tabs.tabBar()->geometry();
    EXPECT_GT(page->mapTo(&tabs, QPoint(0, 0)).y(), bar.bottom());
    EXPECT_GE(bar.top(), 0);
  }
}

// A theme's own text colours (the dark theme's status bar) go with it when another theme comes.
TEST_F(ThemesTest, AThemesTextColoursLeaveWithIt) {
  QMainWindow window;
  window.statusBar()->showMessage("Colors in palette: 3");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_TRUE(ApplyTheme("Dream"));
  QApplication::processEvents();
  const QColor dark = window.statusBar()->palette().color(QPalette::WindowText);
  EXPECT_GT(dark.lightness(), 128);
  ASSERT_TRUE(ApplyTheme("Mac Style"));
  QApplication::processEvents();
  EXPECT_EQ(window.statusBar()->palette().color(QPalette::WindowText),
            QApplication::palette().color(QPalette::WindowText));
  EXPECT_EQ(LowContrastTexts(&window).join(u'\n').toStdString(), "");
}

// Every theme is checked on the windows as drawn: text against what is behind it, the dock buttons, and disabled
// toolbar icons, which must stand out visibly less than enabled ones.
TEST_F(ThemesTest, EveryThemePassesTheContrastCheckOnEveryWindow) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QSettings store(folder.filePath("settings.ini"), QSettings::IniFormat);
  test::TScriptedDialogs dialogs;
  TMainWindow window(store, {"-", "-"});
  window.resize(900, 560);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const QString& name : ThemeNames()) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(ChooseThemeOn(window, name));
    QApplication::processEvents();
    window.UpdateActions();
    QApplication::processEvents();
    EXPECT_EQ(LowContrastTexts(&window).join(u'\n').toStdString(), "");
    EXPECT_EQ(LowContrastDockButtons(&window).join(u'\n').toStdString(), "");

    TSortColorsDialog sort(&window);
    TOptionsDialog options(TOptions(), &window);
    TEditColorDialog edit(&window);
    TContrastAnalyzeForm contrast(nullptr, &window);  // black on white: its samples must read as well
    for (QDialog* dialog : std::initializer_list<QDialog*>{&sort, &options, &edit, &contrast}) {
      dialog->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
      EXPECT_EQ(LowContrastTexts(dialog).join(u'\n').toStdString(), "") << dialog->metaObject()->className();
      dialog->hide();
    }

    // The same toolbar button drawn enabled and disabled.
    QAction* save = window.Actions().actFileSave;
    QWidget* button = window.MainToolBar()->widgetForAction(save);
    ASSERT_NE(button, nullptr);
    const auto drawn = [&](bool enabled) {
      save->setEnabled(enabled);
      QApplication::processEvents();
      return MeasureInk(button->grab().toImage()).meanContrast;
    };
    const double enabled = drawn(true);
    const double disabled = drawn(false);
    EXPECT_LT(disabled - 1.0, 0.6 * (enabled - 1.0)) << "enabled " << enabled << ", disabled " << disabled;
  }
}

}  // namespace
}  // namespace tintorium
