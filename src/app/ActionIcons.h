#pragma once
// The pictures of the toolbar commands, drawn in code so they stay sharp at any size and need no files.

namespace tintorium {

class TMainActions;

/// Gives the toolbar and palette commands their icons.
void SetActionIcons(TMainActions& actions);

}  // namespace tintorium
