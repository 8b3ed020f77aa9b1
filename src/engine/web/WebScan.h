#pragma once
// Colours written as "#" notations in web pages and style sheets.

#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tintorium {

/// The "#" colours of `text`, in order, duplicates kept, letter case kept: "#" followed by six hexadecimal
/// digits gives them, otherwise three digits give each digit doubled ("#fade-in" gives "ffaadd"). After every
/// "#" the scan goes on four characters later, whatever was found. One pass, linear in the length.
QStringList ScanTextColors(QStringView text);

/// The same over file bytes: a byte-order mark selects UTF-8 or UTF-16 (either byte order); without one every
/// byte is one character (an 8-bit code page), which leaves every hexadecimal digit where it was.
QStringList ScanTextColorsInBytes(QByteArrayView bytes);

/// Takes each colour (six hexadecimal digits, letter case as written) as soon as the scan has found it.
using TColorSink = std::function<void(const QString& color)>;

/// The bytes a file scan reads at a time: all it holds of the file, whatever the file's size.
inline constexpr qsizetype kScanBlockSize = 64 * 1024;

/// Scans the file `fileName`. A missing file gives an empty list and success; a file that exists but cannot be
/// read fails with "Could not read file!". A source that is no regular file (a pipe, a device) is read up to
/// 64 MiB; one that goes on beyond that fails the same way. A failure comes with an empty list.
TReadResult<QStringList> ScanTextColorsFile(const QString& fileName);

/// The same, read in blocks of `blockSize` bytes (at least 1) and handing each colour to `found` as it is
/// found, so memory stays flat whatever the file's size. On a failure `found` has had the colours before it.
TFileResult ScanTextColorsFile(const QString& fileName, const TColorSink& found,
                               qsizetype blockSize = kScanBlockSize);

/// Finds the "#" colours of file bytes that arrive in blocks of any size, exactly as ScanTextColorsInBytes
/// finds them in the whole: a colour cut by a block end is found once. Between blocks it keeps at most the
/// last "#" and the six characters after it (and a decoder's few bytes).
class TWebColorStream {
 public:
  explicit TWebColorStream(TColorSink found);

  /// The next bytes of the text.
  void Feed(QByteArrayView bytes);
  /// The text has ended: a "#" near the end is judged on the characters there are.
  void Finish();

 private:
  enum class TEncoding : std::uint8_t { Undecided, Bytes, Utf8, Utf16LE, Utf16BE };

  void Decide(QByteArrayView head, bool final);
  void FeedDecided(QByteArrayView bytes, bool final);
  QString Utf8Units(QByteArrayView bytes, bool final);
  QString Utf16Units(QByteArrayView bytes);
  template <typename Ch>
  void FeedUnits(const Ch* units, std::size_t count, std::vector<Ch>& pending, bool final);

  TColorSink found_;
  TEncoding encoding_ = TEncoding::Undecided;
  QByteArray head_;  // the first bytes while there are too few to tell a byte-order mark
  QStringDecoder utf8_;  // after the start of the text, where a byte-order mark is a character like any other
  QByteArray utf8Tail_;  // the bytes after the last place a UTF-8 block could be cut
  bool utf8Started_ = false;
  int oddByte_ = -1;  // the first byte of a UTF-16 unit that a block end cut in two
  // An unfinished "#" and what follows it, in the units of the encoding.
  std::vector<unsigned char> pendingBytes_;
  std::vector<char16_t> pendingUnits_;
  std::size_t skip_ = 0;  // characters of the next block that the last "#" still consumes
};

}  // namespace tintorium
