#include "engine/library/LibraryFile.h"

#include "engine/formats/FormatRegistry.h"

#include <QFileInfo>

namespace tintorium {

TReadResult<TColors> LoadLibraryFile(const QString& path) {
  if (!QFileInfo::exists(path)) return {{}, TFileResult::FileNotFound()};
  const TFileFormat* format = FormatForPath(path, TFormatUse::Read);
  if (format == nullptr || format->Read == nullptr || (format->Flags & fPalette) == 0) {
    return {{}, TFileResult::CantOpen()};
  }
  return format->Read(path);
}

}  // namespace tintorium
