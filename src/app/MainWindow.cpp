#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "ui/actions/ActionIcons.h"
#include "ui/actions/ActionRules.h"
#include "app/AppInfo.h"
#include "app/LastPalette.h"
#include "engine/platform/AppPaths.h"
#include "engine/language/Language.h"
#include "ui/language/LanguageApplier.h"
#include "ui/actions/MainActions.h"
#include "app/MainStatusBar.h"
#include "ui/language/MessageSeam.h"
#include "engine/language/Messages.h"
#include "app/OptionsDialog.h"
#include "app/ShellOpen.h"
#include "app/Themes.h"
#include "engine/library/LibraryFolder.h"
#include "ui/library/LibraryPanel.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "ui/screenpick/ScreenPicker.h"
#include "ui/help/HelpCommand.h"
#include "ui/help/HelpGuide.h"
#include "ui/print/PrintCommand.h"
#include "ui/tools/ColorMixerPage.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/tools/ColorWheelPage.h"
#include "ui/tools/ColorsFromImagePage.h"
#include "ui/tools/ContrastAnalyzeCommand.h"
#include "ui/tools/ContrastMatrixCommand.h"
#include "ui/tools/LibraryPage.h"
#include "ui/tools/SpectrumPage.h"
#include "ui/tools/ScalesPage.h"
#include "ui/tools/VariationsPage.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/LibTableGeometry.h"
#include "ui/controls/ColorVariation.h"
#include "ui/controls/ColorWheel.h"
#include "ui/workspace/BaseColorCommands.h"
#include "ui/workspace/BaseColorPanel.h"
#include "ui/workspace/Workspace.h"
#include "ui/wizards/Wizards.h"
#include "app/RecoveryKeeper.h"
#include "app/RecoveryLink.h"
#include "ui/workspace/EditHistory.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QDir>
#include <QDockWidget>
#include <QFrame>
#include <QLayout>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace tintorium {
namespace {

QRect ScreenRect() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

TColorModel ModelFromInt(int value) {
  return value >= cmRGB && value <= cmLAB ? static_cast<TColorModel>(value) : cmRGB;
}

// The layout margins and frames left and right of `widget` up to `top` (exclusive): what sits beside it when
// `top` is given a width, before anything is laid out.
int MarginsAround(const QWidget* widget, const QWidget* top) {
  int around = 0;
  for (const QWidget* w = widget->parentWidget(); w && w != top; w = w->parentWidget()) {
    if (const QLayout* layout = w->layout()) around += layout->contentsMargins().left() + layout->contentsMargins().right();
    if (const auto* frame = qobject_cast<const QFrame*>(w)) around += 2 * frame->frameWidth();
  }
  return around;
}

void AddActions(QWidget* target, std::initializer_list<QAction*> actions) {
  for (QAction* action : actions) {
    if (action)
      target->addAction(action);
  }
}

}  // namespace

TMainWindow::TMainWindow(QSettings& settings, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), settings_(settings), arguments_(arguments) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(ApplicationTitle());
  setMinimumSize(600, 400);
  setDockOptions(AnimatedDocks | AllowNestedDocks | AllowTabbedDocks);
  setAcceptDrops(true);
  ApplyTheme(settings_.ReadOptions().Theme);  // before any widget, so none is polished twice

  palette_ = new TPaletteDocument(this);
  workspace_ = new TWorkspace(this);
  workspace_->SetPalette(palette_);
  actions_ = new TMainActions(this);
  SetActionIcons(*actions_);
  toolPopup_ = new TColorToolPopup(*workspace_, *actions_, this);
  AddActionRules(toolPopup_);
  auto* contrast = new TContrastAnalyzeCommand(*palette_, *workspace_, this);
  contrast->AttachActions(*actions_);
  AddActionRules(contrast);
  contrastMatrix_ = new TContrastMatrixCommand(*palette_, this);
  contrastMatrix_->AttachActions(*actions_);
  AddActionRules(contrastMatrix_);

  CreateMenus();
  FillLanguageMenu();  // before the language is applied, so its default entry is translated too
  CreateToolBars();
  CreateDocks();
  CreateToolArea();
  CreateStatusBar();
  ConnectShellActions();
  screenPicker_ = new TScreenPicker(*workspace_, this, this);
  screenPicker_->AttachAction(actions_->actToolsScreenPick);
  AddActionRules(screenPicker_);
  contrast->SetScreenPicker(screenPicker_);
  CreatePrintCommand();

  ApplyLanguage(this, QStringLiteral("MainForm"));
  ReadSettings();
  pagesStarted_ = true;
  lastPalette_->OpenAtStart(options_.SavePalette);
  palette_->SetPaletteModified(false);
  workspace_->BaseColorChanged(this, cmRGB, true, false);
  SelectTool(0);
  recovery_ = new TRecoveryKeeper(TRecoveryKeeper::DefaultFolder(), this);
  sessionStart_ = AllSessionSettings();
  const TRecoverySettings recoverySettings{[this] { return SessionSettings(); },
                                           [this](const QVariantMap& values) { RestoreSessionSettings(values); }};
  LinkRecovery(*recovery_, *palette_, *workspace_, recoverySettings);
  OfferRecovery(*recovery_, *palette_, *workspace_, recoverySettings);
  ConnectSettingsChanges();
  editHistory_ = new TEditHistory(*palette_, *workspace_, this);
  connect(actions_->actEditUndoChange, &QAction::triggered, this,
          [this] { editHistory_->Undo(actions_->actEditUndoChange); });
  connect(actions_->actEditRedoChange, &QAction::triggered, this,
          [this] { editHistory_->Redo(actions_->actEditRedoChange); });
  UpdateActions();

  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainWindow::IdleRefresh);
}

