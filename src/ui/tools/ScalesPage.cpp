#include "ui/tools/ScalesPage.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "core/Contrast.h"
#include "core/OkLab.h"
#include "core/ScaleSteps.h"
#include "engine/formats/CodeExportWriters.h"
#include "engine/formats/ScaleExportWriters.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ScaleCurves.h"
#include "ui/tools/ScaleSwatchRow.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

constexpr int CustomSteps = 2;
// How close two neighbouring aims may be dragged (OKLCH L), so the targets keep their order.
constexpr double AimGap = 0.004;

struct TCopyItem {
  const char* name;
  const char* text;
  TScaleExportForm form;
};
constexpr TCopyItem kCopyItems[] = {
    {"actScaleCopyCss", "CSS custom properties", TScaleExportForm::CssVariables},
    {"actScaleCopyScss", "SCSS variables", TScaleExportForm::Scss},
    {"actScaleCopyTokens", "Design Tokens (JSON)", TScaleExportForm::DesignTokens},
    {"actScaleCopyTheme", "CSS theme block (@theme)", TScaleExportForm::Theme},
};

QString TargetText(double target, TScaleMode mode, TScaleMeasure measure) {
  const int decimals = mode == TScaleMode::Lightness ? 3 : measure == TScaleMeasure::Wcag ? 2 : 1;
  QString text = QString::number(target, 'f', decimals);
  while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))) text.chop(1);
  return text;
}

std::optional<TColor> ParseHex(const QString& text) {
  QString hex = text.trimmed();
  if (hex.startsWith(u'#')) hex.remove(0, 1);
  if (hex.size() != 6) return std::nullopt;
  bool ok = false;
  const uint value = hex.toUInt(&ok, 16);
  if (!ok) return std::nullopt;
  return RGBValuesToColor({int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF)});
}

QString HexOf(TColor color) { return QString::fromStdString(HexText(ColorToRGBValues(color))); }

}  // namespace

TScalesPage::TScalesPage(TWorkspace& workspace, QWidget* parent) : TToolPage(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("tsScales"));
  BuildControls();
  RetranslateUi();
  base_ = workspace_.BaseColor().GetColor();
  workspace_.AddFollower(TFollowerSlot::Variations, this);
}

TScalesPage::~TScalesPage() { workspace_.RemoveFollower(this); }

