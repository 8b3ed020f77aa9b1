#pragma once
// Single-image GIF files (giflib): Qt reads GIF but cannot write it.

#include <QImage>

class QIODevice;

namespace tintorium {

struct TQuantizedImage;

/// Writes `image` to `device` as a single-image GIF, reduced to at most 256 colours first. False for a null
/// picture, one larger than GIF's 65,535 × 65,535, or a write failure.
bool WriteGifImage(QIODevice& device, const QImage& image);

/// Writes a picture already reduced to a palette.
bool WriteGifImage(QIODevice& device, const TQuantizedImage& image);

}  // namespace tintorium
