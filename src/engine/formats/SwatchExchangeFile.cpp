#include "engine/formats/SwatchExchangeFile.h"

#include "core/ColorText.h"
#include "core/Rounding.h"
#include "engine/files/BoundedRead.h"
#include "engine/files/ByteReader.h"
#include "engine/files/ByteWriter.h"
#include "engine/files/SafeSave.h"
#include "engine/formats/SwatchFiles.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace tintorium {
namespace {

constexpr QByteArrayView kSignature("ASEF");
constexpr std::uint16_t kColorBlock = 0x0001;
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
/// Type, length, an empty name's length word, model, one float, colour type: no colour block is smaller.
constexpr qsizetype kSmallestColorBlock = 6 + 2 + 4 + 4 + 2;
/// A name's length word counts the terminator.
constexpr qsizetype kMaxNameUnits = 0xFFFF - 1;

struct TModelTag {
  TAseModel model;
  char tag[5];
  int values;
};
constexpr std::array<TModelTag, 4> kModelTags{{
    {TAseModel::RGB, "RGB ", 3},
    {TAseModel::CMYK, "CMYK", 4},
    {TAseModel::Lab, "LAB ", 3},
    {TAseModel::Gray, "Gray", 1},
}};

TFileResult Failure(const char* text) { return TFileResult::Failure(QString::fromLatin1(text)); }
TFileResult BlockFailure(const char* text, int block) {
  return TFileResult::Failure(QString::fromLatin1(text).arg(block));
}

/// The length word, then that many UTF-16BE units; the name stops at the first zero unit.
bool ReadName(detail::TByteReader& reader, QString& name) {
  std::uint16_t length = 0;
  if (!reader.ReadU16BE(length)) return false;
  const unsigned char* bytes = reader.Take(2 * std::uint64_t{length});
  if (!bytes) return false;
  qsizetype units = 0;
  while (units < length && (bytes[2 * units] | bytes[2 * units + 1]) != 0) ++units;
  name.resize(units);
  char16_t* out = reinterpret_cast<char16_t*>(name.data());
  for (qsizetype i = 0; i < units; ++i) out[i] = static_cast<char16_t>((bytes[2 * i] << 8) | bytes[2 * i + 1]);
  return true;
}

bool ReadFloat(detail::TByteReader& reader, float& value) {
  std::uint32_t bits = 0;
  if (!reader.ReadU32BE(bits)) return false;
  value = std::bit_cast<float>(bits);
  return true;
}

/// A model tag as it can be shown: printable ASCII kept, anything else as "?".
QString TagText(const unsigned char* tag) {
  QString text;
  for (int i = 0; i < 4; ++i) text.append(tag[i] >= 0x20 && tag[i] < 0x7F ? QChar(tag[i]) : QChar(u'?'));
  return text;
}

std::int32_t Scaled(float value, int full) { return Round(std::clamp<long double>(value, 0, 1) * full); }

TColorObject CoreColor(TAseModel model, const std::array<float, 4>& v) {
  TColorObject color;
  switch (model) {
    case TAseModel::RGB: color.SetRGB({Scaled(v[0], 255), Scaled(v[1], 255), Scaled(v[2], 255)}); break;
    case TAseModel::CMYK:
      color.SetCMYK({Scaled(v[0], 100), Scaled(v[1], 100), Scaled(v[2], 100), Scaled(v[3], 100)});
      break;
    case TAseModel::Lab: {
      auto ab = [](float f) { return Round(std::clamp<long double>(f, -128, 127)); };
      color.SetLab({Scaled(v[0], 100), ab(v[1]), ab(v[2])});
      break;
    }
    case TAseModel::Gray: {
      const std::int32_t g = Scaled(v[0], 255);
      color.SetRGB({g, g, g});
      break;
    }
  }
  return color;
}

/// One pass over the blocks; the group state travels from block to block.
class TAseParser {
 public:
  explicit TAseParser(QByteArrayView data) : reader_(data) {}

  TReadResult<std::vector<TAseSwatch>> Parse() {
    const unsigned char* signature = reader_.Take(kSignature.size());
    if (!signature || std::memcmp(signature, kSignature.data(), kSignature.size()) != 0) {
      return {{}, Failure(kAseSignatureText)};
    }
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint32_t count = 0;
    if (!reader_.ReadU16BE(major) || !reader_.ReadU16BE(minor)) return {{}, Failure(kTruncatedText)};
    if (major != 1 || minor != 0) {
      return {{}, TFileResult::Failure(QString::fromLatin1(kAseVersionText).arg(QStringLiteral("%1.%2").arg(major).arg(minor)))};
    }
    if (!reader_.ReadU32BE(count)) return {{}, Failure(kTruncatedText)};
    // Never more than the bytes can hold, so a claimed count costs nothing.
    swatches_.reserve(static_cast<std::size_t>(std::min<qsizetype>(count, reader_.Remaining() / kSmallestColorBlock)));
    for (std::uint32_t i = 0; i < count; ++i) {
      if (TFileResult block = ReadBlock(static_cast<int>(std::min<std::uint32_t>(i + 1, INT32_MAX))); !block) {
        return {{}, block};
      }
    }
    return {std::move(swatches_), {}};
  }

