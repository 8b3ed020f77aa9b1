#pragma once
// What the import wizard lists for a path or web address: which reader the path selects, and the two filters.

#include "interchange/FileResult.h"
#include "interchange/UrlFetch.h"

#include <QList>
#include <QString>

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
};
TImportSource ImportSourceForPath(const QString& path);

/// One row of the import list: the caption (the swatch name when the file carries names, else the
/// hexadecimal text) and the hexadecimal text.
struct TImportRow {
  QString Caption;
  QString Hex;
  friend bool operator==(const TImportRow&, const TImportRow&) = default;
};

struct TImportOptions {
  bool NoDuplicates = false;  // "Do not import duplicate colors": same text as a listed row, case counts
  bool NoGrays = false;       // "Do not import black,white and gray colors": R = G = B
  /// "All CSS color notations": web pages and style sheets yield every CSS Color 4 notation in property values
  /// (alpha dropped), a custom property's colour named after it; off, only the "#" notations anywhere.
  bool AllNotations = false;
};

/// The rows the import wizard lists for `pathOrAddress`, in order. A path containing "http://" is fetched
/// first (FetchUrl with `fetch`) and the download is imported by the same rules, then removed; a failed fetch
/// gives "Connection failed". Otherwise the extension picks the reader; a reader's failure is returned with
/// no rows. An unknown extension gives no rows and success.
TReadResult<QList<TImportRow>> ImportColorRows(const QString& pathOrAddress, const TImportOptions& options,
                                               const TFetchOptions& fetch = {});

/// The same for a local file only (no fetch, whatever the path contains).
TReadResult<QList<TImportRow>> ImportFileRows(const QString& path, const TImportOptions& options);

}  // namespace tintorium
