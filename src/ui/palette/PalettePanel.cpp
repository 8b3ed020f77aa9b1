#include "ui/palette/PalettePanel.h"

#include "ui/language/FileFailure.h"

#include "ui/actions/MainActions.h"
#include "ui/language/MessageSeam.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/language/Messages.h"
#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ThemeInk.h"
#include "core/ColorText.h"
#include "ui/palette/EditColorDialog.h"
#include "engine/palette/ForeignPalette.h"
#include "ui/palette/HistoryListModel.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PaletteListModel.h"
#include "ui/palette/SortColorsDialog.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace tintorium {
namespace {

/// The patterns stay out of the language files (FilterText), so no translation can break them.
QString PaletteFilter() {
  const TFileFormat& native = NativePaletteFormat();
  return FilterText(native.FilterKey, native.Patterns());
}

/// Open reads other programs' swatch files too: all of them first, then one filter per format.
QString OpenPaletteFilter() { return FormatsFilter(sFilterAllPalettes, PaletteFormats()); }

/// Save As for a palette opened from a swatch file proposes that file's name as a palette; otherwise nothing.
QString ProposedSaveName(const QString& fileName) {
  return IsForeignPaletteFile(fileName) ? PaletteFileNameFor(fileName) : QString();
}

/// The question before Save writes a swatch file that cannot hold the whole palette: what would be lost.
QString LossQuestion(const TFileFormat& format, const TSaveLoss& loss) {
  QStringList lost;
  if (loss.Names) lost.append(Message(sLossNames));
  if (loss.KeptColors > 0) lost.append(FormatMessage(sLossCount, {loss.KeptColors}));
  if (loss.Models) lost.append(Message(sLossModels));
  const QString name = format.FilterKey != kMessageCount ? Message(format.FilterKey) : QLatin1String(format.Name);
  return FormatMessage(sSaveLossy, {name, lost.join(QStringLiteral(", "))});
}

/// The Convert button's picture: one swatch passing through the four models.
QIcon ConvertIcon() {
  return DrawnIcon({16, 16}, [](QPainter& painter) {
    const QColor quarters[] = {QColor(0xE0, 0x40, 0x40), QColor(0x40, 0xA0, 0x40), QColor(0x30, 0x70, 0xD0),
                               QColor(0xE0, 0xB0, 0x20)};
    for (int i = 0; i < 4; ++i) painter.fillRect(QRectF(1 + (i % 2) * 7, 1 + (i / 2) * 7, 7, 7), quarters[i]);
    // The frame inside the squares' outer edge, one logical pixel wide at any size.
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    painter.drawRect(QRectF(1.5, 1.5, 13, 13));
  });
}

TColorList* NewList(const char* name, QWidget* parent) {
  auto* list = new TColorList(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  return list;
}

}  // namespace

TPalettePanel::TPalettePanel(TPaletteDocument& document, TWorkspace& workspace, QWidget* parent)
    : QWidget(parent),
      document_(document),
      workspace_(workspace),
      tsPal_(new QTabBar(this)),
      nbPal_(new QStackedWidget(this)),
      tbPalBar_(new QToolBar(this)),
      btnConvert_(new QToolButton(this)),
      miConvert_(new QMenu(this)),
      lstPalette_(NewList("lstPalette", this)),
      lstHistory_(NewList("lstHistory", this)),
      pmnu_palette_(new QMenu(this)),
      miPaletteCopyCss_(new QMenu(this)),
      paletteModel_(new TPaletteListModel(document, this)),
      historyModel_(new THistoryListModel(workspace.History(), this)) {
  setObjectName(QStringLiteral("pnlPalette"));
  BuildLayout();
  ConnectLists();
}

TPalettePanel::~TPalettePanel() = default;

void TPalettePanel::BuildLayout() {
  tsPal_->setObjectName(QStringLiteral("tsPal"));
  tsPal_->setShape(QTabBar::RoundedSouth);
  tsPal_->setDrawBase(false);
  tsPal_->setExpanding(false);
  tsPal_->addTab(tr("Palette"));
  tsPal_->addTab(tr("History"));
  nbPal_->setObjectName(QStringLiteral("nbPal"));

  tbPalBar_->setObjectName(QStringLiteral("tbPalBar"));
  tbPalBar_->setIconSize(QSize(16, 16));
  tbPalBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  miConvert_->setObjectName(QStringLiteral("miConvert"));
  miConvert_->setTitle(tr("Convert"));
  btnConvert_->setObjectName(QStringLiteral("btnConvert"));
  btnConvert_->setText(tr("Convert palette colors"));
  btnConvert_->setToolTip(btnConvert_->text());
  btnConvert_->setIcon(ConvertIcon());
  btnConvert_->setMenu(miConvert_);
  btnConvert_->setPopupMode(QToolButton::InstantPopup);
  pmnu_palette_->setObjectName(QStringLiteral("pmnu_palette"));
  miPaletteCopyCss_->setObjectName(QStringLiteral("miPaletteCopyCss"));
  miPaletteCopyCss_->setTitle(tr("Copy as CSS"));

  lstPalette_->setModel(paletteModel_);
  lstPalette_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstHistory_->setModel(historyModel_);
  lstHistory_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstHistory_->SetDragKind(TColorDragKind::HistoryList);

  auto* palettePage = new QWidget(nbPal_);
  palettePage->setObjectName(QStringLiteral("pgPalette"));
  auto* paletteLayout = new QVBoxLayout(palettePage);
  paletteLayout->setContentsMargins(0, 0, 0, 0);
  paletteLayout->setSpacing(0);
  paletteLayout->addWidget(tbPalBar_);
  paletteLayout->addWidget(lstPalette_, 1);
  auto* historyPage = new QWidget(nbPal_);
  historyPage->setObjectName(QStringLiteral("pgHistory"));
  auto* historyLayout = new QVBoxLayout(historyPage);
  historyLayout->setContentsMargins(0, 0, 0, 0);
  historyLayout->addWidget(lstHistory_);
  nbPal_->addWidget(palettePage);
  nbPal_->addWidget(historyPage);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(nbPal_, 1);
  layout->addWidget(tsPal_);
  connect(tsPal_, &QTabBar::currentChanged, nbPal_, &QStackedWidget::setCurrentIndex);
}

void TPalettePanel::ConnectLists() {
  connect(lstPalette_, &TColorList::OnColorHover, this, [this](TColor color) { workspace_.ShowColorUnderCursor(color); });
  connect(lstPalette_, &TColorList::OnColorHoverEnd, this, [this] { workspace_.ClearColorUnderCursor(); });
  connect(lstPalette_, &TColorList::OnDblClick, this, &TPalettePanel::SetAsBase);
  connect(lstHistory_, &TColorList::OnDblClick, this, &TPalettePanel::SetAsBase);
  connect(lstPalette_, &TColorList::OnReturnKey, this, &TPalettePanel::SetAsBase);
  connect(lstPalette_, &TColorList::OnDeleteKey, this, &TPalettePanel::DeleteColor);
  for (TColorList* list : {lstPalette_, lstHistory_}) {
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& pos) { ShowPopup(list, pos); });
  }
  lstPalette_->SetColorDropTarget(
      [this](const QObject* source, const TColorDragOffer& offer) { return AcceptsPaletteDrop(source, offer); },
      [this](const QObject* source, const TColorDragOffer& offer, int row) { DropOnPalette(source, offer, row); });

  // The history's selection is the one Previous and Next move; the list shows it and a click moves it.
  TColorHistory& history = workspace_.History();
  connect(&history, &TColorHistory::SelectionChanged, this, &TPalettePanel::SyncHistorySelection);
  connect(&history, &TColorHistory::EntryInserted, this, &TPalettePanel::SyncHistorySelection);
  connect(historyModel_, &QAbstractItemModel::modelReset, this, &TPalettePanel::SyncHistorySelection);
  connect(lstHistory_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) workspace_.History().SetSelectedIndex(current.row());
          });
  SyncHistorySelection();
  connect(&document_, &TPaletteDocument::StepReplayed, this, &TPalettePanel::SelectStepRows);
}