void TScalesPage::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* form = new QGridLayout;
  form->setHorizontalSpacing(6);
  const auto label = [this](QLabel*& field, const char* name) {
    field = new QLabel(this);
    field->setObjectName(QLatin1String(name));
  };
  const auto combo = [this](QComboBox*& field, const char* name, int items) {
    field = new QComboBox(this);
    field->setObjectName(QLatin1String(name));
    field->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // German items are longer
    for (int i = 0; i < items; ++i) field->addItem(QString());
  };
  const auto edit = [this](QLineEdit*& field, const char* name) {
    field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
  };
  label(lblScaleSteps_, "lblScaleSteps");
  combo(cboScaleSteps_, "cboScaleSteps", 3);
  edit(edtScaleSteps_, "edtScaleSteps");
  label(lblScaleMode_, "lblScaleMode");
  combo(cboScaleMode_, "cboScaleMode", 2);
  combo(cboScaleMeasure_, "cboScaleMeasure", 2);
  label(lblScaleBackground_, "lblScaleBackground");
  edit(edtScaleBackground_, "edtScaleBackground");
  edtScaleBackground_->setMaxLength(7);
  edtScaleBackground_->setText(QStringLiteral("#FFFFFF"));
  edtScaleBackground_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDDDD")) + 12);
  label(lblScaleTargets_, "lblScaleTargets");
  edit(edtScaleTargets_, "edtScaleTargets");
  btnScaleTargetsReset_ = new QToolButton(this);
  btnScaleTargetsReset_->setObjectName(QStringLiteral("btnScaleTargetsReset"));
  label(lblScaleHueShift_, "lblScaleHueShift");
  seScaleHueShift_ = new QSpinBox(this);
  seScaleHueShift_->setObjectName(QStringLiteral("seScaleHueShift"));
  seScaleHueShift_->setRange(-360, 360);
  seScaleHueShift_->setSuffix(QStringLiteral("\u00B0"));
  label(lblScaleName_, "lblScaleName");
  edit(edtScaleName_, "edtScaleName");
  edtScaleName_->setText(QStringLiteral("primary"));
  // Room for a usual name whatever the language leaves beside it.
  edtScaleName_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("secondary")) + 16);
  btnScaleAdd_ = new QPushButton(this);
  btnScaleAdd_->setObjectName(QStringLiteral("btnScaleAdd"));
  // A push button with a menu: the style leaves room for its arrow beside the text.
  btnScaleCopy_ = new QPushButton(this);
  btnScaleCopy_->setObjectName(QStringLiteral("btnScaleCopy"));
  pmnuScaleCopy_ = new QMenu(this);
  pmnuScaleCopy_->setObjectName(QStringLiteral("pmnuScaleCopy"));
  for (const TCopyItem& item : kCopyItems) {
    QAction* action = pmnuScaleCopy_->addAction(QString());
    action->setObjectName(QLatin1String(item.name));
    connect(action, &QAction::triggered, this, [this, form = item.form] { CopyExport(form); });
  }
  btnScaleCopy_->setMenu(pmnuScaleCopy_);
  label(lblScaleNotation_, "lblScaleNotation");
  combo(cboScaleNotation_, "cboScaleNotation", 3);
  chkScalePalette_ = new QCheckBox(this);
  chkScalePalette_->setObjectName(QStringLiteral("chkScalePalette"));

  // Row 0: what the scale is made of; row 1: its targets; row 2: where it goes.
  form->addWidget(lblScaleSteps_, 0, 0);
  form->addWidget(cboScaleSteps_, 0, 1);
  form->addWidget(edtScaleSteps_, 0, 2, 1, 2);
  form->addWidget(lblScaleHueShift_, 0, 4);
  form->addWidget(seScaleHueShift_, 0, 5);
  form->addWidget(lblScaleMode_, 1, 0);
  form->addWidget(cboScaleMode_, 1, 1);
  form->addWidget(cboScaleMeasure_, 1, 2);
  auto* background = new QHBoxLayout;
  background->addWidget(lblScaleBackground_);
  background->addWidget(edtScaleBackground_);
  background->addStretch(1);
  form->addLayout(background, 1, 3);
  form->addWidget(lblScaleTargets_, 2, 0);
  auto* targets = new QHBoxLayout;
  targets->addWidget(edtScaleTargets_, 1);
  targets->addWidget(btnScaleTargetsReset_);
  form->addLayout(targets, 2, 1, 1, 5);
  form->setColumnStretch(3, 1);
  layout->addLayout(form);

  // Two rows, so neither the add button nor the copy choices are squeezed on a narrow page or in a language
  // with longer captions.
  auto* add = new QHBoxLayout;
  add->addWidget(lblScaleName_);
  add->addWidget(edtScaleName_);
  add->addWidget(btnScaleAdd_);
  add->addStretch(1);
  layout->addLayout(add);
  auto* copy = new QHBoxLayout;
  copy->addWidget(btnScaleCopy_);
  copy->addWidget(lblScaleNotation_);
  copy->addWidget(cboScaleNotation_);
  copy->addWidget(chkScalePalette_);
  copy->addStretch(1);
  layout->addLayout(copy);

  swatchRow_ = new TScaleSwatchRow(this);
  layout->addWidget(swatchRow_);
  curves_ = new TScaleCurves(this);
  layout->addWidget(curves_, 1);
  lblScaleErrors_ = new QLabel(this);
  lblScaleErrors_->setObjectName(QStringLiteral("lblScaleErrors"));
  lblScaleErrors_->setWordWrap(true);
  lblScaleErrors_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(lblScaleErrors_);
  workspace_.WatchColorUnderCursor(swatchRow_);

  const auto recompute = [this] { Recompute(); };
  connect(cboScaleSteps_, &QComboBox::currentIndexChanged, this, &TScalesPage::StepsChanged);
  connect(edtScaleSteps_, &QLineEdit::textChanged, this, recompute);
  connect(cboScaleMode_, &QComboBox::currentIndexChanged, this, &TScalesPage::ModeChanged);
  connect(cboScaleMeasure_, &QComboBox::currentIndexChanged, this, &TScalesPage::ModeChanged);
  connect(edtScaleBackground_, &QLineEdit::textChanged, this, recompute);
  connect(edtScaleTargets_, &QLineEdit::textChanged, this, recompute);
  connect(btnScaleTargetsReset_, &QToolButton::clicked, edtScaleTargets_, &QLineEdit::clear);
  connect(seScaleHueShift_, &QSpinBox::valueChanged, this, recompute);
  connect(btnScaleAdd_, &QPushButton::clicked, this, &TScalesPage::AddScaleToPalette);
  connect(curves_, &TScaleCurves::AimDragged, this, &TScalesPage::AimDragged);
  StepsChanged();
  ModeChanged();
}

