#include "interchange/WebScan.h"

#include "interchange/BoundedRead.h"

#include <QFileInfo>
#include <QString>

#include <cstring>

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

// Walks from "#" to "#" without copying the text: after each "#" the scan resumes four units later.
template <typename Ch>
QStringList ScanUnits(const Ch* text, std::size_t length) {
  QStringList colors;
  std::size_t pos = 0;
  while (pos < length) {
    const Ch* hash = FindHash(text + pos, length - pos);
    if (hash == nullptr) break;
    const std::size_t at = static_cast<std::size_t>(hash - text);
    const std::size_t after = length - at - 1;
    if (after >= 6 && AllHex(hash + 1, 6)) {
      colors.append(ColorText(hash + 1, 6));
    } else if (after >= 3 && AllHex(hash + 1, 3)) {
      colors.append(DoubledColorText(hash + 1));
    }
    pos = at + 4;
  }
  return colors;
}

bool StartsWith(QByteArrayView bytes, std::initializer_list<unsigned char> prefix) {
  if (static_cast<std::size_t>(bytes.size()) < prefix.size()) return false;
  std::size_t i = 0;
  for (unsigned char b : prefix) {
    if (static_cast<unsigned char>(bytes[static_cast<qsizetype>(i++)]) != b) return false;
  }
  return true;
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
  return ScanUnits(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

QStringList ScanTextColorsInBytes(QByteArrayView bytes) {
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    return ScanTextColors(QString::fromUtf8(bytes.sliced(3)));
  }
  if (StartsWith(bytes, {0xFF, 0xFE})) return ScanTextColors(DecodeUtf16(bytes.sliced(2), true));
  if (StartsWith(bytes, {0xFE, 0xFF})) return ScanTextColors(DecodeUtf16(bytes.sliced(2), false));
  return ScanUnits(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<std::size_t>(bytes.size()));
}

TReadResult<QStringList> ScanTextColorsFile(const QString& fileName) {
  TReadResult<QStringList> result;
  if (!QFileInfo::exists(fileName)) return result;
  TBoundedBytes bytes;
  result.Status = bytes.Open(fileName);
  if (result.Ok()) result.Value = ScanTextColorsInBytes(bytes.Data());
  return result;
}

}  // namespace tintorium
