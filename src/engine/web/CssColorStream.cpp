#include "engine/web/CssColorStream.h"

#include "engine/files/BoundedRead.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <limits>

namespace tintorium {
namespace {

bool StartsWith(QByteArrayView bytes, std::initializer_list<unsigned char> prefix) {
  if (static_cast<std::size_t>(bytes.size()) < prefix.size()) return false;
  qsizetype i = 0;
  for (const unsigned char b : prefix) {
    if (static_cast<unsigned char>(bytes[i++]) != b) return false;
  }
  return true;
}

std::string Latin1AsUtf8(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString();
}

}  // namespace

TCssSource CssSourceForPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == u"css") return TCssSource::StyleSheet;
  if (ext == u"scss") return TCssSource::Scss;
  return TCssSource::Html;
}

TCssColorStream::TCssColorStream(TCssColorMatchSink found, TCssSource source)
    : found_(std::move(found)), source_(source) {}

TCssColorStream::~TCssColorStream() = default;

void TCssColorStream::Feed(QByteArrayView bytes) {
  if (encoding_ != TEncoding::Undecided) {
    FeedDecided(bytes);
    return;
  }
  const qsizetype take = std::min<qsizetype>(3 - head_.size(), bytes.size());
  head_.append(bytes.first(take));
  if (head_.size() < 3) return;
  Decide(head_);
  head_.clear();
  FeedDecided(bytes.sliced(take));
}

void TCssColorStream::Finish() {
  if (encoding_ == TEncoding::Undecided) {
    Decide(head_);
    head_.clear();
  }
  if (css_) css_->Finish();
  if (html_) html_->Finish();
}

// The byte-order mark at the start of `head` chooses the encoding; the text goes on after it.
void TCssColorStream::Decide(QByteArrayView head) {
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
  const bool utf16 = encoding_ == TEncoding::Utf16LE || encoding_ == TEncoding::Utf16BE;
  auto sink = [this](const TCssColorMatch& match) { Found(match); };
  if (source_ == TCssSource::Html) {
    html_ = std::make_unique<THtmlStyleScanner>(sink, utf16);
  } else {
    css_ = std::make_unique<TCssColorScanner>(
        sink, source_ == TCssSource::Scss ? TCssText::Scss : TCssText::StyleSheet, utf16);
  }
  FeedDecided(head.sliced(mark));
}

// Every byte of an 8-bit or UTF-8 text is a unit: the scanners read only ASCII, which UTF-8 never hides inside
// a longer sequence.
void TCssColorStream::FeedDecided(QByteArrayView bytes) {
  if (encoding_ == TEncoding::Bytes || encoding_ == TEncoding::Utf8) {
    for (const char b : bytes) Put(static_cast<unsigned char>(b));
    return;
  }
  const bool little = encoding_ == TEncoding::Utf16LE;
  for (const char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    if (oddByte_ < 0) {
      oddByte_ = byte;
      continue;
    }
    const unsigned first = static_cast<unsigned>(oddByte_);
    oddByte_ = -1;
    Put(little ? (first | (byte << 8U)) : ((first << 8U) | byte));
  }
}

void TCssColorStream::Put(char32_t unit) {
  if (css_) {
    css_->Put(unit);
  } else {
    html_->Put(unit);
  }
}

void TCssColorStream::Found(TCssColorMatch match) const {
  if (encoding_ == TEncoding::Bytes) {
    const QByteArrayView name(match.Property.data(), static_cast<qsizetype>(match.Property.size()));
    if (!name.isValidUtf8()) match.Property = Latin1AsUtf8(match.Property);
  }
  found_(match);
}

std::vector<TCssColorMatch> ScanCssColorsInBytes(QByteArrayView bytes, TCssSource source) {
  std::vector<TCssColorMatch> found;
  TCssColorStream stream([&found](const TCssColorMatch& match) { found.push_back(match); }, source);
  stream.Feed(bytes);
  stream.Finish();
  return found;
}

TFileResult ScanCssColorsFile(const QString& fileName, const TCssColorMatchSink& found, qsizetype blockSize) {
  TCssColorStream stream(found, CssSourceForPath(fileName));
  const TFileResult read =
      ReadFileInBlocks(fileName, blockSize, [&stream](QByteArrayView bytes) { stream.Feed(bytes); });
  if (read.Ok()) stream.Finish();
  return read;
}

}  // namespace tintorium