TMainWindow::~TMainWindow() {
  WriteSettings();
  // Panels and pages hold references to the workspace and the document, which are QObject children created
  // before them and would otherwise be destroyed first.
  rules_.clear();
  palettePanel_ = nullptr;
  for (QDockWidget*& dock : {std::ref(twPalette_), std::ref(twLibrary_), std::ref(twBaseColor_)}) {
    delete dock;
    dock = nullptr;
  }
  delete takeCentralWidget();
  pages_.clear();
}

void TMainWindow::ShowAsStored() {
  if (mainSettings_.MWindowState == 2)
    showMaximized();
  else
    show();  // a window left minimised comes back normal, so a start is always visible
}

// --- Menus -----------------------------------------------------------------------------------------------------

void TMainWindow::CreateMenus() {
  menuBar()->setObjectName(QStringLiteral("tbMenu"));
  menuBar()->setWindowTitle(QStringLiteral("Menu"));
  CreateFileMenu();
  CreateEditMenu();
  CreateViewMenu();
  CreatePaletteMenu();
  CreateToolsMenu();
  CreateHelpMenu();
  // Shortcuts work while the window is active, whichever menu or toolbar holds the action.
  addActions(actions_->All());
}

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& title) {
  QMenu* menu = bar->addMenu(title);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* AddSubmenu(QMenu* parent, const char* name, const QString& title) {
  QMenu* menu = parent->addMenu(title);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace

void TMainWindow::CreateFileMenu() {
  const TMainActions& a = *actions_;
  QMenu* menu = AddMenu(menuBar(), "miFile", QStringLiteral("File"));
  menu->addAction(a.actFileNew);
  menu->addSeparator();
  AddActions(menu, {a.actFileOpen, a.actFileSave, a.actFileSaveAs});
  menu->addSeparator();
  AddActions(menu, {a.actImportColors, a.actExportColors});
  menu->addSeparator();
  menu->addAction(a.actFilePrint);
  menu->addSeparator();
  AddActions(menu, {a.actFileCloseWindow, a.actFileExit});
}

void TMainWindow::CreateEditMenu() {
  const TMainActions& a = *actions_;
  QMenu* menu = AddMenu(menuBar(), "miEdit", QStringLiteral("Edit"));
  AddActions(menu, {a.actEditUndoChange, a.actEditRedoChange});
  menu->addSeparator();
  AddActions(menu, {a.actEditUndo, a.actEditRedo});
  menu->addSeparator();
  AddActions(menu, {a.actEditCopyColor, a.actEditCopyColorHEX, a.actEditCopyColorDelphi, a.actEditCopyColorVSNET});
  QMenu* copyCss = AddSubmenu(menu, "miEditCopyCss", QStringLiteral("Copy as CSS"));
  for (QAction* action : a.EditCopyCssActions()) copyCss->addAction(action);
  menu->addSeparator();
  AddActions(menu, {a.actEditRandomize, a.actEditMakeWebsafe, a.actEditMakeWebsmart, a.actEditMakeGrayscale});
  menu->addSeparator();
  AddActions(menu, {a.actEditLighten, a.actEditDarken, a.actEditSaturate, a.actEditDesaturate});
}

void TMainWindow::CreateViewMenu() {
  const TMainActions& a = *actions_;
  QMenu* menu = AddMenu(menuBar(), "miView", QStringLiteral("View"));
  AddActions(menu, {a.actViewMainToolbar, a.actViewAdjustbar});
  menu->addSeparator();
  AddActions(menu, {a.actViewBaseColorSection, a.actViewSmallLib, a.actViewPalette});
  menu->addSeparator();
  miTheme_ = AddSubmenu(menu, "miTheme", QStringLiteral("Theme"));
  miLang_ = AddSubmenu(menu, "miLang", QStringLiteral("Language"));
  menu->addAction(a.actViewAlwaysOnTop);
  menu->addSeparator();
  AddActions(menu, {a.actViewColorWheel, a.actViewVariations, a.actViewColorMixer, a.actViewLibrary,
                    a.actViewSpectrum, a.actViewPhotoScheme});
}

void TMainWindow::CreatePaletteMenu() {
  const TMainActions& a = *actions_;
  QMenu* menu = AddMenu(menuBar(), "miPalette", QStringLiteral("Palette"));
  AddActions(menu, {a.actPaletteUndo, a.actPaletteRedo});
  menu->addSeparator();
  AddActions(menu, {a.actPaletteAddBaseColor, a.actPaletteEditColor, a.actPaletteDeleteColor,
                    a.actPaletteRemoveDuplicates, a.actPaletteSelectAll});
  menu->addSeparator();
  menu->addAction(a.actPaletteSortColor);
  QMenu* convert = AddSubmenu(menu, "miConvert", QStringLiteral("Convert"));
  AddActions(convert, {a.actPaletteConvertToRGB, a.actPaletteConvertToHSB, a.actPaletteConvertToCMYK,
                       a.actPaletteConvertToLab});
}

void TMainWindow::CreateToolsMenu() {
  const TMainActions& a = *actions_;
  QMenu* menu = AddMenu(menuBar(), "miTools", QStringLiteral("Tools"));
  AddActions(menu, {a.actToolsScreenPick, a.actToolsContrastTest, a.actToolsContrastMatrix});
  menu->addSeparator();
  menu->addAction(a.actToolsOptions);
}

void TMainWindow::CreateHelpMenu() {
  const TMainActions& a = *actions_;
  QMenu* menu = AddMenu(menuBar(), "miHelp", QStringLiteral("Help"));
  menu->addAction(a.actHelpHelp);
  menu->addSeparator();
  AddActions(menu, {a.actHelpGallery, a.actHelpWebsite, a.actHelpSupport});
  menu->addSeparator();
  menu->addAction(a.actHelpAbout);
}

// --- Toolbars, docks, tool area, status bar ------------------------------------------------------------------

void TMainWindow::CreateToolBars() {
  const TMainActions& a = *actions_;
  tbMain_ = addToolBar(QStringLiteral("Main Bar"));
  tbMain_->setObjectName(QStringLiteral("tbMain"));
  AddActions(tbMain_, {a.actFileNew, a.actFileOpen, a.actFileSave, a.actFilePrint});
  tbMain_->addSeparator();
  AddActions(tbMain_, {a.actEditUndo, a.actEditRedo});
  tbMain_->addSeparator();
  AddActions(tbMain_, {a.actImportColors, a.actExportColors});
  tbMain_->addSeparator();
  AddActions(tbMain_, {a.actToolsScreenPick, a.actToolsContrastTest, a.actToolsOptions});
  tbMain_->addSeparator();
  tbMain_->addAction(a.actHelpHelp);

  tbAdjust_ = addToolBar(QStringLiteral("Color Bar"));
  tbAdjust_->setObjectName(QStringLiteral("tbAdjust"));
  AddActions(tbAdjust_, {a.actEditRandomize, a.actEditMakeWebsafe, a.actEditMakeWebsmart, a.actEditMakeGrayscale,
                         a.actEditLighten, a.actEditDarken, a.actEditSaturate, a.actEditDesaturate});
  for (QToolBar* bar : {tbMain_, tbAdjust_}) bar->setIconSize(QSize(20, 20));
}

QDockWidget* TMainWindow::CreateDock(const char* name, const QString& title, Qt::DockWidgetArea area) {
  auto* dock = new QDockWidget(title, this);
  dock->setObjectName(QString::fromLatin1(name));
  dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                    QDockWidget::DockWidgetFloatable);
  dock->setWidget(new QWidget(dock));
  addDockWidget(area, dock);
  return dock;
}

void TMainWindow::CreateDocks() {
  twBaseColor_ = CreateDock("twBaseColor", QStringLiteral("Base Color"), Qt::LeftDockWidgetArea);
  twLibrary_ = CreateDock("twLibrary", QStringLiteral("Swatches"), Qt::LeftDockWidgetArea);
  splitDockWidget(twBaseColor_, twLibrary_, Qt::Vertical);
  twPalette_ = CreateDock("twPalette", QStringLiteral("Palette"), Qt::RightDockWidgetArea);

  // Each panel is built inside its dock: moving a finished tree of widgets to a new parent restyles all of them.
  auto* basePanel = new TBaseColorPanel(*workspace_, twBaseColor_);
  basePanel->AttachActions(*actions_);
  SetBaseColorPanel(basePanel);
  auto* commands = new TBaseColorCommands(*workspace_, this);
  commands->AttachActions(*actions_);
  AddActionRules(commands);

  libraryPanel_ = new TLibraryPanel(*workspace_, LibraryFolders(), twLibrary_);
  SetLibraryPanel(libraryPanel_);

  palettePanel_ = new TPalettePanel(*palette_, *workspace_, twPalette_);
  palettePanel_->AttachActions(*actions_);
  SetPalettePanel(palettePanel_);
  AddActionRules(palettePanel_);
  lastPalette_ = std::make_unique<TLastPalette>(settings_, *palette_, *palettePanel_, arguments_);
}

void TMainWindow::SetToolPage(int index, TToolPage* page) {
  TToolPage* old = ToolPage(index);
  if (!old || !page || page == old) return;
  const bool shown = nbTools_->currentIndex() == index;
  nbTools_->insertWidget(index, page);
  nbTools_->removeWidget(old);
  if (auto* rules = dynamic_cast<TActionRules*>(old)) std::erase(rules_, rules);
  if (old == mixerPage_) mixerPage_ = nullptr;
  if (old == variationsPage_) variationsPage_ = nullptr;
  if (old == spectrumPage_) spectrumPage_ = nullptr;
  if (old == cfiPage_) cfiPage_ = nullptr;
  if (old == libraryPage_) libraryPage_ = nullptr;
  if (old == scalesPage_) scalesPage_ = nullptr;
  delete old;
  if (auto* rules = dynamic_cast<TActionRules*>(page)) AddActionRules(rules);
  // The window's texts were applied when it was built; a page plugged in later gets them now.
  ApplyLanguageToPart(page, QLatin1String(kMainFormSection));
  pages_[std::size_t(index)] = page;
  if (shown) nbTools_->setCurrentIndex(index);
  page->ShowTool(shown);
}

void TMainWindow::SetBaseColorPanel(QWidget* panel) { twBaseColor_->setWidget(panel); }
void TMainWindow::SetLibraryPanel(QWidget* panel) {
  twLibrary_->setWidget(panel);
  ApplyLanguageToPart(panel, QLatin1String(kMainFormSection));
}
void TMainWindow::SetPalettePanel(QWidget* panel) { twPalette_->setWidget(panel); }

namespace {

// The local file a drop carries when it is one file the palette takes; empty otherwise.
QString DroppedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().front().isLocalFile())
    return {};
  const QString path = mime->urls().front().toLocalFile();
  return TPalettePanel::IsDroppableFile(path) ? path : QString();
}

}  // namespace

void TMainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedFile(event->mimeData()).isEmpty()) return event->ignore();
  event->acceptProposedAction();
}

void TMainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (DroppedFile(event->mimeData()).isEmpty()) return event->ignore();
  event->acceptProposedAction();
}

void TMainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty() || palettePanel_ == nullptr) return event->ignore();
  event->acceptProposedAction();
  palettePanel_->OpenDroppedFile(path);
}

void TMainWindow::CreateToolArea() {
  auto* centre = new QWidget(this);
  centre->setObjectName(QStringLiteral("tbxdpMain"));
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);

  tcMain_ = new QTabBar(centre);
  tcMain_->setObjectName(QStringLiteral("tcMain"));
  tcMain_->setExpanding(false);
  tcMain_->setDrawBase(true);
  nbTools_ = new QStackedWidget(centre);
  nbTools_->setObjectName(QStringLiteral("nbTools"));
  nbTools_->setFrameShape(QFrame::StyledPanel);

  // Only the page shown at start is built now; the others wait in a placeholder until first shown or asked for.
  for (const QString& title : {QStringLiteral("Color Wheel"), QStringLiteral("Variations"),
                               QStringLiteral("Color Mixer"), QStringLiteral("Library"), QStringLiteral("Spectrum"),
                               QStringLiteral("Colors from Image"), QStringLiteral("Scales")}) {
    tcMain_->addTab(title);
    nbTools_->addWidget(new QWidget(nbTools_));
    pages_.push_back(nullptr);
  }
  ToolPage(0);
  layout->addWidget(tcMain_);
  layout->addWidget(nbTools_, 1);
  setCentralWidget(centre);
  connect(tcMain_, &QTabBar::currentChanged, this, &TMainWindow::ToolTabChanged);
}

