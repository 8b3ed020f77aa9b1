#include "engine/palette/ForeignPalette.h"

#include "core/ColorText.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchColors.h"
#include "engine/palette/PaletteFile.h"

#include <QDir>
#include <QFileInfo>

namespace tintorium {

bool IsForeignPaletteFile(const QString& fileName) { return SwatchFormatForPath(fileName) != TSwatchFormat::None; }

TFileResult ReadForeignPalette(const QString& fileName, TPaletteEntries& entries) {
  entries.clear();
  const TReadResult<TColors> read = ReadSwatchColors(fileName);
  if (!read.Ok()) return read.Status;
  entries.reserve(read.Value.size());
  for (const TColorObjectFx& color : read.Value) {
    entries.push_back({QString::fromStdU16String(color.Name()), static_cast<const TColorObject&>(color)});
  }
  return {};
}

TFileResult ReadAnyPaletteFile(const QString& fileName, TPaletteEntries& entries) {
  return IsForeignPaletteFile(fileName) ? ReadForeignPalette(fileName, entries) : ReadPaletteFile(fileName, entries);
}

namespace {

TColors ColorsOf(const TPaletteEntries& entries) {
  TColors colors;
  colors.reserve(entries.size());
  for (const TPaletteEntry& entry : entries) colors.emplace_back(entry.Color, entry.Name.toStdU16String());
  return colors;
}

// A name readers give a colour the file does not name: its hexadecimal text, with or without "#".
bool IsOwnName(const TPaletteEntry& entry) {
  if (entry.Name.isEmpty()) return false;
  QString name = entry.Name;
  if (name.startsWith(u'#')) name.remove(0, 1);
  return name.compare(QString::fromStdString(HexText(entry.Color.GetRGB())), Qt::CaseInsensitive) != 0;
}

bool ModelKept(TColorModel model, std::uint16_t keeps) {
  if (model == cmRGB || (keeps & ftModels) != 0) return true;
  if (model == cmCMYK) return (keeps & ftCmyk) != 0;
  if (model == cmLAB) return (keeps & ftLab) != 0;
  return false;
}

}  // namespace

const TFileFormat* InPlaceFormat(const QString& fileName) {
  if (SwatchFormatForPath(fileName) == TSwatchFormat::None) return nullptr;
  const TFileFormat* format = PaletteFormatForPath(fileName);
  return format != nullptr && format->Write != nullptr ? format : nullptr;
}

TSaveLoss InPlaceLoss(const TFileFormat& format, const TPaletteEntries& entries) {
  TSaveLoss loss;
  if (format.MaxColors > 0 && entries.size() > std::size_t(format.MaxColors)) loss.KeptColors = format.MaxColors;
  for (const TPaletteEntry& entry : entries) {
    if ((format.Keeps & ftNames) == 0 && IsOwnName(entry)) loss.Names = true;
    if (!ModelKept(entry.Color.Model(), format.Keeps)) loss.Models = true;
  }
  return loss;
}

TFileResult WriteForeignPalette(const QString& fileName, const TPaletteEntries& entries) {
  const TFileFormat* format = InPlaceFormat(fileName);
  if (format == nullptr) return TFileResult::CantSave();
  if (format->Import == TImportSource::Gpl) return UpdateGplFile(fileName, ColorsOf(entries));
  return format->Write(fileName, ColorsOf(entries), {});
}

QString PaletteFileNameFor(const QString& fileName) {
  const QFileInfo info(fileName);
  return QDir(info.path()).filePath(info.completeBaseName() + QStringLiteral(".tnp"));
}

}  // namespace tintorium