void TScalesPage::RetranslateUi() {
  lblScaleSteps_->setText(QStringLiteral("Steps:"));
  cboScaleSteps_->setItemText(0, QStringLiteral("50-950"));
  cboScaleSteps_->setItemText(1, QStringLiteral("0-100 in tens"));
  cboScaleSteps_->setItemText(2, QStringLiteral("Custom list"));
  lblScaleMode_->setText(QStringLiteral("Targets by:"));
  cboScaleMode_->setItemText(0, QStringLiteral("Lightness"));
  cboScaleMode_->setItemText(1, QStringLiteral("Contrast with background"));
  cboScaleMeasure_->setItemText(0, QStringLiteral("WCAG 2 ratio"));
  cboScaleMeasure_->setItemText(1, QStringLiteral("APCA Lc"));
  lblScaleBackground_->setText(QStringLiteral("Background:"));
  lblScaleTargets_->setText(QStringLiteral("Targets:"));
  btnScaleTargetsReset_->setText(QStringLiteral("Defaults"));
  lblScaleHueShift_->setText(QStringLiteral("Hue shift:"));
  lblScaleName_->setText(QStringLiteral("Name:"));
  btnScaleAdd_->setText(QStringLiteral("Add scale to palette"));
  btnScaleCopy_->setText(QStringLiteral("Copy as"));
  for (const TCopyItem& item : kCopyItems)
    if (auto* action = pmnuScaleCopy_->findChild<QAction*>(QLatin1String(item.name)))
      action->setText(QLatin1String(item.text));
  lblScaleNotation_->setText(QStringLiteral("Notation:"));
  cboScaleNotation_->setItemText(0, QStringLiteral("Hexadecimal"));
  cboScaleNotation_->setItemText(1, QStringLiteral("rgb()"));
  cboScaleNotation_->setItemText(2, QStringLiteral("oklch()"));
  chkScalePalette_->setText(QStringLiteral("Every palette color"));
  edtScaleTargets_->setPlaceholderText(QString());
}

void TScalesPage::StepsChanged() {
  const int preset = cboScaleSteps_->currentIndex();
  edtScaleSteps_->setEnabled(preset == CustomSteps);
  {
    const QSignalBlocker block(edtScaleTargets_);
    edtScaleTargets_->clear();  // targets belong to the steps they were given for
  }
  Recompute();
}

void TScalesPage::ModeChanged() {
  const bool contrast = cboScaleMode_->currentIndex() == int(TScaleMode::Contrast);
  cboScaleMeasure_->setEnabled(contrast);
  edtScaleBackground_->setEnabled(contrast);
  lblScaleBackground_->setEnabled(contrast);
  {
    const QSignalBlocker block(edtScaleTargets_);
    edtScaleTargets_->clear();  // a lightness is no ratio
  }
  Recompute();
}

