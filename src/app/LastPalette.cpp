#include "app/LastPalette.h"

#include "ui/language/FileFailure.h"

#include "app/Settings.h"
#include "engine/files/FileResult.h"
#include "engine/language/Messages.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/palette/PaletteFile.h"
#include "engine/platform/AppPaths.h"
#include "ui/language/MessageSeam.h"
#include "ui/palette/PalettePanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tintorium {

TLastPalette::TLastPalette(TSettings& settings, TPaletteDocument& palette, TPalettePanel& panel,
                           const QStringList& arguments)
    : settings_(settings), palette_(palette), panel_(panel), arguments_(arguments) {}

void TLastPalette::OpenAtStart(bool savePalette) {
  if (arguments_.isEmpty()) {
    if (savePalette) Restore();
  } else if (arguments_.size() == 1) {
    panel_.OpenPalette(QFileInfo(arguments_.front()).absoluteFilePath());
  }
}

void TLastPalette::Restore() {
  const QString last = settings_.ReadLastFile();
  if (!last.isEmpty() && last != TPaletteDocument::NoName && QFileInfo(last).isFile()) {
    panel_.OpenPalette(last);
    return;
  }
  const QString kept = LastPaletteFile();
  if (!QFileInfo(kept).isFile()) return;
  if (!palette_.OpenPalette(kept)) {
    palette_.NewPalette();
    SetDamagedCopyAside(kept);
  }
  palette_.SetPaletteFileName(TPaletteDocument::NoName);
  palette_.SetPaletteModified(false);
}

// The damaged copy would be overwritten at exit; it moves aside, so whatever can still be got out of it is kept.
void TLastPalette::SetDamagedCopyAside(const QString& kept) {
  const QFileInfo info(kept);
  QString aside;
  for (int n = 1; aside.isEmpty() || QFileInfo::exists(aside); ++n) {
    const QString suffix = n == 1 ? QString() : QStringLiteral("-%1").arg(n);
    aside = info.dir().filePath(info.completeBaseName() + QStringLiteral(".damaged") + suffix + QStringLiteral(".tnp"));
  }
  if (!QFile::rename(kept, aside) && !QFile::copy(kept, aside)) {
    keepDamaged_ = true;  // nowhere to put it: leave it where it is, untouched
    aside = kept;
  }
  ShowMessageBox(FormatMessage(sKeptPaletteDamaged, {QDir::toNativeSeparators(aside)}), mfWarning);
}

void TLastPalette::SaveAtExit(bool savePalette) {
  if (!savePalette || Untouched()) return;
  settings_.WriteLastFile(palette_.PaletteFileName());
  if (!KeptAtExit(savePalette) || keepDamaged_) return;
  const QString kept = LastPaletteFile();
  QDir().mkpath(QFileInfo(kept).absolutePath());
  const TFileResult result = WritePaletteFile(kept, palette_.Entries());
  if (!result) ShowSaveFailure(kept, result);
}

// A palette without a file of its own is written to the kept copy at exit; one with a file is not written again.
bool TLastPalette::KeptAtExit(bool savePalette) const {
  if (!savePalette) return false;
  const QString& fileName = palette_.PaletteFileName();
  return fileName == TPaletteDocument::NoName || !QFileInfo(fileName).isFile();
}

// A start with several arguments skips the kept palette; leaving that session without touching the palette must
// not replace the kept one with an empty list.
bool TLastPalette::Untouched() const {
  return arguments_.size() >= 2 && palette_.PaletteFileName() == TPaletteDocument::NoName && palette_.IsEmpty() &&
         !palette_.PaletteModified();
}


}  // namespace tintorium
