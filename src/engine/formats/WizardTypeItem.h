#pragma once
// The items of the import and export wizards' type lists: "Display name=LABEL+Description~Filter|*.ext".

#include <QString>
#include <QStringList>

namespace tintorium {

/// An item cut at its first "=", first "+" and first "~". A missing separator leaves the later parts empty.
struct TWizardTypeItem {
  QString Name;         // drawn on the left
  QString Label;        // extension label, drawn on the right ("HTML,CSS")
  QString Description;  // shown below the list when the item is chosen
  QString Filter;       // the file chooser's filter ("Web-page (*.html;*htm)|*.html;*htm")
};
TWizardTypeItem ParseWizardTypeItem(const QString& item);

/// The file chooser's filter in Qt's form: "Web-page (*.html;*htm)|*.html;*htm" gives
/// "Web-page (*.html *htm)", the description with the patterns after the "|".
QString ChooserFilter(const QString& filter);

/// The extensions a filter's patterns name, lower case without the dot ("*.html;*htm" gives html, htm).
QStringList FilterExtensions(const QString& filter);

/// The export wizard's naming rule for a name chosen in the save dialog: a name whose extension (lower-cased)
/// is one of `extensions` or of the filter's keeps it; any other name gets the text after the item's last
/// "*" appended (".php" for the HTML item).
QString ExportFileName(const QString& chosen, const TWizardTypeItem& item, const QStringList& extensions);

}  // namespace tintorium