TScaleOptions TScalesPage::Options() const { return ScaleOptionsOf(CurrentSettings()); }

const std::vector<TScaleSwatch>& TScalesPage::Shown() const {
  return scale_.Ok() ? scale_.Swatches : fallback_.Swatches;
}

void TScalesPage::Recompute() {
  if (!visible_) {
    stale_ = true;
    return;
  }
  stale_ = false;
  const TScaleOptions options = Options();
  scale_ = MakeTonalScale(base_, options);
  QStringList problems;
  const bool targetsRead = ParseScaleTargets(edtScaleTargets_->text()).has_value();
  if (!targetsRead) problems << QStringLiteral("The targets are not a list of numbers.");
  const int count = int(options.Steps.size());
  marked_.assign(std::size_t(std::max(count, 0)), false);
  fallback_ = {};
  if (!scale_.Ok()) {
    for (const TScaleError& error : scale_.Errors) {
      problems << QString::fromStdString(error.Message);
      if (error.Step >= 0 && error.Step < count) marked_[std::size_t(error.Step)] = true;
    }
    TScaleOptions defaults = options;
    defaults.Targets.clear();
    fallback_ = MakeTonalScale(base_, defaults);
    if (!fallback_.Ok()) {
      // Contrast defaults against a mid background rise on both sides of it; lightness always has a scale.
      defaults.Mode = TScaleMode::Lightness;
      fallback_ = MakeTonalScale(base_, defaults);
    }
  }
  lblScaleErrors_->setText(problems.join(u'\n'));
  lblScaleErrors_->setVisible(!problems.isEmpty());
  Refresh();
}

void TScalesPage::Refresh() {
  const std::vector<TScaleSwatch>& shown = Shown();
  swatchRow_->SetScale(shown, marked_);
  std::vector<double> aims;
  aims.reserve(shown.size());
  for (const TScaleSwatch& s : shown) aims.push_back(s.AimLightness);
  curves_->SetScale(shown, std::move(aims));
  btnScaleAdd_->setEnabled(!shown.empty());
  btnScaleCopy_->setEnabled(!shown.empty());
}

double TScalesPage::TargetForLightness(double lightness) const {
  const TScaleOptions options = Options();
  if (options.Mode == TScaleMode::Lightness) return std::round(lightness * 1000) / 1000;
  const TColor grey = SrgbToColor(MapIntoSrgb(OkLabToSrgb({lightness, 0, 0})));
  if (options.Measure == TScaleMeasure::Wcag)
    return std::round(MeasureContrast(options.Background, grey).Ratio * 100) / 100;
  return std::round(ApcaContrast(grey, options.Background) * 10) / 10;
}

void TScalesPage::AimDragged(int index, double lightness) {
  const std::vector<TScaleSwatch>& shown = Shown();
  const int count = int(shown.size());
  if (index < 0 || index >= count) return;
  // Between the neighbours' aims, so the targets keep their order along the steps.
  double low = 0, high = 1;
  for (const int n : {index - 1, index + 1}) {
    if (n < 0 || n >= count) continue;
    const double aim = shown[std::size_t(n)].AimLightness;
    if (aim < shown[std::size_t(index)].AimLightness) low = std::max(low, aim + AimGap);
    else high = std::min(high, aim - AimGap);
  }
  const double clamped = low <= high ? std::clamp(lightness, low, high) : shown[std::size_t(index)].AimLightness;
  const TScaleOptions options = Options();
  QStringList texts;
  for (int i = 0; i < count; ++i) {
    const double target = i == index ? TargetForLightness(clamped) : shown[std::size_t(i)].Target;
    texts << TargetText(target, options.Mode, options.Measure);
  }
  edtScaleTargets_->setText(texts.join(QStringLiteral(", ")));  // recomputes
}