void TMainWindow::CreateStatusBar() {
  sbMain_ = new TMainStatusBar(this);
  setStatusBar(sbMain_);
  const TMainActions& a = *actions_;
  auto* models = new QMenu(this);
  models->setObjectName(QStringLiteral("pmnu_cucmodel"));
  AddActions(models, {a.actCUCModelRGB, a.actCUCModelHSB, a.actCUCModelCMYK, a.actCUCModelLab, a.actCUCModelCSS});
  sbMain_->SetModelMenu(models);
  connect(workspace_, &TWorkspace::ColorUnderCursorShown, sbMain_, &TMainStatusBar::ShowColorUnderCursor);
  connect(workspace_, &TWorkspace::ColorUnderCursorCleared, sbMain_, &TMainStatusBar::ClearColorUnderCursor);
}

TToolPage* TMainWindow::ToolPage(int index) {
  if (index < 0 || index >= int(pages_.size())) return nullptr;
  if (pages_[std::size_t(index)] == nullptr) CreateToolPage(index);
  return pages_[std::size_t(index)];
}

TToolPage* TMainWindow::NewToolPage(int index) {
  switch (index) {
    case 0: return new TColorWheelPage(*workspace_, *toolPopup_, *actions_, nbTools_);
    case 1: return variationsPage_ = new TVariationsPage(*workspace_, *toolPopup_, nbTools_);
    case 2: return mixerPage_ = new TColorMixerPage(*workspace_, *toolPopup_, *actions_, nbTools_);
    case 3: return libraryPage_ = new TLibraryPage(*workspace_, *toolPopup_, *actions_, LibraryFolders(), nbTools_);
    case 4: return spectrumPage_ = new TSpectrumPage(*workspace_, nbTools_);
    case 5: return cfiPage_ = new TColorsFromImagePage(*workspace_, *actions_, nbTools_);
    default: return scalesPage_ = new TScalesPage(*workspace_, nbTools_);
  }
}

// Takes the placeholder's place; a page made after start-up gets what the start gave the others: texts,
// options and its "Color Tools" settings.
void TMainWindow::CreateToolPage(int index) {
  TToolPage* page = NewToolPage(index);
  QWidget* placeholder = nbTools_->widget(index);
  const bool shown = nbTools_->currentIndex() == index;
  nbTools_->insertWidget(index, page);
  nbTools_->removeWidget(placeholder);
  delete placeholder;
  pages_[std::size_t(index)] = page;
  if (auto* rules = dynamic_cast<TActionRules*>(page)) AddActionRules(rules);
  if (pagesStarted_) {
    ApplyLanguageToPart(page, QLatin1String(kMainFormSection));
    ApplyPageOptions(page);
    ApplyPageSettings(page);
    // Made after the base colour was set: it would show black until the next change.
    if (auto* follower = dynamic_cast<TBaseColorFollower*>(page)) follower->FollowBaseColor(workspace_->BaseColor());
  }
  if (shown) nbTools_->setCurrentIndex(index);
  page->ShowTool(shown);
}

// --- Shell actions ---------------------------------------------------------------------------------------------

