#pragma once
// The pictures of the toolbar commands, drawn in code so they stay sharp at any size and need no files.

class QIcon;

namespace tintorium {

class TMainActions;

/// Gives the toolbar and palette commands their icons; `dark` draws the lines light, for dark themes.
void SetActionIcons(TMainActions& actions, bool dark = false);
/// The program's own icon (the ring of twelve hues, as the installed SVG draws it).
QIcon ApplicationIcon();

}  // namespace tintorium
