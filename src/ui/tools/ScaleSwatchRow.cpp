#include "ui/tools/ScaleSwatchRow.h"

#include "engine/language/LanguageLocale.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"
#include "ui/tools/ScaleGeometry.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

constexpr int Padding = 3;

}  // namespace

std::pair<QString, QString> ScaleSwatchFigures(const TScaleSwatch& swatch) {
  const auto line = [](const char16_t* mark, double ratio, double lc) {
    return QStringLiteral("%1 %2 \u00B7 %3").arg(QString::fromUtf16(mark), LocaleNumber(ratio, 2), LocaleNumber(lc, 0));
  };
  return {line(u"\u25A1", swatch.WhiteRatio, swatch.WhiteTextLc), line(u"\u25A0", swatch.BlackRatio, swatch.BlackTextLc)};
}

TScaleTextBadge ScaleTextBadgeOf(const TScaleSwatch& swatch) {
  const bool white = swatch.WhiteRatio > swatch.BlackRatio;
  const double ratio = white ? swatch.WhiteRatio : swatch.BlackRatio;
  const char* level = ratio >= 7 ? "AAA" : ratio >= 4.5 ? "AA" : ratio >= 3 ? "AA18" : "";
  return {white ? clWhite : clBlack, level};
}

TScaleSwatchRow::TScaleSwatchRow(QWidget* parent) : TCommonColorControl(parent) {
  setObjectName(QStringLiteral("ScaleSwatchRow"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TScaleSwatchRow::SetScale(std::vector<TScaleSwatch> swatches, std::vector<bool> marked) {
  swatches_ = std::move(swatches);
  marked_ = std::move(marked);
  imageDirty_ = true;
  update();
}

bool TScaleSwatchRow::IsMarked(int index) const {
  return index >= 0 && index < int(marked_.size()) && marked_[std::size_t(index)];
}

int TScaleSwatchRow::BlockHeight() const { return fontMetrics().height() * 3; }

QSize TScaleSwatchRow::sizeHint() const {
  const QFontMetrics metrics = fontMetrics();
  const int column = metrics.horizontalAdvance(QStringLiteral("#DDDDDD")) + 2 * Padding + 2;
  const int count = std::max<int>(int(swatches_.size()), 11);
  return {column * count, BlockHeight() + TextLines() * metrics.lineSpacing() + 2 * Padding};
}

QSize TScaleSwatchRow::minimumSizeHint() const { return {64, sizeHint().height()}; }

bool TScaleSwatchRow::IsOwnColor(TColor color) const {
  for (const TScaleSwatch& swatch : swatches_)
    if (swatch.Color == color) return true;
  return false;
}

TColorDragOffer TScaleSwatchRow::ColorDragOffer() const {
  return {TColorDragKind::Shape, dropColor_, cmRGB, std::nullopt};
}

void TScaleSwatchRow::EnsureImage() const {
  const QSize size = this->size().expandedTo(QSize(1, 1));
  const qreal ratio = ImageRatio(*this);
  const bool fits = image_.devicePixelRatio() == ratio && image_.size() == DeviceSize(size, ratio);
  if (!imageDirty_ && fits) return;
  if (!fits) image_ = DeviceImage(size, ratio);
  Draw(image_);
  imageDirty_ = false;
}

void TScaleSwatchRow::Draw(QImage& image) const {
  image.fill(palette().color(QPalette::Window));
  QPainter painter(&image);
  painter.setFont(font());
  const QSize size = image.deviceIndependentSize().toSize();
  const int count = int(swatches_.size());
  const QFont figures = FigureFont(count > 0 ? ScaleSwatchRect(size, count, 0).width() : 0);
  for (int i = 0; i < count; ++i) DrawSwatch(painter, ScaleSwatchRect(size, count, i), i, figures);
}

// The figure lines are the longest under a swatch ("17,60 · -95"): on a narrow page they get a smaller font,
// the same for every column, before anything is cut.
QFont TScaleSwatchRow::FigureFont(int columnWidth) const {
  QFont figures = font();
  const QFontMetricsF metrics(figures);
  qreal widest = 0;
  for (const TScaleSwatch& swatch : swatches_) {
    const auto [white, black] = ScaleSwatchFigures(swatch);
    widest = std::max({widest, metrics.horizontalAdvance(white), metrics.horizontalAdvance(black)});
  }
  if (columnWidth <= 0 || widest <= columnWidth - 2) return figures;
  constexpr qreal SmallestPoints = 6.0;
  const qreal points = figures.pointSizeF() > 0 ? figures.pointSizeF() : 9.0;
  figures.setPointSizeF(std::max(SmallestPoints, points * (columnWidth - 2) / widest));
  return figures;
}

void TScaleSwatchRow::DrawSwatch(QPainter& painter, QRect rect, int index, const QFont& figures) const {
  if (rect.isEmpty()) return;
  const TScaleSwatch& swatch = swatches_[std::size_t(index)];
  const QFontMetrics metrics = painter.fontMetrics();
  const QRect block(rect.left(), rect.top(), rect.width(), BlockHeight());
  painter.fillRect(block, ToQColor(swatch.Color));
  const TScaleTextBadge badge = ScaleTextBadgeOf(swatch);
  const QColor textOn = ToQColor(badge.Text);
  painter.setPen(textOn);
  const QRect inner = block.adjusted(Padding, Padding, -Padding, -Padding);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Aa"));
  if (*badge.Level != '\0') {
    QFont small = painter.font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.8));
    small.setBold(true);
    painter.save();
    painter.setFont(small);
    painter.drawText(inner, Qt::AlignRight | Qt::AlignBottom, QString::fromLatin1(badge.Level));
    painter.restore();
  }
  if (swatch.Pin != TStepPin::None) {
    // The pinned colour is the one the user chose: a dot says so.
    const int d = std::max(4, metrics.height() / 3);
    painter.setBrush(textOn);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(inner.right() - d + 1, inner.top(), d, d));
    painter.setBrush(Qt::NoBrush);
  }
  if (IsMarked(index)) {
    painter.save();
    painter.setPen(QPen(textOn, 2, Qt::DashLine));
    painter.drawRect(block.adjusted(1, 1, -2, -2));
    painter.drawText(inner, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("!"));
    painter.restore();
  }
  const QColor text = palette().color(QPalette::WindowText);
  const QColor dim = palette().color(QPalette::Disabled, QPalette::WindowText);
  int y = block.bottom() + 1 + Padding;
  const auto line = [&](const QString& s, const QColor& color, bool bold, const QFont& base) {
    QFont f = base;
    f.setBold(bold);
    painter.save();
    painter.setFont(f);
    painter.setPen(color);
    painter.drawText(QRect(rect.left(), y, rect.width(), metrics.lineSpacing()), Qt::AlignHCenter | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(s, Qt::ElideRight, rect.width()));
    painter.restore();
    y += metrics.lineSpacing();
  };
  const QFont shown = painter.font();
  line(QString::fromStdString(swatch.Name), text, true, shown);
  line(QStringLiteral("#") + QString::asprintf("%02X%02X%02X", unsigned(swatch.Color & 0xFF),
                                               unsigned((swatch.Color >> 8) & 0xFF), unsigned((swatch.Color >> 16) & 0xFF)),
       text, false, shown);
  // White, then black: the WCAG ratio and the APCA Lc of that text colour on the swatch.
  const auto [white, black] = ScaleSwatchFigures(swatch);
  line(white, dim, false, figures);
  line(black, dim, false, figures);
}

