#pragma once
// The palette file (.tnp): a little-endian int32 count, then per entry the model byte, four int16 channels of
// that model, an int32 name length in UTF-16 code units and the code units. No header, no padding.

#include "engine/files/FileResult.h"
#include "engine/palette/PaletteEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tintorium {

/// Empties `entries`, then appends every entry of the file in file order. On failure (the file cannot be
/// opened, or it ends inside the count, an entry or a name) the result is "Could not read file!" (sCantOpen)
/// and the entries read before the failing one stay in `entries`. A count of 0 with nothing after it is an empty
/// palette; a negative count, or 0 followed by more bytes, fails as not a palette.
/// A model byte outside 0-3 reads as a black RGB colour with its name. Nothing a file claims is allocated
/// before the bytes are there.
TFileResult ReadPaletteFile(const QString& fileName, TPaletteEntries& entries);

/// Writes all entries in order through a temporary file in the same folder that replaces `fileName` only when
/// complete, so a failed save leaves the previous file as it was. Failure: "Could not save file!" (sCantSave).
TFileResult WritePaletteFile(const QString& fileName, const TPaletteEntries& entries);

/// The in-memory halves of the two operations above (same rules; the parser's only failure is "Could not
/// read file!").
TFileResult ParsePaletteData(QByteArrayView data, TPaletteEntries& entries);
QByteArray EncodePaletteData(const TPaletteEntries& entries);

}  // namespace tintorium
