#include "ui/controls/ColorPopup.h"

#include "ui/controls/Bevel.h"
#include "ui/controls/ColorPickerButton.h"
#include "core/ColorModels.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tintorium {

namespace {

constexpr int Edge = 2;
constexpr int CellSide = 18;
constexpr int Columns = StandardColorColumns;
constexpr int GreyRowHeight = 22;
constexpr int BarWidth = 10;
constexpr int BarInset = 11;

QColor Face(const QWidget& w) { return w.palette().color(QPalette::Button); }
QColor Highlight(const QWidget& w) { return w.palette().color(QPalette::Light); }
QColor Shadow(const QWidget& w) { return w.palette().color(QPalette::Dark); }

using detail::Bevel;

QPolygonF Hexagon(QPointF centre, double across) {
  QPolygonF hexagon;
  for (int k = 0; k < 6; ++k) {
    const double angle = (90 + 60 * k) * 3.14159265358979323846 / 180;
    hexagon << centre + QPointF(across / 2 * std::cos(angle), across / 2 * std::sin(angle));
  }
  return hexagon;
}

}  // namespace

TColorPopup::TColorPopup(TColorPickerButton& button)
    : QWidget(&button, Qt::Popup | Qt::FramelessWindowHint), button_(button), comb_(CombCells(1.0)) {
  setObjectName(QStringLiteral("ColorPopup"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  Relayout();
}

TPopupLayout TColorPopup::Layout(int spacing, bool hasDefault, bool hasCustom, bool systemColors, bool combShown,
                                 int textHeight, int textWidth) {
  TPopupLayout l;
  const int e = Edge;
  const int s = std::max(spacing, 0);
  l.edge = e;
  l.spacing = s;
  int width = 2 * e + Columns * CellSide + 2 * s;
  const int textCell = textHeight + 4 * e + 2;
  if (hasDefault || hasCustom) width = std::max(width, textWidth + 2 * e);
  const int textWide = width - 2 * e - 2 * s;
  int height = 5 * CellSide + 4 * e;
  l.gridTop = 2 * e;
  if (hasDefault) {
    l.defaultCell = QRect(e + s, 2 * e, textWide, textCell);
    l.gridTop = l.defaultCell.top() + l.defaultCell.height();
    height += textCell + 2 * e;
  }
  if (systemColors) {
    l.systemTop = l.gridTop + 5 * CellSide + 3 * e;
    height += 4 * CellSide + 2 * e;
  }
  if (hasCustom) {
    l.customCell = QRect(e + s, height, textWide, textCell);
    height += textCell + 2 * e;
    if (combShown) {
      l.comb = QRect(e + s, height - e, CombAreaSide, CombAreaSide);
      l.greyRow = QRect(e + s, l.comb.bottom() + 1 + e, CombAreaSide + 9, GreyRowHeight);
      l.intensityBar = QRect(l.comb.right() + 1, l.comb.top() + BarInset, BarWidth, CombAreaSide - 2 * BarInset);
      height = l.greyRow.bottom() + 1 + 2 * e;
    }
  }
  l.size = QSize(width, height);
  return l;
}

int TColorPopup::KeyTarget(int key, int hot, bool hasDefault, bool hasCustom, bool systemColors) {
  const int last = systemColors ? 64 : 39;
  const int first = 0;
  const int defaultElse = hasDefault ? pcDefault : (hasCustom ? pcCustom : last);    // backwards out of the grid
  const int customElse = hasCustom ? pcCustom : (hasDefault ? pcDefault : first);    // forwards out of the grid
  const bool backwards = key == Qt::Key_Left || key == Qt::Key_Up;
  const bool forwards = key == Qt::Key_Right || key == Qt::Key_Down;
  if (!backwards && !forwards) return hot;
  if (hot == pcNone) return first;
  if (hot == pcDefault) return backwards ? (hasCustom ? pcCustom : last) : first;
  if (hot == pcCustom) return backwards ? last : (hasDefault ? pcDefault : first);
  switch (key) {
    case Qt::Key_Left: return hot == first ? defaultElse : hot - 1;
    case Qt::Key_Right: return hot == last ? customElse : hot + 1;
    case Qt::Key_Up: return hot < Columns ? defaultElse : hot - Columns;
    default: return hot + Columns <= last ? hot + Columns : customElse;
  }
}

QPoint TColorPopup::Placement(const QRect& button, QSize popup, const QRect& screen) {
  QPoint pos(button.left() - 1, button.top() + button.height());
  const int screenBottom = screen.top() + screen.height();
  const int screenRight = screen.left() + screen.width();
  if (pos.y() + popup.height() > screenBottom) {
    pos.ry() = screenBottom - popup.height();
    if (pos.y() < button.top()) pos.ry() = button.top() - popup.height();
  }
  if (pos.x() + popup.width() > screenRight) pos.rx() = std::max(screenRight - popup.width(), screen.left());
  return pos;
}

TColor TColorPopup::CellColor(int cell) {
  if (cell >= 0 && cell < StandardColorCount) return StandardColors()[std::size_t(cell)].color;
  if (cell >= StandardColorCount && cell < StandardColorCount + SystemColorCount)
    return SystemColor(cell - StandardColorCount);
  return clNone;
}

int TColorPopup::CellForColor(TColor color, bool systemColors, bool hasCustom, double intensity, int& combMark) {
  combMark = -1;
  if (color == clNone) return pcNone;
  if (color == clDefault) return pcDefault;
  const bool isSystem = (color & 0xFF000000u) == 0xFF000000u;
  if (systemColors && isSystem) {
    for (int i = 0; i < SystemColorCount; ++i)
      if (SystemColor(i) == color) return StandardColorCount + i;
  }
  const TColor rgb = ColorToRGB(color);
  for (int i = 0; i < StandardColorCount; ++i)
    if (StandardColors()[std::size_t(i)].color == rgb) return i;
  if (systemColors && !isSystem) {
    for (int i = 0; i < SystemColorCount; ++i)
      if (ColorToRGB(SystemColor(i)) == rgb) return StandardColorCount + i;
  }
  if (!hasCustom) return pcNone;
  const auto greys = GreyRowCells();
  for (std::size_t i = 0; i < greys.size(); ++i)
    if (greys[i].color == rgb) {
      combMark = CombCellCount + int(i);
      return pcCustom;
    }
  const auto comb = CombCells(intensity);
  for (std::size_t i = 0; i < comb.size(); ++i)
    if (comb[i].color == rgb) {
      combMark = int(i);
      return pcCustom;
    }
  return pcNone;
}

TPopupLayout TColorPopup::CurrentLayout() const {
  const QFontMetrics metrics(font());
  const int textWidth = std::max(metrics.horizontalAdvance(button_.DefaultText()),
                                 metrics.horizontalAdvance(button_.CustomText()));
  return Layout(button_.PopupSpacing(), !button_.DefaultText().isEmpty(), !button_.CustomText().isEmpty(),
                button_.ShowSystemColors(), selected_ == pcCustom, metrics.height(), textWidth);
}

QRect TColorPopup::CellRect(int cell) const {
  const TPopupLayout l = CurrentLayout();
  if (cell == pcDefault) return l.defaultCell;
  if (cell == pcCustom) return l.customCell;
  if (cell < 0 || cell > LastCell()) return {};
  const int left = l.edge + l.spacing;
  if (cell < StandardColorCount)
    return {left + (cell % Columns) * CellSide, l.gridTop + (cell / Columns) * CellSide, CellSide, CellSide};
  const int i = cell - StandardColorCount;
  return {left + (i % Columns) * CellSide, l.systemTop + (i / Columns) * CellSide, CellSide, CellSide};
}

int TColorPopup::LastCell() const { return button_.ShowSystemColors() ? 64 : 39; }

int TColorPopup::CellAt(QPoint pos) const {
  for (int cell = 0; cell <= LastCell(); ++cell)
    if (CellRect(cell).contains(pos)) return cell;
  for (const int cell : {pcDefault, pcCustom})
    if (CellRect(cell).contains(pos)) return cell;
  return pcNone;
}

int TColorPopup::CombCellAt(QPoint pos) const {
  const TPopupLayout l = CurrentLayout();
  if (l.comb.isEmpty()) return -1;
  const auto hit = [&](const TCombCell& cell, QPoint origin) {
    return std::hypot(pos.x() - (origin.x() + cell.x), pos.y() - (origin.y() + cell.y)) <= cell.size / 2.0;
  };
  for (std::size_t i = 0; i < comb_.size(); ++i)
    if (hit(comb_[i], l.comb.topLeft())) return int(i);
  const auto greys = GreyRowCells();
  for (std::size_t i = 0; i < greys.size(); ++i)
    if (hit(greys[i], l.greyRow.topLeft())) return CombCellCount + int(i);
  return -1;
}

TColor TColorPopup::CombColor(int mark) const {
  if (mark >= 0 && mark < CombCellCount) return comb_[std::size_t(mark)].color;
  if (mark >= CombCellCount && mark < CombCellCount + GreyRowCount)
    return GreyRowCells()[std::size_t(mark - CombCellCount)].color;
  return clNone;
}

QString TColorPopup::HintAt(QPoint pos) const {
  const TPopupLayout l = CurrentLayout();
  const int cell = CellAt(pos);
  if (cell >= 0 && cell < StandardColorCount) return QString::fromUtf8(StandardColors()[std::size_t(cell)].name.data());
  if (cell >= StandardColorCount)
    return QString::fromUtf8(SystemColorHints()[std::size_t(cell - StandardColorCount)].data());
  if (cell == pcDefault || cell == pcCustom) return button_.CellHint(cell);
  if (!l.intensityBar.isEmpty() && l.intensityBar.adjusted(0, 0, BarWidth, 0).contains(pos))
    return QStringLiteral("Intensity: %1%").arg(std::lround(intensity_ * 100));
  const int mark = CombCellAt(pos);
  if (mark >= 0) {
    const TRGBValues rgb = ColorToRGBValues(CombColor(mark));
    return QStringLiteral("red: %1, green: %2, blue: %3").arg(rgb.R).arg(rgb.G).arg(rgb.B);
  }
  return button_.CellHint(pcNone);
}

void TColorPopup::SelectColor(TColor color) {
  int mark = -1;
  selected_ = CellForColor(color, button_.ShowSystemColors(), !button_.CustomText().isEmpty(), intensity_, mark);
  combMark_ = mark;
  Relayout();
}

void TColorPopup::Relayout() {
  if (button_.CustomText().isEmpty() && selected_ == pcCustom) selected_ = pcNone;
  const QSize size = CurrentLayout().size;
  if (this->size() != size) setFixedSize(size);
  update();
}

void TColorPopup::DropCustomSelection() {
  if (selected_ == pcCustom) selected_ = pcNone;
  combMark_ = -1;
  Relayout();
}

void TColorPopup::SetHot(int cell) {
  if (cell == hot_) return;
  hot_ = cell;
  update();
}

void TColorPopup::Choose(int cell) {
  if (cell >= 0)
    button_.SetSelectionColor(CellColor(cell));
  else if (cell == pcCustom) {
    if (combMark_ >= 0) button_.SetSelectionColor(CombColor(combMark_));
  } else {
    emit button_.OnDefaultSelect();
  }
  button_.SetDroppedDown(false);
}

void TColorPopup::SelectCustom() {
  selected_ = pcCustom;
  Relayout();
}

void TColorPopup::TrackComb(QPoint pos) {
  const TPopupLayout l = CurrentLayout();
  const int mark = CombCellAt(pos);
  const bool inAreas = l.comb.contains(pos) || l.greyRow.contains(pos) ||
                       l.intensityBar.adjusted(0, 0, BarWidth, 0).contains(pos);
  if (mark >= 0 || !inAreas) combMark_ = mark;
  update();
}

void TColorPopup::SetIntensityAt(int y) {
  const QRect bar = CurrentLayout().intensityBar;
  intensity_ = IntensityAt(y - bar.top(), bar.height());
  comb_ = CombCells(intensity_);
  update();
}

void TColorPopup::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (press_ == TPress::Comb && event->buttons().testFlag(Qt::LeftButton))
    TrackComb(pos);
  else if (press_ == TPress::Intensity && event->buttons().testFlag(Qt::LeftButton))
    SetIntensityAt(pos.y());
  else
    SetHot(CellAt(pos));
}

void TColorPopup::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!rect().contains(pos)) {
    button_.SetDroppedDown(false);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const TPopupLayout l = CurrentLayout();
  if (l.intensityBar.adjusted(0, 0, BarWidth, 0).contains(pos)) {
    press_ = TPress::Intensity;
    SetIntensityAt(pos.y());
  } else if (l.comb.contains(pos) || l.greyRow.contains(pos)) {
    press_ = TPress::Comb;
    TrackComb(pos);
  } else {
    press_ = TPress::None;
  }
}

