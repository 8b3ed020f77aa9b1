#include "ui/tools/LibraryPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "ui/language/FileFailure.h"
#include "ui/language/MessageSeam.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/language/Messages.h"
#include "ui/library/LibraryCombo.h"
#include "engine/library/LibraryFile.h"
#include "engine/library/LibraryFolder.h"
#include "ui/library/LibraryItemDelegate.h"
#include "ui/library/LibraryListModel.h"
#include "ui/library/LibraryNavDelegate.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tintorium {
namespace {

constexpr int kOptionBarHeight = 39;
constexpr int kNavWidth = 45;

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QString OpenLibraryFilter() { return FormatsFilter(sFilterLibrary, LibraryFormats()); }

bool IsEnter(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QLabel* BoldLabel(QWidget* parent, const char* name) {
  auto* label = Named(new QLabel(parent), name);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

TLibraryPage::TLibraryPage(TWorkspace& workspace, TColorToolPopup& popup, TMainActions& actions,
                           const QStringList& folders, QWidget* parent)
    : TToolPage(parent), popup_(popup), workspace_(workspace), folders_(folders) {
  setObjectName(QStringLiteral("tsLibrary"));
  CreateControls(actions);
  ConnectControls(workspace, actions);
  ShowCount();
}

TLibraryPage::~TLibraryPage() {
  // Hiding the box on the way out may still report a choice; the page's folders are gone by then.
  cboLibraryBrowse_->disconnect(this);
}

void TLibraryPage::CreateControls(TMainActions& actions) {
  panOptLib_ = Named(new QFrame(this), "panOptLib");
  panOptLib_->setFixedHeight(kOptionBarHeight);
  // White in a light theme; a dark theme's text colours would vanish on white, so the bar takes its base colour.
  panOptLib_->setBackgroundRole(QPalette::Base);
  panOptLib_->setAutoFillBackground(true);
  lblLibBrowse_ = Named(new QLabel(QStringLiteral("Browse:"), panOptLib_), "lblLibBrowse");
  cboLibraryBrowse_ = Named(new QComboBox(panOptLib_), "cboLibraryBrowse");
  cboLibraryBrowse_->setEditable(true);
  cboLibraryBrowse_->setInsertPolicy(QComboBox::NoInsert);
  cboLibraryBrowse_->setMaxVisibleItems(20);
  cboLibraryBrowse_->setMinimumContentsLength(12);
  cboLibraryBrowse_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  lblLibBrowse_->setBuddy(cboLibraryBrowse_);
  btnLibLoad_ = Named(new QToolButton(panOptLib_), "btnLibLoad");
  btnLibLoad_->setDefaultAction(actions.actLibLoad);
  btnLibOpen_ = Named(new QToolButton(panOptLib_), "btnLibOpen");
  btnLibOpen_->setDefaultAction(actions.actLibOpen);
  for (QToolButton* button : {btnLibLoad_, btnLibOpen_}) {
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
  }
  auto* bar = new QHBoxLayout(panOptLib_);
  bar->setContentsMargins(8, 4, 8, 4);
  bar->addWidget(lblLibBrowse_);
  bar->addWidget(cboLibraryBrowse_, 1);
  bar->addWidget(btnLibLoad_);
  bar->addWidget(btnLibOpen_);

  lblLibFile_ = BoldLabel(this, "lblLibFile");
  lblLibCOunt_ = BoldLabel(this, "lblLibCOunt");
  lblLibCOunt_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  model_ = new TLibraryListModel(this);
  lstLib_ = Named(new TColorList(this), "lstLib");
  itemDelegate_ = new TLibraryItemDelegate(lstLib_);
  lstLib_->setItemDelegate(itemDelegate_);
  lstLib_->setModel(model_);
  lstLib_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  lstLibNav_ = Named(new QListView(this), "lstLibNav");
  navDelegate_ = new TLibraryNavDelegate(lstLibNav_);
  lstLibNav_->setItemDelegate(navDelegate_);
  lstLibNav_->setModel(model_);
  lstLibNav_->setUniformItemSizes(true);
  lstLibNav_->setFrameShape(QFrame::NoFrame);
  lstLibNav_->setSpacing(0);
  lstLibNav_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstLibNav_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstLibNav_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A long library's strip is taller than the page: its scroll bar shows how far, beside stripes of full width.
  lstLibNav_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  lstLibNav_->setFixedWidth(kNavWidth + lstLibNav_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  lstLibNav_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  lstLibNav_->installEventFilter(this);

  auto* labels = new QHBoxLayout;
  labels->setContentsMargins(4, 2, 4, 0);
  labels->addWidget(lblLibFile_, 1);
  labels->addWidget(lblLibCOunt_);
  auto* lists = new QHBoxLayout;
  lists->setSpacing(2);
  lists->addWidget(lstLib_, 1);
  lists->addWidget(lstLibNav_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(panOptLib_);
  layout->addLayout(labels);
  layout->addLayout(lists, 1);
}

void TLibraryPage::ConnectControls(TWorkspace& workspace, TMainActions& actions) {
  libLoad_ = actions.actLibLoad;
  connect(actions.actLibLoad, &QAction::triggered, this, &TLibraryPage::LibLoad);
  connect(actions.actLibOpen, &QAction::triggered, this, &TLibraryPage::LibOpen);
  cboLibraryBrowse_->lineEdit()->installEventFilter(this);
  // A library chosen in the list loads at once; a typed name waits for Enter or the load button.
  connect(cboLibraryBrowse_, &QComboBox::activated, this, [this](int index) {
    loadPending_ = false;
    LoadLibraryPage(LibraryPath(folders_, cboLibraryBrowse_->itemText(index)));
  });
  lstLib_->viewport()->installEventFilter(this);
  connect(lstLib_, &TColorList::OnDblClick, this, &TLibraryPage::SetBaseFromList);
  connect(lstLib_, &TColorList::OnReturnKey, this, &TLibraryPage::SetBaseFromList);
  connect(lstLib_, &TColorList::OnColorHover, &workspace, &TWorkspace::ShowColorUnderCursor);
  connect(lstLib_, &TColorList::OnColorHoverEnd, &workspace, &TWorkspace::ClearColorUnderCursor);
  connect(lstLib_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TLibraryPage::SyncNav);
  connect(lstLibNav_->selectionModel(), &QItemSelectionModel::currentChanged, this, &TLibraryPage::SyncList);
}

// --- Start-up and exit -----------------------------------------------------------------------------------------

void TLibraryPage::Start(const QString& remembered) {
  ListLibraries(folders_, *cboLibraryBrowse_);
  loadPending_ = SelectRememberedLibrary(*cboLibraryBrowse_, remembered);
  if (loadPending_ && isVisible()) LibLoad();
}

void TLibraryPage::showEvent(QShowEvent* event) {
  TToolPage::showEvent(event);
  if (loadPending_) LibLoad();
}

QString TLibraryPage::SelectedLibrary() const { return tintorium::SelectedLibrary(*cboLibraryBrowse_); }

// --- Loading ---------------------------------------------------------------------------------------------------

void TLibraryPage::LibLoad() {
  loadPending_ = false;
  LoadLibraryPage(LibraryPath(folders_, cboLibraryBrowse_->currentText().trimmed()));
}

QString TLibraryPage::OpenFolder() const {
  if (!lastOpenFolder_.isEmpty()) return lastOpenFolder_;
  for (const QString& folder : folders_)
    if (QFileInfo(folder).isDir()) return folder;
  return {};
}

void TLibraryPage::LibOpen() {
  QString caption = btnLibOpen_->defaultAction()->text();
  caption.remove(QStringLiteral("..."));
  const QString path = Dialogs().GetOpenFileName(this, caption, OpenFolder(), OpenLibraryFilter());
  if (path.isEmpty()) return;
  lastOpenFolder_ = QFileInfo(path).absolutePath();
  int index = -1;
  for (int i = 0; i < cboLibraryBrowse_->count() && index < 0; ++i)
    if (cboLibraryBrowse_->itemText(i).compare(path, Qt::CaseInsensitive) == 0) index = i;
  if (index < 0) {
    cboLibraryBrowse_->addItem(path);
    index = cboLibraryBrowse_->count() - 1;
  }
  cboLibraryBrowse_->setCurrentIndex(index);
  loadPending_ = false;
  LoadLibraryPage(path);
}

void TLibraryPage::LoadLibraryPage(const QString& path) {
  model_->Clear();
  lblLibFile_->clear();
  ShowCount();
  if (!QFileInfo(path).isFile()) {
    ShowMessageBox(Message(sLibraryNotExists), mfInformation);
    return;
  }
  FillLibraryList(path);
  lblLibFile_->setText(LibraryBaseName(path));
  ShowCount();
}

void TLibraryPage::FillLibraryList(const QString& path) {
  TReadResult<TColors> read = LoadLibraryFile(path);
  // What a damaged palette yielded before its fault stays on the page.
  model_->SetColors(std::move(read.Value));
  UpdateStripeHeight();
  if (!read.Ok()) {
    // The reader says what is wrong with the file; a file it read without fault but empty is simply unreadable.
    ShowReadFailure(path, read.Status);
  } else if (model_->Count() == 0) {
    ShowMessageBox(Message(sCantOpen), mfError);
  }
}

void TLibraryPage::ShowCount() { lblLibCOunt_->setText(FormatMessage(sLibCount, {model_->Count()})); }

void TLibraryPage::UpdateStripeHeight() {
  if (model_->Count() == 0) return;
  navDelegate_->SetStripeHeight(LibraryNavStripeHeight(lstLibNav_->viewport()->height(), model_->Count()));
}

void TLibraryPage::SetOnlyColor(bool on) {
  itemDelegate_->SetOnlyColor(on);
  lstLib_->viewport()->update();
}

bool TLibraryPage::OnlyColor() const { return itemDelegate_->OnlyColor(); }

void TLibraryPage::UpdateActions(TMainActions& actions) {
  actions.actLibLoad->setEnabled(true);
  actions.actLibOpen->setEnabled(true);
}

// --- The lists ---------------------------------------------------------------------------------------------------

void TLibraryPage::SetBaseFromList() {
  const std::optional<TColorObject> color = lstLib_->ColorAt(lstLib_->CurrentRow());
  if (color) workspace_.AssignBaseColor(*color, lstLib_);
}

void TLibraryPage::SyncNav() {
  const QModelIndex index = model_->index(lstLib_->CurrentRow(), 0);
  if (!index.isValid() || lstLibNav_->currentIndex() == index) return;
  lstLibNav_->setCurrentIndex(index);
  lstLibNav_->scrollTo(index);
}

void TLibraryPage::SyncList() {
  const QModelIndex index = lstLibNav_->currentIndex();
  if (!index.isValid() || lstLib_->CurrentRow() == index.row()) return;
  lstLib_->SetCurrentRow(index.row());
}

bool TLibraryPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboLibraryBrowse_->lineEdit() && IsEnter(event)) {
    if (libLoad_) libLoad_->trigger();
    return true;
  }
  if (watched == lstLibNav_ && event->type() == QEvent::Resize) UpdateStripeHeight();
  if (watched == lstLib_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      const std::optional<TColorObject> color = lstLib_->ColorAt(lstLib_->RowAt(mouse->position().toPoint()));
      if (color) popup_.ColorToolPopupMouseDown(&*color, Qt::RightButton, mouse->globalPosition().toPoint());
    }
  }
  return TToolPage::eventFilter(watched, event);
}

void TLibraryPage::changeEvent(QEvent* event) {
  // The language file names the count label's starting text; the count shown is the page's own.
  if (event->type() == QEvent::LanguageChange) ShowCount();
  TToolPage::changeEvent(event);
}

}  // namespace tintorium
