#include "engine/language/LanguageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace tintorium {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned bytes stay C1 controls.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    text.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
  }
  return text;
}

QString DecodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) return DecodeCp1252(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  return text;
}

// Lines end in CR LF as written on Windows; lone LF or CR are accepted too.
QStringList SplitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}

const std::array<const char*, 6> kVariationAddButtons = {"sbVarWarm",   "sbVarCool",  "sbVarDark",
                                                         "sbVarBright", "sbVarSatur", "sbVarDesatur"};

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// "name" + index: the index is the key's trailing digits, as few as name a component. One digit is tried first,
// so a component whose own name ends in a digit (Label1) keeps its single-digit items as before.
void ApplyItemEntry(const TLanguageEntry& entry, TLanguageTarget& target) {
  const QString& key = entry.key;
  int digits = 0;
  while (digits < key.size() - 1 && IsAsciiDigit(key[key.size() - 1 - digits])) ++digits;
  for (int taken = 1; taken <= std::min(digits, kMaxItemIndexDigits); ++taken) {
    const QString name = key.chopped(taken);
    if (!target.HasComponent(name)) continue;
    target.SetItemText(name, key.right(taken).toInt(), entry.value);
    return;
  }
}

void ApplyEntry(const TLanguageEntry& entry, const QString& section, TLanguageTarget& target) {
  const QString& key = entry.key;
  if (target.HasComponent(key)) {
    target.SetComponentText(key, entry.value);
  } else if (key == u"Caption") {
    target.SetCaption(entry.value);
  } else if (key == u"VarAddAll") {
    if (section != QLatin1String(kMainFormSection)) return;
    for (const char* name : kVariationAddButtons) {
      const QString button = QString::fromLatin1(name);
      if (target.HasComponent(button)) target.SetComponentText(button, entry.value);
    }
  } else {
    ApplyItemEntry(entry, target);
  }
}

}  // namespace

std::optional<TLanguageFile> TLanguageFile::Load(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  const QFileInfo info(path);
  // Devices and pipes could block or never end; only plain files are read.
  if (!info.exists() || !info.isFile() || info.size() > kMaxFileBytes) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // The size may change between the check and the read; never take more than the limit.
  const QByteArray bytes = file.read(kMaxFileBytes + 1);
  if (bytes.size() > kMaxFileBytes) return std::nullopt;
  return FromBytes(bytes);
}

std::optional<QString> TLanguageFile::PeekValue(const QString& path, const QString& section, const QString& key) {
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > kMaxFileBytes) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // Read line by line, as Section() finds them, and stop at the key: the names of the Language menu sit at the
  // top of files that are otherwise read whole only when chosen.
  bool inSection = false;
  qint64 read = 0;
  while (!file.atEnd() && read <= kMaxFileBytes) {
    const QByteArray bytes = file.readLine(kMaxFileBytes + 1);
    read += bytes.size();
    QString line = DecodeText(bytes);
    while (line.endsWith(u'\n') || line.endsWith(u'\r')) line.chop(1);
    if (!inSection) {
      inSection = line.contains(section);
      continue;
    }
    const auto entry = SplitEntry(line);
    if (!entry) break;
    if (entry->key == key) return entry->value;
  }
  return std::nullopt;
}

TLanguageFile TLanguageFile::FromBytes(const QByteArray& bytes) {
  TLanguageFile file;
  file.lines_ = SplitLines(DecodeText(bytes));
  return file;
}

std::optional<TLanguageEntry> TLanguageFile::SplitEntry(const QString& line) {
  const qsizetype eq = line.indexOf(u'=');
  if (eq < 0) return std::nullopt;
  return TLanguageEntry{line.left(eq), line.mid(eq + 1)};
}

QList<TLanguageEntry> TLanguageFile::Section(const QString& name) const {
  QList<TLanguageEntry> entries;
  if (name.isEmpty()) return entries;
  qsizetype i = 0;
  while (i < lines_.size() && !lines_[i].contains(name)) ++i;
  for (++i; i < lines_.size(); ++i) {
    auto entry = SplitEntry(lines_[i]);
    if (!entry) break;
    entries.append(std::move(*entry));
  }
  return entries;
}

void ApplyLanguageEntries(const QList<TLanguageEntry>& entries, const QString& section, TLanguageTarget& target) {
  for (const TLanguageEntry& entry : entries) ApplyEntry(entry, section, target);
}

}  // namespace tintorium