void TColorPopup::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const TPress press = press_;
  press_ = TPress::None;
  if (press == TPress::Intensity) return;
  if (press == TPress::Comb) {
    if (combMark_ >= 0) {
      button_.SetSelectionColor(CombColor(combMark_));
      button_.SetDroppedDown(false);
    }
    return;
  }
  const int cell = CellAt(event->position().toPoint());
  if (cell == pcCustom)
    SelectCustom();
  else if (cell != pcNone)
    Choose(cell);
}

void TColorPopup::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((event->modifiers() & Qt::AltModifier) && key != Qt::Key_Alt) {
    const QKeySequence pressed(key | Qt::AltModifier);
    if (!button_.DefaultText().isEmpty() && QKeySequence::mnemonic(button_.DefaultText()) == pressed) {
      Choose(pcDefault);
      return;
    }
    if (!button_.CustomText().isEmpty() && QKeySequence::mnemonic(button_.CustomText()) == pressed) {
      SelectCustom();
      return;
    }
  }
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      SetHot(KeyTarget(key, hot_, !button_.DefaultText().isEmpty(), !button_.CustomText().isEmpty(),
                       button_.ShowSystemColors()));
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      Choose(hot_);
      return;
    case Qt::Key_Escape:
      button_.SetDroppedDown(false);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void TColorPopup::hideEvent(QHideEvent* event) {
  press_ = TPress::None;
  hot_ = pcNone;
  button_.PopupClosed();
  QWidget::hideEvent(event);
}

