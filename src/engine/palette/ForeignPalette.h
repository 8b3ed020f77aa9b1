#pragma once
// Opening another program's swatch file as the palette, and saving it back there. Save writes the file again in
// its own format when that format writes; what the format cannot hold (names, colours past its limit, models)
// is told by InPlaceLoss, so the window can ask first. Save As always writes a palette of our own format.

#include "engine/files/FileResult.h"
#include "engine/palette/PaletteEntry.h"

#include <QString>

#include <cstdint>

namespace tintorium {

/// Whether `fileName` names a swatch file of another program (a palette format of FileFormats that is not our
/// own: .aco, .act, .gpl, .ase, any case) rather than a palette file.
bool IsForeignPaletteFile(const QString& fileName);

/// Empties `entries`, then appends every colour of the swatch file with its name and model (ReadSwatchColors).
/// On failure the reader's failure and no entries.
TFileResult ReadForeignPalette(const QString& fileName, TPaletteEntries& entries);

/// ReadForeignPalette for a foreign swatch file, ReadPaletteFile for anything else.
TFileResult ReadAnyPaletteFile(const QString& fileName, TPaletteEntries& entries);

struct TFileFormat;

/// What saving a palette into a format loses.
struct TSaveLoss {
  bool Names = false;   // a colour has a name of its own (not just its hexadecimal text) the format drops
  int KeptColors = 0;   // the format keeps only this many colours (0: all are kept)
  bool Models = false;  // a colour's model (HSB, CMYK, Lab) the format writes as RGB
  bool Any() const { return Names || KeptColors > 0 || Models; }
};

/// The format a swatch file `fileName` is saved back in: the row it is read by, when that row writes; else
/// null (our own palette files too).
const TFileFormat* InPlaceFormat(const QString& fileName);
/// What writing `entries` in `format` loses, by its Keeps flags and MaxColors.
TSaveLoss InPlaceLoss(const TFileFormat& format, const TPaletteEntries& entries);
/// Saves `entries` back into the swatch file `fileName` in its InPlaceFormat, through a temporary file. A GIMP
/// palette keeps its header, comments and unchanged rows byte for byte (UpdateGplFile). Fails with "Could not
/// save file!" when the file has no such format.
TFileResult WriteForeignPalette(const QString& fileName, const TPaletteEntries& entries);

/// Where Save As starts for a palette opened from `fileName`: the same folder and base name with ".tnp".
QString PaletteFileNameFor(const QString& fileName);

}  // namespace tintorium
