#include "engine/schemes/PickerGeometry.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace tintorium {

namespace {

constexpr int HalfPicker = PickerSize / 2;
constexpr int RefitSpread = 30;

/// A random integer 0 ... bound - 1; 0 when the bound leaves no room.
int Below(QRandomGenerator& random, int bound) { return bound > 1 ? int(random.bounded(bound)) : 0; }

int RefitAxis(int position, int extent, QRandomGenerator& random) {
  if (position <= extent - PickerSize) return position;
  const int moved = extent - PickerSize - Below(random, RefitSpread);
  return std::clamp(moved, -HalfPicker, std::max(extent - HalfPicker, -HalfPicker));
}

}  // namespace

QSize FitPicture(QSize natural, QSize panel) {
  if (natural.width() <= 0 || natural.height() <= 0) return {1, 1};
  const double aspect = double(natural.width()) / natural.height();
  int h = std::min(natural.height(), panel.height() - 1);
  int w = int(std::trunc(h * aspect));
  if (w > panel.width() - 1) {
    w = panel.width() - 1;
    h = int(std::trunc(w / aspect));
  }
  return {std::max(w, 1), std::max(h, 1)};
}

QPoint SamplePoint(QPoint topLeft, QSize image) {
  return {std::clamp(topLeft.x() + PickerSampleOffset, 0, std::max(image.width() - 1, 0)),
          std::clamp(topLeft.y() + PickerSampleOffset, 0, std::max(image.height() - 1, 0))};
}

QPoint RandomPickerSpot(QSize image, QRandomGenerator& random) {
  const int y = Below(random, image.height());
  const int x = Below(random, image.width());
  return {x, y};
}

QPoint MixedPickerSpot(QSize image, QRandomGenerator& random) {
  const int top = Below(random, image.height() - PickerSize);
  const int left = Below(random, image.width() - PickerSize);
  return {left, top};
}

QPoint RefittedPickerSpot(QPoint topLeft, QSize image, QRandomGenerator& random) {
  const int top = RefitAxis(topLeft.y(), image.height(), random);
  const int left = RefitAxis(topLeft.x(), image.width(), random);
  return {left, top};
}

QPoint ClampDraggedPicker(QPoint topLeft, QSize image) {
  return {std::clamp(topLeft.x(), -HalfPicker, std::max(image.width() - HalfPicker, -HalfPicker)),
          std::clamp(topLeft.y(), -HalfPicker, std::max(image.height() - HalfPicker, -HalfPicker))};
}

QPoint DraggedPickerSpot(QPoint topLeft, QPoint press, QPoint pointer, QSize image) {
  return ClampDraggedPicker(topLeft + (pointer - press), image);
}

bool PickerHit(QPoint topLeft, QPoint point) {
  // The circle's centre is the middle of its 15 pixels; its ring reaches half a pen width beyond.
  const double dx = point.x() - (topLeft.x() + HalfPicker);
  const double dy = point.y() - (topLeft.y() + HalfPicker);
  const double reach = PickerSize / 2.0 + 1;
  return dx * dx + dy * dy <= reach * reach;
}

int PickerAt(const std::vector<QPoint>& pickers, QPoint point) {
  for (int i = int(pickers.size()) - 1; i >= 0; --i)
    if (PickerHit(pickers[std::size_t(i)], point)) return i;
  return -1;
}

}  // namespace tintorium

namespace tintorium {

QRect SwatchRect(int index, int width) {
  const int columnWidth = std::max(width / SwatchColumns, 1);
  return {(index % SwatchColumns) * columnWidth, (index / SwatchColumns) * SwatchRowHeight, columnWidth,
          SwatchRowHeight};
}

int SwatchAt(QPoint point, int width, int count) {
  if (point.x() < 0 || point.y() < 0) return -1;
  const int columnWidth = std::max(width / SwatchColumns, 1);
  const int column = point.x() / columnWidth;
  if (column >= SwatchColumns) return -1;
  const int index = (point.y() / SwatchRowHeight) * SwatchColumns + column;
  return index < count ? index : -1;
}

}  // namespace tintorium
