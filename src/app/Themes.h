#pragma once
// The interface themes of the Theme menu: whole-application looks built on the Fusion style, a palette and,
// for the decorated ones, a TThemeStyle drawing their bars, menus, buttons and tabs. The main window lists
// ThemeNames() as a radio group, calls ApplyTheme() on a choice (and with the `Theme` setting at start-up; false
// there means "Cannot load interface themes", sErrLoadThemes) and writes CurrentThemeName() back at exit.

#include <QString>
#include <QStringList>

namespace tintorium {

/// In menu order: "Default", "Mac Style", "OfficeXP", "Dream", "OfficeK".
QStringList ThemeNames();
/// The theme of that name (letter case ignored) becomes the look of every window. False, with nothing
/// changed, for an unknown name or when the style it rests on is missing.
bool ApplyTheme(const QString& name);
/// The theme applied last, in its menu spelling; empty before the first.
QString CurrentThemeName();
/// Whether the theme has light text on dark surfaces (for controls that paint their own chrome).
bool IsDarkTheme(const QString& name);

}  // namespace tintorium
