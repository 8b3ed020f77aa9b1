#pragma once
// Ties a recovery keeper to the window's palette, base colour and settings: every change schedules a copy, and a
// copy left by a program that ended uncleanly is offered at start with the buttons "Restore" and "Discard".

#include <QVariantMap>

#include <functional>

namespace tintorium {

class TPaletteDocument;
class TRecoveryKeeper;
class TWorkspace;

/// The window's settings as the recovery copy keeps them: `changed` gives those changed in the session,
/// `restore` takes over settings of a restored copy. Either may be empty (no settings kept or restored).
struct TRecoverySettings {
  std::function<QVariantMap()> changed;
  std::function<void(const QVariantMap&)> restore;
};

/// Feeds `keeper` from the palette, the workspace and `settings`, and schedules a copy after each change of the
/// palette or the base colour (settings changes schedule one through the keeper themselves).
void LinkRecovery(TRecoveryKeeper& keeper, TPaletteDocument& palette, TWorkspace& workspace,
                  const TRecoverySettings& settings = {});

/// Offers each orphaned copy in the keeper's folder, naming its palette and time; a restored one brings back its
/// settings first, then replaces the palette (as one undoable step, modified) and brings back the base colour
/// and its history. Every offered copy is removed afterwards. Returns whether a copy was restored.
bool OfferRecovery(TRecoveryKeeper& keeper, TPaletteDocument& palette, TWorkspace& workspace,
                   const TRecoverySettings& settings = {});

}  // namespace tintorium