void TPalettePanel::SyncHistorySelection() {
  const int selected = workspace_.History().SelectedIndex();
  if (selected == lstHistory_->CurrentRow()) return;
  lstHistory_->SetCurrentRow(selected);
}

void TPalettePanel::AttachActions(TMainActions& actions) {
  actions_ = &actions;
  connect(actions.actFileNew, &QAction::triggered, this, &TPalettePanel::NewPaletteCommand);
  connect(actions.actFileOpen, &QAction::triggered, this, &TPalettePanel::OpenPaletteCommand);
  connect(actions.actFileSave, &QAction::triggered, this, &TPalettePanel::SaveCommand);
  connect(actions.actFileSaveAs, &QAction::triggered, this, &TPalettePanel::SaveAsCommand);
  connect(actions.actPaletteAddBaseColor, &QAction::triggered, this, &TPalettePanel::AddBaseColor);
  connect(actions.actPaletteEditColor, &QAction::triggered, this, &TPalettePanel::EditColor);
  connect(actions.actPaletteDeleteColor, &QAction::triggered, this, &TPalettePanel::DeleteColor);
  connect(actions.actPaletteRemoveDuplicates, &QAction::triggered, this, &TPalettePanel::RemoveDuplicates);
  connect(actions.actPaletteSelectAll, &QAction::triggered, this, &TPalettePanel::SelectAll);
  connect(actions.actPaletteSortColor, &QAction::triggered, this, &TPalettePanel::SortColors);
  for (QAction* convert : {actions.actPaletteConvertToRGB, actions.actPaletteConvertToHSB,
                           actions.actPaletteConvertToCMYK, actions.actPaletteConvertToLab}) {
    connect(convert, &QAction::triggered, this,
            [this, convert] { ConvertValues(static_cast<TColorModel>(TMainActions::Tag(convert))); });
    miConvert_->addAction(convert);
  }
  connect(actions.actPaletteSetasBase, &QAction::triggered, this, &TPalettePanel::SetAsBase);
  const std::pair<QAction*, TCopyTextKind> copies[] = {{actions.actPaletteCopyColor, ctkValues},
                                                       {actions.actPaletteCopyColorHEX, ctkHTML},
                                                       {actions.actPaletteCopyColorDelphi, ctkDollarHex},
                                                       {actions.actPaletteCopyColorVSNET, ctkDecimal}};
  for (const auto& [action, kind] : copies) {
    connect(action, &QAction::triggered, this, [this, kind = kind] { CopyColor(kind); });
  }
  miPaletteCopyCss_->clear();
  for (QAction* action : actions.PaletteCopyCssActions()) {
    connect(action, &QAction::triggered, this,
            [this, action] { CopyColorAsCss(static_cast<TCssForm>(TMainActions::Tag(action))); });
    miPaletteCopyCss_->addAction(action);
  }

  tbPalBar_->clear();
  tbPalBar_->addAction(actions.actPaletteAddBaseColor);
  tbPalBar_->addAction(actions.actPaletteEditColor);
  tbPalBar_->addAction(actions.actPaletteDeleteColor);
  tbPalBar_->addSeparator();
  tbPalBar_->addAction(actions.actPaletteSortColor);
  tbPalBar_->addWidget(btnConvert_);

  pmnu_palette_->clear();
  pmnu_palette_->addAction(actions.actPaletteSetasBase);
  pmnu_palette_->addSeparator();
  pmnu_palette_->addAction(actions.actPaletteEditColor);
  pmnu_palette_->addAction(actions.actPaletteDeleteColor);
  pmnu_palette_->addAction(actions.actPaletteRemoveDuplicates);
  pmnu_palette_->addAction(actions.actPaletteSelectAll);
  pmnu_palette_->addSeparator();
  for (const auto& copy : copies) pmnu_palette_->addAction(copy.first);
  pmnu_palette_->addMenu(miPaletteCopyCss_);
  AttachUndoActions(actions);
  UpdateActions(actions);
}

