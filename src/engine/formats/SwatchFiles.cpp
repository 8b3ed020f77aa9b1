#include "engine/formats/SwatchFiles.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "core/Rounding.h"
#include "engine/files/ByteReader.h"
#include "engine/qtcolor/ShownColor.h"
#include "engine/files/ByteWriter.h"
#include "engine/files/BoundedRead.h"
#include "engine/files/SafeSave.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tintorium {

namespace {

constexpr int kAcoRecordSize = 10;
constexpr int kActEntries = 256;
constexpr int kActSize = 3 * kActEntries;

enum TAcoSpace : std::uint16_t {
  asRGB = 0,
  asHSB = 1,
  asCMYK = 2,
  asLab = 7,
  asGrayscale = 8,
  asCMYKHundredths = 9,
};

struct TAcoRecord {
  std::uint16_t space = 0;
  std::array<std::uint16_t, 4> w{};
};

TFileResult Truncated() { return TFileResult::Failure(QString::fromLatin1(kTruncatedText)); }

TColor AcoRecordColor(const TAcoRecord& r) {
  const auto [w1, w2, w3, w4] = r.w;
  // Full ink is 0 in the file.
  auto ink = [](std::uint16_t w) { return Round(100.0L - w / 655.35L); };
  switch (r.space) {
    case asHSB:
      return HSBToColor({Round(w1 / 182.04L), Round(w2 / 655.35L), Round(w3 / 655.35L)});
    case asCMYK:
      return CMYKToColor({ink(w1), ink(w2), ink(w3), ink(w4)});
    case asLab: {
      const auto a = static_cast<std::int16_t>(w2);
      const auto b = static_cast<std::int16_t>(w3);
      return LabToColor({Round(w1 / 100.0L), Round(a / 100.0L), Round(b / 100.0L)});
    }
    case asGrayscale: {
      // Ink coverage: 0 is white, 10000 black.
      const std::int32_t g = std::clamp(255 - Round(w1 / 39.0625L), 0, 255);
      return RGBValuesToColor({g, g, g});
    }
    case asCMYKHundredths:
      return CMYKToColor({w1 / 100, w2 / 100, w3 / 100, w4 / 100});
    default:
      return RGBValuesToColor({w1 >> 8, w2 >> 8, w3 >> 8});
  }
}

bool ReadAcoRecord(detail::TByteReader& reader, TAcoRecord& record) {
  return reader.ReadU16BE(record.space) && reader.ReadU16BE(record.w[0]) && reader.ReadU16BE(record.w[1]) &&
         reader.ReadU16BE(record.w[2]) && reader.ReadU16BE(record.w[3]);
}

/// Version 2: a 32-bit length counting the terminating zero, the UTF-16BE units, the zero.
bool ReadUtf16Name(detail::TByteReader& reader, QString& name) {
  std::uint32_t length = 0;
  if (!reader.ReadU32BE(length)) return false;
  if (length == 0) return true;
  const unsigned char* bytes = reader.Take(2 * std::uint64_t{length});
  if (!bytes) return false;
  const qsizetype units = static_cast<qsizetype>(length) - 1;
  name.resize(units);
  char16_t* out = reinterpret_cast<char16_t*>(name.data());
  for (qsizetype i = 0; i < units; ++i) out[i] = static_cast<char16_t>((bytes[2 * i] << 8) | bytes[2 * i + 1]);
  return true;
}

/// Version 0: one length byte, then that many bytes, one character each.
bool ReadByteName(detail::TByteReader& reader, QString& name) {
  std::uint8_t length = 0;
  if (!reader.ReadU8(length)) return false;
  const unsigned char* bytes = reader.Take(length);
  if (!bytes) return false;
  name = QString::fromLatin1(reinterpret_cast<const char*>(bytes), length);
  return true;
}

std::array<std::uint16_t, 3> AcoWords(const TColorObject& color) {
  const TRGBValues v = ShownRGB(color);
  auto word = [](std::int32_t c) { return static_cast<std::uint16_t>(c * 257); };
  return {word(v.R), word(v.G), word(v.B)};
}

void WriteAcoRecord(detail::TByteWriter& writer, const TColorObject& color) {
  writer.U16BE(asRGB);
  for (std::uint16_t w : AcoWords(color)) writer.U16BE(w);
  writer.U16BE(0);
}

QString HexOf(TColor color) { return QString::fromStdString(HexText(ColorToRGBValues(color))); }

}  // namespace

namespace {

/// One section from its version word on; `version` is already read.
TReadResult<TAcoColors> ReadAcoSection(detail::TByteReader& reader, std::uint16_t version) {
  std::uint16_t count = 0;
  if (version >= 3) return {{}, TFileResult::Failure(QString::fromLatin1(kUnsupportedAcoText).arg(version))};
  if (!reader.ReadU16BE(count)) return {{}, Truncated()};

  TAcoColors result;
  result.HasNames = version != 1;
  // Never more than the bytes can hold, so a claimed count costs nothing.
  const auto fits = static_cast<std::size_t>(std::min<qsizetype>(count, reader.Remaining() / kAcoRecordSize));
  result.Colors.reserve(fits);
  if (result.HasNames) result.Names.reserve(static_cast<qsizetype>(fits));
  for (int i = 0; i < count; ++i) {
    TAcoRecord record;
    if (!ReadAcoRecord(reader, record)) return {{}, Truncated()};
    result.Colors.push_back(AcoRecordColor(record));
    if (!result.HasNames) continue;
    QString name;
    const bool named = version == 2 ? ReadUtf16Name(reader, name) : ReadByteName(reader, name);
    if (!named) return {{}, Truncated()};
    result.Names.push_back(std::move(name));
  }
  return {std::move(result), {}};
}

/// Files written by image editors (and by us) follow the nameless section with a named copy of the same
/// colours; reading only the first would lose every name. A damaged or different second section is ignored.
void TakeNamesFromSecondSection(detail::TByteReader& reader, TAcoColors& colors) {
  std::uint16_t version = 0;
  if (!reader.ReadU16BE(version) || version != 2) return;
  const TReadResult<TAcoColors> named = ReadAcoSection(reader, version);
  if (!named.Ok() || named.Value.Names.size() != static_cast<qsizetype>(colors.Colors.size())) return;
  colors.Names = named.Value.Names;
  colors.HasNames = true;
}

}  // namespace

