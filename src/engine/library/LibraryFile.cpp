#include "engine/library/LibraryFile.h"

#include "engine/formats/SwatchColors.h"
#include "engine/palette/PaletteFile.h"

#include <QFileInfo>

namespace tintorium {

TReadResult<TColors> LoadLibraryFile(const QString& path) {
  if (!QFileInfo::exists(path)) return {{}, TFileResult::FileNotFound()};
  if (QFileInfo(path).suffix().compare(u"tnp", Qt::CaseInsensitive) != 0) return ReadSwatchColors(path);
  TPaletteEntries entries;
  TReadResult<TColors> result;
  result.Status = ReadPaletteFile(path, entries);
  result.Value.reserve(entries.size());
  for (const TPaletteEntry& entry : entries) result.Value.emplace_back(entry.Color, entry.Name.toStdU16String());
  return result;
}

}  // namespace tintorium
