#include "ui/tools/ContrastMatrixView.h"

#include "core/Contrast.h"
#include "engine/language/LanguageLocale.h"
#include "engine/language/Messages.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace tintorium {
namespace {

QString HexOf(TColor color) {
  return QStringLiteral("#%1%2%3")
      .arg(RedOf(color), 2, 16, QLatin1Char('0'))
      .arg(GreenOf(color), 2, 16, QLatin1Char('0'))
      .arg(BlueOf(color), 2, 16, QLatin1Char('0'))
      .toUpper();
}

// Black or white, whichever reads better on `back` by the WCAG 2 ratio.
QColor FigureColor(TColor back) {
  const double luminance = RelativeLuminance(back);
  return ContrastRatio(luminance, 0.0) >= ContrastRatio(luminance, 1.0) ? Qt::black : Qt::white;
}

}  // namespace

QString ContrastBadgeText(double ratio, const TContrastBadgeTexts& badges) {
  if (ratio >= SmallTextAAA) return QStringLiteral("AAA");
  if (ratio >= SmallTextAA) return QStringLiteral("AA");
  if (ratio >= LargeTextAA) return badges.Large;
  return badges.Fail;
}

std::pair<QString, QString> ContrastCellTexts(const TContrastCell& cell, const TContrastBadgeTexts& badges) {
  return {LocaleNumber(ShownContrastRatio(cell.Ratio), 2) + u' ' + ContrastBadgeText(cell.Ratio, badges),
          QStringLiteral("Lc ") + LocaleNumber(cell.Lc, 1)};
}

void PaintContrastCell(QPainter& painter, const QRect& rect, TColor text, TColor back, const TContrastCell& cell,
                       const TContrastBadgeTexts& badges) {
  painter.fillRect(rect, ToQColor(back));
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height();
  QRect inner = rect.adjusted(4, 3, -4, -3);
  QFont glyphFont = painter.font();
  glyphFont.setBold(true);
  glyphFont.setPixelSize(std::max(8, line * 3 / 2 - 2));
  painter.save();
  painter.setFont(glyphFont);
  painter.setPen(ToQColor(text));
  const int glyphHeight = line * 3 / 2;
  painter.drawText(QRect(inner.left(), inner.top(), inner.width(), glyphHeight), Qt::AlignCenter, QStringLiteral("Aa"));
  painter.restore();
  painter.setPen(FigureColor(back));
  const auto [ratio, lc] = ContrastCellTexts(cell, badges);
  painter.drawText(QRect(inner.left(), inner.top() + glyphHeight, inner.width(), line), Qt::AlignCenter, ratio);
  painter.drawText(QRect(inner.left(), inner.top() + glyphHeight + line, inner.width(), line), Qt::AlignCenter, lc);
}

TContrastMatrixView::TContrastMatrixView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("grdMatrix"));
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  Relayout();
}

void TContrastMatrixView::SetTable(TContrastTable table) {
  table_ = std::move(table);
  hover_.reset();
  Relayout();
}

void TContrastMatrixView::SetFilter(const std::optional<TContrastTarget>& filter) {
  if (table_.Filter == filter) return;
  table_.Filter = filter;
  DropCache();
}

void TContrastMatrixView::SetBadgeTexts(const TContrastBadgeTexts& badges) {
  badges_ = badges;
  Relayout();
}

QPoint TContrastMatrixView::Offset() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

QPoint TContrastMatrixView::CellCenter(TContrastGridCell cell) {
  QRect rect = ContrastCellRect(layout_, cell, Offset());
  const QRect cells(layout_.RowHeader, layout_.ColumnHeader, viewport()->width() - layout_.RowHeader,
                    viewport()->height() - layout_.ColumnHeader);
  if (!cells.contains(rect)) {
    horizontalScrollBar()->setValue(cell.Column * layout_.Cell.width());
    verticalScrollBar()->setValue(cell.Row * layout_.Cell.height());
    rect = ContrastCellRect(layout_, cell, Offset());
  }
  return rect.center();
}

void TContrastMatrixView::Relayout() {
  layout_ = ContrastGridLayoutFor(fontMetrics(), static_cast<int>(table_.Matrix.Size()));
  // The badges of the language in use may be wider than the English ones the layout measures.
  for (const QString& badge : {badges_.Large, badges_.Fail})
    layout_.Cell.setWidth(std::max(layout_.Cell.width(), fontMetrics().horizontalAdvance(QStringLiteral("21.00 ") + badge) + 12));
  const QSize whole = ContrastGridSize(layout_);
  const QSize shown = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, whole.width() - shown.width()));
  verticalScrollBar()->setRange(0, std::max(0, whole.height() - shown.height()));
  horizontalScrollBar()->setPageStep(std::max(1, shown.width() - layout_.RowHeader));
  verticalScrollBar()->setPageStep(std::max(1, shown.height() - layout_.ColumnHeader));
  horizontalScrollBar()->setSingleStep(layout_.Cell.width() / 2);
  verticalScrollBar()->setSingleStep(layout_.Cell.height() / 2);
  DropCache();
}

