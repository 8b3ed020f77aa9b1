#pragma once
// Which writer the export wizard uses for a path: chosen by the extension alone.

#include "core/ColorObject.h"
#include "interchange/CodeExportWriters.h"
#include "interchange/FileResult.h"
#include "interchange/SwatchImage.h"

#include <QString>

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
};
TExportWriter ExportWriterForPath(const QString& path);

/// Every option of every kind; the writer a path selects takes the ones of its kind.
struct TExportOptions {
  TSwatchImageOptions Image;
  /// The notation of CssVariables, Scss and DesignTokens.
  TCodeNotation Notation = TCodeNotation::Hex;
  /// A .css file gets custom properties instead of class rules.
  bool CssVariables = false;
};
/// The writer `options` make of the one a path's extension selects.
TExportWriter ExportWriterFor(const QString& path, const TExportOptions& options);

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

/// Writes `colors` to `path` with the writer its extension selects; images use `imageOptions`. An unknown
/// extension writes nothing and reports NotWritten.
TExportResult ExportColors(const QString& path, const TColors& colors, const TSwatchImageOptions& imageOptions);
TExportResult ExportColors(const QString& path, const TColors& colors, const TExportOptions& options);

}  // namespace tintorium
