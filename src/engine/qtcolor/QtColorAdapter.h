#pragma once
// The one place where TColor (0x00BBGGRR) meets Qt's colours (QRgb is 0xAARRGGBB: red and blue swap).

#include "core/ColorModels.h"
#include "core/SystemColors.h"

#include <QColor>
#include <QRgb>

namespace tintorium {

inline QRgb ToQRgb(TColor color) {
  const TRGBValues v = ColorToRGBValues(color);
  return qRgb(v.R, v.G, v.B);
}
inline QColor ToQColor(TColor color) { return QColor::fromRgb(ToQRgb(color)); }
inline QRgb ToQRgb(const TRGBValues& v) { return qRgb(v.R & 0xFF, v.G & 0xFF, v.B & 0xFF); }
inline TColor FromQRgb(QRgb rgb) { return RGBValuesToColor({qRed(rgb), qGreen(rgb), qBlue(rgb)}); }
inline TColor FromQColor(const QColor& color) { return FromQRgb(color.rgb()); }
inline TRGBValues RGBValuesFromQRgb(QRgb rgb) { return {qRed(rgb), qGreen(rgb), qBlue(rgb)}; }

}  // namespace tintorium
