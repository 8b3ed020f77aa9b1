#include "ui/controls/ColorLibTable.h"

#include "ui/controls/LibTableGeometry.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace tintorium {
namespace {

constexpr int kHintMilliseconds = 5000;

std::optional<TLibTableArrow> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Left: return TLibTableArrow::Left;
    case Qt::Key_Up: return TLibTableArrow::Up;
    case Qt::Key_Right: return TLibTableArrow::Right;
    case Qt::Key_Down: return TLibTableArrow::Down;
    default: return std::nullopt;
  }
}

bool IsSelectKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

QStringList SplitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines << text.mid(start, i - start);
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines << text.mid(start);
  return lines;
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TColorLibTable::TColorLibTable(QWidget* parent) : QWidget(parent), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
  resize(180, 126);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  scrollBar_->setFocusPolicy(Qt::NoFocus);
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(1);
  connect(scrollBar_, &QScrollBar::actionTriggered, this, &TColorLibTable::ScrollAction);
  Layout();
}

TColorLibTable::~TColorLibTable() = default;

// --- Entries -----------------------------------------------------------------------------------------------------

void TColorLibTable::SetColors(const QStringList& colors) {
  colors_ = colors;
  PadAndCut();
  ColorsChanged();
  Layout();
  UpdateScrollPosition();
  Repaint();
}

void TColorLibTable::SetColorsText(const QString& text) {
  colors_ = SplitLines(text);
  ColorsChanged();
  Layout();
  Repaint();
}

void TColorLibTable::SetColorNames(const QStringList& names) {
  names_ = names;
  if (maxColors_ > 0 && maxColors_ < names_.size()) names_.resize(maxColors_);
}

void TColorLibTable::PadAndCut() {
  while (colors_.size() < minColors_) colors_ << QStringLiteral("clNone");
  if (maxColors_ > 0 && maxColors_ < colors_.size()) colors_.resize(maxColors_);
}

void TColorLibTable::ColorsChanged() {
  entries_.clear();
  entries_.reserve(std::size_t(colors_.size()));
  for (const QString& text : colors_) entries_.push_back(ParseLibEntry(text));
  emit OnColorsChange();
}

TColor TColorLibTable::EntryColor(int index) const {
  return index >= 0 && index < Count() ? entries_[std::size_t(index)].color : clNone;
}

// --- Selection and hover -------------------------------------------------------------------------------------------

void TColorLibTable::SetSelectedCell(int cell) {
  selectedCell_ = cell >= 0 && cell < Count() ? cell : -1;
  Repaint();
  emit OnSelColorChange();
}

TColor TColorLibTable::SelectedColor() const {
  return selectedCell_ >= 0 && selectedCell_ < Count() ? EntryColor(selectedCell_) : selectedColor_;
}

void TColorLibTable::SetSelectedColor(TColor color) {
  selectedCell_ = -1;
  // clNone names no colour, so it selects nothing (its low bytes would read as white).
  if (color != clNone) {
    const QString hex = Text(HexText(ColorToRGBValues(ColorToRGB(color))));
    for (int i = 0; i < Count(); ++i) {
      if (colors_[i].compare(hex, Qt::CaseInsensitive) == 0) {
        selectedCell_ = i;
        break;
      }
    }
  }
  selectedColor_ = color;
  Repaint();
  emit OnSelColorChange();
}

TColor TColorLibTable::DropColor() const { return EntryColor(dragCell_); }

TColor TColorLibTable::HoverColor() const { return EntryColor(hoverCell_); }

int TColorLibTable::HoverIndex() const { return hoverCell_ >= 0 && hoverCell_ < Count() ? hoverCell_ : -1; }

TColorDragOffer TColorLibTable::ColorDragOffer() const {
  return TColorDragOffer{TColorDragKind::LibTable, DropColor(), cmRGB, std::nullopt};
}

// --- Properties ----------------------------------------------------------------------------------------------------

void TColorLibTable::SetCellSize(int size) {
  cellSize_ = std::max(size, 1);
  Layout();
  Repaint();
}

void TColorLibTable::SetAutoHeight(bool on) {
  autoHeight_ = on;
  if (!on) {
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
  }
  Layout();
  Repaint();
}