bool TColorPopup::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = button_.ShowHint() ? HintAt(help->pos()) : QString();
    const bool comb = CombCellAt(help->pos()) >= 0;
    if (hint.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), hint, this, QRect(), comb ? 5000 : -1);
    return true;
  }
  return QWidget::event(event);
}

void TColorPopup::PaintCell(QPainter& painter, const QRect& r, int cell) const {
  const bool selected = cell == selected_;
  const bool hot = cell == hot_;
  painter.fillRect(r, selected && !hot ? Highlight(*this) : Face(*this));
  const QRect bevel = r.adjusted(0, 0, -1, -1);
  if (selected)
    Bevel(painter, bevel, Shadow(*this), Highlight(*this));
  else if (hot)
    Bevel(painter, bevel, Highlight(*this), Shadow(*this));
  const int inset = Edge + 1;
  const QRect inner = r.adjusted(inset, inset, -inset, -inset);
  if (cell >= 0) {
    painter.fillRect(inner, ToQColor(ColorToRGB(CellColor(cell))));
    painter.setPen(QColor(128, 128, 128));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
    return;
  }
  painter.setPen(Shadow(*this));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(inner.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::ButtonText));
  const QString text = cell == pcDefault ? button_.DefaultText() : button_.CustomText();
  painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
  if (cell == pcCustom) {
    const int side = CellSide - 2 * (Edge + 1);
    const QRect preview(r.right() - inset - side, r.center().y() - side / 2, side, side);
    if (combMark_ >= 0) {
      painter.fillRect(preview, ToQColor(CombColor(combMark_)));
      painter.setPen(QColor(128, 128, 128));
    } else {
      painter.setPen(Shadow(*this));
    }
    painter.drawRect(preview.adjusted(0, 0, -1, -1));
  }
}

