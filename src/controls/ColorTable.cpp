#include "controls/ColorTable.h"

#include "core/SystemColors.h"
#include "interchange/QtColorAdapter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tintorium {
namespace {

constexpr int kMaxSize = 1024;

bool IsArrowKey(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

}  // namespace

TColorTable::TColorTable(QWidget* parent) : TCommonColorControl(parent) { resize(256, 256); }

TColorTable::~TColorTable() = default;

void TColorTable::SetSize(int size) {
  size_ = std::clamp(size, 1, kMaxSize);
  selected_ = QPoint(std::min(selected_.x(), size_ - 1), std::min(selected_.y(), size_ - 1));
  changePending_ = true;
  cellsDirty_ = true;
  Invalidate();
}

void TColorTable::ContentChanged() {
  cellsDirty_ = true;
  userSelected_ = false;
  changePending_ = true;
  Invalidate();
}

void TColorTable::Invalidate() {
  displayDirty_ = true;
  update();
}

TColor TColorTable::GetCell(int column, int row) const {
  if (column < 0 || row < 0 || column >= size_ || row >= size_) return 0;
  EnsureCells();
  return cells_[std::size_t(column) * std::size_t(size_) + std::size_t(row)];
}

bool TColorTable::IsOwnColor(TColor color) const {
  EnsureCells();
  return std::find(cells_.begin(), cells_.end(), color) != cells_.end();
}

TTableGeometry TColorTable::Geometry(QSize control, int size) {
  TTableGeometry g;
  if (size <= 0) return g;
  g.cell = std::min(control.width(), control.height()) / size;
  g.side = size * g.cell;
  g.offset = QPoint(control.width() / 2 - g.side / 2, control.height() / 2 - g.side / 2);
  return g;
}

QPoint TColorTable::PointToCell(QPoint point, const TTableGeometry& g, int size) {
  if (size <= 0) return {0, 0};
  const int cell = std::max(g.cell, 1);
  const int x = std::clamp(point.x(), g.offset.x(), g.offset.x() + g.side);
  const int y = std::clamp(point.y(), g.offset.y(), g.offset.y() + g.side);
  return {std::clamp((x - g.offset.x()) / cell, 0, size - 1), std::clamp((y - g.offset.y()) / cell, 0, size - 1)};
}

QPoint TColorTable::CellAt(QPoint point) const { return PointToCell(point, Geometry(size(), size_), size_); }

void TColorTable::EnsureCells() const {
  if (!cellsDirty_) return;
  cells_ = BuildCells();
  cells_.resize(std::size_t(size_) * std::size_t(size_), 0);
  // System colours are shown, compared and handed out as the RGB they stand for.
  for (TColor& c : cells_) c = ColorToRGB(c);
  cellsDirty_ = false;
  displayDirty_ = true;
}

void TColorTable::EnsureDisplay() const {
  EnsureCells();
  const QSize size = this->size().expandedTo(QSize(1, 1));
  if (!displayDirty_ && display_.size() == size) return;
  if (display_.size() != size) display_ = QImage(size, QImage::Format_RGB32);
  display_.fill(palette().color(backgroundRole()));
  const TTableGeometry g = Geometry(size, size_);
  if (g.cell > 0) {
    // One pixel row per cell row, then scaled up without smoothing: every screen pixel is its cell's colour.
    QImage grid(size_, size_, QImage::Format_RGB32);
    for (int column = 0; column < size_; ++column)
      for (int row = 0; row < size_; ++row)
        grid.setPixel(column, row, ToQRgb(cells_[std::size_t(column) * std::size_t(size_) + std::size_t(row)]));
    QPainter painter(&display_);
    painter.drawImage(QRect(g.offset, QSize(g.side, g.side)), grid);
    const QRect frame(g.offset + QPoint(selected_.x() * g.cell, selected_.y() * g.cell), QSize(g.cell - 1, g.cell - 1));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    if (hasFocus() && g.cell > 4) {
      painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
      painter.drawRect(frame.adjusted(1, 1, -1, -1));
    }
  }
  displayDirty_ = false;
}

QImage TColorTable::DisplayImage() const {
  EnsureDisplay();
  return display_;
}

void TColorTable::paintEvent(QPaintEvent*) {
  EnsureDisplay();
  QPainter painter(this);
  painter.drawImage(0, 0, display_);
  selectedColor_ = GetCell(selected_.x(), selected_.y());
  if (changePending_) {
    changePending_ = false;
    emit OnChange();
  }
}

void TColorTable::resizeEvent(QResizeEvent* event) {
  displayDirty_ = true;
  TCommonColorControl::resizeEvent(event);
}

void TColorTable::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) Invalidate();
  TCommonColorControl::changeEvent(event);
}

void TColorTable::Select(QPoint cell) {
  selected_ = cell;
  userSelected_ = true;
  Invalidate();
}

void TColorTable::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  const QPoint cell = CellAt(event->position().toPoint());
  dropColor_ = GetCell(cell.x(), cell.y());
  SetHoverColor(dropColor_);
}

void TColorTable::mouseMoveEvent(QMouseEvent* event) {
  TCommonColorControl::mouseMoveEvent(event);
  if (event->buttons() & Qt::LeftButton) Select(CellAt(event->position().toPoint()));
}

void TColorTable::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  changePending_ = true;
  Select(CellAt(event->position().toPoint()));
}

void TColorTable::keyPressEvent(QKeyEvent* event) {
  if (!IsArrowKey(event->key())) {
    TCommonColorControl::keyPressEvent(event);
    return;
  }
  const int dx = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
  const int dy = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
  Select(QPoint(std::clamp(selected_.x() + dx, 0, size_ - 1), std::clamp(selected_.y() + dy, 0, size_ - 1)));
  event->accept();
}

void TColorTable::keyReleaseEvent(QKeyEvent* event) {
  if (!IsArrowKey(event->key())) {
    TCommonColorControl::keyReleaseEvent(event);
    return;
  }
  event->accept();
  // A held key repeats press/release pairs; only the real release counts as a pick.
  if (event->isAutoRepeat()) return;
  changePending_ = true;
  Invalidate();
}

void TColorTable::focusInEvent(QFocusEvent* event) {
  Invalidate();
  TCommonColorControl::focusInEvent(event);
}

void TColorTable::focusOutEvent(QFocusEvent* event) {
  Invalidate();
  TCommonColorControl::focusOutEvent(event);
}

}  // namespace tintorium
