#include "ui/tools/ContrastAnalyzeForm.h"

#include "ui/controls/ColorDrag.h"
#include "ui/controls/ColorList.h"
#include "ui/controls/ColorSwatch.h"
#include "core/ColorModels.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/language/LanguageApplier.h"
#include "engine/language/Messages.h"
#include "ui/palette/DialogPlacement.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ColorVisionView.h"
#include "ui/tools/ContrastMarks.h"
#include "ui/controls/ThemeInk.h"
#include "ui/tools/ContrastPreview.h"
#include "ui/tools/ColorEntryDialog.h"
#include "ui/language/MessageSeam.h"
#include "core/ColorText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QUrl>
#include <QVBoxLayout>

namespace tintorium {
namespace {

const QUrl kGuidelinesUrl(QStringLiteral("https://www.w3.org/WAI/standards-guidelines/wcag/"));

QLabel* NewLabel(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLabel* NewHeading(const char* name, const char* text, QWidget* parent) {
  QLabel* label = NewLabel(name, text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

QLabel* NewMark(const char* name, QWidget* parent) {
  QLabel* label = NewLabel(name, "", parent);
  label->setFixedSize(ContrastMarkSize, ContrastMarkSize);
  return label;
}

QGroupBox* NewGroup(const char* name, const char* title, QWidget* parent) {
  auto* group = new QGroupBox(QString::fromUtf8(title), parent);
  group->setObjectName(QString::fromLatin1(name));
  return group;
}

void ShowMark(QLabel* label, TContrastMark mark) {
  label->setPixmap(QPixmap::fromImage(ContrastMarkImage(mark, PictureRatio())));
}

/// The band's picture: the same letters dark on light and light on dark, the two sides of a contrast check.
QPixmap ContrastPicture() {
  QPixmap picture = DevicePixmap({72, 41}, PictureRatio());
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(22);
  font.setBold(true);
  painter.setFont(font);
  const QRectF light(1.5, 1.5, 34, 38);
  const QRectF dark(36.5, 1.5, 34, 38);
  painter.setPen(QColor(0x60, 0x60, 0x60));
  painter.setBrush(QColor(0xF4, 0xF1, 0xE4));
  painter.drawRoundedRect(light, 4, 4);
  painter.setBrush(QColor(0x1B, 0x2A, 0x4A));
  painter.drawRoundedRect(dark, 4, 4);
  painter.setPen(QColor(0x1B, 0x2A, 0x4A));
  painter.drawText(light, Qt::AlignCenter, QStringLiteral("Aa"));
  painter.setPen(QColor(0xFF, 0xD8, 0x4A));
  painter.drawText(dark, Qt::AlignCenter, QStringLiteral("Aa"));
  return picture;
}

QFrame* NewLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

TContrastAnalyzeForm::TContrastAnalyzeForm(const TPaletteDocument* palette, QWidget* parent)
    : QDialog(parent), palette_(palette) {
  setObjectName(QStringLiteral("frmContrastAnalyze"));
  setWindowTitle(QStringLiteral("Contrast Analyze"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  auto* body = new QGridLayout;
  body->setContentsMargins(8, 6, 8, 0);
  body->setHorizontalSpacing(6);
  body->setVerticalSpacing(6);
  body->addWidget(CreateHintGroup(), 0, 0);
  body->addWidget(CreateResultGroup(), 0, 1);
  body->addWidget(CreateVariantsGroup(), 1, 0);
  body->addWidget(CreatePreviewGroup(), 1, 1);
  body->addWidget(CreateVisionGroup(), 2, 0, 1, 2);
  body->setColumnStretch(0, 1);
  body->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  layout->addWidget(CreateBand());
  layout->addLayout(body);
  layout->addWidget(NewLine(this));
  layout->addLayout(CreateButtons());

  ApplyLanguage(this, QStringLiteral("ContrastAnalyzeForm"));
  UpdateContrast();
  // A fixed dialog border; the size follows the texts of the language in use.
  setFixedSize(sizeHint());
}

TContrastAnalyzeForm::~TContrastAnalyzeForm() = default;

TContrastAnalyzeForm* TContrastAnalyzeForm::Open(const TPaletteDocument* palette, TColor text, QWidget* parent) {
  auto* form = new TContrastAnalyzeForm(palette, parent);
  form->SetTextColor(ColorToRGB(text));
  form->SetBackColor(clWhite);
  form->UpdateContrast();
  form->show();
  return form;
}

QWidget* TContrastAnalyzeForm::CreateBand() {
  auto* band = new QFrame(this);
  band->setObjectName(QStringLiteral("pnlTop"));
  // Dark on white whatever the theme: its palette (or a style sheet given with -stylesheet) would otherwise give
  // the texts its own colour.
  band->setStyleSheet(QStringLiteral("QFrame#pnlTop { background: white; } QFrame#pnlTop QLabel { color: black; }"
                                     "QFrame#pnlTop QLabel#lblVisitW3C { color: #595959; }"));
  band->setMinimumHeight(57);
  QLabel* picture = NewLabel("imgContrast", "", band);
  picture->setPixmap(ContrastPicture());
  QLabel* description = NewLabel(
      "lblContrastDesc",
      "Contrast Analyze tool allows you to check two custom colors for contrast compability by W3C standards.", band);
  description->setWordWrap(true);
  lblVisitW3C_ = NewLabel("lblVisitW3C", "The complete guidelines are on the W3C web site: www.w3.org/WAI", band);
  lblVisitW3C_->setWordWrap(true);
  lblVisitW3C_->setCursor(Qt::PointingHandCursor);
  lblVisitW3C_->setToolTip(kGuidelinesUrl.toString());
  lblVisitW3C_->installEventFilter(this);
  auto* texts = new QVBoxLayout;
  texts->setSpacing(2);
  texts->addWidget(description);
  texts->addWidget(lblVisitW3C_);
  texts->addStretch();
  auto* layout = new QHBoxLayout(band);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(16);
  layout->addWidget(picture, 0, Qt::AlignTop);
  layout->addLayout(texts, 1);
  auto* holder = new QWidget(this);
  auto* holderLayout = new QVBoxLayout(holder);
  holderLayout->setContentsMargins(0, 0, 0, 0);
  holderLayout->setSpacing(0);
  holderLayout->addWidget(band);
  holderLayout->addWidget(NewLine(holder));
  return holder;
}

QWidget* TContrastAnalyzeForm::CreateHintGroup() {
  QGroupBox* group = NewGroup("gbHint", "Drag colors to check into the shapes", this);
  shText_ = new TColorSwatch(group);
  shText_->setObjectName(QStringLiteral("shText"));
  shBack_ = new TColorSwatch(group);
  shBack_->setObjectName(QStringLiteral("shBack"));
  auto* layout = new QGridLayout(group);
  layout->setHorizontalSpacing(15);
  layout->addWidget(NewLabel("lblText", "Text Color:", group), 0, 0);
  layout->addWidget(NewLabel("lblBack", "Background Color:", group), 0, 1);
  for (TColorSwatch* swatch : {shText_, shBack_}) {
    swatch->setFixedSize(105, 47);
    swatch->SetAutoDrag(true);
    AcceptDrops(swatch);
  }
  shText_->SetBaseColor(clBlack);
  shBack_->SetBaseColor(clWhite);
  layout->addWidget(shText_, 1, 0);
  layout->addWidget(shBack_, 1, 1);
  btnPickText_ = new QPushButton(QStringLiteral("Pick from screen"), group);
  btnPickText_->setObjectName(QStringLiteral("btnPickText"));
  btnPickBack_ = new QPushButton(QStringLiteral("Pick from screen"), group);
  btnPickBack_->setObjectName(QStringLiteral("btnPickBack"));
  const std::pair<QPushButton*, TColorSwatch*> picks[] = {{btnPickText_, shText_}, {btnPickBack_, shBack_}};
  for (const auto& [button, swatch] : picks) {
    button->setAutoDefault(false);
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, [this, target = swatch] { PickFromScreen(target); });
  }
  layout->addWidget(btnPickText_, 2, 0);
  layout->addWidget(btnPickBack_, 2, 1);
  for (TColorSwatch* swatch : {shText_, shBack_}) {
    // Focus lets Ctrl+V reach the swatch; a double click opens the entry.
    swatch->setFocusPolicy(Qt::StrongFocus);
    swatch->installEventFilter(this);
  }
  layout->setColumnStretch(2, 1);
  layout->setRowStretch(3, 1);
  return group;
}

void TContrastAnalyzeForm::TakeColor(TColorSwatch* swatch, TColor color) {
  swatch->SetBaseColor(color);
  UpdateContrast();
}

void TContrastAnalyzeForm::SetScreenPick(TScreenPick pick) {
  screenPick_ = std::move(pick);
  btnPickText_->setEnabled(bool(screenPick_));
  btnPickBack_->setEnabled(bool(screenPick_));
}

void TContrastAnalyzeForm::PickFromScreen(TColorSwatch* swatch) {
  if (!screenPick_) return;
  // The window may be closed while the picker runs; the pointer then tells not to touch it.
  screenPick_([form = QPointer<TContrastAnalyzeForm>(this), swatch](TColor color) {
    if (form) form->TakeColor(swatch, ColorToRGB(color));
  });
}

void TContrastAnalyzeForm::EnterColor(TColorSwatch* swatch) {
  TColorEntryDialog dialog(swatch->BaseColor(), this);
  if (Dialogs().Exec(dialog) == QDialog::Accepted) TakeColor(swatch, dialog.Color());
}

bool TContrastAnalyzeForm::PasteColor(TColorSwatch* swatch) {
  const QString text = QGuiApplication::clipboard()->text();
  const std::optional<TRGBValues> rgb = ReadColorText(text.toStdString());
  if (!rgb) return false;
  TakeColor(swatch, RGBValuesToColor(*rgb));
  return true;
}

void TContrastAnalyzeForm::AcceptDrops(TColorSwatch* swatch) {
  swatch->SetColorDropTarget(
      [](const TColorDragOffer& offer) { return ColorDrag::ContrastSwatchDrop(offer).has_value(); },
      [this, swatch](const TColorDragOffer& offer) {
        const std::optional<TColor> color = ColorDrag::ContrastSwatchDrop(offer);
        if (!color) return;
        swatch->SetBaseColor(*color);
        UpdateContrast();
      });
}

QWidget* TContrastAnalyzeForm::CreateVariantsGroup() {
  QGroupBox* group = NewGroup("gbVariants", "Background color optimal variants", this);
  variants_ = new QStandardItemModel(this);
  clVars_ = new TColorList(group);
  clVars_->setObjectName(QStringLiteral("clVars"));
  clVars_->setModel(variants_);
  // Four items tall: enough to choose from without making the window tall.
  clVars_->setMinimumWidth(225);
  clVars_->setFixedHeight(4 * TColorList::ItemHeight + 2 * clVars_->frameWidth());
  connect(clVars_, &TColorList::OnDblClick, this, &TContrastAnalyzeForm::TakeSelectedVariant);
  connect(clVars_, &TColorList::OnReturnKey, this, &TContrastAnalyzeForm::TakeSelectedVariant);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(NewLabel("lblFromPalette", "From current Color Palette", group));
  layout->addWidget(clVars_, 1);
  return group;
}

QWidget* TContrastAnalyzeForm::CreateResultGroup() {
  QGroupBox* group = NewGroup("gbResult", "Result", this);
  imgw1sc_ = NewMark("imgw1sc", group);
  imgw2lt_ = NewMark("imgw2lt", group);
  imgw2st_ = NewMark("imgw2st", group);
  lblBrightDiff_ = NewLabel("lblBrightDiff", "", group);
  lblColorDiff_ = NewLabel("lblColorDiff", "", group);
  lblContrastRatio_ = NewLabel("lblContrastRatio", "", group);
  lblApcaContrast_ = NewLabel("lblApcaContrast", "", group);
  lblw2ltLevel_ = NewHeading("lblw2ltLevel", "", group);
  lblw2stLevel_ = NewHeading("lblw2stLevel", "", group);
  auto* layout = new QGridLayout(group);
  layout->setVerticalSpacing(3);
  layout->setHorizontalSpacing(6);
  int row = 0;
  layout->addWidget(NewHeading("lblWcag1", "WCAG 1.0", group), row++, 0, 1, 4);
  layout->addWidget(imgw1sc_, row, 0);
  layout->addWidget(NewLabel("lblw1sc", "Standards compliance", group), row++, 1, 1, 3);
  layout->addWidget(lblBrightDiff_, row++, 1, 1, 3);
  layout->addWidget(lblColorDiff_, row++, 1, 1, 3);
  layout->addWidget(NewHeading("lblWcag2", "WCAG 2.0", group), row++, 0, 1, 4);
  layout->addWidget(imgw2lt_, row, 0);
  layout->addWidget(NewLabel("lblw2lt", "Large text", group), row, 1);
  layout->addWidget(lblw2ltLevel_, row++, 2);
  layout->addWidget(imgw2st_, row, 0);
  layout->addWidget(NewLabel("lblw2st", "Small text", group), row, 1);
  layout->addWidget(lblw2stLevel_, row++, 2);
  layout->addWidget(lblContrastRatio_, row++, 1, 1, 3);
  layout->addWidget(NewHeading("lblApca", "APCA", group), row++, 0, 1, 4);
  layout->addWidget(lblApcaContrast_, row++, 1, 1, 3);
  layout->setColumnStretch(3, 1);
  layout->setRowStretch(row, 1);
  return group;
}

QWidget* TContrastAnalyzeForm::CreatePreviewGroup() {
  QGroupBox* group = NewGroup("gbPreview", "Preview", this);
  shViewBack_ = new TContrastPreview("shViewBack",
                                     {{"pre18txt", "Lorem ipsum (18pt)", 24, false, "Times New Roman"},
                                      {"pre14txt", "Lorem ipsum (14pt, bold)", 19, true},
                                      {"pre10txt", "Lorem ipsum (10pt)", 13, false}},
                                     group);
  shViewBack_->setMinimumHeight(106);  // wide enough for its samples by its layout
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(shViewBack_, 1);
  return group;
}

QWidget* TContrastAnalyzeForm::CreateVisionGroup() {
  QGroupBox* group = NewGroup("gbVision", "Color vision: the pair as seen without one kind of cone", this);
  auto* layout = new QHBoxLayout(group);
  layout->setSpacing(12);
  for (const TColorVision vision : ColorVisions) {
    auto* view = new TColorVisionView(vision, group);
    visions_[static_cast<std::size_t>(vision)] = view;
    layout->addWidget(view, 1);
  }
  return group;
}

QLayout* TContrastAnalyzeForm::CreateButtons() {
  btnSwap_ = new QPushButton(QStringLiteral("Swap colors"), this);
  btnSwap_->setObjectName(QStringLiteral("btnSwap"));
  btnOpposite_ = new QPushButton(QStringLiteral("Set background opposite to text"), this);
  btnOpposite_->setObjectName(QStringLiteral("btnOpposite"));
  btnClose_ = new QPushButton(QStringLiteral("Close"), this);
  btnClose_->setObjectName(QStringLiteral("btnClose"));
  for (QPushButton* button : {btnSwap_, btnOpposite_, btnClose_}) button->setAutoDefault(false);
  connect(btnSwap_, &QPushButton::clicked, this, &TContrastAnalyzeForm::SwapColors);
  connect(btnOpposite_, &QPushButton::clicked, this, &TContrastAnalyzeForm::SetOppositeBackground);
  connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(8, 0, 8, 8);
  buttons->addWidget(btnSwap_);
  buttons->addWidget(btnOpposite_);
  buttons->addStretch();
  buttons->addWidget(btnClose_);
  return buttons;
}

TColor TContrastAnalyzeForm::TextColor() const { return shText_->BaseColor(); }
TColor TContrastAnalyzeForm::BackColor() const { return shBack_->BaseColor(); }
void TContrastAnalyzeForm::SetTextColor(TColor color) { shText_->SetBaseColor(color); }
void TContrastAnalyzeForm::SetBackColor(TColor color) { shBack_->SetBaseColor(color); }

void TContrastAnalyzeForm::UpdateContrast() {
  const TColor text = TextColor();
  const TColor back = BackColor();
  result_ = MeasureContrast(back, text);
  shViewBack_->SetColors(text, back);
  ShowMarks();
  FillVariants(text);
  for (TColorVisionView* view : visions_) view->SetColors(text, back);
}

void TContrastAnalyzeForm::ShowMarks() {
  lblBrightDiff_->setText(FormatMessage(sBrightDiff, {result_.BrightDiff}));
  lblColorDiff_->setText(FormatMessage(sColorDiff, {result_.ColorDiff}));
  lblContrastRatio_->setText(FormatMessage(sContrastRatio, {ShownContrastRatio(result_.Ratio)}));
  const double lc = ApcaContrast(TextColor(), BackColor());
  const auto level = static_cast<int>(ApcaLevelOf(lc));
  lblApcaContrast_->setText(FormatMessage(
      sApcaContrast, {TColorVisionView::LcText(lc), Message(static_cast<TMessageKey>(sApcaLevel0 + level))}));
  ShowMark(imgw1sc_, result_.Pass ? TContrastMark::Pass : TContrastMark::Fail);
  const TContrastMark large = LargeTextMark(result_.Ratio);
  const TContrastMark small = SmallTextMark(result_.Ratio);
  ShowMark(imgw2lt_, large);
  ShowMark(imgw2st_, small);
  lblw2ltLevel_->setText(QString::fromLatin1(ContrastLevelName(large)));
  lblw2stLevel_->setText(QString::fromLatin1(ContrastLevelName(small)));
}

void TContrastAnalyzeForm::FillVariants(TColor text) {
  variants_->clear();
  if (!palette_) return;
  for (const TPaletteEntry& entry : palette_->Entries()) {
    if (!IsContrastVariant(MeasureContrast(entry.Color.GetColor(), text))) continue;
    auto* item = new QStandardItem(entry.Name);
    item->setData(QVariant::fromValue(entry.Color), ColorObjectRole);  // the window's own copy
    item->setToolTip(ColorEntryToolTip(entry.Name, entry.Color));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    variants_->appendRow(item);
  }
}

void TContrastAnalyzeForm::SwapColors() {
  const TColor text = TextColor();
  SetTextColor(BackColor());
  SetBackColor(text);
  UpdateContrast();
}

void TContrastAnalyzeForm::SetOppositeBackground() {
  const TColor text = ColorToRGB(TextColor());
  SetBackColor(RGBValuesToColor({255 - RedOf(text), 255 - GreenOf(text), 255 - BlueOf(text)}));
  UpdateContrast();
}

void TContrastAnalyzeForm::TakeSelectedVariant() {
  const QList<int> rows = clVars_->SelectedRows();
  if (rows.isEmpty()) return;
  const std::optional<TColorObject> color = clVars_->ColorAt(rows.front());
  if (!color) return;
  SetBackColor(color->GetColor());
  UpdateContrast();
}

void TContrastAnalyzeForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placed_) return;
  placed_ = true;
  CenterOnScreen(*this);
}

void TContrastAnalyzeForm::changeEvent(QEvent* event) {
  // The measured texts come from the message texts, which a language switch replaces.
  if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange) ShowMarks();
  QDialog::changeEvent(event);
}

bool TContrastAnalyzeForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == shText_ || watched == shBack_) {
    auto* swatch = static_cast<TColorSwatch*>(watched);
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      EnterColor(swatch);
      return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
      if (!PasteColor(swatch)) QApplication::beep();
      return true;
    }
  }
  if (watched == lblVisitW3C_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    QDesktopServices::openUrl(kGuidelinesUrl);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tintorium