TPalettePanel::TPage TPalettePanel::ShownPage() const { return static_cast<TPage>(nbPal_->currentIndex()); }

void TPalettePanel::ShowPage(TPage page) { tsPal_->setCurrentIndex(page); }

TColorList* TPalettePanel::ShownList() const {
  return ShownPage() == pgHistory ? lstHistory_ : lstPalette_;
}

void TPalettePanel::SetCompactDraw(bool compact) { lstPalette_->SetCompactDraw(compact); }

// --- File commands --------------------------------------------------------------------------------------

bool TPalettePanel::AskToSave() {
  if (!document_.PaletteModified()) return true;
  switch (ShowMessageBox(Message(sSaveChangesPromt), mfQuestion)) {
    case mrYes:
      SaveCommand();  // a failed or cancelled save does not stop the command that asked
      return true;
    case mrNo:
      return true;
    default:
      return false;
  }
}

bool TPalettePanel::NewPaletteCommand() {
  if (!AskToSave()) return false;
  document_.NewPalette();
  return true;
}

bool TPalettePanel::OpenPaletteCommand() {
  if (!AskToSave()) return false;
  const QString path = Dialogs().GetOpenFileName(this, Message(sDlgOpen), DialogFolder(), OpenPaletteFilter());
  if (path.isEmpty()) return false;
  return OpenPalette(path);
}

