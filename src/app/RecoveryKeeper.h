#pragma once
// The recovery copy: the open palette, the base colour and its history, the settings changed in the session, written a moment after each change so a
// killed program loses almost nothing. Each running program keeps its own copy under a lock, so two programs never
// share one; a copy whose lock belongs to a process that is gone is an orphan, offered at the next start.

#include "engine/palette/PaletteEntry.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

class QLockFile;

namespace tintorium {

/// What a recovery copy holds.
struct TRecoverySnapshot {
  TPaletteEntries Entries;
  /// The palette's file name ("noname.tnp" when never saved).
  QString PaletteFileName;
  bool PaletteModified = false;
  /// RGB values of the base colour history, newest first.
  std::vector<TColor> History;
  TColor BaseColor = 0;
  /// When the copy was written (local time).
  QDateTime Time;
  /// The settings changed in the session: key paths of the settings store and their values (texts, whole
  /// numbers, booleans, bytes).
  QVariantMap Settings;
};

class TRecoveryKeeper final : public QObject {
 public:
  /// Keeps copies in `folder` (created when needed) and takes this process's lock there.
  explicit TRecoveryKeeper(const QString& folder, QObject* parent = nullptr);
  ~TRecoveryKeeper() override;

  /// The recovery folder in the user's data folder.
  static QString DefaultFolder();

  /// Gives the state to keep; nothing is written before it is set.
  void SetSource(std::function<TRecoverySnapshot()> source) { source_ = std::move(source); }
  /// Something changed: the copy is written once no further change came for DelayMs.
  void Schedule();
  /// Writes the copy now (or removes it when there is nothing to recover); returns false when the write failed.
  bool WriteNow();
  /// Removes this process's copy (a clean exit, a save).
  void Remove();
  /// Copies written since the start (each a whole-file save).
  int WriteCount() const { return writes_; }
  /// The wait after the last change, in milliseconds.
  static constexpr int DelayMs = 400;
  QString CopyFile() const { return base_ + QStringLiteral(".rec"); }

  /// A copy left by a program that ended uncleanly, adopted by this one (its lock taken over).
  struct TOrphan {
    QString CopyFile;
    TRecoverySnapshot Snapshot;
  };
  /// The orphaned copies in the folder, oldest first; copies of programs still running are left alone. Damaged
  /// copies are removed.
  std::vector<TOrphan> TakeOrphans();
  /// Deletes an adopted orphan and its lock.
  void DropOrphan(const TOrphan& orphan);

  /// The copy's bytes and their reading; Decode is false for anything that is not a whole copy.
  static QByteArray Encode(const TRecoverySnapshot& snapshot);
  static bool Decode(QByteArrayView bytes, TRecoverySnapshot& snapshot);

 private:
  QString folder_;
  QString base_;
  std::unique_ptr<QLockFile> lock_;
  std::vector<std::unique_ptr<QLockFile>> adopted_;
  QTimer timer_;
  std::function<TRecoverySnapshot()> source_;
  int writes_ = 0;
};

}  // namespace tintorium
