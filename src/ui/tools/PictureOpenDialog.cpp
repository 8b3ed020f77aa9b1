#include "ui/tools/PictureOpenDialog.h"

#include "engine/images/PictureFile.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

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
  const QSize side(PreviewSide - 4, PreviewSide - 4);
  const std::optional<TPicture> picture =
      QFileInfo(fileName).isFile() ? ReadPicture(fileName, side) : std::nullopt;
  if (!picture) {
    preview_->clear();
    return;
  }
  preview_->setPixmap(QPixmap::fromImage(
      picture->Image.scaled(side.boundedTo(picture->Image.size()), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace tintorium
