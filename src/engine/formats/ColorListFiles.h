#pragma once
// The plain colour lists people share: hexadecimal lists (.hex: one "rrggbb" a line, as pixel-art palette
// sites publish them) and Paint.NET palettes (.txt: ";" comment lines and one "aarrggbb" a line). Neither holds
// names; each colour is named by its HexText.
//
// Errors follow FileResult.h: "File not found" (sFileNotFound), "Could not read file!" (sCantOpen),
// kColorListLineText for a line that is no colour, "Could not save file!" (sCantSave).

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tintorium {

/// %1 is the line number, counted from 1.
inline constexpr const char* kColorListLineText = "Line %1 is not a color: it should hold %2 hexadecimal digits.";
/// The colours a Paint.NET palette holds; later lines are read past, as Paint.NET does.
inline constexpr int kPaintNetColors = 96;

/// The colours of a .hex list in order, in cmRGB. Blank lines are skipped, an optional "#" before the six
/// digits and blanks around them are allowed; line breaks LF, CRLF or CR; a UTF-8 byte order mark is skipped.
TReadResult<TColors> ParseHexListData(QByteArrayView data);
TReadResult<TColors> ReadHexListFile(const QString& fileName);
/// One lower-case "rrggbb" and LF per colour (GetRGB).
QByteArray EncodeHexListData(const TColors& colors);
TFileResult WriteHexListFile(const QString& fileName, const TColors& colors);

/// Whether `head` (a file's first bytes) is a Paint.NET palette rather than another text (the colour-set
/// text of TExportWriter::PainterText): at least one colour line, and every line a ";" comment, blank, or
/// eight hexadecimal digits (the last line may end early, where `head` was cut).
bool IsPaintNetData(QByteArrayView head);
/// The first kPaintNetColors colours in order, in cmRGB, alpha ignored. Lines as in ParseHexListData, but
/// eight digits ("aarrggbb") and ";" starting a comment line.
TReadResult<TColors> ParsePaintNetData(QByteArrayView data);
TReadResult<TColors> ReadPaintNetFile(const QString& fileName);
/// Paint.NET's comment header, then "FFRRGGBB" and CRLF per colour: the first kPaintNetColors only.
QByteArray EncodePaintNetData(const TColors& colors);
TFileResult WritePaintNetFile(const QString& fileName, const TColors& colors);

}  // namespace tintorium