void TColorLibTable::SetMinColors(int count) {
  if (maxColors_ > 0 && maxColors_ < count) count = maxColors_;
  minColors_ = std::max(count, 0);
  if (colors_.size() < minColors_) {
    PadAndCut();
    ColorsChanged();
  }
  Layout();
  Repaint();
}

void TColorLibTable::SetMaxColors(int count) {
  maxColors_ = std::max(count, 0);
  if (maxColors_ > 0 && maxColors_ < minColors_) minColors_ = maxColors_;
  if (maxColors_ > 0 && maxColors_ < colors_.size()) {
    colors_.resize(maxColors_);
    ColorsChanged();
  }
  Layout();
  Repaint();
}

void TColorLibTable::SetCellStyle(TCellStyle style) {
  if (style == cellStyle_) return;
  cellStyle_ = style;
  Repaint();
}

void TColorLibTable::SetTransparentStyle(TTransparentStyle style) {
  if (style == transparentStyle_) return;
  transparentStyle_ = style;
  Repaint();
}

TColor TColorLibTable::Color() const { return color_ ? *color_ : FromQColor(palette().color(QPalette::Window)); }

void TColorLibTable::SetColor(TColor color) {
  color_ = color;
  Repaint();
}

// --- Layout and scrolling ------------------------------------------------------------------------------------------

void TColorLibTable::Layout() {
  columns_ = LibTableColumns(width(), cellSize_);
  if (autoHeight_ && columns_ > 0) {
    const int height = LibTableAutoHeight(Count(), columns_, cellSize_);
    setFixedHeight(height == 0 ? cellSize_ : height);
  }
  visibleRows_ = LibTableVisibleRows(height(), cellSize_);
  scrollBar_->setGeometry(width() - kLibTableScrollBarWidth, 0, kLibTableScrollBarWidth, height());
  UpdateScrollRange();
}

void TColorLibTable::UpdateScrollRange() {
  if (columns_ < 1) return;
  const int maximum = LibTableScrollMax(Count() - 1, columns_, visibleRows_);
  scrollBar_->setRange(0, maximum);
  // A shorter list or a wider table must not leave the view beyond the last row, showing nothing.
  if (topIndex_ > maximum * columns_) {
    topIndex_ = maximum * columns_;
    UpdateScrollPosition();
  }
}

void TColorLibTable::UpdateScrollPosition() {
  if (columns_ < 1) return;
  const int position = topIndex_ / columns_;
  if (scrollBar_->sliderPosition() != position) scrollBar_->setSliderPosition(position);
}

void TColorLibTable::ScrollAction(int action) {
  if (columns_ < 1) return;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub: topIndex_ = LibTableLineUp(topIndex_, columns_); break;
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
      topIndex_ = LibTableLineDown(topIndex_, columns_, visibleRows_, Count() - 1);
      break;
    case QAbstractSlider::SliderMove: topIndex_ = scrollBar_->sliderPosition() * columns_; break;
    default: break;
  }
  // The bar applies this position once the action's signal returns.
  scrollBar_->setSliderPosition(topIndex_ / columns_);
  Repaint();
}

void TColorLibTable::wheelEvent(QWheelEvent* event) { QCoreApplication::sendEvent(scrollBar_, event); }

// --- Painting ------------------------------------------------------------------------------------------------------

void TColorLibTable::Repaint() {
  cellsDirty_ = true;
  update();
}

TLibCellContext TColorLibTable::CellContext() const {
  return {cellStyle_, transparentStyle_, isEnabled(), columns_, width() - kLibTableScrollBarWidth,
          FromQColor(ThemedColor(Color(), palette())), palette()};
}