void TColorPopup::PaintComb(QPainter& painter) const {
  const TPopupLayout l = CurrentLayout();
  if (l.comb.isEmpty()) return;
  painter.setPen(Qt::NoPen);
  for (const TCombCell& cell : comb_) {
    painter.setBrush(ToQColor(cell.color));
    painter.drawPolygon(Hexagon(QPointF(l.comb.topLeft()) + QPointF(cell.x, cell.y), cell.size));
  }
  for (const TCombCell& cell : GreyRowCells()) {
    painter.setBrush(ToQColor(cell.color));
    painter.drawPolygon(Hexagon(QPointF(l.greyRow.topLeft()) + QPointF(cell.x, cell.y), cell.size));
  }
  const QRect bar = l.intensityBar;
  for (int y = 0; y < bar.height(); ++y) {
    const int grey = IntensityBarGrey(y, bar.height());
    painter.fillRect(QRect(bar.left(), bar.top() + y, bar.width(), 1), QColor(grey, grey, grey));
  }
  const int markerY = bar.top() + IntensityMarkerRow(intensity_, bar.height());
  painter.setBrush(Qt::black);
  painter.drawPolygon(QPolygon({QPoint(bar.right() + 2, markerY), QPoint(bar.right() + 8, markerY - 4),
                                QPoint(bar.right() + 8, markerY + 4)}));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(Qt::red);
  for (const QRect& area : {l.comb, l.greyRow, bar}) painter.drawRect(area.adjusted(0, 0, -1, -1));
  if (combMark_ >= 0) {
    const bool grey = combMark_ >= CombCellCount;
    const TCombCell cell = grey ? GreyRowCells()[std::size_t(combMark_ - CombCellCount)] : comb_[std::size_t(combMark_)];
    const QPoint origin = grey ? l.greyRow.topLeft() : l.comb.topLeft();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawPolygon(Hexagon(QPointF(origin) + QPointF(cell.x, cell.y), cell.size));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
}

void TColorPopup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Face(*this));
  const TPopupLayout l = CurrentLayout();
  if (!l.defaultCell.isEmpty()) PaintCell(painter, l.defaultCell, pcDefault);
  for (int cell = 0; cell <= LastCell(); ++cell) PaintCell(painter, CellRect(cell), cell);
  const auto etched = [&](int y) {
    painter.setPen(Shadow(*this));
    painter.drawLine(l.edge + l.spacing, y, width() - l.edge - l.spacing - 1, y);
    painter.setPen(Highlight(*this));
    painter.drawLine(l.edge + l.spacing, y + 1, width() - l.edge - l.spacing - 1, y + 1);
  };
  if (button_.ShowSystemColors()) etched(l.systemTop - 2 * l.edge);
  if (!l.customCell.isEmpty()) {
    etched(l.customCell.top() - l.edge - 1);
    PaintCell(painter, l.customCell, pcCustom);
  }
  PaintComb(painter);
  const QRect outer = rect().adjusted(0, 0, -1, -1);
  Bevel(painter, outer, Highlight(*this), palette().color(QPalette::Shadow));
  Bevel(painter, outer.adjusted(1, 1, -1, -1), palette().color(QPalette::Midlight), Shadow(*this));
}

}  // namespace tintorium
