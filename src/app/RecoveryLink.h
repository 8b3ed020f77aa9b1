#pragma once
// Ties a recovery keeper to the window's palette and base colour: every change schedules a copy, and a copy left
// by a program that ended uncleanly is offered at start ("Restore" is Yes, "Discard" is No).

namespace tintorium {

class TPaletteDocument;
class TRecoveryKeeper;
class TWorkspace;

/// Feeds `keeper` from the palette and the workspace and schedules a copy after each change of either.
void LinkRecovery(TRecoveryKeeper& keeper, TPaletteDocument& palette, TWorkspace& workspace);

/// Offers each orphaned copy in the keeper's folder; a restored one replaces the palette (as one undoable step,
/// modified) and brings back the base colour and its history. Every offered copy is removed afterwards.
/// Returns whether a copy was restored.
bool OfferRecovery(TRecoveryKeeper& keeper, TPaletteDocument& palette, TWorkspace& workspace);

}  // namespace tintorium
