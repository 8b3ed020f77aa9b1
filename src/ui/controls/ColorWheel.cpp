#include "ui/controls/ColorWheel.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tintorium {
namespace {

// A press that moves this far (squared, in pixels) becomes a drag.
constexpr int DragDistanceSquared = 25;

}  // namespace

TColorWheel::TColorWheel(QWidget* parent)
    : TCommonColorControl(parent), baseColor_(RGBValuesToColor({122, 122, 255})) {
  resize(200, 200);
  RecomputeSegments();
}

void TColorWheel::SetBaseColor(TColor color) {
  baseColor_ = color;
  colorChanged_ = true;
  pickedByClick_ = false;
  RecomputeSegments();
  update();
  emit OnChange();
}

void TColorWheel::SetWheelStyle(TColorWheelStyle style) {
  style_ = style;
  RecomputeSegments();
  update();
}

void TColorWheel::SetHarmony(TColorHarmonyType harmony) {
  harmony_ = harmony;
  imageDirty_ = true;
  update();
}

void TColorWheel::RecomputeSegments() {
  segments_ = WheelSegments(baseColor_, style_);
  imageDirty_ = true;
}

bool TColorWheel::IsOwnColor(TColor color) const {
  return std::find(segments_.begin(), segments_.end(), color) != segments_.end();
}

std::vector<TColor> TColorWheel::AddAllColors() const {
  std::vector<TColor> colors;
  for (int index : AddAllSegments(harmony_)) colors.push_back(SegmentColor(index));
  return colors;
}

TColorDragOffer TColorWheel::ColorDragOffer() const {
  return {TColorDragKind::Wheel, IsOwnColor(dragColor_) ? dragColor_ : clNone, ResultModel(), std::nullopt};
}

QColor TColorWheel::Background() const { return palette().color(QPalette::Window); }

void TColorWheel::EnsureImage() const {
  const TWheelGeometry geometry = Geometry();
  const qreal ratio = ImageRatio(*this);
  if (imageDirty_ || display_.isNull() != (geometry.S <= 0) || imageSide_ != geometry.S || imageRatio_ != ratio) {
    display_ = RenderWheel(geometry, segments_, harmony_, WheelInks(palette()), ratio);
    imageSide_ = geometry.S;
    imageRatio_ = ratio;
    imageDirty_ = false;
    screen_ = QImage();
  }
  if (screen_.isNull() || screen_.devicePixelRatio() != ratio || screen_.size() != DeviceSize(size(), ratio)) {
    screen_ = DeviceImage(size(), ratio);
    screen_.fill(Background());
    QPainter painter(&screen_);
    painter.drawImage(geometry.display.topLeft(), display_);
  }
}

QImage TColorWheel::DisplayImage() const {
  EnsureImage();
  return screen_;
}

void TColorWheel::paintEvent(QPaintEvent*) {
  EnsureImage();
  QPainter painter(this);
  painter.drawImage(0, 0, screen_);
  if (colorChanged_) {
    colorChanged_ = false;
    emit OnChange();
  }
}

void TColorWheel::resizeEvent(QResizeEvent* event) {
  // Only a change of the shorter side renders again (EnsureImage); the longer one only re-centres.
  screen_ = QImage();
  TCommonColorControl::resizeEvent(event);
}

void TColorWheel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    imageDirty_ = true;
    update();
  }
  TCommonColorControl::changeEvent(event);
}

void TColorWheel::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  TrackHover(pos);
  dragColor_ = DisplayedColorAt(pos);
  pressPoint_ = pos;
  dragEnded_ = false;
  TCommonColorControl::mousePressEvent(event);
}

bool TColorWheel::StartsDrag(QPoint pos) const {
  const QPoint moved = pos - pressPoint_;
  return InsideWheel(Geometry(), pressPoint_) && IsOwnColor(dragColor_) &&
         moved.x() * moved.x() + moved.y() * moved.y() > DragDistanceSquared;
}

void TColorWheel::mouseMoveEvent(QMouseEvent* event) {
  TCommonColorControl::mouseMoveEvent(event);
  if (!(event->buttons() & Qt::LeftButton) || dragging_ || dragEnded_) return;
  if (!StartsDrag(event->position().toPoint())) return;
  dragging_ = true;
  ColorDrag::ExecDrag(this, ColorDragOffer());
  // The drag's own loop usually takes the release; a release that still arrives is not a click.
  dragging_ = false;
  dragEnded_ = true;
}

void TColorWheel::mouseReleaseEvent(QMouseEvent* event) {
  TCommonColorControl::mouseReleaseEvent(event);
  if (dragging_ || dragEnded_) {
    dragging_ = false;
    dragEnded_ = false;
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const TColor released = DisplayedColorAt(event->position().toPoint());
  if (!IsOwnColor(released) || released != dragColor_) return;
  const bool changed = released != baseColor_;
  // A repaint still owed to an earlier outside colour must not fire again now that the pick is set.
  colorChanged_ = false;
  pickedByClick_ = true;
  baseColor_ = released;
  RecomputeSegments();
  update();
  // Fired here rather than after the repaint, so a pick never waits on (or is lost with) a paint.
  if (changed) emit OnChange();
}

}  // namespace tintorium
