#pragma once
// Where the program finds its files: beside the executable in a build tree, or in ../share/tintorium/ once
// installed; and where it keeps the user's own files.

#include <QString>

namespace tintorium {

/// Names the application "Tintorium" for QSettings and QStandardPaths, so the window and the command-line tool
/// find the same settings and user folders.
void SetProgramIdentity();

/// Folder of the executable, ending with '/'.
QString ProgramFolder();
/// Folder holding Language/, Palettes/ and help/, ending with '/': the program folder when it holds them,
/// otherwise ../share/tintorium/ beside it (an installed copy), otherwise ../bin/ (the command-line tool in a build
/// tree); the program folder when none holds them.
QString DataFolder();
/// The same search from a given program folder (ending with '/').
QString DataFolderFor(const QString& programFolder);
/// DataFolder() + "Palettes/" (the library folder).
QString PalettesFolder();
/// Palettes/ in the user's data folder (~/.local/share/Tintorium/Palettes/): the user's own libraries. The
/// program never creates it.
QString UserPalettesFolder();
/// DataFolder() + "Templates/" (the shipped export templates).
QString TemplatesFolder();
/// Templates/ in the user's data folder (~/.local/share/Tintorium/Templates/): the user's own export
/// templates. The program never creates it.
QString UserTemplatesFolder();
/// The HTML user guide in `language` (a language code such as "de": help/de/index.html) when that translation
/// exists, else the English guide help/index.html (which may be missing; nothing checks).
QString HelpFile(const QString& language = QString());
/// The user's temporary folder without a trailing separator.
QString TempFolder();
/// Where the palette kept between runs lives: lastcolors.tnp in the user's data folder (the program folder
/// is read-only once installed). The folder may not exist yet.
QString LastPaletteFile();

/// Overrides DataFolder() (tests, the screenshot mode); an empty text restores the search.
void SetDataFolderOverride(const QString& folder);

}  // namespace tintorium
