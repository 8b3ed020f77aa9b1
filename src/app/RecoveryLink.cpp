#include "app/RecoveryLink.h"

#include "app/RecoveryKeeper.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/language/MessageSeam.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUndoStack>

namespace tintorium {
namespace {

TRecoverySnapshot Snapshot(const TPaletteDocument& palette, TWorkspace& workspace) {
  TRecoverySnapshot snapshot;
  snapshot.Entries = palette.Entries();
  snapshot.PaletteFileName = palette.PaletteFileName();
  snapshot.PaletteModified = palette.PaletteModified();
  for (const TColorObjectFx& entry : workspace.History().Entries()) snapshot.History.push_back(entry.GetColor());
  snapshot.BaseColor = workspace.BaseColor().GetColor();
  return snapshot;
}

void Restore(const TRecoverySnapshot& snapshot, TPaletteDocument& palette, TWorkspace& workspace) {
  palette.NewPalette();
  palette.AppendPaletteColors(snapshot.Entries);
  palette.SetPaletteFileName(snapshot.PaletteFileName);
  palette.SetPaletteModified(snapshot.PaletteModified);
  for (auto color = snapshot.History.rbegin(); color != snapshot.History.rend(); ++color)
    workspace.History().Record(TColorObject(*color, cmRGB));
  workspace.AssignBaseColor(TColorObject(snapshot.BaseColor, cmRGB), &workspace, true);
}

}  // namespace

void LinkRecovery(TRecoveryKeeper& keeper, TPaletteDocument& palette, TWorkspace& workspace,
                  const TRecoverySettings& settings) {
  keeper.SetSource([&palette, &workspace, changed = settings.changed] {
    TRecoverySnapshot snapshot = Snapshot(palette, workspace);
    if (changed) snapshot.Settings = changed();
    return snapshot;
  });
  const auto schedule = [&keeper] { keeper.Schedule(); };
  QObject::connect(&palette.UndoStack(), &QUndoStack::indexChanged, &keeper, schedule);
  QObject::connect(&palette, &TPaletteDocument::ModifiedChanged, &keeper, schedule);
  QObject::connect(&palette, &TPaletteDocument::FileNameChanged, &keeper, schedule);
  QObject::connect(&palette, &TPaletteDocument::EntriesReset, &keeper, schedule);
  QObject::connect(&workspace, &TWorkspace::BaseColorAnnounced, &keeper, schedule);
}

bool OfferRecovery(TRecoveryKeeper& keeper, TPaletteDocument& palette, TWorkspace& workspace,
                   const TRecoverySettings& settings) {
  bool restored = false;
  for (const TRecoveryKeeper::TOrphan& orphan : keeper.TakeOrphans()) {
    const TRecoverySnapshot& snapshot = orphan.Snapshot;
    const QString name = QDir::toNativeSeparators(QFileInfo(snapshot.PaletteFileName).fileName());
    const QString time = QLocale().toString(snapshot.Time, QLocale::ShortFormat);
    if (!restored && ShowChoiceBox(FormatMessage(sRecoveryOffer, {name, time}), mfYesNoQuestion,
                                   {Message(sRecoveryRestore), Message(sRecoveryDiscard)}) == 0) {
      if (settings.restore && !snapshot.Settings.isEmpty()) settings.restore(snapshot.Settings);
      Restore(snapshot, palette, workspace);
      restored = true;
    }
    keeper.DropOrphan(orphan);
  }
  if (restored) keeper.WriteNow();
  return restored;
}

}  // namespace tintorium
