#include "engine/palette/PaletteFile.h"

#include "engine/files/ByteReader.h"
#include "engine/files/ByteWriter.h"
#include "engine/files/FileBytes.h"
#include "engine/files/SafeSave.h"
#include "engine/formats/FormatRegistry.h"

#include <algorithm>
#include <cstdint>

namespace tintorium {

namespace {

constexpr int kEntryFixedSize = 13;

struct TChannels {
  std::int16_t c1 = 0, c2 = 0, c3 = 0, c4 = 0;
};

TColorObject ColorFromChannels(std::uint8_t model, const TChannels& ch) {
  if (model > cmLAB) return TColorObject();  // damaged entry: black in RGB, so every view can show it
  // Each setter makes its model authoritative and derives the other three, so starting from black in the
  // file's model would only be computed and thrown away.
  TColorObject color;
  SetChannelValues(color, static_cast<TColorModel>(model), {ch.c1, ch.c2, ch.c3, ch.c4});
  return color;
}

bool ReadName(detail::TByteReader& reader, QString& name) {
  std::int32_t length = 0;
  if (!reader.ReadI32LE(length)) return false;
  if (length <= 0) return true;
  const unsigned char* bytes = reader.Take(2 * static_cast<std::uint64_t>(length));
  if (!bytes) return false;
  name.resize(length);
  char16_t* units = reinterpret_cast<char16_t*>(name.data());
  for (std::int32_t i = 0; i < length; ++i) {
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return true;
}

bool ReadEntry(detail::TByteReader& reader, TPaletteEntry& entry) {
  std::uint8_t model = 0;
  TChannels ch;
  if (!reader.ReadU8(model) || !reader.ReadI16LE(ch.c1) || !reader.ReadI16LE(ch.c2) ||
      !reader.ReadI16LE(ch.c3) || !reader.ReadI16LE(ch.c4)) {
    return false;
  }
  entry.Color = ColorFromChannels(model, ch);
  return ReadName(reader, entry.Name);
}

TChannels ChannelsOf(const TColorObject& color) {
  auto low = [](std::int32_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v)); };
  switch (color.Model()) {
    case cmHSB: {
      const THSBValues v = color.GetHSB();
      return {low(v.H), low(v.S), low(v.B), 0};
    }
    case cmCMYK: {
      const TCMYKValues v = color.GetCMYK();
      return {low(v.C), low(v.M), low(v.Y), low(v.K)};
    }
    case cmLAB: {
      const TLabValues v = color.GetLab();
      return {low(v.L), low(v.a), low(v.b), 0};
    }
    default: {
      const TRGBValues v = color.GetRGB();
      return {low(v.R), low(v.G), low(v.B), 0};
    }
  }
}

std::uint8_t ModelByteOf(const TColorObject& color) {
  return color.Model() <= cmLAB ? static_cast<std::uint8_t>(color.Model()) : std::uint8_t{cmRGB};
}

}  // namespace

TFileResult ParsePaletteData(QByteArrayView data, TPaletteEntries& entries) {
  entries.clear();
  detail::TByteReader reader(data);
  std::int32_t count = 0;
  if (!reader.ReadI32LE(count)) return TFileResult::CantOpen();
  // The count is the format's only header: a negative one, or none followed by more bytes, is not a palette
  // this program wrote, and opening it as an empty one would let a Save overwrite the file.
  if (count < 0 || (count == 0 && reader.Remaining() > 0)) return TFileResult::CantOpen();
  if (count == 0) return {};
  // Reserve only what the bytes can hold, never what the count claims.
  entries.reserve(static_cast<std::size_t>(std::min<qsizetype>(count, reader.Remaining() / kEntryFixedSize)));
  for (std::int32_t i = 0; i < count; ++i) {
    TPaletteEntry entry;
    if (!ReadEntry(reader, entry)) return TFileResult::CantOpen();
    entries.push_back(std::move(entry));
  }
  return {};
}

TFileResult ReadPaletteFile(const QString& fileName, TPaletteEntries& entries) {
  entries.clear();
  TFileBytes file;
  if (TFileResult opened = file.Open(fileName); !opened) return opened;
  return ParsePaletteData(file.Data(), entries);
}

QByteArray EncodePaletteData(const TPaletteEntries& entries) {
  qsizetype size = 4;
  for (const TPaletteEntry& entry : entries) size += kEntryFixedSize + 2 * entry.Name.size();
  detail::TByteWriter writer(size);
  writer.U32LE(static_cast<std::uint32_t>(entries.size()));
  for (const TPaletteEntry& entry : entries) {
    const TChannels ch = ChannelsOf(entry.Color);
    writer.U8(ModelByteOf(entry.Color));
    for (std::int16_t c : {ch.c1, ch.c2, ch.c3, ch.c4}) writer.U16LE(static_cast<std::uint16_t>(c));
    writer.U32LE(static_cast<std::uint32_t>(entry.Name.size()));
    for (QChar unit : entry.Name) writer.U16LE(unit.unicode());
  }
  return writer.Take();
}

TFileResult WritePaletteFile(const QString& fileName, const TPaletteEntries& entries) {
  return SaveFileAtomically(fileName, EncodePaletteData(entries));
}

// The palette file's row of the format table. A failed read keeps the entries before the failing one, as
// ReadPaletteFile does.
TReadResult<TColors> ReadPaletteColors(const QString& path) {
  TPaletteEntries entries;
  TReadResult<TColors> result;
  result.Status = ReadPaletteFile(path, entries);
  result.Value.reserve(entries.size());
  for (const TPaletteEntry& entry : entries) result.Value.emplace_back(entry.Color, entry.Name.toStdU16String());
  return result;
}

TFileResult WritePaletteColors(const QString& path, const TColors& colors, const TExportOptions&) {
  TPaletteEntries entries;
  entries.reserve(colors.size());
  for (const TColorObjectFx& color : colors) {
    entries.push_back({QString::fromStdU16String(color.Name()), static_cast<const TColorObject&>(color)});
  }
  return WritePaletteFile(path, entries);
}

}  // namespace tintorium
