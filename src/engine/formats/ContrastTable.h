#pragma once
// The palette contrast table: every ordered pair of a list of named colours measured as text on background (the
// WCAG 2 ratio, APCA Lc and the targets met), optionally as seen in one colour-vision view and narrowed to the
// pairs meeting one target, and its writers as plain text, CSV, JSON, Markdown and a self-contained HTML page.
// The contrast window saves through these and `tintorium-cli contrast --matrix` prints through them.

#include "core/ColorTypes.h"
#include "core/ColorVision.h"
#include "core/ContrastMatrix.h"
#include "core/ContrastTarget.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

namespace tintorium {

/// One colour of the table: its name (any text, possibly empty) and its RGB value 0x00BBGGRR.
struct TContrastTableColor {
  QString Name;
  TColor Color = clBlack;
};

struct TContrastTable {
  std::vector<TContrastTableColor> Colors;  // as given, in order
  std::optional<TVisionView> View;          // the view the figures are measured in; none for normal vision
  std::optional<TContrastTarget> Filter;    // only pairs meeting it are listed; none lists every pair
  TContrastMatrix Matrix;                   // the figures of Colors in View (Seen holds the colours as seen)

  /// Whether the pair (text, background), both below Colors.size(), is a row: two different colours and the
  /// filter met. The diagonal (a colour on itself) never is.
  bool Listed(std::size_t text, std::size_t background) const;
  /// How many pairs are listed.
  std::size_t ListedCount() const;
};

/// The table of `colors` (system colours resolved) in `view`, listing the pairs that meet `filter`. More than
/// MaxContrastMatrixColors colours keep only the first MaxContrastMatrixColors.
TContrastTable MakeContrastTable(std::vector<TContrastTableColor> colors,
                                 const std::optional<TVisionView>& view = std::nullopt,
                                 const std::optional<TContrastTarget>& filter = std::nullopt);

enum class TContrastTableFormat : std::uint8_t { Text = 0, Csv, Json, Markdown, Html };
/// "text", "csv", "json", "md" (or "markdown"), "html" in any letter case; nullopt otherwise.
std::optional<TContrastTableFormat> ParseContrastTableFormat(std::string_view name);

/// The WCAG 2 badge of a ratio (1-21): "AAA" from 7, "AA" from 4.5, "AA large" from 3, else "Fail".
QString WcagBadge(double ratio);
/// A ratio as shown: cut to two decimals (ShownContrastRatio), "4.49".
QString ShownRatioText(double ratio);
/// An Lc rounded to one decimal, never "-0.0".
QString LcText(double lc);
/// "KIND" or "KIND:SEVERITY" of a view; "normal" for none.
QString VisionViewText(const std::optional<TVisionView>& view);

/// The table written in `format`, UTF-8, ending in a newline. Every listed pair in row order (text colour by text
/// colour, the background varying within) with both names, both hex values RRGGBB (as in the palette), the ratio
/// cut to two decimals, the Lc with one decimal and the targets met; the figures are those of the view.
///   Text: one line per pair, then "Pairs meeting each target: AA n, ...".
///   Csv: the header text,background,text_hex,background_hex,ratio,lc,aa,aaa,aa_large,apca60,apca75,apca90 and
///     a row per pair, the flags 1 or 0 (RFC 4180 quoting).
///   Json: one compact object {"vision", "target" (null for none), "colors": [{"name", "hex"}], "pairs": [{"text",
///     "background", "text_hex", "background_hex", "ratio", "lc", "wcag", "passes": [target names]}],
///     "summary": [{"target", "pairs"}]}.
///   Markdown: a pipe table with the badge and the targets met in words, then the summary.
///   Html: a page with the grid (row = text, column = background), each cell in its colours as seen, a sample,
///     the ratio, the badge as text and the Lc; pairs filtered out are left blank; then the summary.
QByteArray WriteContrastTable(const TContrastTable& table, TContrastTableFormat format);

}  // namespace tintorium
