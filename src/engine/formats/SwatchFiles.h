#pragma once
// Photoshop swatch files (.aco) and colour tables (.act): readers and writers.
//
// Errors follow the engine convention of interchange/FileResult.h: no exceptions; a failed read returns an
// empty value and a status whose Message is the text to show. Messages: "File not found" (sFileNotFound),
// "Could not read file!" (sCantOpen) for a file that exists but cannot be opened, kUnsupportedAcoText for a
// version of 3 or more, kTruncatedText for a file that ends before the data it announces, "Could not save
// file!" (sCantSave) for a failed write, and kTooManyAcoText for more than 65535 colours.

#include "core/ColorObject.h"
#include "core/ColorTypes.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace tintorium {

/// %1 is the version found.
inline constexpr const char* kUnsupportedAcoText =
    "The swatch file is of version %1, which cannot be read: only versions 1 and 2 exist.";
inline constexpr const char* kTruncatedText = "The file is damaged: it ends before the data it announces.";
/// %1 is the number of colours asked for.
inline constexpr const char* kTooManyAcoText = "A swatch file holds at most 65535 colors; %1 colors cannot be written.";

/// The most colours a swatch file's count field holds.
inline constexpr int MaxAcoColors = 65535;

/// What a swatch file yields: its colours in file order (RGB TColors) and, for a file with names, one name
/// per colour.
struct TAcoColors {
  std::vector<TColor> Colors;
  QStringList Names;  // empty when HasNames is false
  bool HasNames = false;
};

/// Reads the first section of a swatch file. Version 1: colours, with the names of a version-2 section of the
/// same count that follows it (a damaged or different second section is ignored). Version 2: colours with names (the
/// 32-bit name length in UTF-16 code units counts the terminating zero; a length of 0 is an empty name with no
/// terminator). Version 0: like version 2, each name being one length byte n and n bytes, each byte one
/// character (Latin-1). Version 3 or more: kUnsupportedAcoText. Colour spaces: 0 RGB (high byte), 1 HSB,
/// 2 CMYK (0 is full ink), 7 Lab, 8 grayscale (ink coverage: 0 white, 10000 black), 9 CMYK in hundredths of a
/// per cent, any other as RGB.
TReadResult<TAcoColors> ReadAcoFile(const QString& fileName);
TReadResult<TAcoColors> ParseAcoData(QByteArrayView data);

/// Reads a colour table: the 256 HexTexts ("RRGGBB") of its first 768 bytes; a shorter file fails with
/// kTruncatedText. A file of exactly 772 bytes holds a 16-bit big-endian colour count after the table (then a
/// transparent index, ignored): a count of 1-256 keeps that many colours, any other count all 256. Other bytes
/// after 768 are ignored.
TReadResult<QStringList> ReadActFile(const QString& fileName);
TReadResult<QStringList> ParseActData(QByteArrayView data);

/// Writes a version-1 section followed by a version-2 section with the same colours, all RGB, each channel
/// written as value x 257 (0xFFFF for 255), names with their full 32-bit length. Only GetRGB (limited to
/// 0-255) and the name of each entry are used. More than 65535 entries: kTooManyAcoText, nothing written.
/// Saved through a temporary file, so a failure leaves the previous file intact.
TFileResult WriteAcoFile(const QString& fileName, const TColors& colors);
/// The bytes WriteAcoFile writes; fails only for more than 65535 entries.
TReadResult<QByteArray> EncodeAcoData(const TColors& colors);

/// Writes exactly 256 entries of R, G, B (768 bytes): the first 256 colours, completed with black.
TFileResult WriteActFile(const QString& fileName, const TColors& colors);
QByteArray EncodeActData(const TColors& colors);

/// Colour objects in cmRGB, named by the swatch name when the file has names, else by their HexText.
TColors AcoColorObjects(const TAcoColors& swatches);
/// Colour objects in cmRGB from the 256 texts of a colour table, each named by its text.
TColors ActColorObjects(const QStringList& hexTexts);

}  // namespace tintorium
