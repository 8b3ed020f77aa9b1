#pragma once
// Every file format colours are read from or written to, listed once. The import and export rules, the
// palette's Open and Save choosers, the library listing and the command-line tool all ask this table; none of
// them decides by an extension of its own.
//
// Adding a format:
//   1. Write its reader and/or writer (a file pair in this folder; the reader bounded against hostile input).
//      A reader is TReadResult<TColors>(const QString& path), each colour named ("" when the file has none)
//      and in the model the file gives; a writer is TFileResult(path, colors, options), saving through a
//      temporary file.
//   2. Add one row to kFormats in FormatRegistry.cpp: name, extensions (lower case, no dot, longest first
//      when one ends another), media types, Reads/Keeps flags, reader and writer, and where it stands in
//      the wizards' lists (append; never renumber, since language files key the items by index lstType<N>).
//      A row with fPalette opens as the palette and is read by `tintorium-cli palette` with its names and
//      models; with fListed too it joins the palette Open chooser under its FilterKey (a new key needs its
//      texts in data/Language/*.lng) and the library listing. Import through TImportSource::Palette needs no
//      code of its own; a wizard item is English here and in data/Language/*.lng (lstType<N>).
//   3. Add a libFuzzer target for its reader in fuzz/ and name it in the row's Fuzzer; the registry tests
//      check that the fuzzer exists and is seeded with the row's extensions, and the round-trip test checks
//      what Keeps promises.
// A format that shares an extension with an older one (.xml, .txt) is told apart by content: give it
// Sniff, and the first row whose extension matches and whose Sniff accepts the file (or that has none)
// reads it. Its writer then needs fWriteByChoice (an export type chooses it), since the extension already
// writes the older format.

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"
#include "engine/formats/ExportRules.h"
#include "engine/formats/ImportRules.h"
#include "engine/language/Messages.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace tintorium {

/// What a format holds of a palette: as flags in TFileFormat::Reads (what its reader takes from a file) and
/// TFileFormat::Keeps (what survives our writer followed by our reader).
enum TFormatTrait : std::uint16_t {
  ftColors = 1 << 0,  // the colours come back in order, each with its RGB value
  ftNames = 1 << 1,   // each colour's name
  ftGroups = 1 << 2,  // groups of colours (read as "group / name")
  ftModels = 1 << 3,  // each colour's model as held (RGB, HSB, CMYK, Lab), values unrounded
  ftCmyk = 1 << 4,    // CMYK colours stay CMYK
  ftLab = 1 << 5,     // Lab colours stay Lab
  ftAlpha = 1 << 6,   // opacity
};

/// How a format takes part beyond its reader and writer.
enum TFormatFlag : std::uint16_t {
  fNative = 1 << 0,   // our own palette file (.tnp): not another program's
  fPalette = 1 << 1,  // opens as the palette (names and models as read); needs Read
  /// Written only when chosen by name (an export type, an option): its extension writes another format.
  fWriteByChoice = 1 << 2,
  fListed = 1 << 3,  // joins the palette Open chooser (FilterKey) and the library listing (LibraryPlace)
};

using TFormatReader = TReadResult<TColors> (*)(const QString& path);
using TFormatWriter = TFileResult (*)(const QString& path, const TColors& colors, const TExportOptions& options);
/// Whether the file's first bytes are this format's (for formats sharing an extension).
using TFormatSniffer = bool (*)(QByteArrayView head);

/// An item of a wizard's type list: its index there (-1: not listed) and its English text
/// ("Display name=LABEL+Description~Filter|*.ext", split by ParseWizardTypeItem).
struct TWizardPlace {
  int Index = -1;
  const char* Item = nullptr;
};

