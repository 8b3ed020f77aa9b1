#pragma once
// Running the import and export wizards on the palette document (File > Import..., File > Export...).

#include "core/TonalScale.h"

#include <QUrl>

#include <functional>

class QWidget;

namespace tintorium {

class TPaletteDocument;

/// Runs the import wizard modally (through the dialog seam). On OK the checked colours are appended to
/// `palette` as one undo step, and the palette counts as modified even when none was checked.
void RunImportWizard(QWidget* parent, TPaletteDocument& palette);

/// Runs the export wizard modally on copies of the palette's entries; `openResult` opens the written file
/// with the desktop's default program when "Open result file" is left on. The scale types make each colour's
/// scale by `scales` (the Scales page's settings); templates name the palette by its PaletteName().
void RunExportWizard(QWidget* parent, const TPaletteDocument& palette, std::function<void(const QUrl&)> openResult,
                     const TScaleOptions& scales = {});

}  // namespace tintorium
