#pragma once
// The palette kept between runs ("Remember last palette between sessions"): at start it brings back the file
// named in "Options/LastPalette", or the kept copy of a palette that had no file of its own; at exit it records
// the palette's file and writes the kept copy when the palette has no file.

#include <QString>
#include <QStringList>

namespace tintorium {

class TFileResult;
class TPaletteDocument;
class TPalettePanel;
class TSettings;

class TLastPalette final {
 public:
  /// `settings`, `palette` and `panel` must outlive this object. `arguments` are the command-line arguments
  /// after the program name.
  TLastPalette(TSettings& settings, TPaletteDocument& palette, TPalettePanel& panel, const QStringList& arguments);

  /// Opens what the start asks for: no argument brings back the last palette (when `savePalette`), one opens
  /// that file, two or more open nothing.
  void OpenAtStart(bool savePalette);
  /// Records the palette for the next start (when `savePalette`); a palette without a file is written to the
  /// kept copy.
  void SaveAtExit(bool savePalette);
  /// True when the palette would be brought back by the next start, so closing loses nothing.
  bool KeptAtExit(bool savePalette) const;

 private:
  void Restore();
  void SetDamagedCopyAside(const QString& kept);
  bool Untouched() const;

  TSettings& settings_;
  TPaletteDocument& palette_;
  TPalettePanel& panel_;
  QStringList arguments_;
  bool keepDamaged_ = false;
};

}  // namespace tintorium
