#include "ui/wizards/Wizards.h"

#include "ui/language/MessageSeam.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/wizards/ExportWizard.h"
#include "ui/wizards/ImportWizard.h"

namespace tintorium {

void RunImportWizard(QWidget* parent, TPaletteDocument& palette) {
  TImportForm wizard(parent);
  if (Dialogs().Exec(wizard) != QDialog::Accepted) return;
  palette.ImportPaletteColors(wizard.CheckedEntries());
  palette.SetPaletteModified(true);
}

void RunExportWizard(QWidget* parent, const TPaletteDocument& palette, std::function<void(const QUrl&)> openResult) {
  TExportForm wizard(palette.Entries(), std::move(openResult), parent);
  Dialogs().Exec(wizard);
}

}  // namespace tintorium
