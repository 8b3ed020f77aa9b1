#pragma once
// JPEG files at the best quality libjpeg offers: baseline, quality 100, no chroma subsampling, optimised
// Huffman tables. Qt's writer always halves the colour resolution, which smears small swatches.

#include <QByteArray>
#include <QImage>

#include <optional>

namespace tintorium {

/// The JPEG bytes of `image` (24-bit colour); nothing for a null picture or an encoder failure.
std::optional<QByteArray> EncodeBestJpeg(const QImage& image);

}  // namespace tintorium