struct TFileFormat {
  const char* Name;  // English, for listings ("GIMP Palette")
  /// Lower case without the leading dot ("gpl", "tokens.json"); a path matches by the end of its file name.
  std::span<const char16_t* const> Extensions;
  /// Media types (lower case) a download with no known extension is read by.
  std::span<const char16_t* const> MediaTypes = {};
  std::uint16_t Flags = 0;  // TFormatFlag
  std::uint16_t Reads = 0;  // TFormatTrait
  std::uint16_t Keeps = 0;  // TFormatTrait
  /// The palette reader (names and models as the file gives them); null when only the import wizard reads it.
  TFormatReader Read = nullptr;
  /// How the import wizard lists the file's colours (None: not imported).
  TImportSource Import = TImportSource::None;
  TFormatWriter Write = nullptr;
  /// The export writer the format is (None: not exported through the export rules).
  TExportWriter Export = TExportWriter::None;
  TWizardPlace ImportPlace = {};
  TWizardPlace ExportPlace = {};
  /// The export type's extensions when they are not Extensions (the Images type covers several rows).
  std::span<const char16_t* const> ExportExtensions = {};
  TExportOptionsKind ExportOptions = TExportOptionsKind::None;
  /// The palette Open chooser's description of the format (fPalette rows).
  TMessageKey FilterKey = kMessageCount;
  /// Place in the library listing, from 1 (fPalette rows); 0: none.
  int LibraryPlace = 0;
  TFormatSniffer Sniff = nullptr;
  const char* Fuzzer = nullptr;  // the libFuzzer target of its reader (fuzz/CMakeLists.txt)
  /// The most colours the writer stores (the rest are dropped); 0: no limit.
  int MaxColors = 0;

  bool CanRead() const { return Read != nullptr || Import != TImportSource::None; }
  bool CanWrite() const { return Write != nullptr; }
  QStringList ExtensionList() const;
  /// "*.aco" or "*.html *.htm *.php".
  QString Patterns() const;
};

/// Every format, once, in a fixed order (our palette first).
std::span<const TFileFormat> FileFormats();

/// How much of a file a TFormatSniffer sees.
inline constexpr qint64 kSniffBytes = 4096;

enum class TFormatUse : std::uint8_t { Read, Write };
/// The format a path's file name ends in (any case) that can be used so, or null. Reading: the first such
/// row whose Sniff accepts the file's first kSniffBytes, or that has no Sniff; a file that cannot be opened
/// is taken by the first such row, whose reader then says why. Writing: the first such row without
/// fWriteByChoice; the file is not looked into.
const TFileFormat* FormatForPath(const QString& path, TFormatUse use);
/// Whether the path's file name ends in one of `format`'s extensions (any case).
bool PathHasFormatExtension(const QString& path, const TFileFormat& format);
/// The readable format a download's media type names (lower case compared, blanks trimmed), or null.
const TFileFormat* FormatForMediaType(const QString& mediaType);
/// The row of an export writer, or null for None.
const TFileFormat* FormatForExportWriter(TExportWriter writer);

/// Our own palette file's row (.tnp).
const TFileFormat& NativePaletteFormat();
/// The format `path` is read by when it opens as the palette (fPalette), or null.
/// (Formats sharing an extension are told apart by content, so the file is looked into.)
const TFileFormat* PaletteFormatForPath(const QString& path);

/// The formats of the palette Open chooser (fListed), in table order; and in library listing order.
std::vector<const TFileFormat*> PaletteFormats();
std::vector<const TFileFormat*> LibraryFormats();

/// A file chooser's filters: "`all` (every pattern)" first, then one filter per format under its FilterKey,
/// joined by ";;".
QString FormatsFilter(TMessageKey all, const std::vector<const TFileFormat*>& formats);

/// One line per format for `tintorium-cli formats`: name, extensions, read/write, what it keeps.
QStringList FormatTableLines();
/// "names, CMYK, Lab" from TFormatTrait flags; "-" for none.
QString FormatTraitsText(std::uint16_t traits);

// Readers and writers of our own palette file for its row; they live with the palette file.
TReadResult<TColors> ReadPaletteColors(const QString& path);
TFileResult WritePaletteColors(const QString& path, const TColors& colors, const TExportOptions& options);

}  // namespace tintorium