TReadResult<TAcoColors> ParseAcoData(QByteArrayView data) {
  detail::TByteReader reader(data);
  std::uint16_t version = 0;
  if (!reader.ReadU16BE(version)) return {{}, Truncated()};
  TReadResult<TAcoColors> first = ReadAcoSection(reader, version);
  if (first.Ok() && version == 1) TakeNamesFromSecondSection(reader, first.Value);
  return first;
}

TReadResult<TAcoColors> ReadAcoFile(const QString& fileName) { return ReadParsed(fileName, ParseAcoData); }

namespace {

// Image editors append a colour count and a transparent index to the table and leave the entries past the
// count unused; only that exact layout is trusted, and a count out of range keeps the whole table.
int ActColorCount(const unsigned char* bytes, qsizetype size) {
  if (size != kActSize + 4) return kActEntries;
  const int count = (bytes[kActSize] << 8) | bytes[kActSize + 1];
  return count >= 1 && count <= kActEntries ? count : kActEntries;
}

}  // namespace

TReadResult<QStringList> ParseActData(QByteArrayView data) {
  if (data.size() < kActSize) return {{}, Truncated()};
  const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
  const int count = ActColorCount(bytes, data.size());
  QStringList texts;
  texts.reserve(count);
  for (int i = 0; i < count; ++i) {
    const unsigned char* rgb = bytes + 3 * i;
    texts.push_back(QString::fromStdString(HexText({rgb[0], rgb[1], rgb[2]})));
  }
  return {std::move(texts), {}};
}

TReadResult<QStringList> ReadActFile(const QString& fileName) { return ReadParsed(fileName, ParseActData); }

TReadResult<QByteArray> EncodeAcoData(const TColors& colors) {
  if (colors.size() > static_cast<std::size_t>(MaxAcoColors)) {
    return {{}, TFileResult::Failure(QString::fromLatin1(kTooManyAcoText).arg(colors.size()))};
  }
  const auto count = static_cast<std::uint16_t>(colors.size());
  qsizetype size = 8 + 2 * kAcoRecordSize * static_cast<qsizetype>(colors.size());
  for (const TColorObjectFx& color : colors) size += 6 + 2 * static_cast<qsizetype>(color.Name().size());
  detail::TByteWriter writer(size);
  writer.U16BE(1);
  writer.U16BE(count);
  for (const TColorObjectFx& color : colors) WriteAcoRecord(writer, color);
  writer.U16BE(2);
  writer.U16BE(count);
  for (const TColorObjectFx& color : colors) {
    WriteAcoRecord(writer, color);
    const std::u16string& name = color.Name();
    writer.U32BE(static_cast<std::uint32_t>(name.size() + 1));
    for (char16_t unit : name) writer.U16BE(unit);
    writer.U16BE(0);
  }
  return {writer.Take(), {}};
}

TFileResult WriteAcoFile(const QString& fileName, const TColors& colors) {
  const TReadResult<QByteArray> bytes = EncodeAcoData(colors);
  if (!bytes) return bytes.Status;
  return SaveFileAtomically(fileName, bytes.Value);
}

QByteArray EncodeActData(const TColors& colors) {
  QByteArray bytes(kActSize, '\0');  // missing entries stay black
  const std::size_t written = std::min<std::size_t>(colors.size(), kActEntries);
  for (std::size_t i = 0; i < written; ++i) {
    const TRGBValues v = ShownRGB(colors[i]);
    bytes[static_cast<qsizetype>(3 * i)] = static_cast<char>(v.R);
    bytes[static_cast<qsizetype>(3 * i + 1)] = static_cast<char>(v.G);
    bytes[static_cast<qsizetype>(3 * i + 2)] = static_cast<char>(v.B);
  }
  return bytes;
}

TFileResult WriteActFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, EncodeActData(colors));
}

TColors AcoColorObjects(const TAcoColors& swatches) {
  TColors colors;
  colors.reserve(swatches.Colors.size());
  for (std::size_t i = 0; i < swatches.Colors.size(); ++i) {
    const TColor color = swatches.Colors[i];
    const bool named = swatches.HasNames && static_cast<qsizetype>(i) < swatches.Names.size();
    const QString name = named ? swatches.Names[static_cast<qsizetype>(i)] : HexOf(color);
    colors.emplace_back(TColorObject(color, cmRGB), name.toStdU16String());
  }
  return colors;
}

TColors ActColorObjects(const QStringList& hexTexts) {
  TColors colors;
  colors.reserve(static_cast<std::size_t>(hexTexts.size()));
  for (const QString& text : hexTexts) {
    const TColor color = RGBValuesToColor(ParseHexColor(text.toStdString()));
    colors.emplace_back(TColorObject(color, cmRGB), text.toStdU16String());
  }
  return colors;
}

}  // namespace tintorium
