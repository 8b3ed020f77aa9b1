#include "engine/formats/GimpPaletteFile.h"

#include "core/ColorText.h"
#include "engine/files/BoundedRead.h"
#include "engine/files/SafeSave.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace tintorium {
namespace {

constexpr QByteArrayView kHeader("GIMP Palette");
constexpr QByteArrayView kNameKey("Name:");
constexpr QByteArrayView kColumnsKey("Columns:");
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

QByteArrayView TrimBlanks(QByteArrayView text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.sliced(first, last - first);
}

/// Cuts `data` into lines at LF, CRLF or CR, counting them from 1.
class TLineReader {
 public:
  explicit TLineReader(QByteArrayView data) : data_(data) {}

  bool Next(QByteArrayView& line) {
    if (pos_ >= data_.size()) return false;
    const qsizetype start = pos_;
    while (pos_ < data_.size() && data_[pos_] != '\n' && data_[pos_] != '\r') ++pos_;
    line = data_.sliced(start, pos_ - start);
    if (pos_ < data_.size()) {
      const char lineBreak = data_[pos_++];
      if (lineBreak == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    }
    ++number_;
    return true;
  }
  int Number() const { return number_; }

 private:
  QByteArrayView data_;
  qsizetype pos_ = 0;
  int number_ = 0;
};

/// A whole number 0-255 starting at `pos`; `pos` ends after its digits.
bool ReadChannel(QByteArrayView line, qsizetype& pos, std::int32_t& value) {
  const qsizetype start = pos;
  value = 0;
  while (pos < line.size() && IsDigit(line[pos])) {
    value = value * 10 + (line[pos] - '0');
    if (value > 255) return false;
    ++pos;
  }
  return pos > start;
}

bool SkipBlanks(QByteArrayView line, qsizetype& pos) {
  const qsizetype start = pos;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  return pos > start;
}

/// "R G B" and an optional name; `line` has no leading blanks.
bool ParseRow(QByteArrayView line, TGplEntry& entry) {
  qsizetype pos = 0;
  if (!ReadChannel(line, pos, entry.Rgb.R) || !SkipBlanks(line, pos)) return false;
  if (!ReadChannel(line, pos, entry.Rgb.G) || !SkipBlanks(line, pos)) return false;
  if (!ReadChannel(line, pos, entry.Rgb.B)) return false;
  if (pos < line.size() && !SkipBlanks(line, pos)) return false;
  entry.Name = QString::fromUtf8(line.sliced(pos)).trimmed();
  return true;
}

QString HeaderValue(QByteArrayView line, QByteArrayView key) {
  return QString::fromUtf8(line.sliced(key.size())).trimmed();
}

/// Line breaks and tabs inside a name would break the row apart.
QString OneLine(QString text) {
  for (QChar& c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = u' ';
  }
  return text;
}

std::int32_t Channel(std::int32_t c) { return std::clamp(c, 0, 255); }

}  // namespace

TReadResult<TGplPalette> ParseGplData(QByteArrayView data) {
  if (data.startsWith(kByteOrderMark)) data = data.sliced(kByteOrderMark.size());
  TLineReader lines(data);
  QByteArrayView line;
  if (!lines.Next(line) || !TrimBlanks(line).startsWith(kHeader)) {
    return {{}, TFileResult::Failure(QString::fromLatin1(kGplHeaderText))};
  }
  TGplPalette palette;
  bool named = false;
  bool hasColumns = false;
  while (lines.Next(line)) {
    line = TrimBlanks(line);
    if (line.isEmpty() || line.front() == '#') continue;
    if (line.startsWith(kNameKey)) {
      if (!named) palette.Name = HeaderValue(line, kNameKey);
      named = true;
      continue;
    }
    if (line.startsWith(kColumnsKey)) {
      bool ok = false;
      const int columns = HeaderValue(line, kColumnsKey).toInt(&ok);
      if (!hasColumns && ok && columns >= 0 && columns <= MaxGplColumns) palette.Columns = columns;
      hasColumns = true;
      continue;
    }
    TGplEntry entry;
    if (!ParseRow(line, entry)) {
      return {{}, TFileResult::Failure(QString::fromLatin1(kGplRowText).arg(lines.Number()))};
    }
    palette.Entries.push_back(std::move(entry));
  }
  return {std::move(palette), {}};
}

TReadResult<TGplPalette> ReadGplFile(const QString& fileName) {
  return ReadParsed(fileName, ParseGplData);
}

QByteArray EncodeGplData(const TColors& colors, const QString& paletteName, int columns) {
  QByteArray out;
  out.reserve(64 + paletteName.size() * 3 + static_cast<qsizetype>(colors.size()) * 32);
  out += "GIMP Palette\nName: ";
  out += OneLine(paletteName).toUtf8();
  out += "\nColumns: ";
  out += QByteArray::number(std::clamp(columns, 0, MaxGplColumns));
  out += "\n#\n";
  for (const TColorObjectFx& color : colors) {
    const TRGBValues v = color.GetRGB();
    char numbers[16];
    const int length = std::snprintf(numbers, sizeof numbers, "%3d %3d %3d", Channel(v.R), Channel(v.G), Channel(v.B));
    out.append(numbers, length);
    if (!color.Name().empty()) {
      out += '\t';
      out += OneLine(QString::fromStdU16String(color.Name())).toUtf8();
    }
    out += '\n';
  }
  return out;
}

TFileResult WriteGplFile(const QString& fileName, const TColors& colors, const QString& paletteName, int columns) {
  const QString name = paletteName.isEmpty() ? QFileInfo(fileName).completeBaseName() : paletteName;
  return SaveFileAtomically(fileName, EncodeGplData(colors, name, columns));
}

namespace {

// One line of a file as it stands, with its line break.
struct TGplLine {
  QByteArrayView Text;
  QByteArrayView Break;
  bool IsRow = false;
  TGplEntry Entry;
};

std::vector<TGplLine> CutLines(QByteArrayView data) {
  std::vector<TGplLine> lines;
  qsizetype pos = 0;
  bool first = true;
  while (pos < data.size()) {
    qsizetype end = pos;
    while (end < data.size() && data[end] != '\n' && data[end] != '\r') ++end;
    qsizetype next = end;
    if (next < data.size()) next += data[next] == '\r' && next + 1 < data.size() && data[next + 1] == '\n' ? 2 : 1;
    TGplLine line;
    line.Text = data.sliced(pos, end - pos);
    line.Break = data.sliced(end, next - end);
    const QByteArrayView trimmed = TrimBlanks(line.Text);
    // The header and the "Name:" and "Columns:" lines are never rows, wherever they stand.
    line.IsRow = !first && !trimmed.isEmpty() && trimmed.front() != '#' && !trimmed.startsWith(kNameKey) &&
                 !trimmed.startsWith(kColumnsKey) && ParseRow(trimmed, line.Entry);
    lines.push_back(line);
    first = false;
    pos = next;
  }
  return lines;
}

bool StandsFor(const TGplEntry& row, const TColorObjectFx& color) {
  if (row.Rgb != color.GetRGB()) return false;
  const QString name = QString::fromStdU16String(color.Name());
  return row.Name == name || (row.Name.isEmpty() && name == QString::fromStdString(HexText(row.Rgb)));
}

QByteArray RowText(const TColorObjectFx& color) {
  const QByteArray encoded = EncodeGplData({color}, QString());
  return encoded.sliced(encoded.indexOf("\n#\n") + 3).chopped(1);  // the row alone, without its line break
}

constexpr std::size_t kNone = std::size_t(-1);
// Beyond this many row-colour pairs the longest common run is not computed; rows are then matched in order,
// each colour looking this far ahead.
constexpr std::size_t kMostPairs = std::size_t(4) << 20;
constexpr std::size_t kLookAhead = 256;

// For each colour, the line of the row that still stands for it (kNone: a new row). The rows kept are the
// longest run the old rows and the colours have in common, so edits, moves and insertions keep the others.
std::vector<std::size_t> MatchRows(const std::vector<TGplLine>& lines, const TColors& colors) {
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].IsRow) rows.push_back(i);
  std::vector<std::size_t> match(colors.size(), kNone);
  const std::size_t n = rows.size();
  const std::size_t m = colors.size();
  if (n == 0 || m == 0) return match;
  if (n * m > kMostPairs) {
    std::size_t next = 0;
    for (std::size_t c = 0; c < m; ++c) {
      for (std::size_t r = next; r < n && r < next + kLookAhead; ++r) {
        if (StandsFor(lines[rows[r]].Entry, colors[c])) {
          match[c] = rows[r];
          next = r + 1;
          break;
        }
      }
    }
    return match;
  }
  // length[r][c]: the longest common run of rows r.. and colours c..
  std::vector<std::uint32_t> length((n + 1) * (m + 1), 0);
  const auto at = [m](std::size_t r, std::size_t c) { return r * (m + 1) + c; };
  for (std::size_t r = n; r-- > 0;)
    for (std::size_t c = m; c-- > 0;)
      length[at(r, c)] = StandsFor(lines[rows[r]].Entry, colors[c])
                             ? length[at(r + 1, c + 1)] + 1
                             : std::max(length[at(r + 1, c)], length[at(r, c + 1)]);
  for (std::size_t r = 0, c = 0; r < n && c < m;) {
    if (StandsFor(lines[rows[r]].Entry, colors[c]) && length[at(r, c)] == length[at(r + 1, c + 1)] + 1) {
      match[c++] = rows[r++];
    } else if (length[at(r + 1, c)] >= length[at(r, c + 1)]) {
      ++r;
    } else {
      ++c;
    }
  }
  return match;
}

}  // namespace

