#include "ui/tools/PickerPanel.h"

#include "engine/images/PictureFile.h"
#include "engine/schemes/ImagePickers.h"
#include "engine/schemes/PickerGeometry.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace tintorium {

namespace {

constexpr int PickerPenWidth = 3;

/// The one local picture file among dropped URLs, or empty.
QString DroppedPicture(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls() || mime->urls().size() != 1) return {};
  const QUrl url = mime->urls().front();
  return url.isLocalFile() && IsPictureFileName(url.toLocalFile()) ? url.toLocalFile() : QString();
}

void DrawRing(QPainter& painter, QPoint topLeft, const QColor& color) {
  // A 15-pixel circle whose 3-pixel pen stays inside its square.
  const qreal inset = PickerPenWidth / 2.0;
  painter.setPen(QPen(color, PickerPenWidth));
  painter.drawEllipse(QRectF(topLeft, QSizeF(PickerSize, PickerSize)).adjusted(inset, inset, -inset, -inset));
}

}  // namespace

TPickerPanel::TPickerPanel(TImagePickers& pickers, QWidget* parent) : QWidget(parent), pickers_(pickers) {
  setObjectName(QStringLiteral("pnlPS"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setAcceptDrops(true);
  setMinimumSize(32, 32);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TPickerPanel::ResetPens() {
  pens_.assign(std::size_t(pickers_.Count()), NewPickerPen);
  update();
}

void TPickerPanel::Highlight(int index) {
  SyncPens();
  for (std::size_t i = 0; i < pens_.size(); ++i) pens_[i] = int(i) == index ? HighlightPen : PlainPen;
  update();
}

QColor TPickerPanel::PenOf(int index) const {
  return index >= 0 && index < int(pens_.size()) ? pens_[std::size_t(index)] : NewPickerPen;
}

void TPickerPanel::SyncPens() {
  // Pickers added by a larger picks count come with the new-picker pen; removed ones take theirs away.
  pens_.resize(std::size_t(pickers_.Count()), NewPickerPen);
}

void TPickerPanel::Draw(QPainter& painter) const {
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!pickers_.HasPicture()) return;
  painter.drawImage(0, 0, pickers_.Fitted());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  const std::vector<QPoint>& spots = pickers_.Pickers();
  for (std::size_t i = 0; i < spots.size(); ++i) DrawRing(painter, spots[i] + QPoint(1, 1), Qt::black);
  for (std::size_t i = 0; i < spots.size(); ++i)
    DrawRing(painter, spots[i], i < pens_.size() ? pens_[i] : NewPickerPen);
}

QImage TPickerPanel::Render() const {
  QImage image(size(), QImage::Format_RGB32);
  QPainter painter(&image);
  Draw(painter);
  return image;
}

void TPickerPanel::paintEvent(QPaintEvent*) {
  SyncPens();
  QPainter painter(this);
  Draw(painter);
}

void TPickerPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!pickers_.HasPicture()) return;
  pickers_.Fit(size());
  emit Refitted();
}

void TPickerPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = event->position().toPoint();
  dragged_ = PickerAt(pickers_.Pickers(), pos);
  if (dragged_ < 0) return;
  SyncPens();
  pens_[std::size_t(dragged_)] = PlainPen;
  press_ = pos - pickers_.Pickers()[std::size_t(dragged_)];
  update();
}

void TPickerPanel::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  ShowHover(pos);
  if (dragged_ < 0 || !(event->buttons() & Qt::LeftButton)) {
    setCursor(PickerAt(pickers_.Pickers(), pos) >= 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
    return;
  }
  const QPoint topLeft = pickers_.Pickers()[std::size_t(dragged_)];
  pickers_.MovePicker(dragged_, DraggedPickerSpot(topLeft, press_, pos - topLeft, pickers_.FittedSize()));
  update();
  emit PickerMoved(dragged_);
}

void TPickerPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragged_ = -1;
}

void TPickerPanel::ShowHover(QPoint pos) {
  const QImage& fitted = pickers_.Fitted();
  if (pickers_.HasPicture() && fitted.rect().contains(pos)) {
    const QRgb pixel = fitted.pixel(pos);
    emit ColorHover(TColor(qRed(pixel)) | (TColor(qGreen(pixel)) << 8) | (TColor(qBlue(pixel)) << 16));
  } else {
    emit ColorHoverEnd();
  }
}

void TPickerPanel::leaveEvent(QEvent* event) {
  emit ColorHoverEnd();
  QWidget::leaveEvent(event);
}

void TPickerPanel::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPicture(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TPickerPanel::dropEvent(QDropEvent* event) {
  const QString fileName = DroppedPicture(event->mimeData());
  if (fileName.isEmpty()) return;
  event->acceptProposedAction();
  emit PictureDropped(fileName);
}

}  // namespace tintorium
