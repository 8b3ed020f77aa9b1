#include "interchange/BoundedRead.h"

#include <QFile>
#include <QFileInfo>

namespace tintorium {

TFileResult TBoundedBytes::Open(const QString& fileName) {
  const QFileInfo info(fileName);
  if (info.isFile()) return file_.Open(fileName);
  streamed_ = true;
  QFile source(fileName);
  if (info.isDir() || !source.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return TFileResult::CantOpen();
  constexpr qint64 kChunk = 1 << 20;
  for (;;) {
    const QByteArray chunk = source.read(kChunk);
    if (source.error() != QFileDevice::NoError) return TFileResult::CantOpen();
    if (chunk.isEmpty()) return {};
    if (buffer_.size() + chunk.size() > kMaxStreamBytes) {
      buffer_.clear();
      return TFileResult::CantOpen();
    }
    buffer_ += chunk;
  }
}

}  // namespace tintorium
