#include "ui/workspace/ColorBar.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "core/ColorModels.h"
#include "core/Rounding.h"
#include "ui/controls/ThemeInk.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace tintorium {

namespace ColorBarGeometry {

namespace {

constexpr int Margin = 6;

bool IsLabAB(TColorModel model, int pick) { return model == cmLAB && (pick == 2 || pick == 3); }

int Span(QSize size) { return size.width() - 2 * Margin; }

}  // namespace

int ChannelMin(TColorModel model, int pick) {
  if (pick == 4 && model != cmCMYK) return INT_MIN;
  return IsLabAB(model, pick) ? -128 : 0;
}

int ChannelMax(TColorModel model, int pick) {
  if (pick == 4 && model != cmCMYK) return INT_MAX;
  switch (model) {
    case cmRGB:
      return 255;
    case cmHSB:
      return pick == 1 ? 360 : 100;
    case cmLAB:
      return pick == 1 ? 100 : 127;
    default:
      return 100;
  }
}

int BitmapWidth(TColorModel model, int pick) { return Divisor(model, pick) + 1; }

int Divisor(TColorModel model, int pick) {
  switch (model) {
    case cmRGB:
      return 255;
    case cmHSB:
      return pick == 1 ? 360 : 100;
    case cmLAB:
      return pick == 1 ? 100 : 255;
    default:
      return 100;
  }
}

int ColumnBase(TColorModel model, int pick) { return IsLabAB(model, pick) ? -128 : 0; }

QRect GradientRect(QSize size) {
  return QRect(QPoint(Margin, 0), QPoint(size.width() - Margin - 1, size.height() - 10 - 1));
}

int MarkerOffset(QSize size, TColorModel model, int pick, int value) {
  const long double scale = static_cast<long double>(Span(size)) / Divisor(model, pick);
  const int offset = Round(scale * (static_cast<long double>(value) - ColumnBase(model, pick)));
  return std::max(std::min(offset, size.width() - 7), 0);
}

int MarkerX(QSize size, int offset) {
  return std::max(Margin, std::min(offset + Margin, size.width() - Margin));
}

int ValueAtX(QSize size, TColorModel model, int pick, int x) { return ValueAtPosition(size, model, pick, x); }

int ValueAtPosition(QSize size, TColorModel model, int pick, double x) {
  const int span = Span(size);
  if (span <= 0) return ChannelMin(model, pick);
  const long double offset = std::clamp<long double>(x - Margin, 0, size.width() - 7);
  const long double scale = static_cast<long double>(span) / Divisor(model, pick);
  const int value = Round(offset / scale) + ColumnBase(model, pick);
  return std::clamp(value, ChannelMin(model, pick), ChannelMax(model, pick));
}

}  // namespace ColorBarGeometry

namespace {

constexpr int GradientHeight = 12;

// The first device column at or right of logical `x`.
int FirstDeviceColumn(int x, qreal ratio) { return int(std::ceil(x * ratio - 1e-6)); }

QRgb ColumnPixel(TColorModel model, const std::array<int, 4>& v) {
  switch (model) {
    case cmRGB:
      return RGBValuesToPixel({v[0], v[1], v[2]}) | 0xFF000000u;
    case cmHSB:
      return ToQRgb(HSBToColor({v[0], v[1], v[2]}));
    case cmCMYK:
      return ToQRgb(CMYKToColor({v[0], v[1], v[2], v[3]}));
    case cmLAB:
      return ToQRgb(LabToColor({v[0], v[1], v[2]}));
  }
  return 0xFF000000u;
}

}  // namespace

TColorBar::TColorBar(QWidget* parent) : TColorBar(cmRGB, 1, parent) {}

TColorBar::TColorBar(TColorModel model, int pick, QWidget* parent)
    : QWidget(parent), pick_(std::clamp(pick, 1, 4)), model_(model) {
  resize(100, 15);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  for (int channel = 1; channel <= 4; ++channel) values_[channel - 1] = Clamp(channel, 0);
  UpdateMarker();
}

TColorBar::~TColorBar() = default;

int TColorBar::Clamp(int channel, int value) const {
  return std::clamp(value, ColorBarGeometry::ChannelMin(model_, channel), ColorBarGeometry::ChannelMax(model_, channel));
}

void TColorBar::SetValuePick(int pick) {
  pick_ = std::clamp(pick, 1, 4);
  gradientDirty_ = true;
  UpdateMarker();
  update();
}

void TColorBar::SetColorModel(TColorModel model) {
  if (model > cmLAB) return;
  model_ = model;
  for (int channel = 1; channel <= 4; ++channel) values_[channel - 1] = Clamp(channel, values_[channel - 1]);
  gradientDirty_ = true;
  UpdateMarker();
  update();
}

void TColorBar::SetValue(int channel, int value) {
  if (channel < 1 || channel > 4) return;
  const int clamped = Clamp(channel, value);
  int& stored = values_[channel - 1];
  if (stored == clamped) return;
  stored = clamped;
  if (channel == pick_) {
    UpdateMarker();
  } else {
    gradientDirty_ = true;
  }
  update();
  emit OnChange();
}

void TColorBar::UpdateMarker() {
  markerOffset_ = ColorBarGeometry::MarkerOffset(size(), model_, pick_, PickedValue());
}

const QImage& TColorBar::Gradient() const {
  if (gradientDirty_) RebuildGradient();
  return gradient_;
}

