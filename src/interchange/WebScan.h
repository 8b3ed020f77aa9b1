#pragma once
// Colours written as "#" notations in web pages and style sheets.

#include "interchange/FileResult.h"

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace tintorium {

/// The "#" colours of `text`, in order, duplicates kept, letter case kept: "#" followed by six hexadecimal
/// digits gives them, otherwise three digits give each digit doubled ("#fade-in" gives "ffaadd"). After every
/// "#" the scan goes on four characters later, whatever was found. One pass, linear in the length.
QStringList ScanTextColors(QStringView text);

/// The same over file bytes: a byte-order mark selects UTF-8 or UTF-16 (either byte order); without one every
/// byte is one character (an 8-bit code page), which leaves every hexadecimal digit where it was.
QStringList ScanTextColorsInBytes(QByteArrayView bytes);

/// Scans the file `fileName`. A missing file gives an empty list and success; a file that exists but cannot be
/// read fails with "Could not read file!". A source that is no regular file (a pipe, a device) is read up to
/// 64 MiB; one that goes on beyond that fails the same way.
TReadResult<QStringList> ScanTextColorsFile(const QString& fileName);

}  // namespace tintorium
