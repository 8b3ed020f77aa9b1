#include "engine/files/BoundedRead.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

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

TFileResult ReadFileInBlocks(const QString& fileName, qsizetype blockSize,
                             const std::function<void(QByteArrayView)>& feed) {
  const QFileInfo info(fileName);
  if (!info.exists()) return {};
  QFile file(fileName);
  if (info.isDir() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return TFileResult::CantOpen();
  // A regular file ends where it says; a pipe or a device is not trusted to end at all.
  const qint64 limit = info.isFile() ? std::numeric_limits<qint64>::max() : kMaxStreamBytes;
  QByteArray block(std::max<qsizetype>(blockSize, 1), Qt::Uninitialized);
  for (qint64 total = 0;;) {
    const qint64 count = file.read(block.data(), block.size());
    if (count < 0) return TFileResult::CantOpen();
    if (count == 0) return {};
    total += count;
    if (total > limit) return TFileResult::CantOpen();
    feed(QByteArrayView(block.constData(), count));
  }
}

}  // namespace tintorium
