#include "ui/tools/PictureOpenDialog.h"

#include "engine/images/PictureFile.h"
#include "ui/controls/ThemeInk.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace tintorium {

TPictureOpenDialog::TPictureOpenDialog(QWidget* parent, const QString& caption, const QString& folder)
    : QFileDialog(parent, caption, folder, PictureFileFilter()), preview_(new QLabel(this)) {
  setObjectName(QStringLiteral("dlgCFIOpen"));
  // The platform's own chooser has no room for a preview.
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);
  preview_->setObjectName(QStringLiteral("imgCFIPreview"));
  preview_->setFixedSize(PreviewSide, PreviewSide);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFrameShape(QFrame::StyledPanel);
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(preview_, 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);
  connect(this, &QFileDialog::currentChanged, this, &TPictureOpenDialog::ShowPreview);
  resize(840, 500);  // room for the names, their details and the preview
}

QString TPictureOpenDialog::ChosenFile() const { return selectedFiles().value(0); }

void TPictureOpenDialog::ShowPreview(const QString& fileName) {
  // Read and scaled at the screen's pixels: a preview made at the label's size would be blurred on a dense screen.
  const qreal ratio = ImageRatio(*preview_);
  const QSize side(PreviewSide - 4, PreviewSide - 4);
  const std::optional<TPicture> picture =
      QFileInfo(fileName).isFile() ? ReadPicture(fileName, DeviceSize(side, ratio)) : std::nullopt;
  if (!picture || picture->Image.isNull()) {
    preview_->clear();
    return;
  }
  // The size it takes on the label, as at scale 1 (a small picture is not shrunk), then as many pixels as that has.
  QSize fit = picture->Image.size();
  if (fit.width() > side.width() || fit.height() > side.height()) fit.scale(side, Qt::KeepAspectRatio);
  QSize pixels = DeviceSize(fit, ratio);
  const QSize read = picture->Image.size();
  if (pixels.width() > read.width() || pixels.height() > read.height()) pixels = read;
  // The shape is fit's already: scaling to exactly these pixels keeps the ratio whole (4.00, not 3.99).
  QPixmap shown = QPixmap::fromImage(picture->Image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  shown.setDevicePixelRatio(std::max<qreal>(1.0, qreal(pixels.width()) / std::max(1, fit.width())));
  preview_->setPixmap(shown);
}

}  // namespace tintorium
