#include "ui/screenpick/DesktopPickDialog.h"

#include "ui/language/LanguageApplier.h"
#include "engine/screenpick/MagnifierView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tintorium {

// A fixed-size picture; drawn as given, so its pixels are the magnifier's.
class TDesktopPickDialog::TImageBox final : public QWidget {
 public:
  TImageBox(const char* name, const QSize& size, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void SetImage(const QImage& image) {
    image_ = image;
    update();
  }
  const QImage& Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (image_.isNull())
      painter.fillRect(rect(), palette().window());
    else
      painter.drawImage(rect(), image_);
  }

 private:
  QImage image_;
};

TDesktopPickDialog::TDesktopPickDialog(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      imgScr_(new TImageBox("imgScr", QSize(kMagnifierSize, kMagnifierSize), this)),
      imgInfo_(new TImageBox("imgInfo", QSize(kMagnifierSize, kMagnifierInfoHeight), this)) {
  setObjectName(QStringLiteral("DesktopPickDialog"));
  setWindowTitle(QStringLiteral("Desktop Color Picker"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(imgScr_);
  layout->addWidget(imgInfo_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setFocusPolicy(Qt::StrongFocus);
  ApplyLanguage(this, QStringLiteral("DesktopPickDialog"));
}

void TDesktopPickDialog::ShowImages(const QImage& view, const QImage& info) {
  imgScr_->SetImage(view);
  imgInfo_->SetImage(info);
}

QImage TDesktopPickDialog::View() const { return imgScr_->Image(); }
QImage TDesktopPickDialog::Info() const { return imgInfo_->Image(); }

void TDesktopPickDialog::keyPressEvent(QKeyEvent* event) { emit KeyPressed(event->key(), event->text()); }

void TDesktopPickDialog::wheelEvent(QWheelEvent* event) {
  const QPoint steps = event->angleDelta();
  const int delta = steps.y() != 0 ? steps.y() : steps.x();
  if (delta != 0) emit WheelTurned(delta);
  event->accept();
}

void TDesktopPickDialog::closeEvent(QCloseEvent* event) {
  // The picker owns this window and closes it itself; the close button only asks.
  event->ignore();
  emit CloseRequested();
}

}  // namespace tintorium

namespace tintorium {

void TDesktopPickDialog::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  emit PointerEntered();
}

}  // namespace tintorium
