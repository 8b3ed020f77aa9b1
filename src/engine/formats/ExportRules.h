#pragma once
// What the export wizard offers and which writer it uses: its types with their extensions and options, and
// the writer a path selects, all taken from the format table (FormatRegistry.h).

#include "core/ColorObject.h"
#include "core/TonalScale.h"
#include "engine/formats/CodeExportWriters.h"
#include "engine/files/FileResult.h"
#include "engine/images/SwatchImage.h"

#include <QString>
#include <QStringList>

#include <span>

namespace tintorium {

/// The writer a path's extension selects (compared case-insensitively).
enum class TExportWriter : std::uint8_t {
  None,         // any other extension: nothing is written
  Aco,          // .aco
  Act,          // .act
  Gpl,          // .gpl: GIMP palette named after the file
  Ase,          // .ase: Adobe Swatch Exchange, RGB
  Css,          // .css: one class rule per colour
  CssVariables, // .css with TExportOptions::CssVariables: custom properties in :root
  Scss,         // .scss: SCSS variables
  DesignTokens, // .tokens.json: W3C Design Tokens
  Html,         // .htm .html .php
  SwatchImage,  // .bmp .gif .jpg .jpeg .png
  Xml,          // .xml
  PainterText,  // .txt
  Soc,          // .soc: LibreOffice colour table
  Scribus,      // .xml when chosen (TExportOptions::Chosen): Scribus swatches
  HexList,      // .hex: one rrggbb a line
  PaintNet,     // .txt when chosen: Paint.NET palette
  ScaleCss,     // .css when chosen: a tonal scale of each colour as custom properties
  ScaleScss,    // .scss when chosen: a tonal scale of each colour as SCSS variables
  ScaleTokens,  // .tokens.json when chosen: a tonal scale of each colour as a Design Tokens group
  ScaleTheme,   // .css when chosen: a tonal scale of each colour in a CSS framework's @theme block
  Template,     // any extension when TExportOptions::TemplateFile names an export template
};
TExportWriter ExportWriterForPath(const QString& path);

/// The options a type offers on the wizard's options page (each kind has its panel there).
enum class TExportOptionsKind : std::uint8_t {
  None,
  SwatchImage,   // "Draw text information", colours per line, swatch size
  CodeNotation,  // "Color notation:" hex, rgb() or oklch()
};

/// One item of the wizard's type list. `Item` is "Display name=LABEL+Description~Filter|*.ext" in English
/// (ParseWizardTypeItem splits it); a language file may replace it by its index (lstType<N>).
struct TExportType {
  const char* Item;
  TExportWriter Writer;
  /// The extensions the type writes, lower case without the dot; a chosen file name keeps one of them.
  std::span<const char16_t* const> Extensions;
  TExportOptionsKind Options = TExportOptionsKind::None;
};
/// The types in list order: the six of the original list first, so their indexes stay. The colour-set text
/// (.txt) is written for its extension but has no type.
std::span<const TExportType> ExportTypes();
/// `type`'s extensions as a list ("html", "htm", "php").
QStringList ExportTypeExtensions(const TExportType& type);

/// Every option of every kind; the writer a path selects takes the ones of its kind.
struct TExportOptions {
  TExportOptions() = default;
  /// The options of a caller that only knows pictures (the command-line tool).
  TExportOptions(const TSwatchImageOptions& image) : Image(image) {}  // NOLINT(google-explicit-constructor)
  TSwatchImageOptions Image;
  /// The notation of CssVariables, Scss, DesignTokens and the scale writers.
  TCodeNotation Notation = TCodeNotation::Hex;
  /// The scales the scale writers make of each colour (the steps, mode and targets; Locks are not used).
  TScaleOptions Scale;
  /// A .css file gets custom properties instead of class rules.
  bool CssVariables = false;
  /// A writer chosen by name (an export type) for an extension that otherwise writes another format (a
  /// Scribus .xml); used when the path has one of its row's extensions.
  TExportWriter Chosen = TExportWriter::None;
  /// An export template (ExportTemplate.h) that writes the file whatever its extension; empty: none.
  QString TemplateFile;
  /// The palette's name for writers that show it (templates); empty: the target's base name.
  QString PaletteName;
};
/// The writer `options` make of the one a path's extension selects.
TExportWriter ExportWriterFor(const QString& path, const TExportOptions& options);
/// What choosing `type` in the wizard implies beyond its panel's options (custom properties for a .css file).
void ApplyExportType(const TExportType& type, TExportOptions& options);

inline constexpr const char* kExportNoKey = "txtExportNo";
inline constexpr const char* kExportNoText =
    "Export was failed. Maybe, you have set indeterminate file type in the Path file field. Press \"Finish\" to "
    "close wizard window and repeat procedure.";

enum class TExportOutcome : std::uint8_t { Written, NotWritten, Failed };

struct TExportResult {
  TExportOutcome Outcome = TExportOutcome::Written;
  /// NotWritten: the txtExportNo text; Failed: the writer's message.
  TFileResult Status;
};

/// Writes `colors` to `path` with the writer its extension selects, which takes its part of `options`. An
/// unknown extension writes nothing and reports NotWritten.
TExportResult ExportColors(const QString& path, const TColors& colors, const TExportOptions& options);

}  // namespace tintorium
