#include "engine/web/WebScan.h"

#include "engine/files/BoundedRead.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cstring>
#include <limits>

namespace tintorium {
namespace {

template <typename Ch>
bool IsHexUnit(Ch c) {
  const auto u = static_cast<std::uint32_t>(c);
  return (u >= '0' && u <= '9') || ((u | 0x20U) >= 'a' && (u | 0x20U) <= 'f');
}

template <typename Ch>
bool AllHex(const Ch* s, int count) {
  for (int i = 0; i < count; ++i) {
    if (!IsHexUnit(s[i])) return false;
  }
  return true;
}

const unsigned char* FindHash(const unsigned char* from, std::size_t count) {
  return static_cast<const unsigned char*>(std::memchr(from, '#', count));
}

const char16_t* FindHash(const char16_t* from, std::size_t count) {
  const QStringView view(from, static_cast<qsizetype>(count));
  const qsizetype at = view.indexOf(u'#');
  return at < 0 ? nullptr : from + at;
}

QString ColorText(const unsigned char* s, int count) {
  return QString::fromLatin1(reinterpret_cast<const char*>(s), count);
}

QString ColorText(const char16_t* s, int count) { return QString(reinterpret_cast<const QChar*>(s), count); }

template <typename Ch>
QString DoubledColorText(const Ch* s) {
  const Ch doubled[6] = {s[0], s[0], s[1], s[1], s[2], s[2]};
  return ColorText(doubled, 6);
}

// Walks text[pos, length) from "#" to "#" without copying it; after each "#" the scan resumes four units later.
// Unless `final`, a "#" with fewer than six units after it waits for more text. Returns where the scan stopped:
// below `length` an unfinished "#", else the position to resume at, up to three units past the end.
template <typename Ch, typename Found>
std::size_t ScanUnits(const Ch* text, std::size_t length, std::size_t pos, bool final, const Found& found) {
  while (pos < length) {
    const Ch* hash = FindHash(text + pos, length - pos);
    if (hash == nullptr) return length;
    const std::size_t at = static_cast<std::size_t>(hash - text);
    const std::size_t after = length - at - 1;
    if (after < 6 && !final) return at;
    if (after >= 6 && AllHex(hash + 1, 6)) {
      found(ColorText(hash + 1, 6));
    } else if (after >= 3 && AllHex(hash + 1, 3)) {
      found(DoubledColorText(hash + 1));
    }
    pos = at + 4;
  }
  return pos;
}

bool StartsWith(QByteArrayView bytes, std::initializer_list<unsigned char> prefix) {
  if (static_cast<std::size_t>(bytes.size()) < prefix.size()) return false;
  std::size_t i = 0;
  for (unsigned char b : prefix) {
    if (static_cast<unsigned char>(bytes[static_cast<qsizetype>(i++)]) != b) return false;
  }
  return true;
}

// Where UTF-8 bytes may be cut without changing what they decode to, as far as colours go: after the last ASCII
// byte, which no sequence runs through, or else 24 bytes before the end of a run without one: the two parts of
// such a run give at least eight characters between them however they decode, none of them a digit or a "#".
qsizetype Utf8CutPoint(QByteArrayView bytes) {
  constexpr qsizetype kRunKept = 24;
  for (qsizetype i = bytes.size(); i > 0 && bytes.size() - i <= kRunKept; --i) {
    if (static_cast<unsigned char>(bytes[i - 1]) < 0x80) return i;
  }
  return std::max<qsizetype>(bytes.size() - kRunKept, 0);
}

QString DecodeUtf16(QByteArrayView body, bool littleEndian) {
  const qsizetype units = body.size() / 2;
  QString text(units, Qt::Uninitialized);
  auto* out = reinterpret_cast<char16_t*>(text.data());
  const auto* in = reinterpret_cast<const unsigned char*>(body.data());
  for (qsizetype i = 0; i < units; ++i) {
    const unsigned lo = in[2 * i + (littleEndian ? 0 : 1)];
    const unsigned hi = in[2 * i + (littleEndian ? 1 : 0)];
    out[i] = static_cast<char16_t>(lo | (hi << 8));
  }
  return text;
}

}  // namespace

QStringList ScanTextColors(QStringView text) {
  QStringList colors;
  ScanUnits(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()), 0, true,
            [&colors](const QString& color) { colors.append(color); });
  return colors;
}

QStringList ScanTextColorsInBytes(QByteArrayView bytes) {
  QStringList colors;
  TWebColorStream stream([&colors](const QString& color) { colors.append(color); });
  stream.Feed(bytes);
  stream.Finish();
  return colors;
}

TReadResult<QStringList> ScanTextColorsFile(const QString& fileName) {
  TReadResult<QStringList> result;
  result.Status = ScanTextColorsFile(fileName, [&result](const QString& color) { result.Value.append(color); });
  if (!result.Ok()) result.Value.clear();
  return result;
}

