#include "ui/print/PrintPreview.h"

#include "engine/language/Messages.h"
#include "engine/print/PrintPainter.h"

#include <QApplication>
#include <QCursor>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

// Pages drawn and kept at once; more are drawn again when they come back into view.
constexpr int kKeptPages = 8;

}  // namespace

TPrintPreview::TPrintPreview(QWidget* parent)
    : QAbstractScrollArea(parent), layout_(0, DefaultPrintPageGeometry()) {
  setObjectName(QStringLiteral("jvpc"));
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAutoFillBackground(false);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
  connect(horizontalScrollBar(), &QScrollBar::sliderMoved, this, &TPrintPreview::ShowScrollHint);
  connect(verticalScrollBar(), &QScrollBar::sliderMoved, this, &TPrintPreview::ShowScrollHint);
}

void TPrintPreview::SetDocument(TPrintCards cards, const TPrintPageGeometry& geometry) {
  cards_ = std::move(cards);
  layout_ = TPrintLayout(int(cards_.size()), geometry);
  Relayout();
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
}

void TPrintPreview::SetPageGeometry(const TPrintPageGeometry& geometry) {
  layout_ = TPrintLayout(int(cards_.size()), geometry);
  Relayout();
}

void TPrintPreview::SetScaleMode(TPreviewScale mode) {
  mode_ = mode;
  Relayout();
}

void TPrintPreview::SetZoomPercent(int percent) {
  mode_ = TPreviewScale::Percent;
  zoom_ = std::clamp(percent, kMinPercent, kMaxPercent) / 100.0;
  Relayout();
}

int TPrintPreview::ZoomPercent() const { return int(std::lround(zoom_ * 100)); }

void TPrintPreview::SetShowsMargins(bool show) {
  if (showMargins_ == show) return;
  showMargins_ = show;
  pageImages_.clear();
  viewport()->update();
  emit Changed();
}

QSizeF TPrintPreview::PageSizeAt(double zoom) const {
  const TPrintPageGeometry& g = layout_.Geometry();
  const double screenDpi = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
  return QSizeF(g.Page.width(), g.Page.height()) * (screenDpi / g.Dpi) * zoom;
}

double TPrintPreview::FittingZoom() const {
  const QSizeF real = PageSizeAt(1.0);
  const double byWidth = (viewport()->width() - 2.0 * kGap) / real.width();
  const double byHeight = (viewport()->height() - 2.0 * kGap) / real.height();
  const double zoom = mode_ == TPreviewScale::PageWidth ? byWidth : std::min(byWidth, byHeight);
  return std::clamp(zoom, 0.02, kMaxPercent / 100.0);
}

QSize TPrintPreview::PageSizeOnScreen() const {
  const QSizeF size = PageSizeAt(zoom_);
  return QSize(std::max(1, int(std::lround(size.width()))), std::max(1, int(std::lround(size.height()))));
}

QSize TPrintPreview::ContentSize() const {
  const QSize page = PageSizeOnScreen();
  const int pages = std::max(1, PageCount());
  return QSize(pages * page.width() + (pages + 1) * kGap, page.height() + 2 * kGap);
}

void TPrintPreview::Relayout() {
  if (mode_ != TPreviewScale::Percent) zoom_ = FittingZoom();
  pageImages_.clear();
  UpdateScrollBars();
  viewport()->update();
  emit Changed();
}

void TPrintPreview::UpdateScrollBars() {
  const QSize content = ContentSize();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
}

QRect TPrintPreview::PageRect(int page) const {
  const QSize size = PageSizeOnScreen();
  const QSize content = ContentSize();
  const QSize view = viewport()->size();
  // A document smaller than the view sits in its middle.
  const int left = content.width() < view.width() ? (view.width() - content.width()) / 2 : -horizontalScrollBar()->value();
  const int top = content.height() < view.height() ? (view.height() - content.height()) / 2 : -verticalScrollBar()->value();
  return QRect(QPoint(left + kGap + page * (size.width() + kGap), top + kGap), size);
}

int TPrintPreview::CurrentPage() const {
  if (PageCount() == 0) return 0;
  const int pitch = PageSizeOnScreen().width() + kGap;
  const int hidden = horizontalScrollBar()->value() - kGap - PageSizeOnScreen().width();
  const int first = hidden < 0 ? 0 : hidden / pitch + 1;
  return std::clamp(first, 0, PageCount() - 1);
}

void TPrintPreview::ShowPage(int page) {
  if (PageCount() == 0) return;
  page = std::clamp(page, 0, PageCount() - 1);
  horizontalScrollBar()->setValue(page * (PageSizeOnScreen().width() + kGap));
  verticalScrollBar()->setValue(0);
}

QString TPrintPreview::ScrollHintText() const { return FormatMessage(sPrintPageHint, {CurrentPage() + 1}); }

void TPrintPreview::ShowScrollHint() {
  auto* bar = qobject_cast<QWidget*>(sender());
  QToolTip::showText(QCursor::pos(), ScrollHintText(), bar ? bar : this);
}

const QImage& TPrintPreview::PageImage(int page) {
  const QSize size = PageSizeOnScreen();
  auto found = pageImages_.find(page);
  if (found != pageImages_.end() && found->size() == size * devicePixelRatioF()) return *found;
  if (pageImages_.size() >= kKeptPages) pageImages_.clear();
  // Drawn at the screen's device pixels, so a high-density screen shows the cards as sharp as paper does.
  const double ratio = devicePixelRatioF();
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  QPainter painter(&image);
  const TPrintPageGeometry& g = layout_.Geometry();
  painter.scale(double(size.width()) / g.Page.width(), double(size.height()) / g.Page.height());
  PaintPrintPage(painter, cards_, layout_, page);
  if (showMargins_) {
    QPen dots(QColor(150, 160, 175), 0, Qt::DotLine);
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(g.Content));
  }
  painter.end();
  return pageImages_[page] = image;
}

void TPrintPreview::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), palette().color(QPalette::Dark));
  const int pages = PageCount();
  for (int page = 0; page < pages; ++page) {
    const QRect rect = PageRect(page);
    if (!rect.adjusted(0, 0, 4, 4).intersects(event->rect())) continue;
    painter.fillRect(rect.translated(3, 3), QColor(0, 0, 0, 90));
    painter.drawImage(rect.topLeft(), PageImage(page));
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void TPrintPreview::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (mode_ != TPreviewScale::Percent) {
    Relayout();
  } else {
    UpdateScrollBars();
  }
}

void TPrintPreview::scrollContentsBy(int, int) { viewport()->update(); }

void TPrintPreview::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    const int notch = event->angleDelta().y();
    if (notch != 0) SetZoomPercent(ZoomPercent() + (notch > 0 ? kZoomStep : -kZoomStep));
    event->accept();
    return;
  }
  // Pages lie in a row: when they fit the height, the wheel leafs through them.
  QScrollBar* across = horizontalScrollBar();
  if (verticalScrollBar()->maximum() > 0 || across->maximum() == 0 || event->angleDelta().y() == 0) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  const int lines = QApplication::wheelScrollLines();
  across->setValue(across->value() - event->angleDelta().y() * across->singleStep() * lines / 120);
  event->accept();
}

}  // namespace tintorium
