#pragma once
// Placement shared by the palette dialogs.

class QWidget;

namespace tintorium {

/// Moves a top-level window to the centre of the screen it is on (the primary screen when it has none yet).
void CenterOnScreen(QWidget& window);

}  // namespace tintorium
