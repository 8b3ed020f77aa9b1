#include "engine/files/FileBytes.h"

namespace tintorium {

TFileBytes::~TFileBytes() {
  if (map_) file_.unmap(map_);
}

TFileResult TFileBytes::Open(const QString& fileName) {
  file_.setFileName(fileName);
  if (!file_.open(QIODevice::ReadOnly)) return TFileResult::CantOpen();
  if (!file_.isSequential()) {
    const qint64 size = file_.size();
    if (size == 0) return {};
    map_ = file_.map(0, size);
    if (map_) {
      data_ = QByteArrayView(reinterpret_cast<const char*>(map_), static_cast<qsizetype>(size));
      return {};
    }
  }
  // Pipes and files that cannot be mapped: read what is really there.
  buffer_ = file_.readAll();
  if (file_.error() != QFileDevice::NoError) return TFileResult::CantOpen();
  data_ = QByteArrayView(buffer_);
  return {};
}

}  // namespace tintorium
