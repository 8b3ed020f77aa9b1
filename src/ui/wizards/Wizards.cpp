#include "ui/wizards/Wizards.h"

#include "ui/language/MessageSeam.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/wizards/ExportWizard.h"
#include "ui/wizards/ImportWizard.h"

namespace tintorium {

void RunImportWizard(QWidget* parent, TPaletteDocument& palette) {
  TImportForm wizard(parent);
  if (Dialogs().Exec(wizard) != QDialog::Accepted) return;
  // The import is a step that marks the palette; an import of nothing is no step and marks nothing.
  palette.ImportPaletteColors(wizard.CheckedEntries());
}

void RunExportWizard(QWidget* parent, const TPaletteDocument& palette, std::function<void(const QUrl&)> openResult,
                     const TScaleOptions& scales) {
  TExportForm wizard(palette.Entries(), std::move(openResult), parent);
  wizard.SetScaleOptions(scales);
  wizard.SetPaletteName(palette.PaletteName());
  Dialogs().Exec(wizard);
}

}  // namespace tintorium
