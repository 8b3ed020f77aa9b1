#pragma once
// Scribus swatch files (.xml): a `SCRIBUSCOLORS` root (its Name the palette's) of `COLOR` entries with `NAME`
// and either `RGB="#rrggbb"` or `CMYK="#ccmmyykk"` (each ink 0-255), optionally `SPACE` (RGB or CMYK, which of
// the two to take when both are given), `Spot` and `Register` (0 or 1).
//
// Errors follow FileResult.h: "File not found" (sFileNotFound), "Could not read file!" (sCantOpen),
// kScribusRootText for XML whose root is not SCRIBUSCOLORS, kScribusColorText for an entry with neither colour,
// kXmlBrokenText (OfficeColorTable.h) for text that is not well-formed XML, "Could not save file!" (sCantSave).

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tintorium {

inline constexpr const char* kScribusRootText = "This is not a Scribus swatch file: its root is not SCRIBUSCOLORS.";
/// %1 is the line number.
inline constexpr const char* kScribusColorText =
    "The color on line %1 of the swatch file has no RGB=\"#rrggbb\" or CMYK=\"#ccmmyykk\" value.";

/// Whether `head` (a file's first bytes) holds a SCRIBUSCOLORS root: how a Scribus .xml is told from others.
bool IsScribusSwatchData(QByteArrayView head);

/// Every COLOR in file order, named by NAME (by the HexText when empty). RGB colours in cmRGB; CMYK colours in
/// cmCMYK, each ink v as the per cent round(v x 100 / 255), their RGB through the core's CMYK. The palette
/// holds no spot or registration flag, so Spot and Register are read past. A failure returns no colours.
TReadResult<TColors> ParseScribusData(QByteArrayView data);
TReadResult<TColors> ReadScribusFile(const QString& fileName);

/// The swatch file as Scribus writes it, `paletteName` on the root and one RGB COLOR per colour (GetRGB as
/// lower-case "#rrggbb", Spot="0" Register="0"), names escaped as in EncodeSocData.
QByteArray EncodeScribusData(const TColors& colors, const QString& paletteName);
/// EncodeScribusData named after the file's base name, saved through a temporary file.
TFileResult WriteScribusFile(const QString& fileName, const TColors& colors);

}  // namespace tintorium