bool TPalettePanel::SaveCommand() {
  if (document_.NeedsSaveAs()) return SaveAsCommand();
  const QString& fileName = document_.PaletteFileName();
  if (const TFileFormat* format = InPlaceFormat(fileName)) {
    const TSaveLoss loss = InPlaceLoss(*format, document_.Entries());
    if (loss.Any()) {
      switch (ShowMessageBox(LossQuestion(*format, loss), mfQuestion)) {
        case mrYes: break;
        case mrNo: return SaveAsCommand();
        default: return false;
      }
    }
  }
  return WritePalette(fileName);
}

bool TPalettePanel::SaveAsCommand() {
  const QString proposed = ProposedSaveName(document_.PaletteFileName());
  QString folder = proposed.isEmpty() ? DialogFolder() : proposed;
  for (;;) {
    QString selectedFilter;
    const QString chosen = Dialogs().GetSaveFileName(this, Message(sDlgSaveAs), folder, PaletteFilter(), &selectedFilter);
    if (chosen.isEmpty()) return false;
    // The question is about the name actually written, extension included; No offers the chooser again.
    const QString fileName = TPaletteDocument::WithPaletteExtension(chosen);
    if (ConfirmOverwrite(fileName)) return WritePalette(fileName);
    folder = fileName;
  }
}

bool TPalettePanel::WritePalette(const QString& fileName) {
  const TFileResult result = document_.SavePalette(fileName);
  if (!result) ShowSaveFailure(fileName, result);
  return result.Ok();
}

QString TPalettePanel::DialogFolder() const {
  const QString& fileName = document_.PaletteFileName();
  if (fileName == TPaletteDocument::NoName) return {};
  return QFileInfo(fileName).absolutePath();
}

// --- Palette commands -----------------------------------------------------------------------------------

void TPalettePanel::AddBaseColor() {
  const TColorObject& base = workspace_.BaseColor();
  const TColorObject color(base.GetColor(), base.Model());
  const int row = document_.AddPaletteColor(QString::fromStdString(color.HexText()), color);
  lstPalette_->clearSelection();
  lstPalette_->SetCurrentRow(row);
  if (lstPalette_->isVisible() && lstPalette_->isEnabled()) lstPalette_->setFocus();
}

void TPalettePanel::EditColor() {
  const int row = lstPalette_->CurrentRow();
  if (ShownPage() != pgPalette || row < 0) return;
  const TPaletteEntry& entry = document_.Entry(row);
  TEditColorDialog dialog(this);
  dialog.SetEntry(entry.Name, entry.Color.Model());
  if (Dialogs().Exec(dialog) != QDialog::Accepted) return;
  document_.EditPaletteColor(row, dialog.EntryName(), dialog.EntryModel());
}

void TPalettePanel::DeleteColor() {
  if (lstPalette_->CurrentRow() < 0) return;
  const QList<int> rows = lstPalette_->SelectedRows();
  document_.DeletePaletteColors(std::vector<int>(rows.begin(), rows.end()));
}

void TPalettePanel::RemoveDuplicates() { document_.RemoveDuplicateColors(); }

void TPalettePanel::SelectAll() {
  if (ShownPage() == pgPalette) lstPalette_->selectAll();
}

void TPalettePanel::SortColors() {
  if (ShownPage() != pgPalette || lstPalette_->CurrentRow() < 0) return;
  TSortColorsDialog dialog(this);
  dialog.SetSortKey(0);
  dialog.SetSortOrder(0);
  if (Dialogs().Exec(dialog) != QDialog::Accepted) return;
  document_.SortPaletteColors(dialog.SortKey(), dialog.SortOrder());
}

