#include "engine/formats/SwatchColors.h"

#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"

#include <QFileInfo>

namespace tintorium {
namespace {

template <typename T, typename Convert>
TReadResult<TColors> Converted(const TReadResult<T>& read, Convert convert) {
  if (!read.Ok()) return {{}, read.Status};
  return {convert(read.Value), {}};
}

}  // namespace

TSwatchFormat SwatchFormatForPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == u"aco") return TSwatchFormat::Aco;
  if (ext == u"act") return TSwatchFormat::Act;
  if (ext == u"gpl") return TSwatchFormat::Gpl;
  if (ext == u"ase") return TSwatchFormat::Ase;
  return TSwatchFormat::None;
}

TReadResult<TColors> ReadSwatchColors(const QString& path) {
  switch (SwatchFormatForPath(path)) {
    case TSwatchFormat::Aco: return Converted(ReadAcoFile(path), AcoColorObjects);
    case TSwatchFormat::Act: return Converted(ReadActFile(path), ActColorObjects);
    case TSwatchFormat::Gpl: return Converted(ReadGplFile(path), GplColorObjects);
    case TSwatchFormat::Ase: return Converted(ReadAseFile(path), AseColorObjects);
    case TSwatchFormat::None: break;
  }
  return {{}, TFileResult::CantOpen()};
}

}  // namespace tintorium
