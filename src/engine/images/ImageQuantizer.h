#pragma once
// Reduction of a picture to at most 256 colours (libimagequant).

#include <QImage>
#include <QList>
#include <QRgb>

#include <optional>
#include <vector>

namespace tintorium {

/// A picture as palette indices: Indices holds width × height bytes, row by row, each < Palette.size().
struct TQuantizedImage {
  QList<QRgb> Palette;  // opaque colours, 1-256 entries
  std::vector<unsigned char> Indices;
  int Width = 0;
  int Height = 0;
};

/// Reduces `image` to at most `maxColors` (2-256) opaque colours without dithering. A picture with no more
/// colours than that keeps them exactly, in the order they first appear (row by row); others go through
/// libimagequant. Transparency is dropped. Nothing for a null picture or a failure.
std::optional<TQuantizedImage> QuantizeImage(const QImage& image, int maxColors = 256);

}  // namespace tintorium