void TColorLibTable::RenderCells() const {
  if (!cellsDirty_) return;
  cellsDirty_ = false;
  if (columns_ < 1 || height() < 1) {
    cells_ = QImage();
    return;
  }
  const QSize size(columns_ * cellSize_, height());
  const qreal ratio = ImageRatio(*this);
  if (cells_.size() != DeviceSize(size, ratio) || cells_.devicePixelRatio() != ratio) cells_ = DeviceImage(size, ratio);
  const TLibCellContext context = CellContext();
  cells_.fill(ToQColor(context.background));
  QPainter painter(&cells_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  // Only the rows in sight are drawn: the one partly shown at the bottom included.
  const int rowsShown = (height() + cellSize_ - 1) / cellSize_;
  const int last = std::min(Count() - 1, topIndex_ + rowsShown * columns_ - 1);
  auto* self = const_cast<TColorLibTable*>(this);
  for (int i = std::max(topIndex_, 0); i <= last; ++i) {
    const TLibEntry& entry = entries_[std::size_t(i)];
    if (entry.kind == TLibEntryKind::Blank) continue;
    const QRect cell = LibTableCellRect(i, topIndex_, columns_, cellSize_);
    const TColorCellState state = LibCellState(i, selectedCell_, hoverCell_, buttonDown_, pointerState_);
    DrawLibCellFrame(painter, cell, state, i == Count() - 1, context);
    bool handled = false;
    if (onPaintCell_) {
      onPaintCell_(painter, LibCellHookRect(cell, context), entry.color, i, state, self->transparentStyle_, handled);
      painter.setPen(Qt::black);
      painter.setBrush(Qt::NoBrush);
    }
    if (!handled) {
      TLibCellContext current = context;
      current.transparent = transparentStyle_;
      DrawLibCellContent(painter, cell, entry, state, current);
    }
  }
}

QImage TColorLibTable::DisplayImage() const {
  RenderCells();
  QImage display = DeviceImage(QSize(width() - kLibTableScrollBarWidth, height()), ImageRatio(*this));
  display.fill(ThemedColor(Color(), palette()));
  if (!cells_.isNull()) {
    QPainter painter(&display);
    painter.drawImage(0, 0, cells_);
  }
  return display;
}

void TColorLibTable::paintEvent(QPaintEvent*) {
  if (!cells_.isNull() && cells_.devicePixelRatio() != ImageRatio(*this)) cellsDirty_ = true;
  RenderCells();
  QPainter painter(this);
  painter.fillRect(rect(), ThemedColor(Color(), palette()));
  if (!cells_.isNull()) painter.drawImage(0, 0, cells_);
}

void TColorLibTable::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout();
  UpdateScrollPosition();
  Repaint();
}

void TColorLibTable::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange) Repaint();
  QWidget::changeEvent(event);
}

// --- Mouse ---------------------------------------------------------------------------------------------------------

int TColorLibTable::CellAt(QPoint pos) const {
  const int index = HitTest(pos);
  return index >= 0 && index < Count() ? index : -1;
}

int TColorLibTable::HitTest(QPoint pos) const {
  if (pos.x() >= width() - kLibTableScrollBarWidth) return -1;
  return LibTableHitTest(pos, topIndex_, columns_, cellSize_);
}

void TColorLibTable::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    setFocus(Qt::MouseFocusReason);
    buttonDown_ = true;
    pointerState_ = 2;
    const int index = CellAt(pos);
    if (index >= 0 && index != selectedCell_) {
      previousCell_ = selectedCell_;
      selectedCell_ = index;
    }
    Repaint();
    // A press beside the entries drags nothing, whatever stays selected.
    pressedCell_ = index;
    dragCell_ = index;
  }
  emit OnMouseDown(event->button(), event->modifiers(), pos);
}

void TColorLibTable::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  int index = HitTest(pos);
  if (index >= Count()) index = -1;
  if (index != hoverCell_) {
    hoverCell_ = index;
    Repaint();
    if (showHint_ && QToolTip::isVisible()) ShowHintNow(event->globalPosition().toPoint());
  }
  if (event->buttons().testFlag(Qt::LeftButton) && buttonDown_ && dragCell_ >= 0 && dragCell_ != hoverCell_ &&
      !dragging_) {
    StartDrag();
    return;
  }
  emit OnMouseMove(event->buttons(), pos);
}

void TColorLibTable::StartDrag() {
  dragging_ = true;
  ColorDrag::ExecDrag(this, ColorDragOffer());
  // Dropped or cancelled alike: the drag leaves no selection and no hovered cell behind.
  buttonDown_ = false;
  dragging_ = false;
  pressedCell_ = -1;
  hoverCell_ = -1;
  selectedCell_ = -1;
  pointerState_ = underMouse() ? 1 : 0;
  Repaint();
}

