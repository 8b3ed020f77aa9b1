#pragma once
// A picture of colour swatches in rows, and its files (BMP, PNG, JPEG, GIF).

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QFont>
#include <QImage>
#include <QSize>

#include <optional>

namespace tintorium {

/// The export wizard's image options. Values outside 1-256 are brought into that range.
struct TSwatchImageOptions {
  int PerLine = 8;
  int SwatchWidth = 32;
  int SwatchHeight = 32;
  bool DrawText = false;  // name (bold) and value text beside each swatch
};

enum class TSwatchImageFormat : std::uint8_t { Bmp, Png, Jpeg, Gif };

/// The format an extension selects (".bmp", ".png", ".jpg", ".jpeg", ".gif", any case, with or without the
/// dot); nothing for any other.
std::optional<TSwatchImageFormat> SwatchImageFormatForExtension(const QString& extension);

/// The font of the swatch texts: regular; the names are drawn in its bold form.
QFont SwatchImageFont();

/// The cell of one swatch: X × Y without text; (X + 110) × max(Y, 2h + 4) with text, h the font's text height.
QSize SwatchCellSize(const TSwatchImageOptions& options, int textHeight);

/// The picture's size for `count` swatches: min(count, per line) cells of (cell width + 2) across, 2 when
/// there are none; (count div per line + 1) rows of (cell height + 2) down.
QSize SwatchImageSize(qsizetype count, const TSwatchImageOptions& options, int textHeight);

/// Draws the swatches on white, in rows of `PerLine`, each an outlined rectangle of its colour (and its texts).
/// A null picture when it would be wider or higher than 65,535 pixels, hold more than 64 Mi pixels, or cannot
/// be allocated.
QImage DrawSwatchImage(const TColors& colors, const TSwatchImageOptions& options);

/// Draws and saves through a temporary file in the target's folder: BMP (24-bit), true-colour PNG, baseline
/// JPEG at quality 100, or a single-image GIF of at most 256 colours. Fails with "Could not save file!" when
/// the picture cannot be made (too large), encoded or written; the previous file then stays as it was.
TFileResult WriteSwatchImage(const QString& fileName, const TColors& colors, const TSwatchImageOptions& options,
                             TSwatchImageFormat format);

}  // namespace tintorium
