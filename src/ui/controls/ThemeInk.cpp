#include "ui/controls/ThemeInk.h"

#include "core/Contrast.h"
#include "core/SystemColors.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace tintorium {
namespace {

struct TRoleOf {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// In system colour order (scroll bar ... info background).
constexpr std::array<TRoleOf, SystemColorCount> kRoles{{
    {QPalette::Active, QPalette::Button},           // scroll bar
    {QPalette::Active, QPalette::Window},           // desktop
    {QPalette::Active, QPalette::Highlight},        // active caption
    {QPalette::Active, QPalette::Mid},              // inactive caption
    {QPalette::Active, QPalette::Window},           // menu
    {QPalette::Active, QPalette::Base},             // window
    {QPalette::Active, QPalette::WindowText},       // window frame
    {QPalette::Active, QPalette::WindowText},       // menu text
    {QPalette::Active, QPalette::Text},             // window text
    {QPalette::Active, QPalette::HighlightedText},  // caption text
    {QPalette::Active, QPalette::Button},           // active border
    {QPalette::Active, QPalette::Button},           // inactive border
    {QPalette::Active, QPalette::Mid},              // application workspace
    {QPalette::Active, QPalette::Highlight},        // highlight
    {QPalette::Active, QPalette::HighlightedText},  // highlight text
    {QPalette::Active, QPalette::Button},           // button face
    {QPalette::Active, QPalette::Dark},             // button shadow
    {QPalette::Disabled, QPalette::Text},           // grey text
    {QPalette::Active, QPalette::ButtonText},       // button text
    {QPalette::Disabled, QPalette::WindowText},     // inactive caption text
    {QPalette::Active, QPalette::Light},            // button highlight
    {QPalette::Active, QPalette::Shadow},           // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 3D light
    {QPalette::Active, QPalette::ToolTipText},      // info text
    {QPalette::Active, QPalette::ToolTipBase},      // info background
}};

}  // namespace

QColor ThemedColor(TColor color, const QPalette& palette) {
  if ((color & 0xFF000000u) != 0xFF000000u) return ToQColor(color);
  const int index = int(color & 0xFFu);
  if (index >= SystemColorCount) return ToQColor(ColorToRGB(color));
  const TRoleOf& of = kRoles[std::size_t(index)];
  QColor themed = palette.color(of.group, of.role);
  themed.setAlpha(255);
  return themed;
}

QColor MixColors(const QColor& from, const QColor& to, double amount) {
  amount = std::clamp(amount, 0.0, 1.0);
  const auto mix = [amount](int a, int b) { return int(a + (b - a) * amount); };
  return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

QColor ReadableInk(const QColor& preferred, const QColor& background, double ratio) {
  const TColor ground = FromQColor(background);
  const auto contrast = [ground](const QColor& ink) { return MeasureContrast(FromQColor(ink), ground).Ratio; };
  if (contrast(preferred) >= ratio) return preferred;
  const QColor extreme = contrast(Qt::black) >= contrast(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
  for (int step = 1; step <= 20; ++step) {
    const QColor ink = MixColors(preferred, extreme, step / 20.0);
    if (contrast(ink) >= ratio) return ink;
  }
  return extreme;
}

QColor SelectedItemFill(const QColor& background) {
  if (background.lightness() >= 128) return QColor(220, 220, 220);
  return MixColors(background, Qt::white, 0.2);
}

qreal ImageRatio(const QWidget& widget) { return std::max<qreal>(widget.devicePixelRatioF(), 1.0); }

QSize DeviceSize(QSize logical, qreal ratio) {
  logical = logical.expandedTo(QSize(1, 1));
  ratio = std::max<qreal>(ratio, 1.0);
  // The small allowance keeps a product like 200 x 1.25 from rounding up to 251 through a representation error.
  return {std::max(1, int(std::ceil(logical.width() * ratio - 1e-6))),
          std::max(1, int(std::ceil(logical.height() * ratio - 1e-6)))};
}

QImage DeviceImage(QSize logical, qreal ratio) {
  QImage image(DeviceSize(logical, ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(std::max<qreal>(ratio, 1.0));
  return image;
}

QPixmap DevicePixmap(QSize logical, qreal ratio) {
  QPixmap pixmap(DeviceSize(logical, ratio));
  pixmap.setDevicePixelRatio(std::max<qreal>(ratio, 1.0));
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap FramedSwatchPixmap(QSize logical, qreal ratio, const QColor& fill, const QColor& frame) {
  QPixmap pixmap = DevicePixmap(logical, ratio);
  const QSize device = pixmap.size();
  const int line = std::max(1, int(std::lround(pixmap.devicePixelRatio())));
  pixmap.fill(frame);
  QPainter painter(&pixmap);
  painter.scale(1.0 / pixmap.devicePixelRatio(), 1.0 / pixmap.devicePixelRatio());  // device pixels from here
  painter.fillRect(QRect(QPoint(line, line), device - QSize(2 * line, 2 * line)), fill);
  return pixmap;
}

qreal PictureRatio() { return std::max<qreal>(qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0, 1.0); }

QIcon DrawnIcon(QSize logical, const std::function<void(QPainter&)>& paint) {
  QIcon icon;
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
    // Plain pixmaps of each device size: the icon picks the one matching the pixels it is asked for.
    QPixmap pixmap(DeviceSize(logical, ratio));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(pixmap.width()) / logical.width(), qreal(pixmap.height()) / logical.height());
    paint(painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

qreal DevicePixelEdge(qreal x, qreal ratio) {
  ratio = std::max<qreal>(ratio, 1.0);
  // The allowance keeps a pointer exactly on an edge (0.8 x 1.25 = 0.99999...) in the pixel it starts.
  return std::floor(x * ratio + 1e-6) / ratio;
}

}  // namespace tintorium