void TScalesPage::AddScaleToPalette() {
  TPaletteDocument* palette = workspace_.Palette();
  const std::vector<TScaleSwatch>& shown = Shown();
  if (palette == nullptr || shown.empty()) return;
  TPaletteEntries entries;
  entries.reserve(shown.size());
  for (const TScaleSwatch& s : shown)
    entries.push_back({ScaleColorName(edtScaleName_->text(), s.Name), TColorObject(s.Color, cmRGB)});
  palette->AppendPaletteColors(std::move(entries));
}

QByteArray TScalesPage::ExportText(TScaleExportForm form) const {
  const auto notation = static_cast<TCodeNotation>(std::clamp(cboScaleNotation_->currentIndex(), 0, 2));
  std::vector<TNamedScale> scales;
  const TPaletteDocument* palette = workspace_.Palette();
  if (chkScalePalette_->isChecked() && palette != nullptr && !palette->IsEmpty()) {
    std::vector<TColor> bases;
    for (const TPaletteEntry& entry : palette->Entries()) bases.push_back(entry.Color.GetColor());
    TScaleOptions options = Options();
    std::vector<TTonalScale> made = MakeTonalScales(bases, options);
    for (std::size_t i = 0; i < made.size(); ++i) {
      QString name = palette->Entries()[i].Name.trimmed();
      if (name.isEmpty()) name = HexOf(bases[i]);
      scales.push_back({name, std::move(made[i])});
    }
  } else {
    TTonalScale shown;
    shown.Swatches = Shown();
    scales.push_back({edtScaleName_->text(), std::move(shown)});
  }
  return ScaleExportText(scales, form, notation);
}

void TScalesPage::CopyExport(TScaleExportForm form) {
  QApplication::clipboard()->setText(QString::fromUtf8(ExportText(form)));
}

void TScalesPage::RestoreSettings(const TScalesPageSettings& s) {
  const bool wasVisible = visible_;
  visible_ = false;  // one computation at the end, not one per control
  edtScaleSteps_->setText(s.CustomSteps);
  cboScaleSteps_->setCurrentIndex(std::clamp(s.Steps, 0, 2));
  cboScaleMode_->setCurrentIndex(std::clamp(s.Mode, 0, 1));
  cboScaleMeasure_->setCurrentIndex(std::clamp(s.Measure, 0, 1));
  edtScaleBackground_->setText(QStringLiteral("#") + HexOf(TColor(s.Background) & 0xFFFFFF));
  seScaleHueShift_->setValue(s.HueShift);
  edtScaleName_->setText(s.Name);
  cboScaleNotation_->setCurrentIndex(std::clamp(s.Notation, 0, 2));
  edtScaleTargets_->setText(s.Targets);  // last: the controls above clear it
  visible_ = wasVisible;
  Recompute();
}

TScalesPageSettings TScalesPage::CurrentSettings() const {
  TScalesPageSettings s;
  s.Steps = cboScaleSteps_->currentIndex();
  s.CustomSteps = edtScaleSteps_->text();
  s.Mode = cboScaleMode_->currentIndex();
  s.Measure = cboScaleMeasure_->currentIndex();
  s.Targets = edtScaleTargets_->text();
  s.Background = int(ParseHex(edtScaleBackground_->text()).value_or(clWhite));
  s.HueShift = seScaleHueShift_->value();
  s.Name = edtScaleName_->text();
  s.Notation = cboScaleNotation_->currentIndex();
  return s;
}

void TScalesPage::ShowTool(bool shown) {
  visible_ = shown;
  if (shown && stale_) Recompute();
}

void TScalesPage::FollowBaseColor(const TColorObject& base) {
  const TColor color = base.GetColor();
  if (color == base_ && !stale_) return;
  base_ = color;
  Recompute();
}

bool TScalesPage::SkipsSender(const QObject*) const { return false; }

}  // namespace tintorium