void TMainWindow::ConnectShellActions() {
  const TMainActions& a = *actions_;
  connect(a.actFileExit, &QAction::triggered, this, &TMainWindow::Exit);
  connect(a.actFileCloseWindow, &QAction::triggered, this, &TMainWindow::CloseToolWindow);
  for (QAction* tool : {a.actViewColorWheel, a.actViewVariations, a.actViewColorMixer, a.actViewLibrary,
                        a.actViewSpectrum, a.actViewPhotoScheme}) {
    connect(tool, &QAction::triggered, this, [this, tool] { SelectTool(TMainActions::Tag(tool)); });
  }
  ConnectViewToggles();
  connect(a.actViewAlwaysOnTop, &QAction::triggered, this,
          [this] { SetAlwaysOnTop(!windowFlags().testFlag(Qt::WindowStaysOnTopHint)); });
  help_ = new THelpCommand(this, [this] { return ToolPageSection(CurrentTool()); });
  help_->AttachActions(*actions_);
  connect(a.actHelpGallery, &QAction::triggered, this, [] { OpenWithShell(GalleryUrl()); });
  connect(a.actHelpWebsite, &QAction::triggered, this, [] { OpenWithShell(QUrl(HomePageUrl())); });
  connect(a.actHelpSupport, &QAction::triggered, this, [] { OpenWithShell(SupportMailUrl()); });
  connect(a.actHelpAbout, &QAction::triggered, this, &TMainWindow::ShowAbout);
  connect(a.actToolsOptions, &QAction::triggered, this, &TMainWindow::ShowOptions);
  connect(a.actImportColors, &QAction::triggered, this, [this] { RunImportWizard(this, *palette_); });
  connect(a.actExportColors, &QAction::triggered, this, &TMainWindow::ExportColors);
  connect(a.actUpdate, &QAction::triggered, this, &TMainWindow::RefreshCaption);
}

void TMainWindow::ExportColors() {
  // The scale types export the scale the Scales page shows now, or the stored one when it was never opened.
  if (scalesPage_ != nullptr) toolSettings_.Collect(*scalesPage_);
  RunExportWizard(this, *palette_, OpenWithShell, ScaleOptionsOf(toolSettings_.ScalesSettings()));
}

void TMainWindow::CreatePrintCommand() {
  const auto wheel = [this] {
    const auto* page = qobject_cast<TColorWheelPage*>(ToolPage(0));
    return page ? page->Wheel()->SegmentColors() : WheelSegments(workspace_->BaseColor().GetColor(), wsRGB);
  };
  auto* print = new TPrintCommand(*palette_, *workspace_, wheel, settings_.Store(), QLatin1String(settings_group::kToolbars),
                                  this);
  print->AttachActions(*actions_);
  AddActionRules(print);
}

void TMainWindow::ConnectViewToggles() {
  const TMainActions& a = *actions_;
  const std::pair<QAction*, QWidget*> toggles[] = {
      {a.actViewMainToolbar, tbMain_},     {a.actViewAdjustbar, tbAdjust_}, {a.actViewBaseColorSection, twBaseColor_},
      {a.actViewSmallLib, twLibrary_},      {a.actViewPalette, twPalette_},
  };
  for (const auto& [action, widget] : toggles) {
    connect(action, &QAction::triggered, this, [widget] {
      const bool show = widget->isHidden();
      widget->setVisible(show);
      if (show) widget->raise();  // a panel tabbed with another comes to the front
    });
  }
}

void TMainWindow::Exit() {
  // Only a palette the next start brings back may go without the question; other changes would be lost.
  exitWithoutQuestion_ = lastPalette_->KeptAtExit(options_.SavePalette);
  close();
}

void TMainWindow::SetAlwaysOnTop(bool onTop) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) show();  // changing the flags hides a window
}

int TMainWindow::CurrentTool() const { return tcMain_->currentIndex(); }

void TMainWindow::SelectTool(int index) {
  if (index < 0 || index >= kToolCount) return;
  if (tcMain_->currentIndex() == index)
    ToolTabChanged(index);
  else
    tcMain_->setCurrentIndex(index);  // emits currentChanged
}

void TMainWindow::ToolTabChanged(int index) {
  if (index < 0) return;
  ToolPage(index);
  nbTools_->setCurrentIndex(index);
  for (int i = 0; i < int(pages_.size()); ++i)
    if (TToolPage* page = pages_[std::size_t(i)]) page->ShowTool(i == index);
}

void TMainWindow::ShowAbout() {
  TAboutDialog about(this);
  Dialogs().Exec(about);
}

TOptions TMainWindow::Options() const {
  TOptions options = options_;
  options.cfAdjust = workspace_->AdjustAmount();
  options.HTMLSharp = workspace_->HtmlSharp();
  options.ColorUnCursorModel = workspace_->ColorUnderCursorSetting();
  options.CssForm = static_cast<int>(workspace_->CssForm());
  options.ScreenPickerZoom = screenPicker_->Zoom();
  options.MatrixViewAs = contrastMatrix_->ViewText();
  options.MatrixShow = contrastMatrix_->FilterText();
  return options;
}

void TMainWindow::SyncOptionsFromViews() {
  options_ = Options();
}

void TMainWindow::ShowOptions() {
  SyncOptionsFromViews();
  TOptionsDialog dialog(options_, this);
  if (Dialogs().Exec(dialog) != QDialog::Accepted) return;
  ApplyOptions(dialog.Result());
  settings_.WriteOptions(options_);
}

void TMainWindow::ApplyOptions(const TOptions& options) {
  options_ = options;
  workspace_->SetAdjustAmount(options_.cfAdjust);
  workspace_->SetHtmlSharp(options_.HTMLSharp);
  workspace_->SetColorUnderCursorSetting(options_.ColorUnCursorModel);
  workspace_->SetCssFormSetting(options_.CssForm);
  palettePanel_->SetCompactDraw(options_.CompactDraw);
  screenPicker_->SetZoom(options_.ScreenPickerZoom);
  contrastMatrix_->SetChoices(options_.MatrixViewAs, options_.MatrixShow);
  for (TToolPage* page : pages_) ApplyPageOptions(page);
  if (recovery_) recovery_->Schedule();
}

