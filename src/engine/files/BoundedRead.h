#pragma once
// Reading a source that may not be a regular file (a pipe, a device) without trusting it to end.

#include "engine/files/FileBytes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFileInfo>

#include <functional>

namespace tintorium {

/// The most bytes read from a source that is not a regular file.
inline constexpr qint64 kMaxStreamBytes = qint64(64) * 1024 * 1024;

/// The bytes of `fileName`: a regular file is mapped (TFileBytes); anything else is read up to
/// kMaxStreamBytes, and one that goes on beyond that fails with "Could not read file!".
class TBoundedBytes {
 public:
  TFileResult Open(const QString& fileName);
  /// Valid while this object lives.
  QByteArrayView Data() const { return streamed_ ? QByteArrayView(buffer_) : file_.Data(); }

 private:
  TFileBytes file_;
  QByteArray buffer_;
  bool streamed_ = false;
};

/// What `parse` (bytes to a TReadResult) makes of the bytes of `fileName`, read as TBoundedBytes: "File not found"
/// for a missing file, the read's own failure for one that cannot be read.
template <typename Parse>
auto ReadParsed(const QString& fileName, Parse parse) -> decltype(parse(QByteArrayView())) {
  if (!QFileInfo::exists(fileName)) return {{}, TFileResult::FileNotFound()};
  TBoundedBytes bytes;
  if (TFileResult opened = bytes.Open(fileName); !opened) return {{}, opened};
  return parse(bytes.Data());
}

/// Hands `fileName` to `feed` in blocks of `blockSize` bytes, so a scanner works in bounded memory. A missing file
/// is no failure and feeds nothing; a folder, an unreadable file, or a source that is not a regular file and
/// goes on beyond kMaxStreamBytes fails with "Could not read file!".
TFileResult ReadFileInBlocks(const QString& fileName, qsizetype blockSize,
                             const std::function<void(QByteArrayView)>& feed);

}  // namespace tintorium
