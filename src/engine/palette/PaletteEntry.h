#pragma once
// One palette entry: a name and the colour object it owns.

#include "core/ColorObject.h"

#include <QString>

#include <vector>

namespace tintorium {

/// Copying an entry copies its colour object; two entries never share one.
struct TPaletteEntry {
  QString Name;  // UTF-16 code units, possibly empty
  TColorObject Color;
};

using TPaletteEntries = std::vector<TPaletteEntry>;

}  // namespace tintorium