void TMainWindow::ApplyPageOptions(TToolPage* page) {
  if (page == nullptr) return;
  if (page == cfiPage_) cfiPage_->SetShowFileName(options_.ViewCFIFile);
  if (page == libraryPage_) libraryPage_->SetOnlyColor(options_.ViewLibOnlyColor);
}

// --- Themes and languages -------------------------------------------------------------------------------------

void TMainWindow::FillThemeMenu() {
  miTheme_->clear();
  themeGroup_ = new QActionGroup(miTheme_);
  themeGroup_->setExclusive(true);
  for (const QString& name : ThemeNames()) {
    QAction* item = miTheme_->addAction(name);
    item->setCheckable(true);
    item->setData(name);
    themeGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, name] { ChooseTheme(name); });
  }
}

bool TMainWindow::ChooseTheme(const QString& name) {
  if (!ApplyTheme(name)) return false;
  options_.Theme = CurrentThemeName();
  SetActionIcons(*actions_, IsDarkTheme(options_.Theme));
  for (QAction* item : themeGroup_->actions()) item->setChecked(item->data().toString() == options_.Theme);
  return true;
}

void TMainWindow::FillLanguageMenu() {
  miLang_->clear();
  auto* group = new QActionGroup(miLang_);
  group->setExclusive(true);
  QAction* builtIn = miLang_->addAction(QStringLiteral("Default (reload needed)"));
  builtIn->setObjectName(QStringLiteral("miLangDefault"));
  builtIn->setCheckable(true);
  group->addAction(builtIn);
  connect(builtIn, &QAction::triggered, this, [this] { ChooseLanguage(QString()); });
  miLang_->addSeparator();
  // Each language under its own name, so a user who cannot read the current one still finds theirs.
  for (const QString& file : AvailableLanguages()) {
    QAction* item = miLang_->addAction(LanguageDisplayName(file));
    item->setCheckable(true);
    item->setData(file);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, file] { ChooseLanguage(file); });
  }
  CheckCurrentLanguage();
}

void TMainWindow::CheckCurrentLanguage() {
  const QString current = CurrentLanguagePath().isEmpty() ? QString() : CurrentLanguageName();
  for (QAction* item : miLang_->actions()) {
    if (item->isCheckable()) item->setChecked(item->data().toString().compare(current, Qt::CaseInsensitive) == 0);
  }
}

void TMainWindow::ChooseLanguage(const QString& fileName) {
  SelectLanguage(this, fileName);
  settings_.WriteLanguage(CurrentLanguageName());
  CheckCurrentLanguage();
}

// --- Settings --------------------------------------------------------------------------------------------------

void TMainWindow::ReadSettings() {
  RestorePlacement();
  const TColorModel baseModel = ModelFromInt(mainSettings_.baseModel);
  workspace_->BaseColor().SetModel(baseModel);
  workspace_->BaseColor().SetColor(static_cast<TColor>(mainSettings_.baseValue), baseModel);

  ApplyOptions(settings_.ReadOptions());
  toolSettings_.Read(settings_);
  ApplyToolSettings();

  FillThemeMenu();
  // A name no theme answers to (a hand-edited setting) falls back to the default look.
  if (!ThemeNames().contains(options_.Theme, Qt::CaseInsensitive)) options_.Theme = TOptions().Theme;
  if (!ChooseTheme(options_.Theme)) ShowMessageBox(Message(sErrLoadThemes), mfWarning);
}

void TMainWindow::RestorePlacement() {
  const QRect screen = ScreenRect();
  const bool firstStart = !settings_.HasMainSize();
  const bool layoutRestored = restoreState(settings_.ReadToolbars());
  mainSettings_ = settings_.ReadMain(screen);
  if (firstStart) mainSettings_.Geometry = CentredPlacement(FirstStartSize(FirstStartNeeds(), screen), screen);
  QRect stored = mainSettings_.Geometry;
  // A damaged or hand-edited size must not give a window larger than the desktop or smaller than its minimum.
  stored.setSize(stored.size()
                     .expandedTo(minimumSize())
                     .boundedTo(QSize(std::max(screen.width(), kDesignWidth), std::max(screen.height(), kDesignHeight))));
  const QRect placed = CorrectPlacement(stored, screen);
  resize(placed.size());
  move(placed.topLeft());
  // First run (or an unreadable layout): the tool area gets the room, the panels their natural width.
  if (!layoutRestored) LayOutDocks();
  SetAlwaysOnTop(mainSettings_.MFormStyle);
}

int TMainWindow::LeftDockWidth() const {
  int width = std::max({190, twBaseColor_->minimumSizeHint().width(), twLibrary_->minimumSizeHint().width()});
  // The swatch table shows whole columns: the cells' area beside its scroll bar is a multiple of the cell.
  if (auto* table = twLibrary_->findChild<TColorLibTable*>()) {
    const int cell = std::max(1, table->CellSize());
    const int around = MarginsAround(table, twLibrary_);
    const int cells = std::max(0, width - around - kLibTableScrollBarWidth);
    width += (cell - cells % cell) % cell;
  }
  return width;
}

int TMainWindow::RightDockWidth() const {
  int width = std::max(240, twPalette_->minimumSizeHint().width());
  // The palette toolbar shows every button, with no overflow menu.
  if (auto* bar = twPalette_->findChild<QToolBar*>()) {
    width = std::max(width, bar->sizeHint().width() + MarginsAround(bar, twPalette_));
  }
  return width;
}