void TContrastMatrixView::DropCache() {
  cache_ = QImage();
  viewport()->update();
}

const QImage& TContrastMatrixView::Rendering() {
  const QSize size = viewport()->size().expandedTo(QSize(1, 1));
  const qreal ratio = ImageRatio(*viewport());
  if (cache_.isNull() || cache_.devicePixelRatio() != ratio || cache_.size() != DeviceSize(size, ratio)) Render();
  return cache_;
}

void TContrastMatrixView::Render() {
  const QSize size = viewport()->size().expandedTo(QSize(1, 1));
  cache_ = DeviceImage(size, ImageRatio(*viewport()));
  cache_.fill(palette().color(QPalette::Base));
  QPainter painter(&cache_);
  painter.setFont(font());
  const QPoint offset = Offset();
  const TContrastGridSpan span = VisibleContrastCells(layout_, size, offset);
  painter.setClipRect(QRect(layout_.RowHeader, layout_.ColumnHeader, size.width(), size.height()));
  cellsPainted_ = 0;
  const QColor grid = palette().color(QPalette::Mid);
  for (int row = span.FirstRow; row <= span.LastRow; ++row) {
    for (int column = span.FirstColumn; column <= span.LastColumn; ++column) {
      const QRect rect = ContrastCellRect(layout_, {row, column}, offset);
      const auto r = static_cast<std::size_t>(row);
      const auto c = static_cast<std::size_t>(column);
      if (table_.Listed(r, c))
        PaintContrastCell(painter, rect, table_.Matrix.Seen[r], table_.Matrix.Seen[c], table_.Matrix.Cell(r, c), badges_);
      painter.setPen(grid);
      painter.drawRect(rect.adjusted(0, 0, -1, -1));
      ++cellsPainted_;
    }
  }
  painter.setClipping(false);
  PaintHeaders(painter, span);
}

void TContrastMatrixView::PaintHeaders(QPainter& painter, const TContrastGridSpan& span) {
  const QPoint offset = Offset();
  const QPalette& colors = palette();
  const QSize size = cache_.deviceIndependentSize().toSize();
  painter.fillRect(QRect(0, 0, size.width(), layout_.ColumnHeader), colors.color(QPalette::Window));
  painter.fillRect(QRect(0, 0, layout_.RowHeader, size.height()), colors.color(QPalette::Window));
  const QFontMetrics metrics = painter.fontMetrics();
  const int chip = metrics.height();
  auto name = [this](int i) {
    const QString& text = table_.Colors[static_cast<std::size_t>(i)].Name;
    return text.isEmpty() ? HexOf(table_.Colors[static_cast<std::size_t>(i)].Color) : text;
  };
  painter.setClipRect(QRect(0, layout_.ColumnHeader, layout_.RowHeader, size.height()));
  for (int row = span.FirstRow; row <= span.LastRow; ++row) {
    const QRect rect = ContrastRowHeaderRect(layout_, row, offset);
    const QRect swatch(rect.left() + 4, rect.center().y() - chip / 2, chip, chip);
    painter.fillRect(swatch, ToQColor(table_.Matrix.Seen[static_cast<std::size_t>(row)]));
    painter.setPen(colors.color(QPalette::Mid));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    painter.setPen(colors.color(QPalette::WindowText));
    const QRect label = rect.adjusted(chip + 10, 0, -4, 0);
    painter.drawText(label, Qt::AlignVCenter | Qt::AlignLeft, metrics.elidedText(name(row), Qt::ElideRight, label.width()));
  }
  painter.setClipRect(QRect(layout_.RowHeader, 0, size.width(), layout_.ColumnHeader));
  for (int column = span.FirstColumn; column <= span.LastColumn; ++column) {
    const QRect rect = ContrastColumnHeaderRect(layout_, column, offset);
    const QRect swatch(rect.left() + 2, rect.bottom() - 7, rect.width() - 4, 6);
    painter.fillRect(swatch, ToQColor(table_.Matrix.Seen[static_cast<std::size_t>(column)]));
    painter.setPen(colors.color(QPalette::WindowText));
    const QRect label = rect.adjusted(3, 2, -3, -10);
    painter.drawText(label, Qt::AlignCenter, metrics.elidedText(name(column), Qt::ElideRight, label.width()));
  }
  painter.setClipping(false);
}

