#include "core/CssColorFormat.h"

#include "core/ColorModels.h"
#include "core/CssCase.h"
#include "core/CssNamedColors.h"
#include "core/OkLab.h"

#include <algorithm>
#include <cstdio>

namespace tintorium {

namespace {

using detail::EqualsNoCase;

constexpr std::array<std::string_view, CssFormCount> FormNames{"hex", "rgb",   "hsl",   "hwb",  "lab",
                                                                "lch", "oklab", "oklch", "named"};

// Fixed decimals with trailing zeros dropped, and never "-0".
std::string Number(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

// Hue of a colour whose printed chroma is zero: powerless, written as 0.
double PrintedHue(double chroma, int chromaDecimals, double hue) {
  const std::string printed = Number(chroma, chromaDecimals);
  const double h = printed == "0" ? 0.0 : hue;
  return Number(h, 2) == "360" ? 0.0 : h;
}

struct THsl {
  double H, S, L;  // degrees, 0-1, 0-1
};

THsl SrgbToHsl(const TColor3& c) {
  const double max = std::max({c.X, c.Y, c.Z}), min = std::min({c.X, c.Y, c.Z});
  const double d = max - min;
  const double l = (max + min) / 2;
  double h = 0, s = 0;
  if (d > 0) {
    s = (l == 0 || l == 1) ? 0 : (max - l) / std::min(l, 1 - l);
    if (max == c.X)
      h = (c.Y - c.Z) / d + (c.Y < c.Z ? 6 : 0);
    else if (max == c.Y)
      h = (c.Z - c.X) / d + 2;
    else
      h = (c.X - c.Y) / d + 4;
    h *= 60;
  }
  return {h, s, l};
}

std::string HexForm(TColor color) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
  return buffer;
}

std::string HslForm(const TColor3& c) {
  const THsl hsl = SrgbToHsl(c);
  return "hsl(" + Number(PrintedHue(hsl.S * 100, 2, hsl.H), 2) + " " + Number(hsl.S * 100, 2) + "% " +
         Number(hsl.L * 100, 2) + "%)";
}

std::string HwbForm(const TColor3& c) {
  const double max = std::max({c.X, c.Y, c.Z}), min = std::min({c.X, c.Y, c.Z});
  const double hue = SrgbToHsl(c).H;
  return "hwb(" + Number(PrintedHue((max - min) * 100, 2, hue), 2) + " " + Number(min * 100, 2) + "% " +
         Number((1 - max) * 100, 2) + "%)";
}

std::string LabForm(const TCssLab& lab) {
  return "lab(" + Number(lab.L, 2) + " " + Number(lab.a, 2) + " " + Number(lab.b, 2) + ")";
}

std::string LchForm(const TCssLab& lab) {
  const TCssLch lch = CssLabToCssLch(lab);
  return "lch(" + Number(lch.L, 2) + " " + Number(lch.C, 2) + " " + Number(PrintedHue(lch.C, 2, lch.h), 2) + ")";
}

std::string OklabForm(const TOkLab& lab) {
  return "oklab(" + Number(lab.L, 5) + " " + Number(lab.a, 5) + " " + Number(lab.b, 5) + ")";
}

std::string OklchForm(const TOkLab& lab) {
  const TOkLch lch = OkLabToOkLch(lab);
  return "oklch(" + Number(lch.L, 5) + " " + Number(lch.C, 5) + " " + Number(PrintedHue(lch.C, 5, lch.h), 2) + ")";
}

}  // namespace

std::string_view CssFormName(TCssForm form) {
  const auto index = static_cast<std::size_t>(form);
  return index < FormNames.size() ? FormNames[index] : std::string_view{};
}

std::optional<TCssForm> CssFormFromName(std::string_view name) {
  for (std::size_t i = 0; i < FormNames.size(); ++i)
    if (EqualsNoCase(name, FormNames[i])) return static_cast<TCssForm>(i);
  return std::nullopt;
}

std::string FormatCssColor(TColor color, TCssForm form) {
  const TColor rgb = RGBValuesToColor(ColorToRGBValues(color));
  const TColor3 srgb = ColorToSrgb(rgb);
  switch (form) {
    case TCssForm::Hex:
      return HexForm(rgb);
    case TCssForm::Rgb:
      return "rgb(" + std::to_string(RedOf(rgb)) + " " + std::to_string(GreenOf(rgb)) + " " +
             std::to_string(BlueOf(rgb)) + ")";
    case TCssForm::Hsl:
      return HslForm(srgb);
    case TCssForm::Hwb:
      return HwbForm(srgb);
    case TCssForm::Lab:
      return LabForm(SrgbToCssLab(srgb));
    case TCssForm::Lch:
      return LchForm(SrgbToCssLab(srgb));
    case TCssForm::Oklab:
      return OklabForm(SrgbToOkLab(srgb));
    case TCssForm::Oklch:
      return OklchForm(SrgbToOkLab(srgb));
    case TCssForm::Named: {
      const auto name = CssColorName(rgb);
      return name ? std::string(*name) : std::string();
    }
  }
  return {};
}

}  // namespace tintorium
