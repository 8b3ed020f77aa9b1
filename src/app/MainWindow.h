#pragma once
// The main window ("frmMain", language section MainForm): composes the panels, pages, menus, toolbars and
// status bar; owns the action list, the palette document and the workspace (the base colour hub).
//
// Composition (objectName in quotes; these are the language-file keys):
//   menu bar      "tbMenu" with miFile, miEdit, miView (with miTheme, miLang), miPalette (with miConvert),
//                 miTools, miHelp
//   toolbars      "tbMain" (Main Bar), "tbAdjust" (Color Bar), top toolbar area
//   docks         "twBaseColor" (Base Color, left, above) and "twLibrary" (Swatches, left, below),
//                 "twPalette" (Palette, right). Each dock may be moved left/right, floated or hidden.
//                 The window creates the Base Color panel (TBaseColorPanel with TBaseColorCommands) and the
//                 palette panel (TPalettePanel); the library panel comes in through SetLibraryPanel.
//   centre        "tcMain" tab bar above the stacked pages "nbTools": TColorWheelPage, TVariationsPage,
//                 TColorMixerPage, TLibraryPage, TSpectrumPage, TColorsFromImagePage, TScalesPage (src/tools/), in
//                 that order.
//   status bar    "sbMain" (TMainStatusBar): colour under the pointer, palette count.
//
// Actions: Actions() is the one list. A panel or page that owns commands connects to their `triggered`
// signals and registers itself with AddActionRules(); UpdateActions() (called when the program is idle, and
// by tests) asks every contributor to compute the enabled/checked states of its actions.

#include "app/Settings.h"
#include "app/ToolPageSettings.h"

#include <QMainWindow>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <vector>

class QActionGroup;
class QDockWidget;
class QMenu;
class QSettings;
class QStackedWidget;
class QTabBar;
class QToolBar;

namespace tintorium {

class TActionRules;
class TColorToolPopup;
class TLastPalette;
class TLibraryPage;
class TLibraryPanel;
class TMainActions;
class TMainStatusBar;
class TPaletteDocument;
class TPalettePanel;
class TRecoveryKeeper;
class THelpCommand;
class TEditHistory;
class TScreenPicker;
class TSpectrumPage;
class TColorsFromImagePage;
class TContrastMatrixCommand;
class TToolPage;
class TColorMixerPage;
class TScalesPage;
class TVariationsPage;
class TWorkspace;

class TMainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  /// The number of tool pages.
  static constexpr int kToolCount = 7;

  /// Builds the window and restores its state from `settings` (which must outlive it). `arguments` are the
  /// command-line arguments after the program name: none restores the last palette (when remembered), one
  /// names a palette file to open, two or more open nothing. The window is not shown: call ShowAsStored().
  TMainWindow(QSettings& settings, const QStringList& arguments, QWidget* parent = nullptr);
  ~TMainWindow() override;

  /// Shows the window normal or maximised, as it was left.
  void ShowAsStored();

  TMainActions& Actions() { return *actions_; }
  /// The Tools > "Palette contrast..." command (its window is made on first use).
  TContrastMatrixCommand& ContrastMatrix() { return *contrastMatrix_; }
  TWorkspace& Workspace() { return *workspace_; }
  /// The palette document ("noname.tnp" until saved). The palette panel shows it.
  TPaletteDocument& Palette() { return *palette_; }

  QDockWidget* BaseColorDock() const { return twBaseColor_; }
  QDockWidget* LibraryDock() const { return twLibrary_; }
  QDockWidget* PaletteDock() const { return twPalette_; }
  QToolBar* MainToolBar() const { return tbMain_; }
  QToolBar* AdjustToolBar() const { return tbAdjust_; }
  QTabBar* ToolTabs() const { return tcMain_; }
  QStackedWidget* ToolPages() const { return nbTools_; }
  /// Help > "Tintorium Help" and F1, with the guide's viewer.
  THelpCommand* Help() const { return help_; }
  /// Page `index` (0-5), made now when it has not been shown yet; nullptr for other indexes.
  TToolPage* ToolPage(int index);
  TMainStatusBar* StatusPanels() const { return sbMain_; }
  /// The recovery copy of this window's palette and base colour.
  TRecoveryKeeper& Recovery() { return *recovery_; }
  /// The one undo history of palette edits and base colour changes (Edit > Undo, Ctrl+Z).
  TEditHistory& EditHistory() { return *editHistory_; }
  QMenu* ThemeMenu() const { return miTheme_; }
  QMenu* LanguageMenu() const { return miLang_; }
  /// The right-click menu of the tool controls and the tool colour it acts on.
  TColorToolPopup& ToolPopup() { return *toolPopup_; }

  /// Replaces tool page `index` (0-5) by `page` (the window takes ownership; the old page is deleted). The page
  /// gets the current language's texts, and takes part in the idle refresh when it owns actions.
  void SetToolPage(int index, TToolPage* page);

  /// Puts the library panel into the Swatches dock (which takes ownership).
  void SetLibraryPanel(QWidget* panel);

  /// Registers a contributor to the idle refresh (not owned; it must outlive the window or never be called
  /// after its destruction).
  void AddActionRules(TActionRules* rules);
  /// Recomputes every action's enabled/checked state and triggers actUpdate (caption, palette count).
  void UpdateActions();

  /// The options of the settings key itself, as currently held by the window and its views.
  TOptions Options() const;
  /// Takes over new options (Options dialog OK) and applies them to the views; writes nothing.
  void ApplyOptions(const TOptions& options);
  /// The settings of the tool pages, as read at start and written at exit.
  TColorToolsSettings& ColorTools() { return toolSettings_.Values(); }

