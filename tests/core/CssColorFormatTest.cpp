#include "core/CssColorFormat.h"

#include "core/CssColorParse.h"

#include <gtest/gtest.h>

#include <string>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

struct FormatCase {
  TColor color;
  const char* forms[CssFormCount];
};

// One row per colour, in the order of CssForms; figures checked against colorjs.io.
const FormatCase FormatCases[] = {
    {Rgb(255, 0, 0),
     {"#ff0000", "rgb(255 0 0)", "hsl(0 100% 50%)", "hwb(0 0% 0%)", "lab(54.29 80.8 69.89)",
      "lch(54.29 106.84 40.86)", "oklab(0.62796 0.22486 0.12585)", "oklch(0.62796 0.25768 29.23)", "red"}},
    {Rgb(255, 128, 0),
     {"#ff8000", "rgb(255 128 0)", "hsl(30.12 100% 50%)", "hwb(30.12 0% 0%)", "lab(67.82 45.49 74.84)",
      "lch(67.82 87.58 58.71)", "oklab(0.73189 0.11186 0.14836)", "oklch(0.73189 0.1858 52.98)", ""}},
    {Rgb(128, 128, 128),
     {"#808080", "rgb(128 128 128)", "hsl(0 0% 50.2%)", "hwb(0 50.2% 49.8%)", "lab(53.59 0 0)", "lch(53.59 0 0)",
      "oklab(0.59987 0 0)", "oklch(0.59987 0 0)", "gray"}},
    {Rgb(0, 0, 0),
     {"#000000", "rgb(0 0 0)", "hsl(0 0% 0%)", "hwb(0 0% 100%)", "lab(0 0 0)", "lch(0 0 0)", "oklab(0 0 0)",
      "oklch(0 0 0)", "black"}},
    {Rgb(0, 255, 255),
     {"#00ffff", "rgb(0 255 255)", "hsl(180 100% 50%)", "hwb(180 0% 0%)", "lab(90.67 -50.66 -14.96)",
      "lch(90.67 52.82 196.45)", "oklab(0.9054 -0.14944 -0.0394)", "oklch(0.9054 0.15455 194.77)", "aqua"}},
    {Rgb(255, 0, 1),  // a hue just below 360 must not print as 360
     {"#ff0001", "rgb(255 0 1)", "hsl(359.76 100% 50%)", "hwb(359.76 0% 0%)", "lab(54.29 80.81 69.63)",
      "lch(54.29 106.67 40.75)", "oklab(0.62798 0.22495 0.12561)", "oklch(0.62798 0.25765 29.18)", ""}},
};

TEST(CssColorTest, FormatsEachForm) {
  for (const FormatCase& c : FormatCases)
    for (std::size_t i = 0; i < CssForms.size(); ++i)
      EXPECT_EQ(FormatCssColor(c.color, CssForms[i]), c.forms[i]) << CssFormName(CssForms[i]);
}

TEST(CssColorTest, EveryFormReadsBackAsTheSameColour) {
  for (int r = 0; r < 256; r += 17)
    for (int g = 0; g < 256; g += 17)
      for (int b = 0; b < 256; b += 17) {
        const TColor color = Rgb(r, g, b);
        for (const TCssForm form : CssForms) {
          const std::string text = FormatCssColor(color, form);
          if (text.empty()) continue;
          const auto back = ParseCssColor(text);
          ASSERT_TRUE(back) << text;
          EXPECT_EQ(back->Color, color) << text;
        }
      }
}

TEST(CssColorTest, FormNamesRoundTrip) {
  for (const TCssForm form : CssForms) EXPECT_EQ(CssFormFromName(CssFormName(form)), form);
  EXPECT_EQ(CssFormFromName("OKLCH"), TCssForm::Oklch);
  EXPECT_FALSE(CssFormFromName("cmyk"));
}

}  // namespace
}  // namespace tintorium