void TContrastMatrixView::paintEvent(QPaintEvent*) {
  const QImage& image = Rendering();
  QPainter painter(viewport());
  painter.drawImage(0, 0, image);
  if (hover_) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(ContrastCellRect(layout_, *hover_, Offset()).adjusted(1, 1, -1, -1));
  }
}

void TContrastMatrixView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Relayout();
}

void TContrastMatrixView::scrollContentsBy(int, int) { DropCache(); }

void TContrastMatrixView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) Relayout();
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) DropCache();
}

std::optional<TContrastGridCell> TContrastMatrixView::ListedCellAt(QPoint point) const {
  const std::optional<TContrastGridCell> cell = ContrastCellAt(layout_, point, Offset());
  if (!cell || !table_.Listed(static_cast<std::size_t>(cell->Row), static_cast<std::size_t>(cell->Column)))
    return std::nullopt;
  return cell;
}

QString TContrastMatrixView::PairText(TContrastGridCell cell) const {
  const auto r = static_cast<std::size_t>(cell.Row);
  const auto c = static_cast<std::size_t>(cell.Column);
  if (r >= table_.Colors.size() || c >= table_.Colors.size()) return {};
  auto named = [](const TContrastTableColor& color) {
    return color.Name.isEmpty() ? HexOf(color.Color) : QStringLiteral("%1 (%2)").arg(color.Name, HexOf(color.Color));
  };
  const TContrastCell& figures = table_.Matrix.Cell(r, c);
  return FormatMessage(sMatrixTipPair, {named(table_.Colors[r]), named(table_.Colors[c])}) + u'\n' +
         FormatMessage(sMatrixTipRatio, {LocaleNumber(ShownContrastRatio(figures.Ratio), 2),
                                         ContrastBadgeText(figures.Ratio, badges_)}) +
         u'\n' + FormatMessage(sApcaContrast, {LocaleNumber(figures.Lc, 1), Message(static_cast<TMessageKey>(sApcaLevel0 + static_cast<int>(ApcaLevelOf(figures.Lc))))});
}

bool TContrastMatrixView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      auto* help = static_cast<QHelpEvent*>(event);
      if (const auto cell = ListedCellAt(help->pos()))
        QToolTip::showText(help->globalPos(), PairText(*cell), viewport(), ContrastCellRect(layout_, *cell, Offset()));
      else
        QToolTip::hideText();
      return true;
    }
    case QEvent::Leave:
      if (hover_) {
        hover_.reset();
        viewport()->update();
      }
      break;
    default: break;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void TContrastMatrixView::mousePressEvent(QMouseEvent* event) {
  pressCell_.reset();
  if (event->button() == Qt::LeftButton) {
    pressPoint_ = event->position().toPoint();
    pressCell_ = ListedCellAt(pressPoint_);
  }
  QAbstractScrollArea::mousePressEvent(event);
}

void TContrastMatrixView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const std::optional<TContrastGridCell> cell = ListedCellAt(point);
  if (cell != hover_) {
    hover_ = cell;
    viewport()->update();
  }
  if (pressCell_ && (event->buttons() & Qt::LeftButton) &&
      (point - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
    dragColor_ = table_.Colors[static_cast<std::size_t>(pressCell_->Row)].Color;
    pressCell_.reset();
    ColorDrag::ExecDrag(this, ColorDragOffer());
    dragColor_ = clNone;
  }
}

void TContrastMatrixView::mouseReleaseEvent(QMouseEvent* event) {
  pressCell_.reset();
  QAbstractScrollArea::mouseReleaseEvent(event);
}

void TContrastMatrixView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (const auto cell = ListedCellAt(event->position().toPoint())) emit PairActivated(cell->Row, cell->Column);
}

void TContrastMatrixView::contextMenuEvent(QContextMenuEvent* event) {
  if (const auto cell = ListedCellAt(event->pos())) emit PairMenuRequested(cell->Row, cell->Column, event->globalPos());
}

TColorDragOffer TContrastMatrixView::ColorDragOffer() const {
  TColorDragOffer offer;
  offer.kind = TColorDragKind::Swatch;
  offer.color = dragColor_;
  return offer;
}

QSize TContrastMatrixView::sizeHint() const {
  const int shown = std::clamp(layout_.Count, 4, 8);
  const QSize grid(layout_.RowHeader + shown * layout_.Cell.width(), layout_.ColumnHeader + shown * layout_.Cell.height());
  return grid + QSize(2 * frameWidth() + 20, 2 * frameWidth() + 20);
}

}  // namespace tintorium
