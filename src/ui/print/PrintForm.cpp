#include "ui/print/PrintForm.h"

#include "ui/language/LanguageApplier.h"
#include "ui/language/MessageSeam.h"
#include "engine/language/Messages.h"
#include "engine/print/PrintLayout.h"
#include "engine/print/PrintPainter.h"
#include "ui/print/PrintPreview.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace tintorium {
namespace {

constexpr int kFullPageItem = 0;
constexpr int kPageWidthItem = 1;
/// The percentages of the scale box's items after "Full Page" and "Page Width".
constexpr std::array kScalePercents{200, 100, 75, 50, 25};

const QString kLayoutKey = QStringLiteral("PrintForm");

QAction* MakeAction(QObject* parent, const char* name, const QString& text, bool checkable = false) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(checkable);
  return action;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

// The printer's unprintable margins in its own dots.
QMargins UnprintableDots(const QPrinter& printer) {
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Point);
  const QMarginsF points = layout.minimumMargins();
  const double dots = printer.resolution() / 72.0;
  const auto round = [dots](double v) { return int(std::lround(v * dots)); };
  return QMargins(round(points.left()), round(points.top()), round(points.right()), round(points.bottom()));
}

}  // namespace

TPrintForm::TPrintForm(std::function<TPrintSources()> sources, QSettings& settings, const QString& toolbarsGroup,
                       QWidget* parent)
    : QDialog(parent),
      sources_(std::move(sources)),
      settings_(settings),
      toolbarsGroup_(toolbarsGroup),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("PrintForm"));
  setWindowTitle(QStringLiteral("Print"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  resize(565, 383);

  // The toolbar, the dock and the status bar need a main window; it lives inside the dialog.
  frame_ = new QMainWindow(this);
  frame_->setWindowFlags(Qt::Widget);  // a main window is always made a window of its own
  frame_->setObjectName(QStringLiteral("pnlFrame"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame_);
  jvpc_ = new TPrintPreview(frame_);
  frame_->setCentralWidget(jvpc_);

  CreateActions();
  CreateToolBar();
  CreateOptions();
  CreateStatusBar();
  ConnectControls();

  ApplyLanguage(this, QStringLiteral("PrintForm"));
  FitOptionsTitle();
  RestoreLayout();
  jvpc_->SetZoomPercent(100);
  RefreshPageSetup();
  cboScale_->setCurrentIndex(kFullPageItem);
  ScaleChosen(kFullPageItem);
}

TPrintForm::~TPrintForm() { SaveLayout(); }

// --- Building ---------------------------------------------------------------------------------------------------

void TPrintForm::CreateActions() {
  QStyle* s = style();
  actPrint_ = MakeAction(this, "actPrint", QStringLiteral("Print"));
  actPrintSetup_ = MakeAction(this, "actPrintSetup", QStringLiteral("Print Setup..."));
  actFirst_ = MakeAction(this, "actFirst", QStringLiteral("First"));
  actPrev_ = MakeAction(this, "actPrev", QStringLiteral("Prev"));
  actNext_ = MakeAction(this, "actNext", QStringLiteral("Next"));
  actLast_ = MakeAction(this, "actLast", QStringLiteral("Last"));
  actViewOptions_ = MakeAction(this, "actViewOptions", QStringLiteral("View options"), true);
  actViewBorder_ = MakeAction(this, "actViewBorder", QStringLiteral("View border"), true);
  actPrintSetup_->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
  actFirst_->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
  actPrev_->setIcon(s->standardIcon(QStyle::SP_ArrowLeft));
  actNext_->setIcon(s->standardIcon(QStyle::SP_ArrowRight));
  actLast_->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
  actViewOptions_->setIcon(s->standardIcon(QStyle::SP_FileDialogListView));
  actViewBorder_->setIcon(s->standardIcon(QStyle::SP_TitleBarNormalButton));
  actPrint_->setShortcut(QKeySequence::Print);
  actPrev_->setShortcut(QKeySequence(Qt::Key_PageUp));
  actNext_->setShortcut(QKeySequence(Qt::Key_PageDown));
  actFirst_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
  actLast_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
  addActions({actPrint_, actPrintSetup_, actFirst_, actPrev_, actNext_, actLast_, actViewOptions_, actViewBorder_});
}

void TPrintForm::CreateToolBar() {
  tbPrint_ = new QToolBar(QStringLiteral("Print Bar"), frame_);
  tbPrint_->setObjectName(QStringLiteral("tbPrint"));
  tbPrint_->setIconSize(QSize(16, 16));
  frame_->addToolBar(tbPrint_);
  tbPrint_->addActions({actPrint_, actPrintSetup_});
  tbPrint_->addSeparator();
  tbPrint_->addActions({actFirst_, actPrev_, actNext_, actLast_});
  tbPrint_->addSeparator();
  tbPrint_->addActions({actViewOptions_, actViewBorder_});
  tbPrint_->addSeparator();
  cboScale_ = new QComboBox(tbPrint_);
  cboScale_->setObjectName(QStringLiteral("cboScale"));
  cboScale_->addItems({QStringLiteral("Full Page"), QStringLiteral("Page Width")});
  for (int percent : kScalePercents) cboScale_->addItem(QStringLiteral("%1%").arg(percent));
  cboScale_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  tbPrint_->addWidget(cboScale_);
  // The two commands that open dialogs read better with their names; the page buttons are known by their arrows.
  for (QAction* named : {actPrint_, actPrintSetup_}) {
    if (auto* button = qobject_cast<QToolButton*>(tbPrint_->widgetForAction(named)))
      button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  }
}

void TPrintForm::CreateOptions() {
  tbtwToPrint_ = new QDockWidget(QStringLiteral("Print Options"), frame_);
  tbtwToPrint_->setObjectName(QStringLiteral("tbtwToPrint"));
  tbtwToPrint_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  tbtwToPrint_->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  auto* panel = new QWidget(tbtwToPrint_);
  auto* group = new QGroupBox(QStringLiteral("To Print"), panel);
  group->setObjectName(QStringLiteral("gbToPrint"));
  chkPTPalette_ = MakeCheckBox(group, "chkPTPalette", QStringLiteral("Palette"));
  chkPTHistory_ = MakeCheckBox(group, "chkPTHistory", QStringLiteral("History"));
  chkPTCWheel_ = MakeCheckBox(group, "chkPTCWheel", QStringLiteral("Color Wheel"));
  chkPTPalette_->setChecked(true);
  auto* boxes = new QVBoxLayout(group);
  for (QCheckBox* box : {chkPTPalette_, chkPTHistory_, chkPTCWheel_}) boxes->addWidget(box);
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(group);
  layout->addStretch(1);
  tbtwToPrint_->setWidget(panel);
  frame_->addDockWidget(Qt::LeftDockWidgetArea, tbtwToPrint_);
}

void TPrintForm::CreateStatusBar() {
  auto* bar = new QStatusBar(frame_);
  bar->setObjectName(QStringLiteral("sbPrint"));
  bar->setSizeGripEnabled(false);
  sbPanel0_ = new QLabel(bar);
  sbPanel0_->setObjectName(QStringLiteral("sbPanel0"));
  sbPanel0_->setFixedWidth(100);
  sbPanel1_ = new QLabel(bar);
  sbPanel1_->setObjectName(QStringLiteral("sbPanel1"));
  sbPanel1_->setFixedWidth(200);
  bar->addWidget(sbPanel0_);
  bar->addWidget(sbPanel1_);
  frame_->setStatusBar(bar);
}

void TPrintForm::ConnectControls() {
  connect(actPrint_, &QAction::triggered, this, &TPrintForm::Print);
  connect(actPrintSetup_, &QAction::triggered, this, &TPrintForm::PrintSetup);
  connect(actFirst_, &QAction::triggered, this, [this] { jvpc_->ShowPage(0); });
  connect(actPrev_, &QAction::triggered, this, [this] { jvpc_->ShowPage(jvpc_->CurrentPage() - 1); });
  connect(actNext_, &QAction::triggered, this, [this] { jvpc_->ShowPage(jvpc_->CurrentPage() + 1); });
  connect(actLast_, &QAction::triggered, this, [this] { jvpc_->ShowPage(jvpc_->PageCount() - 1); });
  connect(actViewBorder_, &QAction::triggered, this, [this] { jvpc_->SetShowsMargins(!jvpc_->ShowsMargins()); });
  connect(actViewOptions_, &QAction::triggered, this,
          [this] { tbtwToPrint_->setVisible(tbtwToPrint_->isHidden()); });
  connect(tbtwToPrint_, &QDockWidget::visibilityChanged, this,
          [this] { actViewOptions_->setChecked(!tbtwToPrint_->isHidden()); });
  for (QCheckBox* box : {chkPTPalette_, chkPTHistory_, chkPTCWheel_})
    connect(box, &QCheckBox::clicked, this, [this] { BuildPrintDocument(CheckedContents()); });
  connect(cboScale_, &QComboBox::activated, this, &TPrintForm::ScaleChosen);
  connect(jvpc_, &TPrintPreview::Changed, this, &TPrintForm::PreviewChanged);
}

// The panel is as narrow as its boxes allow, but never so narrow that its (translated) title is cut short.
void TPrintForm::FitOptionsTitle() {
  const int title = tbtwToPrint_->fontMetrics().horizontalAdvance(tbtwToPrint_->windowTitle());
  const int button = style()->pixelMetric(QStyle::PM_TitleBarButtonSize, nullptr, tbtwToPrint_);
  tbtwToPrint_->widget()->setMinimumWidth(title + 2 * button + 16);
}

// --- Layout kept between runs ---------------------------------------------------------------------------------

void TPrintForm::RestoreLayout() {
  settings_.beginGroup(toolbarsGroup_);
  const QVariant state = settings_.value(kLayoutKey);
  settings_.endGroup();
  if (state.typeId() == QMetaType::QByteArray) frame_->restoreState(state.toByteArray());
  actViewOptions_->setChecked(!tbtwToPrint_->isHidden());
}

void TPrintForm::SaveLayout() {
  settings_.beginGroup(toolbarsGroup_);
  settings_.setValue(kLayoutKey, frame_->saveState());
  settings_.endGroup();
}

// --- Document -------------------------------------------------------------------------------------------------

void TPrintForm::BuildPrintDocument(int contents) {
  const std::pair<QCheckBox*, int> boxes[] = {
      {chkPTPalette_, pcPalette}, {chkPTHistory_, pcHistory}, {chkPTCWheel_, pcColorWheel}};
  for (const auto& [box, bit] : boxes) box->setChecked((contents & bit) != 0);
  jvpc_->SetDocument(BuildPrintCards(contents, sources_ ? sources_() : TPrintSources()), jvpc_->Layout().Geometry());
}

int TPrintForm::CheckedContents() const {
  return (chkPTPalette_->isChecked() ? pcPalette : 0) | (chkPTHistory_->isChecked() ? pcHistory : 0) |
         (chkPTCWheel_->isChecked() ? pcColorWheel : 0);
}

void TPrintForm::RefreshPageSetup() {
  // Full-page mode: the painter's origin is the sheet's corner, so our margins are measured from the edge.
  printer_->setFullPage(true);
  const int dpi = printer_->resolution();
  const QSize page = printer_->pageLayout().fullRectPixels(dpi).size();
  jvpc_->SetPageGeometry(PrintPageGeometry(page, dpi, UnprintableDots(*printer_)));
}

// --- Scale and notifications ----------------------------------------------------------------------------------

void TPrintForm::ScaleChosen(int index) {
  if (index == kFullPageItem) {
    jvpc_->SetScaleMode(TPreviewScale::FullPage);
  } else if (index == kPageWidthItem) {
    jvpc_->SetScaleMode(TPreviewScale::PageWidth);
  } else if (index > kPageWidthItem && index - 2 < int(kScalePercents.size())) {
    jvpc_->SetZoomPercent(kScalePercents[std::size_t(index - 2)]);
  }
}

void TPrintForm::PreviewChanged() {
  actViewBorder_->setChecked(jvpc_->ShowsMargins());
  if (jvpc_->ScaleMode() == TPreviewScale::FullPage) cboScale_->setCurrentIndex(kFullPageItem);
  if (jvpc_->ScaleMode() == TPreviewScale::PageWidth) cboScale_->setCurrentIndex(kPageWidthItem);
  if (jvpc_->ScaleMode() == TPreviewScale::Percent) {
    // The item of the scale the preview took, or none when no item names it (a zoom by the mouse wheel).
    int match = -1;
    for (std::size_t i = 0; i < kScalePercents.size(); ++i)
      if (kScalePercents[i] == jvpc_->ZoomPercent()) match = int(i) + 2;
    cboScale_->setCurrentIndex(match);
  }
  sbPanel0_->setText(PageCountText());
}

QString TPrintForm::PageCountText() const { return CountMessage(sPrintPage, sPrintPages, jvpc_->PageCount()); }

// --- Printing -------------------------------------------------------------------------------------------------

void TPrintForm::Print() {
  QPrintDialog dialog(printer_.get(), this);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  const int pages = jvpc_->PageCount();
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, pages > 0);
  if (pages > 0) {
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
  }
  if (Dialogs().Exec(dialog) != QDialog::Accepted) return;
  RefreshPageSetup();  // the chosen printer may have another sheet or resolution
  if (!PrintPages(*printer_)) ShowMessageBox(Message(sPrintFailed), mfError);
  RefreshPageSetup();
}

void TPrintForm::PrintSetup() {
  QPageSetupDialog dialog(printer_.get(), this);
  Dialogs().Exec(dialog);
  RefreshPageSetup();
}

bool TPrintForm::PrintPages(QPrinter& printer) {
  const TPrintLayout& layout = jvpc_->Layout();
  int first = 0;
  int last = layout.PageCount() - 1;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = printer.fromPage() - 1;
    if (printer.toPage() > 0) last = std::min(last, printer.toPage() - 1);
  } else if (printer.printRange() == QPrinter::CurrentPage) {
    first = last = jvpc_->CurrentPage();
  }
  if (first > last) return true;
  // A printer that cannot make copies itself gets each page as often as asked.
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  const bool collate = printer.collateCopies();
  const bool reverse = printer.pageOrder() == QPrinter::LastPageFirst;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  bool firstSheet = true;
  const auto sheet = [&](int page) {
    if (!firstSheet && !printer.newPage()) return false;
    firstSheet = false;
    PaintPrintPage(painter, jvpc_->Cards(), layout, page);
    return true;
  };
  const int count = last - first + 1;
  for (int round = 0; round < (collate ? copies : 1); ++round) {
    for (int i = 0; i < count; ++i) {
      const int page = reverse ? last - i : first + i;
      for (int copy = 0; copy < (collate ? 1 : copies); ++copy)
        if (!sheet(page)) return false;
    }
  }
  return painter.end();
}

}  // namespace tintorium