QSize TMainWindow::FirstStartNeeds() const {
  const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  const QMargins margins = centralWidget()->layout()->contentsMargins();
  // The tool tabs without scroll arrows, the pages at their smallest, the frame of the page stack.
  const int centre = std::max(tcMain_->sizeHint().width() + 2 * nbTools_->frameWidth(),
                              nbTools_->minimumSizeHint().width()) +
                     margins.left() + margins.right();
  const int width = LeftDockWidth() + centre + RightDockWidth() + 2 * separator;
  return {width, std::max(kDesignHeight, minimumSizeHint().height())};
}

void TMainWindow::LayOutDocks() {
  resizeDocks({twBaseColor_, twPalette_}, {LeftDockWidth(), RightDockWidth()}, Qt::Horizontal);
  resizeDocks({twBaseColor_, twLibrary_}, {260, 140}, Qt::Vertical);
}

TMainSettings TMainWindow::CurrentMainSettings() const {
  TMainSettings m = mainSettings_;
  m.MWindowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
  m.Geometry = QRect(pos(), size());
  m.MFormStyle = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  m.baseValue = static_cast<int>(workspace_->BaseColor().GetColor());
  m.baseModel = workspace_->BaseColor().Model();
  return m;
}

// Pages replaced through SetToolPage (tests, later plug-ins) keep their own settings.
void TMainWindow::ApplyToolSettings() {
  toolSettings_.Apply(*libraryPanel_);
  for (TToolPage* page : pages_) ApplyPageSettings(page);
}

void TMainWindow::ApplyPageSettings(TToolPage* page) {
  if (page == nullptr) return;
  if (auto* wheel = qobject_cast<TColorWheelPage*>(page); wheel && page == pages_.front()) toolSettings_.Apply(*wheel);
  if (page == variationsPage_) toolSettings_.Apply(*variationsPage_);
  if (page == spectrumPage_) toolSettings_.Apply(*spectrumPage_);
  if (page == mixerPage_) toolSettings_.Apply(*mixerPage_);
  if (page == libraryPage_) toolSettings_.Apply(*libraryPage_);
  if (page == scalesPage_) toolSettings_.Apply(*scalesPage_);
}

// A page never made keeps the values read at start.
void TMainWindow::CollectToolSettings() {
  if (auto* wheel = qobject_cast<TColorWheelPage*>(ToolPage(0))) toolSettings_.Collect(*wheel);
  if (variationsPage_ != nullptr) toolSettings_.Collect(*variationsPage_);
  if (spectrumPage_ != nullptr) toolSettings_.Collect(*spectrumPage_);
  if (mixerPage_ != nullptr) toolSettings_.Collect(*mixerPage_);
  toolSettings_.Collect(*libraryPanel_);
  if (libraryPage_ != nullptr) toolSettings_.Collect(*libraryPage_);
  if (scalesPage_ != nullptr) toolSettings_.Collect(*scalesPage_);
}

void TMainWindow::WriteSessionSettings(TSettings& out) {
  out.WriteToolbars(saveState());
  out.WriteMain(CurrentMainSettings());
  SyncOptionsFromViews();
  out.WriteOptions(options_);
  CollectToolSettings();
  toolSettings_.Write(out);
}

namespace {

// A settings store that lives in memory only: its format reads and writes nothing, and its path lies under a
// file, where no folder can be made, so not even a lock file is written.
QSettings::Format MemoryOnlyFormat() {
  static const QSettings::Format format = QSettings::registerFormat(
      QStringLiteral("tintorium-memory"), [](QIODevice&, QSettings::SettingsMap&) { return true; },
      [](QIODevice&, const QSettings::SettingsMap&) { return true; });
  return format;
}

}  // namespace

QVariantMap TMainWindow::AllSessionSettings() {
  QSettings scratch(QStringLiteral("/dev/null/tintorium-session"), MemoryOnlyFormat());
  TSettings out(scratch);
  WriteSessionSettings(out);
  QVariantMap values;
  for (const QString& key : scratch.allKeys()) values.insert(key, scratch.value(key));
  return values;
}

namespace {

// The window's placement and layout change by themselves (the window manager, the first show), so they alone
// never make a recovery copy worth offering, and a restore leaves them as they are.
bool IsPlacementSetting(const QString& key) {
  static const QStringList placement{QStringLiteral("MWindowState"), QStringLiteral("MTop"), QStringLiteral("MLeft"),
                                     QStringLiteral("MWidth"), QStringLiteral("MHeight")};
  return key.startsWith(QLatin1String(settings_group::kToolbars)) ||
         (key.startsWith(QLatin1String(settings_group::kMain)) && placement.contains(key.section(u'/', -1)));
}

}  // namespace

