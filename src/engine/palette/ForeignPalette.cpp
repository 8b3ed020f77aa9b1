#include "engine/palette/ForeignPalette.h"

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

QString PaletteFileNameFor(const QString& fileName) {
  const QFileInfo info(fileName);
  return QDir(info.path()).filePath(info.completeBaseName() + QStringLiteral(".tnp"));
}

}  // namespace tintorium
