#include "engine/files/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tintorium {
namespace {

// Writes everything or reports failure; a short write (a full disk) is an error, not a silent truncation.
bool WriteAll(QFileDevice& file, QByteArrayView bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<qsizetype>(written);
  }
  return true;
}

// The folder refused the temporary file (EACCES is handled by QSaveFile itself; a sealed or network folder may
// say EPERM), but the target is there and writable: write it in place.
TFileResult WriteInPlace(const QString& fileName, QByteArrayView bytes) {
  const QFileInfo info(fileName);
  if (!info.isFile() || !info.isWritable()) return TFileResult::CantSave();
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return TFileResult::CantSave();
  const bool written = WriteAll(file, bytes);
  file.close();
  if (!written || file.error() != QFileDevice::NoError) return TFileResult::CantSave();
  return {};
}

}  // namespace

TFileResult SaveFileAtomically(const QString& fileName, QByteArrayView bytes) {
  QSaveFile file(fileName);
  file.setDirectWriteFallback(true);
  // Unbuffered: a buffered flush at commit time can drop a short write (a full disk) without an error.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return WriteInPlace(fileName, bytes);
  if (!WriteAll(file, bytes)) file.cancelWriting();
  if (!file.commit()) return TFileResult::CantSave();
  return {};
}

}  // namespace tintorium
