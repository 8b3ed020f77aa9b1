#pragma once
// Reading one library file, whatever its format, into named colour objects for the library views.

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QString>

namespace tintorium {

/// The colours of the library at `path`, read by the palette format (FileFormats, fPalette) its extension
/// names (any case): swatch files as ReadSwatchColors names them; .tnp through ReadPaletteFile (names and
/// colour objects as stored, each in its own model). "File not found" (sFileNotFound) when nothing is at `path`; "Could not read file!"
/// (sCantOpen) for any other extension. On failure Value holds what was read before it (only a damaged .tnp
/// file yields any).
TReadResult<TColors> LoadLibraryFile(const QString& path);

}  // namespace tintorium
