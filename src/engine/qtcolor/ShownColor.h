#pragma once
// The colour a list shows for an entry is the one every writer writes.

#include "core/ColorModels.h"
#include "core/ColorObject.h"

namespace tintorium {

/// The channels of `color.GetColor()`, each 0-255: what the colour lists show. Channels held outside 0-255 (a
/// hand-edited file) keep their low byte, as GetColor() packs them; writers never clamp them to another colour.
inline TRGBValues ShownRGB(const TColorObject& color) { return ColorToRGBValues(color.GetColor()); }

}  // namespace tintorium