QVariantMap TMainWindow::SessionSettings() {
  QVariantMap changed;
  const QVariantMap now = AllSessionSettings();
  for (auto it = now.cbegin(); it != now.cend(); ++it) {
    if (!IsPlacementSetting(it.key()) && sessionStart_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
  }
  return changed;
}

void TMainWindow::RestoreSessionSettings(const QVariantMap& values) {
  for (auto it = values.cbegin(); it != values.cend(); ++it) {
    if (it.key().startsWith(QLatin1String(settings_group::kOptions)) && !IsPlacementSetting(it.key()))
      settings_.Store().setValue(it.key(), it.value());
  }
  settings_.Store().sync();
  mainSettings_ = settings_.ReadMain(ScreenRect());
  SetAlwaysOnTop(mainSettings_.MFormStyle);
  ApplyOptions(settings_.ReadOptions());
  toolSettings_.Read(settings_);
  ApplyToolSettings();
  if (!ChooseTheme(options_.Theme)) ChooseTheme(TOptions().Theme);
  sessionStart_ = AllSessionSettings();
}

void TMainWindow::ConnectSettingsChanges() {
  // Every command may change a setting (a view, a tool, the options); the keeper coalesces the writes.
  for (QAction* action : actions_->All()) {
    if (action != actions_->actUpdate)  // the idle refresh, not a command
      connect(action, &QAction::triggered, recovery_, &TRecoveryKeeper::Schedule);
  }
  if (themeGroup_) connect(themeGroup_, &QActionGroup::triggered, recovery_, &TRecoveryKeeper::Schedule);
  connect(tcMain_, &QTabBar::currentChanged, recovery_, &TRecoveryKeeper::Schedule);
}

void TMainWindow::WriteSettings() {
  if (settingsWritten_) return;
  settingsWritten_ = true;
  WriteSessionSettings(settings_);
  lastPalette_->SaveAtExit(options_.SavePalette);
  settings_.Store().sync();
  recovery_->Remove();  // a clean end: nothing to offer next time
}

// --- Palette at start and exit ---------------------------------------------------------------------------------

bool TMainWindow::AskSaveBeforeClose() {
  return exitWithoutQuestion_ || palettePanel_->AskToSave();
}

void TMainWindow::closeEvent(QCloseEvent* event) {
  if (!AskSaveBeforeClose()) {
    exitWithoutQuestion_ = false;
    event->ignore();
    return;
  }
  WriteSettings();
  event->accept();
}

void TMainWindow::CloseToolWindow() {
  // The window holding the focus; the active window when no widget has it.
  QWidget* focus = QApplication::focusWidget();
  QWidget* active = focus ? focus->window() : QApplication::activeWindow();
  if (active && active != this && !active->isModal() && active->windowType() != Qt::Popup) {
    active->close();
    return;
  }
  for (QWidget* at = QApplication::focusWidget(); at; at = at->parentWidget()) {
    if (auto* dock = qobject_cast<QDockWidget*>(at); dock && dock->parentWidget() == this) {
      dock->close();
      return;
    }
  }
}

// --- Idle refresh ----------------------------------------------------------------------------------------------

void TMainWindow::AddActionRules(TActionRules* rules) {
  if (rules) rules_.push_back(rules);
}

void TMainWindow::UpdateActions() {
  UpdateShellActions();
  for (TActionRules* rules : rules_) rules->UpdateActions(*actions_);
  actions_->actUpdate->trigger();
}

void TMainWindow::UpdateShellActions() {
  const TMainActions& a = *actions_;
  a.actEditUndoChange->setEnabled(editHistory_ && editHistory_->CanUndo());
  a.actEditRedoChange->setEnabled(editHistory_ && editHistory_->CanRedo());
  for (QAction* always : {a.actFileExit, a.actFileCloseWindow, a.actImportColors, a.actExportColors, a.actViewMainToolbar, a.actViewAdjustbar, a.actViewBaseColorSection,
                          a.actViewSmallLib, a.actViewPalette, a.actViewAlwaysOnTop, a.actViewColorWheel,
                          a.actViewVariations, a.actViewColorMixer, a.actViewLibrary, a.actViewSpectrum,
                          a.actViewPhotoScheme, a.actHelpHelp, a.actHelpAbout, a.actToolsOptions, a.actUpdate})
    always->setEnabled(true);
  // The project has no web site: its commands stay out of sight rather than lead to a made-up address.
  const bool hasHomePage = !HomePageUrl().isEmpty();
  for (QAction* web : {a.actHelpGallery, a.actHelpWebsite, a.actHelpSupport}) {
    web->setEnabled(hasHomePage);
    web->setVisible(hasHomePage);
  }
  a.actViewMainToolbar->setChecked(!tbMain_->isHidden());
  a.actViewAdjustbar->setChecked(!tbAdjust_->isHidden());
  a.actViewBaseColorSection->setChecked(!twBaseColor_->isHidden());
  a.actViewSmallLib->setChecked(!twLibrary_->isHidden());
  a.actViewPalette->setChecked(!twPalette_->isHidden());
  a.actViewAlwaysOnTop->setChecked(windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  for (QAction* tool : {a.actViewColorWheel, a.actViewVariations, a.actViewColorMixer, a.actViewLibrary,
                        a.actViewSpectrum, a.actViewPhotoScheme})
    tool->setChecked(TMainActions::Tag(tool) == tcMain_->currentIndex());
}

QString TMainWindow::CaptionText() const {
  const QString name = QFileInfo(palette_->PaletteFileName()).fileName();
  return QStringLiteral("%1 - [%2%3]")
      .arg(ApplicationTitle(), name, palette_->PaletteModified() ? QStringLiteral("*") : QString());
}

void TMainWindow::RefreshCaption() {
  const QString caption = CaptionText();
  if (windowTitle() != caption) setWindowTitle(caption);
  sbMain_->SetCountText(FormatMessage(sPalCount, {palette_->Count()}));
}

void TMainWindow::IdleRefresh() {
  // aboutToBlock also fires inside modal loops and while the window is being torn down.
  if (refreshing_ || settingsWritten_) return;
  refreshing_ = true;
  UpdateActions();
  refreshing_ = false;
}

}  // namespace tintorium
