#pragma once
// Which writer the export wizard uses for a path: chosen by the extension alone.

#include "core/ColorObject.h"
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
  Css,          // .css
  Html,         // .htm .html .php
  SwatchImage,  // .bmp .gif .jpg .jpeg .png
  Xml,          // .xml
  PainterText,  // .txt
};
TExportWriter ExportWriterForPath(const QString& path);

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

}  // namespace tintorium