 private:
  TFileResult ReadBlock(int number) {
    std::uint16_t type = 0;
    std::uint32_t length = 0;
    if (!reader_.ReadU16BE(type) || !reader_.ReadU32BE(length)) return Failure(kTruncatedText);
    const unsigned char* bytes = reader_.Take(length);
    if (!bytes) return Failure(kTruncatedText);
    detail::TByteReader body(QByteArrayView(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(length)));
    switch (type) {
      case kColorBlock: return ReadColor(body, number);
      case kGroupStart:
        // A start without a name is still a group; its colours carry no group name.
        group_.clear();
        if (body.Remaining() > 0 && !ReadName(body, group_)) return BlockFailure(kAseBlockText, number);
        return {};
      case kGroupEnd: group_.clear(); return {};
      default: return {};
    }
  }

  TFileResult ReadColor(detail::TByteReader& body, int number) {
    TAseSwatch swatch;
    if (!ReadName(body, swatch.Name)) return BlockFailure(kAseBlockText, number);
    const unsigned char* tag = body.Take(4);
    if (!tag) return BlockFailure(kAseBlockText, number);
    const auto known = std::find_if(kModelTags.begin(), kModelTags.end(),
                                    [tag](const TModelTag& t) { return std::memcmp(tag, t.tag, 4) == 0; });
    if (known == kModelTags.end()) {
      return TFileResult::Failure(QString::fromLatin1(kAseModelText).arg(number).arg(TagText(tag)));
    }
    swatch.Model = known->model;
    for (int i = 0; i < known->values; ++i) {
      if (!ReadFloat(body, swatch.Values[static_cast<std::size_t>(i)])) return BlockFailure(kAseBlockText, number);
      if (!std::isfinite(swatch.Values[static_cast<std::size_t>(i)])) return BlockFailure(kAseNumberText, number);
    }
    if (!body.ReadU16BE(swatch.Type)) return BlockFailure(kAseBlockText, number);
    swatch.Group = group_;
    swatch.Color = CoreColor(swatch.Model, swatch.Values);
    swatches_.push_back(std::move(swatch));
    return {};
  }

  detail::TByteReader reader_;
  std::vector<TAseSwatch> swatches_;
  QString group_;
};

/// At most kMaxNameUnits, never ending between the two halves of a surrogate pair.
std::u16string_view WrittenName(const std::u16string& name) {
  std::size_t units = std::min<std::size_t>(name.size(), kMaxNameUnits);
  if (units < name.size() && units > 0 && QChar::isHighSurrogate(name[units - 1])) --units;
  return std::u16string_view(name).substr(0, units);
}

void WriteFloat(detail::TByteWriter& writer, float value) { writer.U32BE(std::bit_cast<std::uint32_t>(value)); }

float Unit(std::int32_t channel) { return static_cast<float>(std::clamp(channel, 0, 255)) / 255.0F; }

}  // namespace

TReadResult<std::vector<TAseSwatch>> ParseAseData(QByteArrayView data) { return TAseParser(data).Parse(); }

TReadResult<std::vector<TAseSwatch>> ReadAseFile(const QString& fileName) {
  return ReadParsed(fileName, ParseAseData);
}

QByteArray EncodeAseData(const TColors& colors) {
  qsizetype size = 12;
  for (const TColorObjectFx& color : colors) size += 6 + 2 + 2 * (static_cast<qsizetype>(WrittenName(color.Name()).size()) + 1) + 4 + 12 + 2;
  detail::TByteWriter writer(size);
  for (char c : kSignature) writer.U8(static_cast<std::uint8_t>(c));
  writer.U16BE(1);
  writer.U16BE(0);
  writer.U32BE(static_cast<std::uint32_t>(colors.size()));
  for (const TColorObjectFx& color : colors) {
    const std::u16string_view name = WrittenName(color.Name());
    const auto units = static_cast<std::uint16_t>(name.size() + 1);
    writer.U16BE(kColorBlock);
    writer.U32BE(static_cast<std::uint32_t>(2 + 2 * units + 4 + 12 + 2));
    writer.U16BE(units);
    for (char16_t unit : name) writer.U16BE(unit);
    writer.U16BE(0);
    for (char c : std::string_view("RGB ")) writer.U8(static_cast<std::uint8_t>(c));
    const TRGBValues v = color.GetRGB();
    WriteFloat(writer, Unit(v.R));
    WriteFloat(writer, Unit(v.G));
    WriteFloat(writer, Unit(v.B));
    writer.U16BE(actNormal);
  }
  return writer.Take();
}

TFileResult WriteAseFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, EncodeAseData(colors));
}

TColors AseColorObjects(const std::vector<TAseSwatch>& swatches) {
  TColors colors;
  colors.reserve(swatches.size());
  for (const TAseSwatch& swatch : swatches) {
    QString name = swatch.Name.isEmpty() ? QString::fromStdString(swatch.Color.HexText()) : swatch.Name;
    if (!swatch.Group.isEmpty()) name = swatch.Group + QString::fromUtf16(kAseGroupSeparator) + name;
    colors.emplace_back(swatch.Color, name.toStdU16String());
  }
  return colors;
}

}  // namespace tintorium
