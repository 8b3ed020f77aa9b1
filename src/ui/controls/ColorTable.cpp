#include "ui/controls/ColorTable.h"

#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tintorium {

namespace {

bool IsArrowKey(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

}  // namespace

TColorTable::TColorTable(QWidget* parent) : TCommonColorControl(parent), color_(clBtnFace) { resize(256, 256); }

TColorTable::~TColorTable() = default;

void TColorTable::SetSize(int size) {
  size_ = std::max(size, 1);
  RebuildCells();
  selectedCell_ = {std::min(selectedCell_.x(), size_ - 1), std::min(selectedCell_.y(), size_ - 1)};
  changePending_ = true;
  update();
}

TColor TColorTable::GetCell(int column, int row) const {
  if (column < 0 || row < 0 || column >= size_ || row >= size_) return 0;
  const std::size_t index = std::size_t(column) * std::size_t(size_) + std::size_t(row);
  return index < cells_.size() ? cells_[index] : 0;
}

void TColorTable::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  update();
}

bool TColorTable::IsOwnColor(TColor color) const {
  return std::find(cells_.begin(), cells_.end(), color) != cells_.end();
}

TTableGeometry TColorTable::Geometry(QSize control, int size) {
  size = std::max(size, 1);
  TTableGeometry g;
  // A grid wider than the control still gets one pixel per cell, so a point always maps to a cell.
  g.cellSide = std::max(std::min(control.width(), control.height()) / size, 1);
  g.side = size * g.cellSide;
  g.left = control.width() / 2 - g.side / 2;
  g.top = control.height() / 2 - g.side / 2;
  return g;
}

QPoint TColorTable::CellAt(const TTableGeometry& g, int size, QPoint point) {
  const int x = std::clamp(point.x(), g.left, g.left + g.side);
  const int y = std::clamp(point.y(), g.top, g.top + g.side);
  const int last = std::max(size, 1) - 1;
  return {std::clamp((x - g.left) / g.cellSide, 0, last), std::clamp((y - g.top) / g.cellSide, 0, last)};
}

QRect TColorTable::CellRect(QPoint cell) const {
  const TTableGeometry g = Geometry();
  return {g.left + cell.x() * g.cellSide, g.top + cell.y() * g.cellSide, g.cellSide, g.cellSide};
}

void TColorTable::RebuildCells() {
  cells_.clear();
  BuildCells(cells_);
  cells_.resize(std::size_t(size_) * std::size_t(size_), 0);
  imageDirty_ = true;
}

void TColorTable::ContentChanged() {
  RebuildCells();
  userSelected_ = false;
  changePending_ = true;
  update();
}

void TColorTable::EnsureGridImage() const {
  if (!imageDirty_ && gridImage_.size() == QSize(size_, size_)) return;
  // One pixel per cell: the display scales it up without smoothing, so every cell stays one flat colour with
  // sharp edges at any pixel density.
  if (gridImage_.size() != QSize(size_, size_)) gridImage_ = QImage(size_, size_, QImage::Format_RGB32);
  for (int row = 0; row < size_; ++row) {
    auto* line = reinterpret_cast<QRgb*>(gridImage_.scanLine(row));
    for (int column = 0; column < size_; ++column) line[column] = ToQRgb(ColorToRGB(GetCell(column, row)));
  }
  imageDirty_ = false;
}

QImage TColorTable::ComposeDisplay() const {
  EnsureGridImage();
  QImage display = DeviceImage(size(), ImageRatio(*this));
  display.fill(ThemedColor(color_, palette()));
  QPainter painter(&display);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const TTableGeometry g = Geometry();
  painter.drawImage(QRect(g.left, g.top, g.side, g.side), gridImage_);
  // The frame as four filled strips: a pen would straddle pixel edges once the image is denser than the widget.
  // The frame in the theme's text colour: black on the default white, light where a dark theme is dark.
  const QColor ink = palette().color(QPalette::Text);
  const QRect cell = CellRect(selectedCell_);
  for (const QRect& strip : {QRect(cell.left(), cell.top(), cell.width(), 1),
                             QRect(cell.left(), cell.bottom(), cell.width(), 1),
                             QRect(cell.left(), cell.top(), 1, cell.height()),
                             QRect(cell.right(), cell.top(), 1, cell.height())})
    painter.fillRect(strip, ink);
  if (hasFocus() && cell.width() > 4) {
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(1, 1, -2, -2));
  }
  return display;
}

QImage TColorTable::DisplayImage() const { return ComposeDisplay(); }

void TColorTable::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, ComposeDisplay());
  selectedColor_ = GetCell(selectedCell_.x(), selectedCell_.y());
  if (changePending_) {
    changePending_ = false;
    emit OnChange();
  }
}

void TColorTable::resizeEvent(QResizeEvent* event) {
  imageDirty_ = true;
  TCommonColorControl::resizeEvent(event);
}

void TColorTable::SelectCell(QPoint cell) {
  selectedCell_ = cell;
  userSelected_ = true;
  update();
}

void TColorTable::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    setFocus(Qt::MouseFocusReason);
    const QPoint cell = CellAt(pos);
    dropColor_ = GetCell(cell.x(), cell.y());
    SetHoverColor(dropColor_);
    leftHeld_ = true;
  } else {
    TrackHover(pos);
  }
  emit OnMouseDown(event->button(), pos);
}

void TColorTable::mouseMoveEvent(QMouseEvent* event) {
  TCommonColorControl::mouseMoveEvent(event);
  if (leftHeld_ && event->buttons().testFlag(Qt::LeftButton)) SelectCell(CellAt(event->position().toPoint()));
}

void TColorTable::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  leftHeld_ = false;
  changePending_ = true;
  SelectCell(CellAt(event->position().toPoint()));
}

void TColorTable::keyPressEvent(QKeyEvent* event) {
  if (!IsArrowKey(event->key())) {
    TCommonColorControl::keyPressEvent(event);
    return;
  }
  const int last = size_ - 1;
  QPoint cell = selectedCell_;
  switch (event->key()) {
    case Qt::Key_Left: cell.rx() = std::max(cell.x() - 1, 0); break;
    case Qt::Key_Right: cell.rx() = std::min(cell.x() + 1, last); break;
    case Qt::Key_Up: cell.ry() = std::max(cell.y() - 1, 0); break;
    default: cell.ry() = std::min(cell.y() + 1, last); break;
  }
  SelectCell(cell);
}

void TColorTable::keyReleaseEvent(QKeyEvent* event) {
  if (!IsArrowKey(event->key())) {
    TCommonColorControl::keyReleaseEvent(event);
    return;
  }
  // A held key repeats press and release; the change is announced once, when the key really comes up.
  if (event->isAutoRepeat()) return;
  changePending_ = true;
  update();
}

void TColorTable::focusInEvent(QFocusEvent* event) {
  update();
  TCommonColorControl::focusInEvent(event);
}

void TColorTable::focusOutEvent(QFocusEvent* event) {
  update();
  TCommonColorControl::focusOutEvent(event);
}

}  // namespace tintorium
