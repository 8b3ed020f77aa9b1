#pragma once
// Opening another program's swatch file as the palette. Such a palette is never saved back over that file:
// its colours become a palette of our own format, which Save stores under a new name.

#include "engine/files/FileResult.h"
#include "engine/palette/PaletteEntry.h"

#include <QString>

namespace tintorium {

/// Whether `fileName` names a swatch file of another program (a palette format of FileFormats that is not our
/// own: .aco, .act, .gpl, .ase, any case) rather than a palette file.
bool IsForeignPaletteFile(const QString& fileName);

/// Empties `entries`, then appends every colour of the swatch file with its name and model (ReadSwatchColors).
/// On failure the reader's failure and no entries.
TFileResult ReadForeignPalette(const QString& fileName, TPaletteEntries& entries);

/// ReadForeignPalette for a foreign swatch file, ReadPaletteFile for anything else.
TFileResult ReadAnyPaletteFile(const QString& fileName, TPaletteEntries& entries);

/// Where Save As starts for a palette opened from `fileName`: the same folder and base name with ".tnp".
QString PaletteFileNameFor(const QString& fileName);

}  // namespace tintorium