void TPalettePanel::ConvertValues(TColorModel model) {
  if (model >= ColorModelCount) return;
  document_.ConvertPaletteValues(model);
}

void TPalettePanel::SetAsBase() {
  TColorList* list = ShownList();
  const std::optional<TColorObject> color = list->ColorAt(list->CurrentRow());
  if (!color) return;
  QObject* sender = actions_ ? static_cast<QObject*>(actions_->actPaletteSetasBase) : this;
  workspace_.AssignBaseColor(*color, sender, false);
}

void TPalettePanel::CopyColor(int kind) {
  TColorList* list = ShownList();
  const std::optional<TColorObject> color = list->ColorAt(list->CurrentRow());
  if (!color) return;
  const std::string text = CopyColorText(*color, kind, workspace_.HtmlSharp());
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TPalettePanel::CopyColorAsCss(TCssForm form) {
  TColorList* list = ShownList();
  const std::optional<TColorObject> color = list->ColorAt(list->CurrentRow());
  if (!color) return;
  const std::string text = FormatCssColor(color->GetColor(), form);
  if (text.empty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
  workspace_.SetCssForm(form);
}

// --- Drops ----------------------------------------------------------------------------------------------

bool TPalettePanel::AcceptsPaletteDrop(const QObject* source, const TColorDragOffer& offer) const {
  if (source == lstPalette_) return true;  // a move within the list
  return ColorDrag::PaletteListAccepts(offer.kind);
}

void TPalettePanel::DropOnPalette(const QObject* source, const TColorDragOffer& offer, int row) {
  if (source == lstPalette_) {
    const int moved = document_.MovePaletteColor(lstPalette_->CurrentRow(), row);
    if (moved < 0) return;
    lstPalette_->clearSelection();
    lstPalette_->SetCurrentRow(moved);
    return;
  }
  const std::optional<TColorObjectFx> entry = ColorDrag::PaletteListDrop(offer);
  if (!entry) return;
  document_.InsertPaletteColor(row, QString::fromStdU16String(entry->Name()), *entry);
}

void TPalettePanel::ShowPopup(TColorList* list, const QPoint& viewportPos) {
  if (!actions_) return;
  UpdateActions(*actions_);  // the states must be right before the menu shows, not at the next idle
  pmnu_palette_->popup(list->viewport()->mapToGlobal(viewportPos));
}

// --- Opening a named file ---------------------------------------------------------------------------------

bool TPalettePanel::OpenPalette(const QString& path) {
  const TFileResult result = document_.OpenPalette(path);
  if (!result) ShowReadFailure(path, result);
  return result.Ok();
}

bool TPalettePanel::IsDroppableFile(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  if (PathHasFormatExtension(path, NativePaletteFormat()) || PaletteFormatForPath(path) != nullptr) return true;
  const TFileFormat* format = FormatForPath(path, TFormatUse::Read);
  return format != nullptr && format->Import != TImportSource::None;
}

bool TPalettePanel::OpenDroppedFile(const QString& path) {
  if (!IsDroppableFile(path)) return false;
  if (PathHasFormatExtension(path, NativePaletteFormat()) || PaletteFormatForPath(path) != nullptr) {
    if (!AskToSave()) return false;
    return OpenPalette(path);
  }
  const TReadResult<QList<TImportRow>> rows = ImportFileRows(path, {});
  if (!rows.Ok()) {
    ShowReadFailure(path, rows.Status);
    return false;
  }
  TPaletteEntries entries;
  for (const TImportRow& row : rows.Value) {
    TColorObject color;
    color.SetRGB(ParseHexColor(row.Hex.toStdString()));
    entries.push_back({row.Caption, color});
  }
  document_.ImportPaletteColors(std::move(entries));
  return !rows.Value.isEmpty();
}

// --- Action states ----------------------------------------------------------------------------------------

void TPalettePanel::UpdateActions(TMainActions& actions) {
  const bool palettePage = ShownPage() == pgPalette;
  const bool hasCurrent = palettePage && lstPalette_->CurrentRow() >= 0;
  const bool notEmpty = !document_.IsEmpty();
  const bool shownHasCurrent = ShownList()->CurrentRow() >= 0;

  for (QAction* always : {actions.actFileNew, actions.actFileOpen, actions.actFileSave, actions.actFileSaveAs,
                          actions.actPaletteAddBaseColor, actions.actPaletteRemoveDuplicates}) {
    always->setEnabled(true);
  }
  for (QAction* action : {actions.actPaletteEditColor, actions.actPaletteDeleteColor, actions.actPaletteSortColor}) {
    action->setEnabled(hasCurrent);
  }
  actions.actPaletteSelectAll->setEnabled(palettePage && notEmpty);
  for (QAction* action : {actions.actPaletteConvertToRGB, actions.actPaletteConvertToHSB,
                          actions.actPaletteConvertToCMYK, actions.actPaletteConvertToLab}) {
    action->setEnabled(notEmpty);
  }
  btnConvert_->setEnabled(notEmpty);
  for (QAction* action : {actions.actPaletteSetasBase, actions.actPaletteCopyColor, actions.actPaletteCopyColorHEX,
                          actions.actPaletteCopyColorDelphi, actions.actPaletteCopyColorVSNET}) {
    action->setEnabled(shownHasCurrent);
  }
  for (QAction* action : actions.PaletteCopyCssActions()) action->setEnabled(shownHasCurrent);
  miPaletteCopyCss_->setEnabled(shownHasCurrent);
  if (shownHasCurrent) {
    const std::optional<TColorObject> current = ShownList()->ColorAt(ShownList()->CurrentRow());
    actions.actPaletteCopyCssNamed->setEnabled(current && CssColorName(current->GetColor()).has_value());
  }
  UpdateUndoActions(actions);
}

// --- Undo and redo ----------------------------------------------------------------------------------------

namespace {

/// "Undo Sort Palette": the step's name from its text (a message key name), in the current language.
QString StepCaption(TMessageKey caption, const QString& stepText) {
  const TMessageKey step = FindMessageKey(stepText);
  return step == kMessageCount ? QString() : FormatMessage(caption, {Message(step)});
}

/// A language file may rename the action at any time; its caption is kept for when no step is named.
void ShowStepCaption(QAction* action, QString& base, QString& shown, const QString& named) {
  if (action->text() != shown) base = action->text();
  shown = named.isEmpty() ? base : named;
  if (action->text() != shown) action->setText(shown);
}

}  // namespace

void TPalettePanel::AttachUndoActions(TMainActions& actions) {
  QUndoStack& stack = document_.UndoStack();
  connect(actions.actPaletteUndo, &QAction::triggered, &stack, &QUndoStack::undo);
  connect(actions.actPaletteRedo, &QAction::triggered, &stack, &QUndoStack::redo);
  tbPalBar_->addSeparator();
  tbPalBar_->addAction(actions.actPaletteUndo);
  tbPalBar_->addAction(actions.actPaletteRedo);
}

void TPalettePanel::UpdateUndoActions(TMainActions& actions) {
  const QUndoStack& stack = document_.UndoStack();
  actions.actPaletteUndo->setEnabled(stack.canUndo());
  actions.actPaletteRedo->setEnabled(stack.canRedo());
  ShowStepCaption(actions.actPaletteUndo, undoCaption_.base, undoCaption_.shown,
                  stack.canUndo() ? StepCaption(sPalUndo, stack.undoText()) : QString());
  ShowStepCaption(actions.actPaletteRedo, redoCaption_.base, redoCaption_.shown,
                  stack.canRedo() ? StepCaption(sPalRedo, stack.redoText()) : QString());
}

void TPalettePanel::SelectStepRows(const QList<int>& rows) {
  if (rows.isEmpty()) return;
  QItemSelection selection;
  int first = rows.front();
  for (qsizetype i = 1; i <= rows.size(); ++i) {
    if (i < rows.size() && rows[i] == rows[i - 1] + 1) continue;
    selection.select(paletteModel_->index(first), paletteModel_->index(rows[i - 1]));
    if (i < rows.size()) first = rows[i];
  }
  QItemSelectionModel* selected = lstPalette_->selectionModel();
  selected->setCurrentIndex(paletteModel_->index(rows.front()), QItemSelectionModel::NoUpdate);
  selected->select(selection, QItemSelectionModel::ClearAndSelect);
  lstPalette_->scrollTo(paletteModel_->index(rows.front()));
}

}  // namespace tintorium
