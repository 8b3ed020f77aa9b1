#pragma once
// The library list in a combo box, shared by the Swatches panel (cboLib) and the Library page
// (cboLibraryBrowse).

#include <QString>
#include <QStringList>

class QComboBox;

namespace tintorium {

/// Empties `combo` and fills it with the libraries of `folders` (shipped first), as ListLibraries lists them.
void ListLibraries(const QStringList& folders, QComboBox& combo);

/// The item equal to `remembered` without regard to case; 0 when none is; -1 when there are no items.
int RememberedLibraryIndex(const QStringList& items, const QString& remembered);

/// Selects the item RememberedLibraryIndex names (signals blocked); false when the combo box is empty.
bool SelectRememberedLibrary(QComboBox& combo, const QString& remembered);

/// The text of the selected item, empty when none is selected.
QString SelectedLibrary(const QComboBox& combo);

/// What the Library page shows as the loaded file's name: the part of `path` between its last '/' and its last
/// '.'; empty when the last '.' comes before the last '/'.
QString LibraryBaseName(const QString& path);

}  // namespace tintorium
