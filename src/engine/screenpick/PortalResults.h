#pragma once
// What the desktop portal hands back, checked before it is believed: the screenshot file named by a URI, and a
// picked colour as three doubles.

#include <QImage>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <optional>

namespace tintorium {

/// Limits on the screenshot file: its size on disk and its picture (pixels per side, pixels in all).
inline constexpr std::int64_t kMaxPortalFileBytes = 512LL * 1024 * 1024;
inline constexpr int kMaxPortalSide = 32768;
inline constexpr std::int64_t kMaxPortalPixels = 256LL * 1024 * 1024;

/// The picture of a "file://" URI as RGB32; null when the URI is not a local file, the file is missing,
/// unreadable, larger than the limits or not a picture. Nothing is allocated before the size is known.
QImage LoadPortalPicture(const QString& uri);

/// The colour of a PickColor answer: channels 0-1 each, clamped, rounded to 0-255; nullopt when one is not a
/// number.
std::optional<QRgb> PortalColor(double red, double green, double blue);

}  // namespace tintorium
