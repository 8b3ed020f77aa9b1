#pragma once
// The main window ("frmMain"): composes the panels, pages, menus, toolbars and status bar; owns the action list.
//
// Composition (objectName in quotes; these are the language-file keys):
//   menu bar      miFile, miEdit, miView (with miTheme, miLang), miPalette (with miConvert), miTools, miHelp
//   toolbars      "tbMain" (Main Bar), "tbAdjust" (Color Bar), top toolbar area
//   docks         "twBaseColor" (Base Color, left, above) and "twLibrary" (Swatches, left, below),
//                 "twPalette" (Palette, right). Each dock may be moved left/right, floated or hidden.
//                 The window creates the panels (TWorkspace's Base Color panel, the library panel, the palette
//                 panel) and puts them in with SetBaseColorPanel / SetLibraryPanel / SetPalettePanel.
//   centre        "tcMain" tab bar above the stacked pages "nbTools": TColorWheelPage, TVariationsPage,
//                 TColorMixerPage, TLibraryPage, TSpectrumPage, TColorsFromImagePage (src/tools/), in that order.
//   status bar    "sbMain" with panel 0 (175 px, colour under the pointer) and panel 1 (200 px, palette count).
//
// Actions: Actions() is the one list. A panel or page that owns commands connects to their `triggered`
// signals and registers itself with AddActionRules(); UpdateActions() (called when the program is idle, and
// by tests) asks every contributor to compute the enabled/checked states of its actions.

#include "app/Settings.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <vector>

class QDockWidget;
class QSettings;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace tintorium {

class TActionRules;
class TMainActions;
class TMainStatusBar;
class TPaletteDocument;
class TToolPage;

class TMainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  /// `settings` must outlive the window. `arguments` are the command-line arguments after the program name.
  TMainWindow(QSettings& settings, const QStringList& arguments, QWidget* parent = nullptr);
  ~TMainWindow() override;

  TMainActions& Actions() { return *actions_; }

  QDockWidget* BaseColorDock() const { return twBaseColor_; }
  QDockWidget* LibraryDock() const { return twLibrary_; }
  QDockWidget* PaletteDock() const { return twPalette_; }
  QToolBar* MainToolBar() const { return tbMain_; }
  QToolBar* AdjustToolBar() const { return tbAdjust_; }
  QTabBar* ToolTabs() const { return tcMain_; }
  QStackedWidget* ToolPages() const { return nbTools_; }
  TToolPage* ToolPage(int index) const;
  TMainStatusBar* StatusPanels() const { return sbMain_; }

  /// The palette document, owned by the window ("noname.tnp" until saved). The palette panel shows it.
  TPaletteDocument& Palette() { return *palette_; }

  /// Plug points (the dock takes ownership of the widget).
  void SetBaseColorPanel(QWidget* panel);
  void SetLibraryPanel(QWidget* panel);
  void SetPalettePanel(QWidget* panel);

  /// Registers a contributor to the idle refresh (not owned; unregister by destroying the window first).
  void AddActionRules(TActionRules* rules);
  /// Recomputes every action's enabled/checked state, the caption and the status bar count.
  void UpdateActions();

  /// The options of the settings key itself, as currently held.
  const TOptions& Options() const { return options_; }
  /// Takes over new options (Options dialog OK) and applies them to the views.
  void ApplyOptions(const TOptions& options);

  /// Index of the tool page shown (0-5).
  int CurrentTool() const;
  /// Shows tool page `index` (0-5); other values are ignored.
  void SelectTool(int index);

  /// Ends the program without the unsaved-changes question (File > Exit).
  void ExitWithoutQuestion();
  /// The window caption the idle refresh sets: "Tintorium - [name*]" / "Tintorium - [name ]".
  QString CaptionText() const;

 signals:
  /// A theme was chosen in the Theme menu.
  void ThemeChosen(const QString& name);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateDocks();
  void CreateToolArea();
  void CreateStatusBar();
  void ConnectShellActions();
  void ReadSettings();
  void WriteSettings();
  void RestorePlacement();
  void SavePlacement();
  void OpenStartPalette();
  void SaveLastPalette();
  void UpdateShellActions();
  void SetAlwaysOnTop(bool onTop);
  void ToolTabChanged(int index);
  bool ConfirmClose();

  QSettings& store_;
  TSettings settings_;
  QStringList arguments_;
  TOptions options_;
  TMainActions* actions_ = nullptr;
  QToolBar* tbMain_ = nullptr;
  QToolBar* tbAdjust_ = nullptr;
  QDockWidget* twBaseColor_ = nullptr;
  QDockWidget* twLibrary_ = nullptr;
  QDockWidget* twPalette_ = nullptr;
  QTabBar* tcMain_ = nullptr;
  QStackedWidget* nbTools_ = nullptr;
  std::vector<TToolPage*> pages_;
  TMainStatusBar* sbMain_ = nullptr;
  TPaletteDocument* palette_ = nullptr;
  std::vector<TActionRules*> rules_;
  bool settingsWritten_ = false;
  bool closeWithoutQuestion_ = false;
};

}  // namespace tintorium
