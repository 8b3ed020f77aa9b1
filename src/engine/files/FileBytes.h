#pragma once
// The whole content of a file as bytes, mapped into memory when the file allows it (no copy, no allocation
// of the file's size), read otherwise.

#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace tintorium {

class TFileBytes {
 public:
  TFileBytes() = default;
  TFileBytes(const TFileBytes&) = delete;
  TFileBytes& operator=(const TFileBytes&) = delete;
  ~TFileBytes();

  /// "Could not read file!" (sCantOpen) when the file cannot be opened or read.
  TFileResult Open(const QString& fileName);
  /// Valid while this object lives.
  QByteArrayView Data() const { return data_; }

 private:
  QFile file_;
  QByteArray buffer_;
  uchar* map_ = nullptr;
  QByteArrayView data_;
};

}  // namespace tintorium
