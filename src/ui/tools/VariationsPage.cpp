#include "ui/tools/VariationsPage.h"

#include "ui/controls/ColorVariation.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace tintorium {
namespace {

struct TRowNames {
  const char* label;
  const char* button;
  const char* strip;
  const char* caption;
};

constexpr std::array<TRowNames, TVariationsPage::kStripCount> kRows{{
    {"lblVarWarmer", "sbVarWarm", "cvWarm", "Warmer"},
    {"lblVarCooler", "sbVarCool", "cvCool", "Cooler"},
    {"lblVarDarken", "sbVarDark", "cvDark", "Darken"},
    {"lblVarBright", "sbVarBright", "cvBright", "Brighten"},
    {"lblVarSaturate", "sbVarSatur", "cvSaturate", "Saturated"},
    {"lblVarDesaturate", "sbVarDesatur", "cvDesaturate", "Desaturated"},
}};

constexpr int kRowPitch = 87;
constexpr int kStripTop = 28;
constexpr int kStripHeight = 53;
constexpr int kMargin = 5;

TColorModel ModelOfIndex(int index) { return index >= cmRGB && index <= cmLAB ? TColorModel(index) : cmRGB; }

}  // namespace

TVariationsPage::TVariationsPage(TWorkspace& workspace, TColorToolPopup& popup, QWidget* parent)
    : TToolPage(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("tsVariations"));
  BuildHeader();
  BuildRows(popup);
  RetranslateUi();
  SetSwatchCount(8);
  workspace_.AddFollower(TFollowerSlot::Variations, this);
}

TVariationsPage::~TVariationsPage() { workspace_.RemoveFollower(this); }

void TVariationsPage::BuildHeader() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* header = new QHBoxLayout;
  lblVarSize_ = new QLabel(this);
  lblVarSize_->setObjectName(QStringLiteral("lblVarSize"));
  seVarSize_ = new QSpinBox(this);
  seVarSize_->setObjectName(QStringLiteral("seVarSize"));
  seVarSize_->setRange(kMinSize, kMaxSize);
  // The arrows change the count; typing does not.
  if (auto* edit = seVarSize_->findChild<QLineEdit*>()) edit->setReadOnly(true);
  lblHarModel_ = new QLabel(this);
  lblHarModel_->setObjectName(QStringLiteral("lblHarModel"));
  cboVarModel_ = new QComboBox(this);
  cboVarModel_->setObjectName(QStringLiteral("cboVarModel"));
  cboVarModel_->addItems({QString(), QString(), QString(), QString()});
  header->addWidget(lblVarSize_);
  header->addWidget(seVarSize_);
  header->addSpacing(16);
  header->addWidget(lblHarModel_);
  header->addWidget(cboVarModel_);
  header->addStretch(1);
  layout->addLayout(header);
  sbVar_ = new QScrollArea(this);
  sbVar_->setObjectName(QStringLiteral("sbVar"));
  sbVar_->setWidgetResizable(true);
  sbVar_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(sbVar_, 1);
  connect(seVarSize_, &QSpinBox::valueChanged, this, &TVariationsPage::SizeChanged);
  connect(cboVarModel_, &QComboBox::currentIndexChanged, this, &TVariationsPage::ModelChanged);
}