void TColorBar::RebuildGradient() const {
  const int width = ColorBarGeometry::BitmapWidth(model_, pick_);
  if (gradient_.width() != width || gradient_.height() != GradientHeight) {
    gradient_ = QImage(width, GradientHeight, QImage::Format_RGB32);
  }
  std::array<int, 4> v = values_;
  const int base = ColorBarGeometry::ColumnBase(model_, pick_);
  auto* first = reinterpret_cast<QRgb*>(gradient_.scanLine(0));
  for (int x = 0; x < width; ++x) {
    v[static_cast<std::size_t>(pick_ - 1)] = x + base;
    first[x] = ColumnPixel(model_, v);
  }
  // Every row shows the same columns.
  for (int y = 1; y < GradientHeight; ++y) {
    std::memcpy(gradient_.scanLine(y), first, static_cast<std::size_t>(width) * sizeof(QRgb));
  }
  gradientDirty_ = false;
  shownDirty_ = true;
}

const QImage& TColorBar::ShownGradient() const {
  const QImage& values = Gradient();
  const QSize s = size();
  const QRect area = ColorBarGeometry::GradientRect(s);
  const qreal ratio = ImageRatio(*this);
  // The image starts and ends on whole device pixels (at 1.25 the left edge, 7.5, would be rounded by the painter
  // and shift every column half a pixel from the one a pointer there picks).
  const int first = FirstDeviceColumn(area.left(), ratio);
  const QSize device(std::max(1, FirstDeviceColumn(area.left() + area.width(), ratio) - first),
                     DeviceSize(QSize(1, std::max(1, area.height())), ratio).height());
  if (!shownDirty_ && shown_.devicePixelRatio() == ratio && shown_.size() == device) return shown_;
  shown_ = QImage(device, QImage::Format_RGB32);
  shown_.setDevicePixelRatio(ratio);
  // Each device column is looked up at its own position, not stretched from the value bitmap, so on a dense screen
  // the steps fall between widget pixels and a pointer picks the very colour under it.
  const int base = ColorBarGeometry::ColumnBase(model_, pick_);
  auto* row = reinterpret_cast<QRgb*>(shown_.scanLine(0));
  for (int x = 0; x < shown_.width(); ++x) {
    const int value = ColorBarGeometry::ValueAtPosition(s, model_, pick_, (first + x) / ratio);
    row[x] = values.pixel(std::clamp(value - base, 0, values.width() - 1), 0);
  }
  for (int y = 1; y < shown_.height(); ++y)
    std::memcpy(shown_.scanLine(y), row, static_cast<std::size_t>(shown_.width()) * sizeof(QRgb));
  shownDirty_ = false;
  return shown_;
}

qreal TColorBar::ShownGradientLeft() const {
  const qreal ratio = ImageRatio(*this);
  return FirstDeviceColumn(ColorBarGeometry::GradientRect(size()).left(), ratio) / ratio;
}

int TColorBar::ValueUnderPointer(double x) const {
  return ColorBarGeometry::ValueAtPosition(size(), model_, pick_, DevicePixelEdge(x, ImageRatio(*this)));
}

void TColorBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(backgroundRole()));
  UpdateMarker();
  const QSize s = size();
  const QRect gradient = ColorBarGeometry::GradientRect(s);
  if (gradient.width() > 0 && gradient.height() > 0)
    painter.drawImage(QPointF(ShownGradientLeft(), gradient.top()), ShownGradient());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(6, 0, s.width() - 12, s.height() - 10));
  const int x = ColorBarGeometry::MarkerX(s, markerOffset_);
  const int tipY = s.height() - 8;
  const QPolygon marker({QPoint(x, tipY), QPoint(x - 3, tipY + 3), QPoint(x + 3, tipY + 3)});
  // Black, unless a dark theme would hide it.
  const QColor background = palette().color(backgroundRole());
  const QColor ink = background.lightness() < 128 ? palette().color(QPalette::WindowText) : QColor(Qt::black);
  painter.setPen(ink);
  painter.setBrush(ink);
  painter.drawPolygon(marker);
  if (hasFocus()) {
    // Only a keyboard user needs to see where the focus is; a dotted line under the marker row says it.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawLine(6, s.height() - 1, s.width() - 6, s.height() - 1);
  }
}

void TColorBar::resizeEvent(QResizeEvent* event) {
  UpdateMarker();
  QWidget::resizeEvent(event);
}

bool TColorBar::TrackTo(int value) {
  const int before = PickedValue();
  SetValue(pick_, value);
  return PickedValue() != before;
}

void TColorBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  dragging_ = true;
  grabMouse();
  TrackTo(ValueUnderPointer(event->position().x()));
  emit OnTrack();
}

void TColorBar::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
  if (TrackTo(ValueUnderPointer(event->position().x()))) emit OnTrack();
}

void TColorBar::mouseReleaseEvent(QMouseEvent* event) {
  releaseMouse();
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  if (TrackTo(ValueUnderPointer(event->position().x()))) emit OnTrack();
  emit OnCommit();
}

void TColorBar::Step(int delta) {
  if (!TrackTo(PickedValue() + delta)) return;
  emit OnTrack();
  emit OnCommit();
}

void TColorBar::keyPressEvent(QKeyEvent* event) {
  const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      Step(-step);
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      Step(step);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TColorBar::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const int amount = delta.y() != 0 ? delta.y() : delta.x();
  if (amount == 0) {
    event->ignore();
    return;
  }
  const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
  Step(amount > 0 ? step : -step);
  event->accept();
}

}  // namespace tintorium