void TColorLibTable::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  buttonDown_ = false;
  pointerState_ = mouseInside_ ? 1 : 0;
  const TColor color = EntryColor(selectedCell_);
  const QRect client(0, 0, width() - kLibTableScrollBarWidth, height());
  if (event->button() == Qt::LeftButton && client.contains(pos) && onCellClick_) {
    bool dontCheck = false;
    onCellClick_(event->button(), event->modifiers(), selectedCell_, color, dontCheck);
    if (dontCheck) selectedCell_ = previousCell_;
  }
  if (event->button() == Qt::LeftButton && pressedCell_ >= 0 && client.contains(pos) && CellAt(pos) == pressedCell_)
    clickedCell_ = pressedCell_;
  if (event->button() == Qt::LeftButton) pressedCell_ = -1;
  emit OnMouseUp(event->button(), event->modifiers(), pos);
  clickedCell_ = -1;
  emit OnSelColorChange();
  Repaint();
}

void TColorLibTable::enterEvent(QEnterEvent* event) {
  mouseInside_ = true;
  pointerState_ = 1;
  Repaint();
  emit OnMouseEnter();
  QWidget::enterEvent(event);
}

void TColorLibTable::leaveEvent(QEvent* event) {
  mouseInside_ = false;
  pointerState_ = 0;
  hoverCell_ = -1;
  Repaint();
  emit OnMouseLeave();
  QWidget::leaveEvent(event);
}

void TColorLibTable::focusInEvent(QFocusEvent* event) {
  Repaint();
  QWidget::focusInEvent(event);
}

void TColorLibTable::focusOutEvent(QFocusEvent* event) {
  pointerState_ = mouseInside_ ? 1 : 0;
  Repaint();
  QWidget::focusOutEvent(event);
}

// --- Keys ----------------------------------------------------------------------------------------------------------

bool TColorLibTable::HandleArrowOrSelectKey(QKeyEvent* event) {
  const int key = event->key();
  const std::optional<TLibTableArrow> arrow = ArrowOf(key);
  if (!arrow && !IsSelectKey(key)) return false;
  if (arrow) {
    const TLibTableMove move =
        LibTableArrowMove(*arrow, selectedCell_, topIndex_, columns_, visibleRows_, Count() - 1);
    selectedCell_ = move.selected;
    topIndex_ = move.topIndex;
    emit OnArrowKey(key, event->modifiers());
  } else {
    emit OnSelColorChange();
  }
  UpdateScrollPosition();
  Repaint();
  emit OnKeyDown(key, event->modifiers());
  emit OnSelColorChange();
  return true;
}

void TColorLibTable::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    if (HandleArrowOrSelectKey(event)) {
      event->accept();
      return;
    }
  }
  emit OnKeyDown(event->key(), event->modifiers());
  QWidget::keyPressEvent(event);
}

void TColorLibTable::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) emit OnKeyUp(event->key(), event->modifiers());
  QWidget::keyReleaseEvent(event);
}

// --- Hints ---------------------------------------------------------------------------------------------------------

QString TColorLibTable::HintText() const {
  if (Count() == 0 || hoverCell_ < 0 || hoverCell_ >= Count()) return {};
  if (onGetHintText_) {
    QString hint;
    bool handled = false;
    onGetHintText_(HoverColor(), HoverIndex(), hint, handled);
    if (handled) return hint;
  }
  if (hoverCell_ < names_.size()) return names_[hoverCell_];
  const TLibEntry& entry = entries_[std::size_t(hoverCell_)];
  if (entry.kind == TLibEntryKind::Transparent || entry.kind == TLibEntryKind::Custom)
    return QString(colors_[hoverCell_]).remove(QStringLiteral("cl"));
  const TRGBValues rgb = ColorToRGBValues(entry.color);
  const QStringList lines{Text(HexText(rgb)), Text(ValuesText(rgb, true)), Text(ValuesText(RGBToHSB(rgb), true)),
                          Text(ValuesText(RGBToCMYK(rgb), true)), Text(ValuesText(RGBToLab(rgb), true))};
  return lines.join(QStringLiteral("\r\n"));
}

void TColorLibTable::ShowHintNow(QPoint globalPos) {
  const QString hint = HintText();
  if (hint.isEmpty()) {
    QToolTip::hideText();
    return;
  }
  const QRect cell = LibTableCellRect(hoverCell_, topIndex_, columns_, cellSize_);
  QToolTip::showText(globalPos, hint, this, cell, kHintMilliseconds);
}

bool TColorLibTable::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    if (showHint_) ShowHintNow(static_cast<QHelpEvent*>(event)->globalPos());
    return true;
  }
  return QWidget::event(event);
}

}  // namespace tintorium