  /// Index of the tool page shown (0-5).
  int CurrentTool() const;
  /// Shows tool page `index` (0-5); other values are ignored.
  void SelectTool(int index);

  /// Makes `name` the current theme, applies it and checks its menu item; false (nothing changed) when the
  /// theme cannot be applied.
  bool ChooseTheme(const QString& name);

  /// "Tintorium - [name*]", or with a space instead of "*" when the palette has no unsaved changes.
  QString CaptionText() const;

  /// File > Exit: ends the program. Unsaved palette changes that would not be kept between runs get the same
  /// question as the close button.
  void Exit();

  /// File > Close Window (Ctrl+W): closes the tool window that has the focus: a non-modal window of the program
  /// other than this one, or the panel (dock) holding the focus. Nothing when the focus is elsewhere.
  void CloseToolWindow();

  /// The settings as this session would write them at exit (key paths of the settings store and their
  /// values), for the recovery copy.
  QVariantMap SessionSettings();
  /// Takes over settings kept by a recovery copy: writes them to the store and applies them.
  void RestoreSessionSettings(const QVariantMap& values);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Files dropped where no control takes them: palette and swatch files open, other importable files add their
  // colours (TPalettePanel::OpenDroppedFile).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateMenus();
  void CreateFileMenu();
  void CreateEditMenu();
  void CreateViewMenu();
  void CreatePaletteMenu();
  void CreateToolsMenu();
  void CreateHelpMenu();
  void CreateToolBars();
  void CreateDocks();
  QDockWidget* CreateDock(const char* name, const QString& title, Qt::DockWidgetArea area);
  void SetBaseColorPanel(QWidget* panel);
  void SetPalettePanel(QWidget* panel);
  void CreateToolArea();
  void CreateStatusBar();
  void ConnectShellActions();
  void CreatePrintCommand();
  /// File > Export...: the wizard on the palette, its scale types by the Scales page's settings.
  void ExportColors();
  void ConnectViewToggles();
  void FillThemeMenu();
  void FillLanguageMenu();
  void ChooseLanguage(const QString& fileName);
  /// Checks the Language menu's entry of the language in use (the built-in one when no file is in use).
  void CheckCurrentLanguage();
  void ReadSettings();
  void RestorePlacement();
  /// The docks' widths on a first start: the left one with whole swatch columns, the right one with the whole
  /// palette toolbar; never below their minimums.
  int LeftDockWidth() const;
  int RightDockWidth() const;
  /// The client size that shows the tool tabs, the palette toolbar and the docks at those widths.
  QSize FirstStartNeeds() const;
  void LayOutDocks();
  void WriteSettings();
  /// Everything WriteSettings writes except the palette kept between runs.
  void WriteSessionSettings(TSettings& out);
  QVariantMap AllSessionSettings();
  /// Schedules a recovery copy after commands and views that change settings.
  void ConnectSettingsChanges();
  /// The tool pages take their "Color Tools" settings, and give them back at exit.
  void ApplyToolSettings();
  void ApplyPageSettings(TToolPage* page);
  void ApplyPageOptions(TToolPage* page);
  TToolPage* NewToolPage(int index);
  void CreateToolPage(int index);
  void CollectToolSettings();
  TMainSettings CurrentMainSettings() const;
  bool AskSaveBeforeClose();
  void SavePaletteBeforeClose();
  void UpdateShellActions();
  void SetAlwaysOnTop(bool onTop);
  void ToolTabChanged(int index);
  void SyncOptionsFromViews();
  void ShowOptions();
  void ShowAbout();
  void RefreshCaption();
  void IdleRefresh();

  TSettings settings_;
  QStringList arguments_;
  TOptions options_;
  TMainSettings mainSettings_;
  TToolPageSettings toolSettings_;
  std::unique_ptr<TLastPalette> lastPalette_;
  TMainActions* actions_ = nullptr;
  TPaletteDocument* palette_ = nullptr;
  TWorkspace* workspace_ = nullptr;
  TColorToolPopup* toolPopup_ = nullptr;
  QMenu* miTheme_ = nullptr;
  QMenu* miLang_ = nullptr;
  QActionGroup* themeGroup_ = nullptr;
  QToolBar* tbMain_ = nullptr;
  QToolBar* tbAdjust_ = nullptr;
  QDockWidget* twBaseColor_ = nullptr;
  QDockWidget* twLibrary_ = nullptr;
  QDockWidget* twPalette_ = nullptr;
  QTabBar* tcMain_ = nullptr;
  QStackedWidget* nbTools_ = nullptr;
  std::vector<TToolPage*> pages_;
  TColorMixerPage* mixerPage_ = nullptr;
  TVariationsPage* variationsPage_ = nullptr;
  TScalesPage* scalesPage_ = nullptr;
  TSpectrumPage* spectrumPage_ = nullptr;
  TColorsFromImagePage* cfiPage_ = nullptr;
  TLibraryPage* libraryPage_ = nullptr;
  TLibraryPanel* libraryPanel_ = nullptr;
  TMainStatusBar* sbMain_ = nullptr;
  TPalettePanel* palettePanel_ = nullptr;
  TScreenPicker* screenPicker_ = nullptr;
  THelpCommand* help_ = nullptr;
  TContrastMatrixCommand* contrastMatrix_ = nullptr;
  TRecoveryKeeper* recovery_ = nullptr;
  TEditHistory* editHistory_ = nullptr;
  QVariantMap sessionStart_;  // the settings as the session started, to tell those changed in it
  std::vector<TActionRules*> rules_;
  bool settingsWritten_ = false;
  bool exitWithoutQuestion_ = false;
  bool refreshing_ = false;
  bool pagesStarted_ = false;
};

}  // namespace tintorium
