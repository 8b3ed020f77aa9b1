#pragma once
// The swatch formats read into named colour objects by one call: what the palette's Open, the library loader
// and the command-line tool share.

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QString>

#include <cstdint>

namespace tintorium {

/// The swatch format a path's extension names (compared case-insensitively), as FileFormats lists it.
enum class TSwatchFormat : std::uint8_t {
  None,   // any other extension
  Aco,    // .aco
  Act,    // .act
  Gpl,    // .gpl
  Ase,    // .ase
  Other,  // another program's palette format of the table
};
TSwatchFormat SwatchFormatForPath(const QString& path);

/// Every colour of the swatch file at `path`, read by its row of FileFormats (another program's palette
/// format): named as AcoColorObjects, ActColorObjects, GplColorObjects and AseColorObjects name them; each in the model the file gives (RGB for all but the CMYK and Lab colours of
/// .ase files). On failure, the reader's failure and no colours; a path of no swatch format fails with
/// "Could not read file!" (sCantOpen).
TReadResult<TColors> ReadSwatchColors(const QString& path);

}  // namespace tintorium
