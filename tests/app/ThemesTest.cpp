// The interface themes: each applies, looks different from the others, and keeps text readable.
// With TINTORIUM_THEME_SHOTS set to a folder, every theme's sample window is also saved there as a PNG.
#include "app/MainWindow.h"
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

double Luminance(QRgb c) { return 0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c); }

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
    if (!shots.isEmpty()) images.last().save(QDir(shots).filePath("main-" + name + ".png"));
  }
  for (int i = 1; i < images.size(); ++i) EXPECT_NE(images[i - 1], images[i]) << i;
}

}  // namespace
}  // namespace tintorium
