#pragma once
// The replaceable table behind system colours (TColor with top byte 0xFF).
// Headless code sees the classic defaults; the user interface refills it from its palette at start-up.

#include "ColorTypes.h"

namespace tintorium {

inline constexpr int SystemColorCount = 25;

/// The RGB value of system colour `index` (0-24); an index outside the table gives black.
TColor SystemColorValue(int index);
/// Replaces one entry; indices outside the table are ignored.
void SetSystemColorValue(int index, TColor rgb);
/// Puts the classic defaults back.
void ResetSystemColors();
/// A system colour resolved to 0x00BBGGRR; any other value is returned as it is.
TColor ColorToRGB(TColor color);

}  // namespace tintorium
