#pragma once
// What the import wizard offers and lists: its types and options, the reader a path or a download selects,
// and the filters. The types and readers come from the format table (FormatRegistry.h); an option added to the
// table here appears in the wizard without touching it.

#include "engine/files/FileResult.h"
#include "engine/web/UrlFetch.h"

#include <QList>
#include <QString>

#include <span>

namespace tintorium {

/// The reader a path's extension selects (compared case-insensitively).
enum class TImportSource : std::uint8_t {
  None,      // any other extension: nothing is imported
  Aco,       // .aco
  Act,       // .act
  Gpl,       // .gpl: GIMP palette, with names
  Ase,       // .ase: Adobe Swatch Exchange, with names ("group / name" inside a group)
  Image,     // .bmp .jpg .jpeg .png: the picture reduced to at most 256 colours
  Gif,       // .gif: the colour table
  WebText,   // .css .htm .html .php: the "#" notations, or every CSS notation (TImportOptions::AllNotations)
  Scss,      // .scss: every CSS notation; a variable's colour named after it
  DesignTokens,  // .tokens.json: the colour tokens, named "group / name"
  Palette,   // the palette reader of the path's row of the format table (names kept)
};
TImportSource ImportSourceForPath(const QString& path);
/// The reader a download's media type selects when its name has no known extension: HTML and CSS text are
/// scanned, BMP, PNG and JPEG pictures reduced, a GIF's table read; anything else selects None.
TImportSource ImportSourceForMediaType(const QString& mediaType);

/// One item of the wizard's type list. `Item` is "Display name=LABEL+Description~Filter|*.ext" in English
/// (ParseWizardTypeItem splits it); a language file may replace it by its index (lstType<N>).
struct TImportType {
  const char* Item;
  bool IsAddress = false;  // a web address is typed, no file is chosen
};
/// The types in list order: the five of the original list first, so their indexes stay.
std::span<const TImportType> ImportTypes();

/// One row of the import list: the caption (the swatch name when the file carries names, else the
/// hexadecimal text) and the hexadecimal text.
struct TImportRow {
  QString Caption;
  QString Hex;
  friend bool operator==(const TImportRow&, const TImportRow&) = default;
};

struct TImportOptions {
  bool NoDuplicates = false;  // "Do not import duplicate colors": the same colour value as a listed row
  bool NoGrays = false;       // "Do not import black,white and gray colors": R = G = B
  /// "All CSS color notations": web pages and style sheets yield every CSS Color 4 notation in property values
  /// (alpha dropped), a custom property's colour named after it; off, only the "#" notations anywhere.
  bool AllNotations = false;
};

/// One check box of the wizard's "Import options...": its object name (the language key), its English text
/// and the option it sets. Off when the wizard opens.
struct TImportOptionFlag {
  const char* Key;
  const char* Text;
  bool TImportOptions::*Flag;
};
std::span<const TImportOptionFlag> ImportOptionFlags();

/// The rows the import wizard lists for `pathOrAddress`, in order. A web address (IsWebAddress) is fetched
/// first (FetchUrl with `fetch`) and the download is imported by its name's extension, or by the media type
/// the server gave when that extension selects no reader; the download is removed afterwards. A failed fetch
/// gives "Connection failed". Otherwise the extension picks the reader; a reader's failure is returned with
/// no rows. An unknown extension gives no rows and success.
TReadResult<QList<TImportRow>> ImportColorRows(const QString& pathOrAddress, const TImportOptions& options,
                                               const TFetchOptions& fetch = {});

/// The same for a local file only (no fetch, whatever the path contains), read by `source`, or by the path's
/// extension when `source` is None.
TReadResult<QList<TImportRow>> ImportFileRows(const QString& path, const TImportOptions& options,
                                              TImportSource source = TImportSource::None);

}  // namespace tintorium
