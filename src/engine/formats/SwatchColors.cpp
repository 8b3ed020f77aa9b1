#include "engine/formats/SwatchColors.h"

#include "engine/formats/FormatRegistry.h"

namespace tintorium {
namespace {

// Another program's palette format: what opens as the palette but is not our own file.
const TFileFormat* SwatchFormatRow(const QString& path) {
  const TFileFormat* format = FormatForPath(path, TFormatUse::Read);
  const bool swatch = format != nullptr && format->Read != nullptr && (format->Flags & fPalette) != 0 &&
                      (format->Flags & fNative) == 0;
  return swatch ? format : nullptr;
}

}  // namespace

TSwatchFormat SwatchFormatForPath(const QString& path) {
  const TFileFormat* format = SwatchFormatRow(path);
  if (format == nullptr) return TSwatchFormat::None;
  switch (format->Import) {
    case TImportSource::Aco: return TSwatchFormat::Aco;
    case TImportSource::Act: return TSwatchFormat::Act;
    case TImportSource::Gpl: return TSwatchFormat::Gpl;
    case TImportSource::Ase: return TSwatchFormat::Ase;
    default: return TSwatchFormat::Other;
  }
}

TReadResult<TColors> ReadSwatchColors(const QString& path) {
  const TFileFormat* format = SwatchFormatRow(path);
  if (format == nullptr) return {{}, TFileResult::CantOpen()};
  return format->Read(path);
}

}  // namespace tintorium