TFileResult ScanTextColorsFile(const QString& fileName, const TColorSink& found, qsizetype blockSize) {
  TWebColorStream stream(found);
  const TFileResult read =
      ReadFileInBlocks(fileName, blockSize, [&stream](QByteArrayView bytes) { stream.Feed(bytes); });
  if (read.Ok()) stream.Finish();
  return read;
}

TWebColorStream::TWebColorStream(TColorSink found)
    : found_(std::move(found)),
      utf8_(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom) {}

void TWebColorStream::Feed(QByteArrayView bytes) {
  if (encoding_ != TEncoding::Undecided) {
    FeedDecided(bytes, false);
  } else if (head_.isEmpty() && bytes.size() >= 3) {
    Decide(bytes, false);
  } else {
    const qsizetype take = std::min<qsizetype>(3 - head_.size(), bytes.size());
    head_.append(bytes.first(take));
    if (head_.size() < 3) return;
    Decide(head_, false);
    head_.clear();
    FeedDecided(bytes.sliced(take), false);
  }
}

void TWebColorStream::Finish() {
  if (encoding_ == TEncoding::Undecided) {
    Decide(head_, true);
    head_.clear();
  } else {
    FeedDecided({}, true);
  }
}

// The byte-order mark at the start of `head` chooses the encoding; the text goes on after it.
void TWebColorStream::Decide(QByteArrayView head, bool final) {
  qsizetype mark = 0;
  if (StartsWith(head, {0xEF, 0xBB, 0xBF})) {
    encoding_ = TEncoding::Utf8, mark = 3;
  } else if (StartsWith(head, {0xFF, 0xFE})) {
    encoding_ = TEncoding::Utf16LE, mark = 2;
  } else if (StartsWith(head, {0xFE, 0xFF})) {
    encoding_ = TEncoding::Utf16BE, mark = 2;
  } else {
    encoding_ = TEncoding::Bytes;
  }
  FeedDecided(head.sliced(mark), final);
}

void TWebColorStream::FeedDecided(QByteArrayView bytes, bool final) {
  if (encoding_ == TEncoding::Bytes) {
    FeedUnits(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<std::size_t>(bytes.size()),
              pendingBytes_, final);
    return;
  }
  const QString text = encoding_ == TEncoding::Utf8 ? Utf8Units(bytes, final) : Utf16Units(bytes);
  FeedUnits(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()), pendingUnits_,
            final);
}

// Decoded as the whole text would be, up to a place where the bytes may be cut; the rest waits for the next block.
// Qt's stateful decoder loses a character after a sequence cut by a block end and broken in the next, so each
// piece is decoded on its own, after the start of the text without dropping a byte-order mark.
QString TWebColorStream::Utf8Units(QByteArrayView bytes, bool final) {
  QByteArray joined;
  if (!utf8Tail_.isEmpty()) {
    joined = utf8Tail_;
    joined.append(bytes);
    bytes = joined;
  }
  const qsizetype cut = final ? bytes.size() : Utf8CutPoint(bytes);
  utf8Tail_ = bytes.sliced(cut).toByteArray();
  const QByteArrayView piece = bytes.first(cut);
  if (utf8Started_) return utf8_.decode(piece);
  utf8Started_ = !piece.isEmpty();
  return QString::fromUtf8(piece);
}

// Whole UTF-16 units of the bytes, with a byte left over by the last block in front; an odd byte waits.
QString TWebColorStream::Utf16Units(QByteArrayView bytes) {
  QByteArray joined;
  if (oddByte_ >= 0 && !bytes.isEmpty()) {
    joined.reserve(bytes.size() + 1);
    joined.append(static_cast<char>(oddByte_)).append(bytes);
    bytes = joined;
    oddByte_ = -1;
  }
  if (bytes.size() % 2 != 0) {
    oddByte_ = static_cast<unsigned char>(bytes.back());
    bytes.chop(1);
  }
  return DecodeUtf16(bytes, encoding_ == TEncoding::Utf16LE);
}

template <typename Ch>
void TWebColorStream::FeedUnits(const Ch* units, std::size_t count, std::vector<Ch>& pending, bool final) {
  std::vector<Ch> joined;
  std::size_t start = 0;
  if (pending.empty()) {
    start = std::min(skip_, count);
    skip_ -= start;
  } else {
    // Only when a "#" waits at a block end does the next block get copied behind it.
    joined.swap(pending);
    joined.insert(joined.end(), units, units + count);
    units = joined.data();
    count = joined.size();
  }
  const std::size_t stop = ScanUnits(units, count, start, final, found_);
  if (stop < count) {
    pending.assign(units + stop, units + count);
  } else {
    skip_ += stop - count;
  }
}

}  // namespace tintorium