QImage TScaleSwatchRow::DisplayImage() const {
  EnsureImage();
  return image_;
}

void TScaleSwatchRow::paintEvent(QPaintEvent*) {
  EnsureImage();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
  if (hasFocus() && pressed_ >= 0) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(ScaleSwatchRect(size(), int(swatches_.size()), pressed_).adjusted(1, 1, -1, -1));
  }
}

void TScaleSwatchRow::resizeEvent(QResizeEvent* event) {
  imageDirty_ = true;
  TCommonColorControl::resizeEvent(event);
}

void TScaleSwatchRow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
      event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) {
    imageDirty_ = true;
    updateGeometry();
    update();
  }
  TCommonColorControl::changeEvent(event);
}

void TScaleSwatchRow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  TrackHover(event->position().toPoint());
  pressed_ = event->button() == Qt::LeftButton
                 ? ScaleSwatchAt(size(), int(swatches_.size()), event->position().toPoint())
                 : -1;
  pressPos_ = event->position().toPoint();
  emit OnMouseDown(event->button(), event->position().toPoint());
}

void TScaleSwatchRow::mouseMoveEvent(QMouseEvent* event) {
  TCommonColorControl::mouseMoveEvent(event);
  if (!(event->buttons() & Qt::LeftButton) || pressed_ < 0) return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
  dropColor_ = swatches_[std::size_t(pressed_)].Color;
  pressed_ = -1;
  ColorDrag::ExecDrag(this, ColorDragOffer());
}

void TScaleSwatchRow::mouseReleaseEvent(QMouseEvent* event) {
  pressed_ = -1;
  TCommonColorControl::mouseReleaseEvent(event);
}

}  // namespace tintorium
