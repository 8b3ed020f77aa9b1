#include "engine/formats/ColorListFiles.h"

#include "core/ColorText.h"
#include "engine/files/BoundedRead.h"
#include "engine/files/SafeSave.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tintorium {
namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool IsHexDigits(QByteArrayView text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

// Calls `line(text, number)` for each line, trimmed, until it returns false.
template <typename Line>
void ForEachLine(QByteArrayView data, Line line) {
  if (data.startsWith(kByteOrderMark)) data = data.sliced(kByteOrderMark.size());
  qsizetype number = 0;
  while (!data.isEmpty()) {
    ++number;
    qsizetype end = 0;
    while (end < data.size() && data[end] != '\n' && data[end] != '\r') ++end;
    const QByteArrayView text = data.first(end).trimmed();
    if (end < data.size() && data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n') ++end;
    data = data.sliced(std::min(end + 1, data.size()));
    if (!line(text, number)) return;
  }
}

// Six digits, "#" allowed before them, as a colour named by its text.
std::optional<TColorObjectFx> ColorOf(QByteArrayView digits) {
  if (digits.size() != 6 || !IsHexDigits(digits)) return std::nullopt;
  TColorObject color;
  color.SetRGB(ParseHexColor(std::string_view(digits.data(), std::size_t(digits.size()))));
  const std::string hex = color.HexText();
  return TColorObjectFx(color, std::u16string(hex.begin(), hex.end()));
}

TReadResult<TColors> Failed(qsizetype line, int digits) {
  return {{}, TFileResult::Failure(QString::fromLatin1(kColorListLineText).arg(line).arg(digits))};
}

}  // namespace

TReadResult<TColors> ParseHexListData(QByteArrayView data) {
  TReadResult<TColors> result;
  ForEachLine(data, [&result](QByteArrayView text, qsizetype number) {
    if (text.isEmpty()) return true;
    if (text.startsWith('#')) text = text.sliced(1);
    const auto color = ColorOf(text);
    if (!color) {
      result = Failed(number, 6);
      return false;
    }
    result.Value.push_back(*color);
    return true;
  });
  return result;
}

TReadResult<TColors> ReadHexListFile(const QString& fileName) { return ReadParsed(fileName, ParseHexListData); }

QByteArray EncodeHexListData(const TColors& colors) {
  QByteArray out;
  out.reserve(qsizetype(colors.size()) * 7);
  for (const TColorObjectFx& color : colors) out += QByteArray::fromStdString(color.HexText()).toLower() + '\n';
  return out;
}

TFileResult WriteHexListFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, EncodeHexListData(colors));
}

bool IsPaintNetData(QByteArrayView head) {
  bool colors = false;
  bool fits = true;
  ForEachLine(head, [&](QByteArrayView text, qsizetype) {
    if (text.isEmpty() || text.startsWith(';')) return true;
    if (text.size() == 8 && IsHexDigits(text)) {
      colors = true;
      return true;
    }
    // The head may end inside a colour line.
    fits = text.data() + text.size() == head.data() + head.size() && text.size() < 8 && IsHexDigits(text);
    return false;
  });
  return colors && fits;
}

TReadResult<TColors> ParsePaintNetData(QByteArrayView data) {
  TReadResult<TColors> result;
  ForEachLine(data, [&result](QByteArrayView text, qsizetype number) {
    if (text.isEmpty() || text.startsWith(';')) return true;
    const auto color = text.size() == 8 && IsHexDigits(text.first(2)) ? ColorOf(text.sliced(2)) : std::nullopt;
    if (!color) {
      result = Failed(number, 8);
      return false;
    }
    result.Value.push_back(*color);
    return result.Value.size() < std::size_t(kPaintNetColors);
  });
  return result;
}

TReadResult<TColors> ReadPaintNetFile(const QString& fileName) { return ReadParsed(fileName, ParsePaintNetData); }

QByteArray EncodePaintNetData(const TColors& colors) {
  QByteArray out =
      "; paint.net Palette File\r\n"
      "; Lines that start with a semicolon are comments\r\n"
      "; Colors are written as 8-digit hexadecimal numbers: aarrggbb\r\n"
      "; For example, this would specify green: FF00FF00\r\n"
      "; The palette holds at most 96 colors\r\n";
  const std::size_t count = std::min(colors.size(), std::size_t(kPaintNetColors));
  for (std::size_t i = 0; i < count; ++i) out += "FF" + QByteArray::fromStdString(colors[i].HexText()) + "\r\n";
  return out;
}

TFileResult WritePaintNetFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, EncodePaintNetData(colors));
}

}  // namespace tintorium
