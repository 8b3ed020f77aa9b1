#include "ui/tools/ColorEntryDialog.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "core/SystemColors.h"
#include "ui/controls/ColorSwatch.h"
#include "ui/language/LanguageApplier.h"
#include "ui/workspace/ColorBar.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tintorium {
namespace {

constexpr std::array<int, 4> kChannelCounts{3, 3, 4, 3};
const QColor kRefusedBase(255, 214, 214);

bool IsEnter(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TColorEntryDialog::TColorEntryDialog(TColor color, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgColorEntry"));
  setWindowTitle(QStringLiteral("Enter Color"));
  lblEntryHex_ = new QLabel(QStringLiteral("Hexadecimal:"), this);
  lblEntryHex_->setObjectName(QStringLiteral("lblEntryHex"));
  edEntryHex_ = new QLineEdit(this);
  edEntryHex_->setObjectName(QStringLiteral("edEntryHex"));
  lblEntryHex_->setBuddy(edEntryHex_);
  edEntryHex_->installEventFilter(this);

  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(6);
  fields->addWidget(lblEntryHex_, 0, 0);
  fields->addWidget(edEntryHex_, 0, 1, 1, 4);
  for (int model = cmRGB; model <= cmLAB; ++model) {
    CreateModelRow(static_cast<TColorModel>(model), this);
    const auto m = std::size_t(model);
    fields->addWidget(modelLabels_[m], model + 1, 0);
    for (std::size_t i = 0; i < fields_[m].size(); ++i) fields->addWidget(fields_[m][i], model + 1, int(i) + 1);
  }

  shEntry_ = new TColorSwatch(this);
  shEntry_->setObjectName(QStringLiteral("shEntry"));
  shEntry_->setFixedSize(64, 64);
  auto* top = new QHBoxLayout;
  top->addLayout(fields);
  top->addSpacing(8);
  top->addWidget(shEntry_, 0, Qt::AlignTop);

  btnOK_ = new QPushButton(QStringLiteral("OK"), this);
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK_);
  buttons->addWidget(btnCancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  color_.SetModel(cmRGB);
  SetColor(color);
  ApplyLanguage(this, QStringLiteral("ColorEntryDialog"));
}

TColorEntryDialog::~TColorEntryDialog() = default;

void TColorEntryDialog::CreateModelRow(TColorModel model, QWidget* parent) {
  const auto m = std::size_t(model);
  const std::string_view name = ColorModelNames[m];
  const QString suffix = QString::fromLatin1(name.data(), qsizetype(name.size()));
  auto* label = new QLabel(suffix + QStringLiteral(" values:"), parent);
  label->setObjectName(QStringLiteral("lblEntry") + suffix);
  modelLabels_[m] = label;
  for (int pick = 1; pick <= kChannelCounts[m]; ++pick) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("seEntry%1%2").arg(suffix).arg(pick));
    box->setRange(ColorBarGeometry::ChannelMin(model, pick), ColorBarGeometry::ChannelMax(model, pick));
    // A typed value counts once the field is left or Enter is pressed, not at every keystroke.
    box->setKeyboardTracking(false);
    box->setAccelerated(true);
    connect(box, &QSpinBox::valueChanged, this, [this, model] { ApplyModel(model); });
    fields_[m].push_back(box);
  }
  label->setBuddy(fields_[m].front());
}

QSpinBox* TColorEntryDialog::Field(TColorModel model, int channel) const {
  if (model > cmLAB || channel < 0) return nullptr;
  const auto& row = fields_[std::size_t(model)];
  return std::size_t(channel) < row.size() ? row[std::size_t(channel)] : nullptr;
}

TColor TColorEntryDialog::Color() const { return RGBValuesToColor(color_.GetRGB()); }

void TColorEntryDialog::SetColor(TColor color) {
  color_.SetColor(ColorToRGB(color), cmRGB);
  MarkHexRefused(false);
  ShowColor();
}

void TColorEntryDialog::ApplyModel(TColorModel model) {
  TChannelValues values{};
  const auto& row = fields_[std::size_t(model)];
  for (std::size_t i = 0; i < row.size(); ++i) values[i] = row[i]->value();
  SetChannelValues(color_, model, values);
  color_.SetModel(model);
  ShowColor();
}

void TColorEntryDialog::ApplyHex() {
  edEntryHex_->setModified(false);
  const std::optional<TRGBValues> rgb = ReadHexColorText(edEntryHex_->text().toStdString());
  MarkHexRefused(!rgb);
  if (rgb) {
    color_.SetRGB(*rgb);
    color_.SetModel(cmRGB);
  }
  // Valid or not, the field shows the colour the dialog holds.
  ShowColor();
}

// A refused text stays marked until the next edit, so the user sees why nothing changed.
void TColorEntryDialog::MarkHexRefused(bool refused) {
  edEntryHex_->setProperty("refused", refused);
  QPalette shown = palette();
  if (refused) shown.setColor(QPalette::Base, kRefusedBase);
  edEntryHex_->setPalette(shown);
}

void TColorEntryDialog::ShowColor() {
  edEntryHex_->setText(QString::fromStdString(color_.HexText()));
  edEntryHex_->setModified(false);
  for (int model = cmRGB; model <= cmLAB; ++model) {
    const TChannelValues values = ChannelValuesOf(color_, static_cast<TColorModel>(model));
    const auto& row = fields_[std::size_t(model)];
    for (std::size_t i = 0; i < row.size(); ++i) {
      const QSignalBlocker blocker(row[i]);
      row[i]->setValue(values[i]);
    }
  }
  shEntry_->SetBaseColor(Color());
}

bool TColorEntryDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edEntryHex_) {
    if (IsEnter(event)) {
      ApplyHex();
      // A refused text keeps the dialog open on its mark; an accepted one lets Enter press OK as usual.
      if (edEntryHex_->property("refused").toBool()) return true;
    } else if (event->type() == QEvent::KeyPress) {
      if (edEntryHex_->property("refused").toBool()) MarkHexRefused(false);
    } else if (event->type() == QEvent::FocusOut && edEntryHex_->isModified()) {
      ApplyHex();
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tintorium
