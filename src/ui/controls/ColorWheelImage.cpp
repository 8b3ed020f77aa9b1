#include "ui/controls/ColorWheelImage.h"

#include "core/Rounding.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <cmath>
#include <vector>

namespace tintorium {
namespace {

constexpr long double DegreesPerRadian = 57.295779513L;
const QColor Halo(210, 210, 210);
const QColor InnerDisc(245, 245, 245);
const QColor Arrow(128, 128, 128);

void Circle(QPainter& painter, const TWheelGeometry& g, int radius) {
  painter.drawEllipse(QPoint(g.CX, g.CY), radius, radius);
}

void DrawFrame(QPainter& painter, const TWheelGeometry& g, QColor background) {
  const int R = g.D / 2;
  painter.setBrush(background);
  painter.setPen(QPen(Halo, 6));
  painter.drawEllipse(QRect(g.CX - R - 3, g.CY - R - 3, 2 * R + 6, 2 * R + 6));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 3));
  Circle(painter, g, R);
  painter.setPen(QPen(Halo, 3));
  Circle(painter, g, g.D / 4);
  painter.setPen(QPen(Qt::black, 3));
  Circle(painter, g, g.D / 4 + 3);
  for (int k = 0; k < WheelSegmentCount; ++k) {
    const int angle = 345 - 30 * k;
    painter.drawLine(WheelPoint(g, angle, g.D / 4), WheelPoint(g, angle, R));
  }
}

void FillSegments(QImage& image, const TWheelGeometry& g, const TWheelSegments& segments,
                  TColorHarmonyType harmony) {
  for (int i = 0; i < WheelSegmentCount; ++i) {
    const TColor color = segments[std::size_t(i)];
    const TColor shown = IsHarmonyAngle(harmony, SegmentAngle(i)) ? color : PaleColor(color);
    SurfaceFill(image, WheelPoint(g, SegmentAngle(i), g.D / 3), ToQRgb(shown));
  }
  SurfaceFill(image, QPoint(g.CX, g.CY), InnerDisc.rgb());
}

void DrawMarkers(QPainter& painter, const TWheelGeometry& g, TColorHarmonyType harmony) {
  painter.setPen(QPen(Qt::black, 4));
  painter.setBrush(InnerDisc);
  for (int angle : HarmonyAngles(harmony)) {
    if (angle < 0) break;
    const QPoint point = WheelPoint(g, angle, g.D / 3);
    painter.drawLine(QPoint(g.CX, g.CY), point);
    painter.drawEllipse(point, 9, 9);
  }
  if (harmony != chNone) {
    painter.drawEllipse(QPoint(g.CX, g.CY), 6, 6);
    return;
  }
  // A small grey arrowhead pointing at the base segment.
  painter.setPen(QPen(Arrow, 4));
  painter.setBrush(Arrow);
  const int r = g.D / 5;
  QPoint a = WheelPoint(g, 286, r);
  const QPoint b = WheelPoint(g, 254, r);
  a.rx() -= 1;
  const int n = (a.x() - b.x()) / 4;
  for (int m = 0; m <= n; ++m) painter.drawLine(b.x() + 2 * m, a.y() - m, a.x() - 2 * m, a.y() - m);
  painter.drawPolygon(QPolygon({a, b, QPoint((a.x() + b.x()) / 2, a.y() - 8)}));
}

}  // namespace

TWheelGeometry WheelGeometry(QSize controlSize) {
  TWheelGeometry g;
  g.S = std::max(0, std::min(controlSize.width(), controlSize.height()));
  g.D = 3 * g.S - 50;
  g.CX = 3 * g.S / 2;
  g.CY = 3 * g.S / 2;
  g.display = QRect(controlSize.width() / 2 - g.S / 2, controlSize.height() / 2 - g.S / 2, g.S, g.S);
  return g;
}

QPoint WheelPoint(const TWheelGeometry& g, int angle, int radius) {
  const long double theta = angle / DegreesPerRadian;
  return QPoint(Trunc(g.CX + radius * std::cos(theta)), Trunc(g.CY + radius * std::sin(theta)));
}

QPoint SegmentCentre(const TWheelGeometry& g, int index) {
  return g.display.topLeft() + WheelPoint(g, SegmentAngle(WheelSegmentIndex(index)), g.D / 3) / 3;
}

bool InsideWheel(const TWheelGeometry& g, QPoint point) {
  const double radius = (g.D / 2) / 3.0;
  const double dx = point.x() - (g.display.left() + g.CX / 3.0);
  const double dy = point.y() - (g.display.top() + g.CY / 3.0);
  return g.D > 0 && dx * dx + dy * dy <= radius * radius;
}

void SurfaceFill(QImage& image, QPoint seed, QRgb fill) {
  if (!image.valid(seed)) return;
  const QRgb target = image.pixel(seed);
  fill |= 0xFF000000u;
  if ((target | 0xFF000000u) == fill) return;
  const int width = image.width();
  const int height = image.height();
  std::vector<QPoint> stack{seed};
  while (!stack.empty()) {
    const QPoint p = stack.back();
    stack.pop_back();
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
    if (line[p.x()] != target) continue;
    int left = p.x();
    while (left > 0 && line[left - 1] == target) --left;
    int right = p.x();
    while (right + 1 < width && line[right + 1] == target) ++right;
    for (int x = left; x <= right; ++x) line[x] = fill;
    // One seed per run of the target colour on the lines above and below.
    for (int y : {p.y() - 1, p.y() + 1}) {
      if (y < 0 || y >= height) continue;
      const auto* next = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      bool inRun = false;
      for (int x = left; x <= right; ++x) {
        const bool match = next[x] == target;
        if (match && !inRun) stack.emplace_back(x, y);
        inRun = match;
      }
    }
  }
}

QImage ReduceThreeByThree(const QImage& image) {
  const int side = image.width() / 3;
  QImage reduced(side, image.height() / 3, QImage::Format_RGB32);
  for (int y = 0; y < reduced.height(); ++y) {
    const QRgb* rows[3];
    for (int k = 0; k < 3; ++k) rows[k] = reinterpret_cast<const QRgb*>(image.constScanLine(3 * y + k));
    auto* out = reinterpret_cast<QRgb*>(reduced.scanLine(y));
    for (int x = 0; x < side; ++x) {
      int r = 0, g = 0, b = 0;
      for (const QRgb* row : rows) {
        for (int k = 0; k < 3; ++k) {
          const QRgb p = row[3 * x + k];
          r += qRed(p);
          g += qGreen(p);
          b += qBlue(p);
        }
      }
      out[x] = qRgb(r / 9, g / 9, b / 9);
    }
  }
  return reduced;
}

QImage RenderWheelSupersampled(const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                               QColor background) {
  QImage image(3 * g.S, 3 * g.S, QImage::Format_RGB32);
  image.fill(background);
  if (g.D <= 0) return image;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawFrame(painter, g, background);
  painter.end();
  FillSegments(image, g, segments, harmony);
  painter.begin(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawMarkers(painter, g, harmony);
  return image;
}

QImage RenderWheel(const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                   QColor background) {
  if (g.S <= 0) return {};
  return ReduceThreeByThree(RenderWheelSupersampled(g, segments, harmony, background));
}

}  // namespace tintorium
