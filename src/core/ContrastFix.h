#pragma once
// The nearest colour to a text colour that reaches a contrast target on a background: the suggestion offered
// for a failing pair.

#include "core/ColorTypes.h"
#include "core/ContrastTarget.h"

#include <optional>

namespace tintorium {

/// A suggested text colour and its figures against the background.
struct TContrastFix {
  TColor Color = clBlack;  // RGB 0x00BBGGRR
  double DeltaEOK = 0;     // distance from the original text colour in OKLab (0 when the text already passes)
  double Ratio = 1;        // WCAG 2 ratio on the background, 1-21
  double Lc = 0;           // APCA Lc on the background
};

/// The 8-bit colour nearest to `text` by deltaE OK that meets `target` on `background`, searched along the text's
/// hue line: every OKLCH lightness from black to white at the text's hue and chroma, the chroma reduced only where
/// the sRGB gamut forces it (CSS Color 4 gamut mapping). Both directions, lighter and darker, are searched and the
/// nearer result wins; the figures are those of the rounded colour. `text` itself when it already meets the
/// target. Nullopt when no colour of the line meets it. System colours are resolved first.
std::optional<TContrastFix> SuggestContrastFix(TColor text, TColor background, TContrastTarget target);

/// The colour of `text`'s hue line at OKLCH lightness `lightness` (0 black - 1 white), mapped into sRGB and
/// rounded to 8 bits: the candidates SuggestContrastFix chooses from.
TColor HueLineColor(TColor text, double lightness);

}  // namespace tintorium
