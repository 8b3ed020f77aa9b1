#include "ui/palette/SortColorsDialog.h"

#include "ui/language/LanguageApplier.h"
#include "ui/palette/DialogPlacement.h"
#include "ui/controls/ThemeInk.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tintorium {
namespace {

/// The band's picture: colour bars of growing length, as a sorted palette looks.
QPixmap SortPicture() {
  QPixmap picture = DevicePixmap({40, 40}, PictureRatio());
  QPainter painter(&picture);
  const QColor colors[] = {QColor(0x33, 0x66, 0xCC), QColor(0x33, 0x99, 0x66), QColor(0xEE, 0xBB, 0x22),
                           QColor(0xDD, 0x44, 0x33)};
  int y = 3;
  int width = 12;
  for (const QColor& color : colors) {
    painter.setPen(Qt::black);
    painter.setBrush(color);
    painter.drawRect(4, y, width, 7);
    y += 9;
    width += 7;
  }
  return picture;
}

QWidget* Band(QWidget* parent) {
  auto* band = new QFrame(parent);
  band->setObjectName(QStringLiteral("pnlTop"));
  // Black on white whatever the theme: its palette (or a style sheet given with -stylesheet) would otherwise
  // give the text its own colour.
  band->setStyleSheet(QStringLiteral("QFrame#pnlTop { background: white; } QFrame#pnlTop QLabel { color: black; }"));
  auto* picture = new QLabel(band);
  picture->setObjectName(QStringLiteral("imgSort"));
  picture->setPixmap(SortPicture());
  auto* text = new QLabel(
      QObject::tr("Using this dialog you can sort colors in Color Palette in custom order by any value of any "
                  "color model."),
      band);
  text->setObjectName(QStringLiteral("lblInfo"));
  text->setWordWrap(true);
  auto* layout = new QHBoxLayout(band);
  layout->setContentsMargins(10, 8, 10, 8);
  layout->addWidget(picture, 0, Qt::AlignTop);
  layout->addWidget(text, 1);
  return band;
}

}  // namespace

QStringList TSortColorsDialog::SortValueNames() {
  return {tr("System color value"), tr("RGB - R value"),    tr("RGB - G value"),       tr("RGB - B value"),
          tr("HSB - Hue"),          tr("HSB - Saturation"), tr("HSB - Brightness"),    tr("CMYK - C value"),
          tr("CMYK - M value"),     tr("CMYK - Y value"),   tr("CMYK - K value"),      tr("Lab - Luminance"),
          tr("Lab - a value"),      tr("Lab - b value")};
}

TSortColorsDialog::TSortColorsDialog(QWidget* parent)
    : QDialog(parent),
      lblSortOrder_(new QLabel(tr("Sort Order:"), this)),
      lblSortValue_(new QLabel(tr("Sort Value:"), this)),
      cboOrder_(new QComboBox(this)),
      lstValue_(new QListWidget(this)),
      btnOK_(new QPushButton(tr("OK"), this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)) {
  setObjectName(QStringLiteral("dlgSortColors"));
  setWindowTitle(tr("Sort Colors"));
  lblSortOrder_->setObjectName(QStringLiteral("lblSortOrder"));
  lblSortValue_->setObjectName(QStringLiteral("lblSortValue"));
  cboOrder_->setObjectName(QStringLiteral("cboOrder"));
  lstValue_->setObjectName(QStringLiteral("lstValue"));
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));

  cboOrder_->addItems({tr("Ascending"), tr("Descending")});
  lstValue_->addItems(SortValueNames());
  lstValue_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tall enough for every value, so choosing one needs no scrolling.
  lstValue_->setMinimumHeight(lstValue_->sizeHintForRow(0) * lstValue_->count() + 2 * lstValue_->frameWidth() + 2);
  lblSortOrder_->setBuddy(cboOrder_);
  lblSortValue_->setBuddy(lstValue_);
  SetSortKey(0);
  SetSortOrder(0);

  auto* fields = new QVBoxLayout;
  fields->setContentsMargins(10, 6, 10, 0);
  auto* orderRow = new QHBoxLayout;
  orderRow->addWidget(lblSortOrder_);
  orderRow->addWidget(cboOrder_, 1);
  fields->addLayout(orderRow);
  fields->addWidget(lblSortValue_);
  fields->addWidget(lstValue_);

  auto* line = new QFrame(this);
  line->setObjectName(QStringLiteral("bvlSeparator"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(lstValue_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(10, 0, 10, 10);
  buttons->addStretch();
  buttons->addWidget(btnOK_);
  buttons->addWidget(btnCancel_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Band(this));
  auto* bandEdge = new QFrame(this);
  bandEdge->setFrameShape(QFrame::HLine);
  bandEdge->setFrameShadow(QFrame::Sunken);
  layout->addWidget(bandEdge);
  layout->addLayout(fields);
  layout->addWidget(line);
  layout->addLayout(buttons);
  ApplyLanguage(this, QStringLiteral("SortColorsDialog"));
  setFixedSize(360, sizeHint().height());
}

int TSortColorsDialog::SortKey() const { return lstValue_->currentRow() < 0 ? 0 : lstValue_->currentRow(); }
int TSortColorsDialog::SortOrder() const { return cboOrder_->currentIndex() < 0 ? 0 : cboOrder_->currentIndex(); }

void TSortColorsDialog::SetSortKey(int key) { lstValue_->setCurrentRow(key); }
void TSortColorsDialog::SetSortOrder(int order) { cboOrder_->setCurrentIndex(order); }

void TSortColorsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  lstValue_->setFocus();
}

}  // namespace tintorium
