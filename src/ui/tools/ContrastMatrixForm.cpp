#include "ui/tools/ContrastMatrixForm.h"

#include "core/ColorObject.h"
#include "core/Contrast.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/language/LanguageApplier.h"
#include "ui/language/MessageSeam.h"
#include "ui/tools/ContrastAnalyzeForm.h"
#include "ui/tools/ContrastMatrixView.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

constexpr std::array<const char*, VisionKindCount + 1> kViewTexts{
    "Normal vision", "Protanomaly", "Deuteranomaly", "Tritanomaly", "Protanopia (no red cones)",
    "Deuteranopia (no green cones)", "Tritanopia (no blue cones)", "Achromatopsia (no colour vision)"};
constexpr std::array<const char*, ContrastTargetCount + 1> kFilterTexts{
    "All pairs",
    "AA: ratio 4.5 : 1",
    "AAA: ratio 7 : 1",
    "AA large text: ratio 3 : 1",
    "APCA Lc 60 (other content text)",
    "APCA Lc 75 (minimum body text)",
    "APCA Lc 90 (preferred body text)"};

QLabel* NewLabel(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QPushButton* NewButton(const char* name, const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QAction* NewAction(const char* name, const char* text, QObject* parent) {
  auto* action = new QAction(QString::fromUtf8(text), parent);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QIcon ChipIcon(TColor color) {
  QPixmap chip(14, 14);
  chip.fill(ToQColor(color));
  return QIcon(chip);
}

QString HexName(TColor color) { return QString::fromStdString(TColorObject(color, cmRGB).HexText()); }

QString TargetLabel(TContrastTarget target) {
  const std::string_view label = ContrastTargetLabels[static_cast<std::size_t>(target)];
  return target == TContrastTarget::AALarge ? Message(sMatrixLarge)
                                            : QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

}  // namespace

TContrastMatrixForm::TContrastMatrixForm(TPaletteDocument* palette, QWidget* parent)
    : QWidget(parent, Qt::Window), palette_(palette) {
  setObjectName(QStringLiteral("frmContrastMatrix"));
  setWindowTitle(QStringLiteral("Palette contrast"));
  openAnalyzer_ = [this](TColor text, TColor back) {
    TContrastAnalyzeForm* form = TContrastAnalyzeForm::Open(palette_, text, parentWidget() ? parentWidget() : this);
    form->SetBackColor(back);
    form->UpdateContrast();
  };
  CreateControls();
  ApplyLanguage(this, QStringLiteral("ContrastMatrixForm"));
  RetranslateRuntime();
  ConnectPalette();
  FillColorList();
  ViewChanged();
  resize(sizeHint().expandedTo(QSize(760, 520)));
}

TContrastMatrixForm::~TContrastMatrixForm() = default;

void TContrastMatrixForm::CreateControls() {
  lstColors_ = new QListWidget(this);
  lstColors_->setObjectName(QStringLiteral("lstMatrixColors"));
  lstColors_->setMaximumWidth(200);
  connect(lstColors_, &QListWidget::itemChanged, this, &TContrastMatrixForm::ColorItemChanged);
  auto* checkAll = NewButton("btnCheckAll", "All", this);
  auto* checkNone = NewButton("btnCheckNone", "None", this);
  auto setAll = [this](bool on) {
    std::fill(checked_.begin(), checked_.end(), on ? 1 : 0);
    FillColorList();
    ScheduleRefresh();
  };
  connect(checkAll, &QPushButton::clicked, this, [setAll] { setAll(true); });
  connect(checkNone, &QPushButton::clicked, this, [setAll] { setAll(false); });
  auto* checks = new QHBoxLayout;
  checks->addWidget(checkAll);
  checks->addWidget(checkNone);
  auto* side = new QVBoxLayout;
  side->addWidget(NewLabel("lblColors", "Colors:", this));
  side->addWidget(lstColors_, 1);
  side->addLayout(checks);

  cboViewAs_ = new QComboBox(this);
  cboViewAs_->setObjectName(QStringLiteral("cboViewAs"));
  for (const char* text : kViewTexts) cboViewAs_->addItem(QString::fromUtf8(text));
  cboFilter_ = new QComboBox(this);
  cboFilter_->setObjectName(QStringLiteral("cboFilter"));
  for (const char* text : kFilterTexts) cboFilter_->addItem(QString::fromUtf8(text));
  seSeverity_ = new QDoubleSpinBox(this);
  seSeverity_->setObjectName(QStringLiteral("seSeverity"));
  seSeverity_->setRange(0.0, 1.0);
  seSeverity_->setSingleStep(0.1);
  seSeverity_->setDecimals(1);
  seSeverity_->setValue(1.0);
  connect(cboViewAs_, &QComboBox::currentIndexChanged, this, &TContrastMatrixForm::ViewChanged);
  connect(seSeverity_, &QDoubleSpinBox::valueChanged, this, [this] { Refresh(); });
  connect(cboFilter_, &QComboBox::currentIndexChanged, this, [this] {
    view_->SetFilter(ChosenFilter());
    ShowSummary();
  });
  auto* top = new QHBoxLayout;
  QLabel* viewAs = NewLabel("lblViewAs", "View as:", this);
  viewAs->setBuddy(cboViewAs_);
  QLabel* filter = NewLabel("lblFilter", "Show:", this);
  filter->setBuddy(cboFilter_);
  top->addWidget(viewAs);
  top->addWidget(cboViewAs_);
  lblSeverity_ = NewLabel("lblSeverity", "Severity:", this);
  lblSeverity_->setBuddy(seSeverity_);
  top->addWidget(lblSeverity_);
  top->addWidget(seSeverity_);
  top->addSpacing(12);
  top->addWidget(filter);
  top->addWidget(cboFilter_);
  top->addStretch(1);

  view_ = new TContrastMatrixView(this);
  connect(view_, &TContrastMatrixView::PairActivated, this, &TContrastMatrixForm::OpenAnalyzer);
  connect(view_, &TContrastMatrixView::PairMenuRequested, this,
          [this](int row, int column, const QPoint& global) { CellMenu(row, column)->popup(global); });
  lblEmpty_ = NewLabel("lblMatrixEmpty", "Check at least two colors of the palette to see how they read on each other.", this);
  lblEmpty_->setAlignment(Qt::AlignCenter);
  lblEmpty_->setWordWrap(true);
  stack_ = new QStackedWidget(this);
  stack_->addWidget(view_);
  stack_->addWidget(lblEmpty_);

  lblSummary_ = new QLabel(this);
  lblSummary_->setObjectName(QStringLiteral("lblSummary"));
  lblSummary_->setWordWrap(true);

  btnSave_ = NewButton("btnSave", "Save table...", this);
  connect(btnSave_, &QPushButton::clicked, this, &TContrastMatrixForm::SaveTable);
  auto* close = NewButton("btnClose", "Close", this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnSave_);
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto* main = new QVBoxLayout;
  main->addLayout(top);
  main->addWidget(stack_, 1);
  main->addWidget(lblSummary_);
  auto* body = new QHBoxLayout;
  body->addLayout(side);
  body->addLayout(main, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addLayout(buttons);

  pmCell_ = new QMenu(this);
  pmCell_->setObjectName(QStringLiteral("pmCell"));
  actAnalyze_ = NewAction("actMatrixAnalyze", "Open in contrast analyzer", this);
  connect(actAnalyze_, &QAction::triggered, this, [this] { OpenAnalyzer(menuRow_, menuColumn_); });
  miSuggest_ = new QMenu(QStringLiteral("Suggest"), pmCell_);
  miSuggest_->setObjectName(QStringLiteral("miMatrixSuggest"));
  actFixInfo_ = new QAction(this);  // its text is the suggestion itself
  actFixInfo_->setEnabled(false);
  actReplace_ = NewAction("actMatrixReplace", "Replace text color", this);
  connect(actReplace_, &QAction::triggered, this, [this] { ReplaceTextColor(menuRow_, menuColumn_); });
  actAddFix_ = NewAction("actMatrixAddFix", "Add to palette", this);
  connect(actAddFix_, &QAction::triggered, this, [this] { AddSuggestion(menuRow_, menuColumn_); });
  miSuggest_->addAction(actFixInfo_);
  miSuggest_->addSeparator();
  miSuggest_->addAction(actReplace_);
  miSuggest_->addAction(actAddFix_);
  pmCell_->addAction(actAnalyze_);
  pmCell_->addMenu(miSuggest_);
}

void TContrastMatrixForm::ConnectPalette() {
  if (!palette_) return;
  TPaletteDocument* doc = palette_;
  connect(doc, &TPaletteDocument::EntriesInserted, this, [this](int first, int last) {
    checked_.insert(checked_.begin() + std::clamp<std::ptrdiff_t>(first, 0, static_cast<std::ptrdiff_t>(checked_.size())),
                    static_cast<std::size_t>(std::max(0, last - first + 1)), 1);
    FillColorList();
    ScheduleRefresh();
  });
  connect(doc, &TPaletteDocument::EntriesRemoved, this, [this](int first, int last) {
    const auto size = static_cast<std::ptrdiff_t>(checked_.size());
    checked_.erase(checked_.begin() + std::clamp<std::ptrdiff_t>(first, 0, size),
                   checked_.begin() + std::clamp<std::ptrdiff_t>(last + 1, 0, size));
    FillColorList();
    ScheduleRefresh();
  });
  connect(doc, &TPaletteDocument::EntryMoved, this, [this](int from, int to) {
    if (from < 0 || to < 0 || from >= static_cast<int>(checked_.size()) || to >= static_cast<int>(checked_.size())) return;
    const char moved = checked_[static_cast<std::size_t>(from)];
    checked_.erase(checked_.begin() + from);
    checked_.insert(checked_.begin() + to, moved);
    FillColorList();
    ScheduleRefresh();
  });
  connect(doc, &TPaletteDocument::EntriesChanged, this, [this] {
    FillColorList();
    ScheduleRefresh();
  });
  connect(doc, &TPaletteDocument::EntriesReset, this, [this] {
    checked_.clear();
    FillColorList();
    ScheduleRefresh();
  });
}

void TContrastMatrixForm::FillColorList() {
  const int count = palette_ ? palette_->Count() : 0;
  checked_.resize(static_cast<std::size_t>(count), 1);
  const QSignalBlocker block(lstColors_);
  filling_ = true;
  while (lstColors_->count() > count) delete lstColors_->takeItem(lstColors_->count() - 1);
  for (int i = 0; i < count; ++i) {
    const TPaletteEntry& entry = palette_->Entry(i);
    const TColor color = ColorToRGB(entry.Color.GetColor());
    QListWidgetItem* item = lstColors_->item(i);
    if (!item) {
      item = new QListWidgetItem(lstColors_);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    }
    item->setText(entry.Name.isEmpty() ? HexName(color) : entry.Name);
    item->setIcon(ChipIcon(color));
    item->setCheckState(checked_[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  }
  filling_ = false;
}

void TContrastMatrixForm::ColorItemChanged(QListWidgetItem* item) {
  if (filling_) return;
  const int row = lstColors_->row(item);
  if (row < 0 || row >= static_cast<int>(checked_.size())) return;
  checked_[static_cast<std::size_t>(row)] = item->checkState() == Qt::Checked ? 1 : 0;
  ScheduleRefresh();
}

void TContrastMatrixForm::ScheduleRefresh() {
  if (refreshPending_) return;
  refreshPending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (refreshPending_) Refresh();
  });
}

void TContrastMatrixForm::Refresh() {
  refreshPending_ = false;
  std::vector<TContrastTableColor> colors;
  indexes_.clear();
  const int count = palette_ ? palette_->Count() : 0;
  checked_.resize(static_cast<std::size_t>(count), 1);
  for (int i = 0; i < count; ++i) {
    if (!checked_[static_cast<std::size_t>(i)]) continue;
    const TPaletteEntry& entry = palette_->Entry(i);
    colors.push_back({entry.Name, entry.Color.GetColor()});
    indexes_.push_back(i);
    if (colors.size() == MaxContrastMatrixColors) break;
  }
  view_->SetTable(MakeContrastTable(std::move(colors), ChosenView(), ChosenFilter()));
  stack_->setCurrentWidget(indexes_.size() >= 2 ? static_cast<QWidget*>(view_) : lblEmpty_);
  btnSave_->setEnabled(indexes_.size() >= 2);
  ShowSummary();
}

bool TContrastMatrixForm::ShowsGrid() const { return stack_->currentWidget() == view_; }

void TContrastMatrixForm::ShowSummary() {
  const TContrastTable& table = view_->Table();
  if (table.Matrix.Size() < 2) {
    lblSummary_->clear();
    return;
  }
  const auto& counts = table.Matrix.PassCounts;
  const std::size_t pairs = table.Matrix.Size() * (table.Matrix.Size() - 1);
  lblSummary_->setText(FormatMessage(sMatrixSummary, {counts[0], counts[1], counts[2], counts[3], counts[4], counts[5], pairs}));
}

namespace {

// Machado's severity applies to the anomalous trichromacies; the other kinds have no degrees.
bool HasSeverity(TVisionKind kind) {
  return kind == TVisionKind::Protanomaly || kind == TVisionKind::Deuteranomaly || kind == TVisionKind::Tritanomaly;
}

}  // namespace

std::optional<TVisionView> TContrastMatrixForm::ChosenView() const {
  const int index = cboViewAs_->currentIndex();
  if (index <= 0 || index > VisionKindCount) return std::nullopt;
  const TVisionKind kind = VisionKinds[static_cast<std::size_t>(index - 1)];
  return TVisionView{kind, HasSeverity(kind) ? seSeverity_->value() : 1.0};
}

void TContrastMatrixForm::ViewChanged() {
  const std::optional<TVisionView> view = ChosenView();
  const bool severity = view && HasSeverity(view->Kind);
  seSeverity_->setEnabled(severity);
  lblSeverity_->setEnabled(severity);
  Refresh();
}

void TContrastMatrixForm::SetChoices(std::optional<TVisionView> view, std::optional<TContrastTarget> filter) {
  int viewIndex = 0;
  for (int i = 0; view && i < VisionKindCount; ++i)
    if (VisionKinds[static_cast<std::size_t>(i)] == view->Kind) viewIndex = i + 1;
  int filterIndex = 0;
  for (int i = 0; filter && i < ContrastTargetCount; ++i)
    if (ContrastTargets[static_cast<std::size_t>(i)] == *filter) filterIndex = i + 1;
  {
    const QSignalBlocker block(seSeverity_);
    seSeverity_->setValue(view && std::isfinite(view->Severity) ? std::clamp(view->Severity, 0.0, 1.0) : 1.0);
  }
  cboFilter_->setCurrentIndex(filterIndex);
  const QSignalBlocker block(cboViewAs_);
  cboViewAs_->setCurrentIndex(viewIndex);
  ViewChanged();
}

std::optional<TContrastTarget> TContrastMatrixForm::ChosenFilter() const {
  const int index = cboFilter_->currentIndex();
  if (index <= 0 || index > ContrastTargetCount) return std::nullopt;
  return ContrastTargets[static_cast<std::size_t>(index - 1)];
}

TContrastTarget TContrastMatrixForm::SuggestionTarget() const { return ChosenFilter().value_or(TContrastTarget::AA); }

int TContrastMatrixForm::PaletteIndexOf(int index) const {
  return index >= 0 && index < static_cast<int>(indexes_.size()) ? indexes_[static_cast<std::size_t>(index)] : -1;
}

std::optional<TContrastFix> TContrastMatrixForm::Suggestion(int row, int column) const {
  const TContrastTable& table = view_->Table();
  if (row < 0 || column < 0 || row >= static_cast<int>(table.Colors.size()) || column >= static_cast<int>(table.Colors.size()))
    return std::nullopt;
  // Measured on the palette colours: a fix is a palette colour, whatever view the grid shows.
  return SuggestContrastFix(table.Colors[static_cast<std::size_t>(row)].Color,
                            table.Colors[static_cast<std::size_t>(column)].Color, SuggestionTarget());
}

QMenu* TContrastMatrixForm::CellMenu(int row, int column) {
  menuRow_ = row;
  menuColumn_ = column;
  const TContrastTarget target = SuggestionTarget();
  const std::optional<TContrastFix> fix = Suggestion(row, column);
  const TContrastTable& table = view_->Table();
  const bool meets = fix && row >= 0 && static_cast<std::size_t>(row) < table.Colors.size() &&
                     fix->Color == table.Colors[static_cast<std::size_t>(row)].Color;
  if (!fix) {
    actFixInfo_->setText(FormatMessage(sMatrixNoFix, {TargetLabel(target)}));
  } else if (meets) {
    actFixInfo_->setText(FormatMessage(sMatrixMeets, {TargetLabel(target)}));
  } else {
    actFixInfo_->setText(FormatMessage(sMatrixFix, {TargetLabel(target), u'#' + HexName(fix->Color),
                                                    LocaleNumber(fix->DeltaEOK, 3),
                                                    LocaleNumber(ShownContrastRatio(fix->Ratio), 2), LocaleNumber(fix->Lc, 1)}));
  }
  actFixInfo_->setIcon(fix && !meets ? ChipIcon(fix->Color) : QIcon());
  actReplace_->setEnabled(fix && !meets);
  actAddFix_->setEnabled(fix && !meets);
  return pmCell_;
}

bool TContrastMatrixForm::ReplaceTextColor(int row, int column) {
  const std::optional<TContrastFix> fix = Suggestion(row, column);
  const int index = PaletteIndexOf(row);
  if (!fix || !palette_ || index < 0 || index >= palette_->Count()) return false;
  // Held in RGB: another model's rounded values could land back below the target.
  palette_->ReplacePaletteColor(index, TColorObject(fix->Color, cmRGB));
  Refresh();
  return true;
}

bool TContrastMatrixForm::AddSuggestion(int row, int column) {
  const std::optional<TContrastFix> fix = Suggestion(row, column);
  if (!fix || !palette_) return false;
  palette_->AddPaletteColor(HexName(fix->Color), TColorObject(fix->Color, cmRGB));
  Refresh();
  return true;
}

void TContrastMatrixForm::OpenAnalyzer(int row, int column) {
  const TContrastTable& table = view_->Table();
  if (row < 0 || column < 0 || row >= static_cast<int>(table.Colors.size()) || column >= static_cast<int>(table.Colors.size()))
    return;
  if (openAnalyzer_)
    openAnalyzer_(table.Colors[static_cast<std::size_t>(row)].Color, table.Colors[static_cast<std::size_t>(column)].Color);
}

void TContrastMatrixForm::SaveTable() {
  QString selected;
  const QString filters = FilterText(sFilterCsv, QStringLiteral("*.csv")) + QStringLiteral(";;") +
                          FilterText(sFilterMarkdown, QStringLiteral("*.md")) + QStringLiteral(";;") +
                          FilterText(sFilterHtmlPage, QStringLiteral("*.html"));
  QString fileName = Dialogs().GetSaveFileName(this, btnSave_->text().remove(QStringLiteral("...")),
                                               QStringLiteral("contrast.csv"), filters, &selected);
  if (fileName.isEmpty()) return;
  if (QFileInfo(fileName).suffix().isEmpty()) {
    fileName += selected.contains(QStringLiteral("*.md"))     ? QStringLiteral(".md")
                : selected.contains(QStringLiteral("*.html")) ? QStringLiteral(".html")
                                                              : QStringLiteral(".csv");
  }
  if (!ConfirmOverwrite(fileName)) return;
  if (!SaveTableTo(fileName)) ShowMessageBox(FormatMessage(sMatrixSaveFailed, {fileName}), mfError);
}

bool TContrastMatrixForm::SaveTableTo(const QString& fileName) const {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  const TContrastTableFormat format = suffix == u"csv"                     ? TContrastTableFormat::Csv
                                      : suffix == u"md" || suffix == u"markdown" ? TContrastTableFormat::Markdown
                                                                                 : TContrastTableFormat::Html;
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(WriteContrastTable(view_->Table(), format));
  return file.commit();
}

void TContrastMatrixForm::RetranslateRuntime() {
  view_->SetBadgeTexts({Message(sMatrixLarge), Message(sMatrixFail)});
  seSeverity_->setLocale(LanguageLocale());  // "0,6" in German, as the figures in the table
  ShowSummary();
}

void TContrastMatrixForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    ApplyLanguage(this, QStringLiteral("ContrastMatrixForm"));
    RetranslateRuntime();
  }
}

}  // namespace tintorium
