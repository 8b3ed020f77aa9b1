#include "ui/controls/ColorWheelImage.h"

#include "core/Rounding.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "ui/controls/ThemeInk.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tintorium {
namespace {

constexpr long double DegreesPerRadian = 57.295779513L;

void Circle(QPainter& painter, const TWheelGeometry& g, int radius) {
  painter.drawEllipse(QPoint(g.CX, g.CY), radius, radius);
}

void DrawFrame(QPainter& painter, const TWheelGeometry& g, const TWheelInks& inks) {
  const int R = g.D / 2;
  painter.setBrush(inks.background);
  painter.setPen(QPen(inks.halo, 6));
  painter.drawEllipse(QRect(g.CX - R - 3, g.CY - R - 3, 2 * R + 6, 2 * R + 6));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 3));
  Circle(painter, g, R);
  painter.setPen(QPen(inks.halo, 3));
  Circle(painter, g, g.D / 4);
  painter.setPen(QPen(Qt::black, 3));
  Circle(painter, g, g.D / 4 + 3);
  for (int k = 0; k < WheelSegmentCount; ++k) {
    const int angle = 345 - 30 * k;
    painter.drawLine(WheelPoint(g, angle, g.D / 4), WheelPoint(g, angle, R));
  }
}

// Seeds are in the geometry's supersampled pixels; `scale` carries them onto the (denser) image.
void FillSegments(QImage& image, const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                  const TWheelInks& inks, double scale) {
  const auto seed = [scale](QPoint p) { return QPoint(int(p.x() * scale), int(p.y() * scale)); };
  for (int i = 0; i < WheelSegmentCount; ++i) {
    const TColor color = segments[std::size_t(i)];
    const TColor shown = IsHarmonyAngle(harmony, SegmentAngle(i)) ? color : PaleColor(color);
    SurfaceFill(image, seed(WheelPoint(g, SegmentAngle(i), g.D / 3)), ToQRgb(shown));
  }
  SurfaceFill(image, seed(QPoint(g.CX, g.CY)), inks.centre.rgb());
}

void DrawMarkers(QPainter& painter, const TWheelGeometry& g, TColorHarmonyType harmony, const TWheelInks& inks) {
  painter.setPen(QPen(inks.marker, 4));
  painter.setBrush(inks.centre);
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
  // A small arrowhead pointing at the base segment.
  painter.setPen(QPen(inks.arrow, 4));
  painter.setBrush(inks.arrow);
  const int r = g.D / 5;
  QPoint a = WheelPoint(g, 286, r);
  const QPoint b = WheelPoint(g, 254, r);
  a.rx() -= 1;
  const int n = (a.x() - b.x()) / 4;
  for (int m = 0; m <= n; ++m) painter.drawLine(b.x() + 2 * m, a.y() - m, a.x() - 2 * m, a.y() - m);
  painter.drawPolygon(QPolygon({a, b, QPoint((a.x() + b.x()) / 2, a.y() - 8)}));
}

/// Device pixels across the display image for `ratio`.
int DeviceSide(const TWheelGeometry& g, qreal ratio) {
  if (ratio <= 1.0) return g.S;
  return int(std::ceil(g.S * ratio - 1e-6));
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

TWheelInks WheelInks(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor text = palette.color(QPalette::WindowText);
  TWheelInks inks;
  inks.background = window;
  inks.halo = MixColors(window, text, 0.12);
  inks.centre = MixColors(window, palette.color(QPalette::Base), 0.375);
  inks.arrow = MixColors(window, text, 0.46);
  inks.marker = text;
  return inks;
}

QImage RenderWheelSupersampled(const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                               const TWheelInks& inks, qreal ratio) {
  const int side = DeviceSide(g, ratio);
  QImage image(3 * side, 3 * side, QImage::Format_RGB32);
  image.fill(inks.background);
  if (g.D <= 0 || side <= 0) return image;
  const double scale = double(side) / g.S;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.scale(scale, scale);
  DrawFrame(painter, g, inks);
  painter.end();
  FillSegments(image, g, segments, harmony, inks, scale);
  painter.begin(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.scale(scale, scale);
  DrawMarkers(painter, g, harmony, inks);
  return image;
}

QImage RenderWheelSupersampled(const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                               QColor background) {
  TWheelInks inks;
  inks.background = background;
  return RenderWheelSupersampled(g, segments, harmony, inks);
}

QImage RenderWheel(const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                   const TWheelInks& inks, qreal ratio) {
  if (g.S <= 0) return {};
  QImage image = ReduceThreeByThree(RenderWheelSupersampled(g, segments, harmony, inks, ratio));
  image.setDevicePixelRatio(std::max<qreal>(ratio, 1.0));
  return image;
}

QImage RenderWheel(const TWheelGeometry& g, const TWheelSegments& segments, TColorHarmonyType harmony,
                   QColor background) {
  TWheelInks inks;
  inks.background = background;
  return RenderWheel(g, segments, harmony, inks);
}

}  // namespace tintorium
