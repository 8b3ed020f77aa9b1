#include "interchange/SafeSave.h"

#include <QSaveFile>

namespace tintorium {

TFileResult SaveFileAtomically(const QString& fileName, QByteArrayView bytes) {
  QSaveFile file(fileName);
  // Unbuffered: a buffered flush at commit time can drop a short write (a full disk) without an error.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return TFileResult::CantSave();
  qsizetype done = 0;
  while (done < bytes.size()) {
    const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
    if (written <= 0) {
      file.cancelWriting();
      break;
    }
    done += static_cast<qsizetype>(written);
  }
  if (!file.commit()) return TFileResult::CantSave();
  return {};
}

}  // namespace tintorium