QByteArray MergeGplData(QByteArrayView original, const TColors& colors, const QString& paletteName) {
  QByteArrayView data = original;
  QByteArray out;
  if (data.startsWith(kByteOrderMark)) {
    out += kByteOrderMark.toByteArray();
    data = data.sliced(kByteOrderMark.size());
  }
  if (!ParseGplData(data).Ok()) return EncodeGplData(colors, paletteName);
  const std::vector<TGplLine> lines = CutLines(data);
  QByteArray lineBreak = "\n";
  if (!lines.empty() && !lines.front().Break.isEmpty()) lineBreak = lines.front().Break.toByteArray();
  out.reserve(data.size() + static_cast<qsizetype>(colors.size()) * 24);
  std::size_t cursor = 0;
  // Only the file's last line can lack a break; it gets one when anything follows it.
  bool breakOwed = false;
  auto put = [&out, &lineBreak, &breakOwed](QByteArrayView text, QByteArrayView lineEnd) {
    if (breakOwed) out += lineBreak;
    out += text;
    out += lineEnd;
    breakOwed = lineEnd.isEmpty();
  };
  const std::vector<std::size_t> match = MatchRows(lines, colors);
  // New rows go before the lines after the last row; with no rows, after everything.
  std::size_t lastRow = lines.size();
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (lines[i].IsRow) break;
    if (i > 0 && lines[i - 1].IsRow) lastRow = i;
  }
  for (std::size_t c = 0; c < colors.size(); ++c) {
    if (match[c] != kNone) {
      // The lines up to its row stay, but for rows no colour stands for any more.
      for (; cursor <= match[c]; ++cursor)
        if (!lines[cursor].IsRow || cursor == match[c]) put(lines[cursor].Text, lines[cursor].Break);
      continue;
    }
    // A new row comes after the lines before the next row; after the last row, before what follows it.
    for (; cursor < lastRow && !lines[cursor].IsRow; ++cursor) put(lines[cursor].Text, lines[cursor].Break);
    put(RowText(colors[c]), lineBreak);
  }
  for (; cursor < lines.size(); ++cursor)
    if (!lines[cursor].IsRow) put(lines[cursor].Text, lines[cursor].Break);
  return out;
}

TFileResult UpdateGplFile(const QString& fileName, const TColors& colors) {
  TBoundedBytes bytes;
  if (!QFileInfo::exists(fileName) || !bytes.Open(fileName).Ok()) return WriteGplFile(fileName, colors);
  return SaveFileAtomically(fileName, MergeGplData(bytes.Data(), colors, QFileInfo(fileName).completeBaseName()));
}

TColors GplColorObjects(const TGplPalette& palette) {
  TColors colors;
  colors.reserve(palette.Entries.size());
  for (const TGplEntry& entry : palette.Entries) {
    TColorObjectFx color;
    color.SetRGB(entry.Rgb);
    color.SetName(entry.Name.isEmpty() ? QString::fromStdString(HexText(entry.Rgb)).toStdU16String()
                                       : entry.Name.toStdU16String());
    colors.push_back(std::move(color));
  }
  return colors;
}

}  // namespace tintorium
