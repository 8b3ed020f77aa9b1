#pragma once
// GIMP palettes (.gpl): reader and writer. Text, UTF-8; the first line is "GIMP Palette", then optional
// "Name:" and "Columns:" lines, "#" comments and one "R G B name" row per colour (spaces or tabs; the name
// is optional). Line breaks may be LF, CRLF or CR.
//
// Errors follow interchange/FileResult.h: "File not found" (sFileNotFound), "Could not read file!"
// (sCantOpen), kGplHeaderText for a file without the header, kGplRowText for a row that is not three whole
// numbers from 0 to 255, "Could not save file!" (sCantSave) for a failed write.

#include "core/ColorObject.h"
#include "core/ColorTypes.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace tintorium {

inline constexpr const char* kGplHeaderText = "This is not a GIMP palette: its first line is not \"GIMP Palette\".";
/// %1 is the line number (1 is the header line).
inline constexpr const char* kGplRowText =
    "Line %1 of the GIMP palette is not a colour: red, green and blue must be whole numbers from 0 to 255.";

/// The most columns the "Columns:" line may give; the value GIMP accepts.
inline constexpr int MaxGplColumns = 256;

struct TGplEntry {
  TRGBValues Rgb;
  QString Name;  // trimmed; empty when the row has none
};

struct TGplPalette {
  QString Name;     // the "Name:" line, trimmed; empty when there is none
  int Columns = 0;  // the "Columns:" line; 0 when missing or out of 0-256
  std::vector<TGplEntry> Entries;
};

/// Reads a whole palette. A UTF-8 byte order mark is skipped; bytes that are not UTF-8 become U+FFFD.
/// "Name:" and "Columns:" lines count wherever they stand (the first of each wins); blank lines and lines
/// starting with "#" (after blanks) are skipped. Any other line is a row: three whole numbers 0-255
/// separated by blanks, then optionally blanks and the name, which runs to the end of the line. A row that
/// does not fit fails the whole read with kGplRowText and its line number (GIMP would load it with a warning,
/// wrapping the values, which gives colours that are not in the file).
TReadResult<TGplPalette> ReadGplFile(const QString& fileName);
TReadResult<TGplPalette> ParseGplData(QByteArrayView data);

/// Writes what GIMP and Inkscape load: "GIMP Palette", "Name: " `paletteName` (the file's base name when
/// empty), "Columns: " `columns` (limited to 0-256; 0 lets the program choose), a "#" line, then per colour
/// GetRGB as three right-aligned 3-wide numbers and, when the name is not empty, a tab and the name (line
/// breaks, tabs and other control characters in names become spaces). Saved through a temporary file.
TFileResult WriteGplFile(const QString& fileName, const TColors& colors, const QString& paletteName = {},
                         int columns = 0);
QByteArray EncodeGplData(const TColors& colors, const QString& paletteName, int columns = 0);

/// `original` (a GIMP palette) with its rows made `colors`, changing as little as it can: the header, comments,
/// blank lines and every row that still stands for a colour (same RGB, same name; a row without a name stands
/// for a colour named by its HexText) are kept byte for byte with their line breaks, in order. Rows of
/// colours no longer there go; a new colour gets a row as EncodeGplData writes it, with the file's line break,
/// where it stands in `colors`. When `original` is not a GIMP palette, EncodeGplData(colors, paletteName).
QByteArray MergeGplData(QByteArrayView original, const TColors& colors, const QString& paletteName);
/// Saves `colors` over the GIMP palette `fileName` with MergeGplData (through a temporary file); a file that
/// is missing or no GIMP palette is written whole as WriteGplFile does.
TFileResult UpdateGplFile(const QString& fileName, const TColors& colors);

/// Colour objects in cmRGB, named by the row's name, or by their HexText when the row has none.
TColors GplColorObjects(const TGplPalette& palette);

}  // namespace tintorium
