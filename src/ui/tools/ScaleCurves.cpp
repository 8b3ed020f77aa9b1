#include "ui/tools/ScaleCurves.h"

#include "engine/language/LanguageLocale.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tintorium {
namespace {

constexpr double PointRadius = 3.5;
constexpr double AimRadius = 5.5;
// Below this chroma a hue means nothing; such steps leave a gap in the hue curve.
constexpr double HuelessChroma = 0.004;

const char* PlotLetter(TScalePlot plot) {
  switch (plot) {
    case TScalePlot::Lightness: return "L";
    case TScalePlot::Chroma: return "C";
    case TScalePlot::Hue: return "h";
  }
  return "";
}

}  // namespace

TScaleCurves::TScaleCurves(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ScaleCurves"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TScaleCurves::SetScale(std::vector<TScaleSwatch> swatches, std::vector<double> aims) {
  swatches_ = std::move(swatches);
  aims_ = std::move(aims);
  if (aims_.size() != swatches_.size()) aims_.clear();
  imageDirty_ = true;
  update();
}

QSize TScaleCurves::sizeHint() const { return {400, fontMetrics().height() * 18}; }
QSize TScaleCurves::minimumSizeHint() const { return {64, fontMetrics().height() * 9}; }

QPointF TScaleCurves::AimPoint(int index) const {
  if (index < 0 || index >= int(aims_.size())) return {};
  return ScaleCurvePoint(width(), PlotRect(TScalePlot::Lightness), TScalePlot::Lightness, int(aims_.size()), index,
                         aims_[std::size_t(index)]);
}

std::vector<double> TScaleCurves::Values(TScalePlot plot) const {
  std::vector<double> values;
  values.reserve(swatches_.size());
  for (const TScaleSwatch& s : swatches_)
    values.push_back(plot == TScalePlot::Lightness ? s.Lch.L : plot == TScalePlot::Chroma ? s.Lch.C : s.Lch.h);
  return values;
}

void TScaleCurves::EnsureImage() {
  const QSize size = this->size().expandedTo(QSize(1, 1));
  const qreal ratio = ImageRatio(*this);
  const bool fits = image_.devicePixelRatio() == ratio && image_.size() == DeviceSize(size, ratio);
  if (!imageDirty_ && fits) return;
  if (!fits) image_ = DeviceImage(size, ratio);
  Draw(image_);
  imageDirty_ = false;
}

void TScaleCurves::Draw(QImage& image) const {
  image.fill(palette().color(QPalette::Base));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font());
  for (int p = 0; p < ScalePlotCount; ++p) DrawPlot(painter, static_cast<TScalePlot>(p));
}

void TScaleCurves::DrawPlot(QPainter& painter, TScalePlot plot) const {
  const QRect frame = PlotRect(plot);
  if (frame.isEmpty()) return;
  const QColor text = palette().color(QPalette::Text);
  QColor grid = text;
  grid.setAlphaF(0.18f);
  painter.setPen(QPen(grid, 1));
  painter.setBrush(Qt::NoBrush);  // the plot above may have left a swatch's colour as the brush
  painter.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
  painter.drawLine(QPointF(frame.left(), frame.center().y() + 0.5), QPointF(frame.right(), frame.center().y() + 0.5));
  QColor label = text;
  label.setAlphaF(0.6f);
  painter.setPen(label);
  const QString max = plot == TScalePlot::Hue ? QStringLiteral("360") : LanguageLocale().toString(ScalePlotMax(plot));
  painter.drawText(frame.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("%1  0-%2").arg(QLatin1String(PlotLetter(plot)), max));
  const std::vector<double> values = Values(plot);
  const int count = int(values.size());
  if (count == 0) return;
  QPainterPath path;
  bool open = false;
  for (int i = 0; i < count; ++i) {
    const bool hueless = plot == TScalePlot::Hue && swatches_[std::size_t(i)].Lch.C < HuelessChroma;
    if (hueless) {
      open = false;
      continue;
    }
    const QPointF point = ScaleCurvePoint(width(), frame, plot, count, i, values[std::size_t(i)]);
    if (open) path.lineTo(point);
    else path.moveTo(point);
    open = true;
  }
  painter.setPen(QPen(text, 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  for (int i = 0; i < count; ++i) {
    if (plot == TScalePlot::Hue && swatches_[std::size_t(i)].Lch.C < HuelessChroma) continue;
    const QPointF point = ScaleCurvePoint(width(), frame, plot, count, i, values[std::size_t(i)]);
    painter.setPen(QPen(text, 1));
    painter.setBrush(ToQColor(swatches_[std::size_t(i)].Color));
    painter.drawEllipse(point, PointRadius, PointRadius);
  }
  if (plot != TScalePlot::Lightness) return;
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  for (int i = 0; i < int(aims_.size()); ++i) painter.drawEllipse(AimPoint(i), AimRadius, AimRadius);
}

void TScaleCurves::paintEvent(QPaintEvent*) {
  EnsureImage();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
  if (dragged_ >= 0 && dragged_ < int(aims_.size())) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(AimPoint(dragged_), AimRadius, AimRadius);
  }
}

void TScaleCurves::resizeEvent(QResizeEvent* event) {
  imageDirty_ = true;
  QWidget::resizeEvent(event);
}

void TScaleCurves::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange ||
      event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) {
    imageDirty_ = true;
    update();
  }
  QWidget::changeEvent(event);
}

void TScaleCurves::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragged_ = ScaleCurvePointAt(width(), PlotRect(TScalePlot::Lightness), TScalePlot::Lightness, aims_,
                               event->position());
  if (dragged_ >= 0) update();
  event->accept();
}

void TScaleCurves::mouseMoveEvent(QMouseEvent* event) {
  if (dragged_ < 0 || !(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  const double lightness = ScalePlotValueAt(PlotRect(TScalePlot::Lightness), TScalePlot::Lightness, event->position().y());
  emit AimDragged(dragged_, lightness);
}

void TScaleCurves::mouseReleaseEvent(QMouseEvent* event) {
  if (dragged_ < 0) return QWidget::mouseReleaseEvent(event);
  dragged_ = -1;
  update();
  emit AimDragFinished();
}

}  // namespace tintorium
