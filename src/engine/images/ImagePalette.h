#pragma once
// The colours of images, as six-digit upper-case hexadecimal texts.

#include "engine/files/FileResult.h"

#include <QByteArrayView>
#include <QStringList>

namespace tintorium {

/// The entries of a GIF's colour table in table order: the global table, or else the first image's own.
/// Pixels are never decoded, so the picture's claimed size costs nothing. A missing file gives an empty list;
/// a file that is not a GIF fails with "Could not read file!".
TReadResult<QStringList> ReadGifPalette(const QString& fileName);
/// The same over the bytes of a GIF file.
TReadResult<QStringList> ParseGifPalette(QByteArrayView data);

/// The colours of a BMP, PNG or JPEG picture reduced to at most 256, in the reduced palette's order. A missing
/// file gives an empty list; a picture that cannot be decoded (or claims more memory than images may take)
/// fails with "Could not read file!".
TReadResult<QStringList> ReadImagePalette(const QString& fileName);

}  // namespace tintorium
