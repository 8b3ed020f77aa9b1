#include "ui/controls/ColorVariation.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tintorium {
namespace {

// A rectangle as the strip's drawing defines it: corners (x1, y1) and (x2, y2), the outline on the first and
// last-but-one columns and rows, the interior filled. Lines are filled strips, so they cover whole device pixels
// at any pixel density.
void OutlinedRect(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& fill, const QColor& ink) {
  if (x2 <= x1 || y2 <= y1) return;
  painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), fill);
  painter.fillRect(QRect(x1, y1, x2 - x1, 1), ink);
  painter.fillRect(QRect(x1, y2 - 1, x2 - x1, 1), ink);
  painter.fillRect(QRect(x1, y1, 1, y2 - y1), ink);
  painter.fillRect(QRect(x2 - 1, y1, 1, y2 - y1), ink);
}

}  // namespace

TColorVariation::TColorVariation(QWidget* parent) : TCommonColorControl(parent) {
  resize(256, 64);
  Rebuild();
}

TColorVariation::~TColorVariation() = default;

void TColorVariation::SetBaseColor(TColor color) {
  baseColor_ = color;
  Rebuild();
}

void TColorVariation::SetVariation(TVariationType type) {
  variation_ = type;
  Rebuild();
}

void TColorVariation::SetSize(int size) {
  size_ = std::max(size, 0);
  Rebuild();
}

std::optional<TColor> TColorVariation::SwatchColor(int index) const {
  if (swatches_.empty()) return std::nullopt;
  return swatches_[std::size_t(std::clamp(index, 0, int(swatches_.size()) - 1))];
}

bool TColorVariation::IsOwnColor(TColor color) const {
  return std::find(swatches_.begin(), swatches_.end(), color) != swatches_.end();
}

TColorDragOffer TColorVariation::ColorDragOffer() const {
  return {TColorDragKind::Variation, dropColor_, ResultModel(), std::nullopt};
}

int TColorVariation::SwatchSide(QSize size, int count) {
  if (count <= 0) return 0;
  return std::min((size.width() - 6) / count, size.height() - 3) - 3;
}

std::vector<QRect> TColorVariation::SwatchRects(QSize size, int count) {
  std::vector<QRect> rects;
  if (count <= 0) return rects;
  const int a = SwatchSide(size, count);
  const int d = (a + 3) / 2;
  const int mid = size.height() / 2;
  rects.emplace_back(QPoint(2, mid - d + 2), QPoint(a, mid + d - 3));
  int x = a + 9;
  for (int i = 1; i < count; ++i) {
    rects.emplace_back(QPoint(x, mid - a / 2), QPoint(x + a - 1, mid + a / 2 - 1));
    x += a + 3;
  }
  return rects;
}

void TColorVariation::Rebuild() {
  swatches_ = VariationSwatches(baseColor_, variation_, size_);
  imageDirty_ = true;
  update();
}

void TColorVariation::EnsureImage() const {
  const qreal ratio = ImageRatio(*this);
  const QSize device = DeviceSize(size(), ratio);
  if (!imageDirty_ && image_.size() == device && image_.devicePixelRatio() == ratio) return;
  if (image_.size() != device || image_.devicePixelRatio() != ratio) image_ = DeviceImage(size(), ratio);
  Draw(image_);
  imageDirty_ = false;
}

void TColorVariation::Draw(QImage& image) const {
  const QSize logical = size().expandedTo(QSize(1, 1));
  const int w = logical.width();
  const int mid = logical.height() / 2;
  const QColor background = palette().color(backgroundRole());
  // The lines follow the text of the strip's background: black on the default white, light on a dark theme.
  const QColor ink = palette().color(backgroundRole() == QPalette::Base ? QPalette::Text : QPalette::WindowText);
  image.fill(background);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (w - 3 >= 3) painter.fillRect(QRect(3, mid, w - 5, 1), ink);
  const int count = int(swatches_.size());
  if (count == 0) return;
  const int a = SwatchSide(logical, count);
  const int d = (a + 3) / 2;
  OutlinedRect(painter, 0, mid - d, a + 3, mid + d, background, ink);
  OutlinedRect(painter, 2, mid - d + 2, a + 1, mid + d - 2, ToQColor(swatches_[0]), ink);
  int x = a + 9;
  for (int i = 1; i < count; ++i) {
    OutlinedRect(painter, x, mid - a / 2, x + a, mid + a / 2, ToQColor(swatches_[std::size_t(i)]), ink);
    x += a + 3;
  }
}

QImage TColorVariation::DisplayImage() const {
  EnsureImage();
  return image_;
}

void TColorVariation::paintEvent(QPaintEvent*) {
  EnsureImage();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

void TColorVariation::resizeEvent(QResizeEvent* event) {
  imageDirty_ = true;
  TCommonColorControl::resizeEvent(event);
}

void TColorVariation::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
    imageDirty_ = true;
    update();
  }
  TCommonColorControl::changeEvent(event);
}

void TColorVariation::mousePressEvent(QMouseEvent* event) {
  event->accept();
  // What the press is over, even when no move came before it.
  TrackHover(event->position().toPoint());
  emit OnMouseDown(event->button(), event->position().toPoint());
}

void TColorVariation::mouseMoveEvent(QMouseEvent* event) {
  TCommonColorControl::mouseMoveEvent(event);
  if (!(event->buttons() & Qt::LeftButton)) return;
  // No distance threshold: the drag starts as soon as a held button moves over a swatch.
  const TColor under = DisplayedColorAt(event->position().toPoint());
  if (under == clNone || !IsOwnColor(under)) return;
  dropColor_ = under;
  ColorDrag::ExecDrag(this, ColorDragOffer());
}

}  // namespace tintorium