void TVariationsPage::BuildRows(TColorToolPopup& popup) {
  rows_ = new QWidget;
  rows_->setMinimumHeight(kStripCount * kRowPitch);
  for (int i = 0; i < kStripCount; ++i) {
    const TRowNames& names = kRows[std::size_t(i)];
    auto* label = new QLabel(rows_);
    label->setObjectName(QString::fromLatin1(names.label));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* button = new QToolButton(rows_);
    button->setObjectName(QString::fromLatin1(names.button));
    button->setAutoRaise(true);
    button->setProperty("Tag", i + 1);
    auto* strip = new TColorVariation(rows_);
    strip->setObjectName(QString::fromLatin1(names.strip));
    strip->SetVariation(static_cast<TVariationType>(i));
    strip->setBackgroundRole(QPalette::Base);  // white in the default theme, dark in a dark one
    labels_[std::size_t(i)] = label;
    buttons_[std::size_t(i)] = button;
    strips_[std::size_t(i)] = strip;
    connect(button, &QToolButton::clicked, this, [this, i] { AddStripToPalette(i); });
    popup.ConnectTool(*strip, popup.pmnu_Var(), [this] { return ResultModel(); });
    workspace_.WatchColorUnderCursor(strip);
  }
  rows_->installEventFilter(this);
  sbVar_->setWidget(rows_);
}

void TVariationsPage::RetranslateUi() {
  lblVarSize_->setText(QStringLiteral("Swatch count:"));
  lblHarModel_->setText(QStringLiteral("Result space:"));
  for (int m = 0; m < cboVarModel_->count(); ++m)
    cboVarModel_->setItemText(m, QString::fromLatin1(ColorModelNames[std::size_t(m)].data(),
                                                     qsizetype(ColorModelNames[std::size_t(m)].size())));
  for (int i = 0; i < kStripCount; ++i) {
    labels_[std::size_t(i)]->setText(QString::fromLatin1(kRows[std::size_t(i)].caption));
    buttons_[std::size_t(i)]->setText(QStringLiteral("Add to palette"));
  }
}

bool TVariationsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == rows_ && event->type() == QEvent::Resize) LayOutRows();
  return TToolPage::eventFilter(watched, event);
}

void TVariationsPage::LayOutRows() {
  const int width = rows_->width();
  for (int i = 0; i < kStripCount; ++i) {
    const int top = i * kRowPitch + 4;
    QLabel* label = labels_[std::size_t(i)];
    QToolButton* button = buttons_[std::size_t(i)];
    label->adjustSize();
    button->adjustSize();
    label->move(kMargin, top + (button->height() - label->height()) / 2);
    button->move(width - button->width() - kMargin, top);
    strips_[std::size_t(i)]->setGeometry(0, top + kStripTop, std::max(width - kMargin, 1), kStripHeight);
  }
}

void TVariationsPage::SetSwatchCount(int count) {
  const int clamped = std::clamp(count, kMinSize, kMaxSize);
  if (seVarSize_->value() == clamped)
    SizeChanged(clamped);  // the handler runs even when the box already shows the value
  else
    seVarSize_->setValue(clamped);
}

void TVariationsPage::SizeChanged(int value) {
  for (TColorVariation* strip : strips_) strip->SetSize(value);
}

void TVariationsPage::SetResultModel(int index) { cboVarModel_->setCurrentIndex(ModelOfIndex(index)); }

TColorModel TVariationsPage::ResultModel() const { return ModelOfIndex(cboVarModel_->currentIndex()); }

void TVariationsPage::ModelChanged(int index) {
  // The strips hand dragged colours out in this model.
  for (TColorVariation* strip : strips_) strip->SetResultModel(ModelOfIndex(index));
}

void TVariationsPage::AddStripToPalette(int type) {
  if (type < 0 || type >= kStripCount) return;
  const TColorVariation* strip = strips_[std::size_t(type)];
  const TColorModel model = ResultModel();
  for (int i = 0; i < strip->Size(); ++i) {
    const TColorObject color(*strip->SwatchColor(i), model);
    workspace_.AddPaletteColor(color, QString::fromStdString(color.HexText()));
  }
}

void TVariationsPage::ShowTool(bool shown) {
  sbVar_->setVisible(shown);
  if (shown) sbVar_->update();
}

void TVariationsPage::FollowBaseColor(const TColorObject& base) {
  const TColor color = base.GetColor();
  for (TColorVariation* strip : strips_) strip->SetBaseColor(color);
}

bool TVariationsPage::SkipsSender(const QObject*) const { return false; }

}  // namespace tintorium
