#include "core/CssColorParse.h"

#include "core/CssColorFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

struct ParseCase {
  const char* text;
  TColor color;
  double alpha;
};

// Every notation, both syntaxes, units and letter case. The comparison with colorjs.io (tests/js) covers
// thousands more; these rows pin what a reader can check by hand.
const ParseCase ParseCases[] = {
    {"#f80", Rgb(255, 136, 0), 1},
    {"#F80c", Rgb(255, 136, 0), 0.8},
    {"#ff8000", Rgb(255, 128, 0), 1},
    {"#FF800080", Rgb(255, 128, 0), 128 / 255.0},
    {"  \t#abc\n ", Rgb(170, 187, 204), 1},
    {"/* brand */ #abc /* end */", Rgb(170, 187, 204), 1},
    {"red", Rgb(255, 0, 0), 1},
    {"RebeccaPurple", Rgb(102, 51, 153), 1},
    {"GREY", Rgb(128, 128, 128), 1},
    {"transparent", Rgb(0, 0, 0), 0},
    {"rgb(255, 128, 0)", Rgb(255, 128, 0), 1},
    {"rgba(255,128,0,.5)", Rgb(255, 128, 0), 0.5},
    {"RGB(100%, 50%, 0%)", Rgb(255, 128, 0), 1},
    {"rgba(100%, 50%, 0%, 25%)", Rgb(255, 128, 0), 0.25},
    {"rgb(255 128 0)", Rgb(255, 128, 0), 1},
    {"rgb(255 128 0 / 0.25)", Rgb(255, 128, 0), 0.25},
    {"rgba(255 128 0/40%)", Rgb(255, 128, 0), 0.4},
    {"rgb(100% 128 0)", Rgb(255, 128, 0), 1},
    {"rgb(none 128 0 / none)", Rgb(0, 128, 0), 0},
    {"rgb(127.5 0 0)", Rgb(128, 0, 0), 1},
    {"rgb(300 -5 128 / 2)", Rgb(255, 0, 128), 1},  // clamped, as browsers do
    {"rgb(+1e2 1E1 .5e1)", Rgb(100, 10, 5), 1},
    {"hsl(120, 100%, 50%)", Rgb(0, 255, 0), 1},
    {"hsla(120deg, 100%, 25%, 0.5)", Rgb(0, 128, 0), 0.5},
    {"hsl(120 100% 50%)", Rgb(0, 255, 0), 1},
    {"hsl(120 100 50)", Rgb(0, 255, 0), 1},
    {"hsl(0.5turn 100% 50%)", Rgb(0, 255, 255), 1},
    {"hsl(200grad 100% 50%)", Rgb(0, 255, 255), 1},
    {"hsl(3.14159265rad 100% 50%)", Rgb(0, 255, 255), 1},
    {"hsl(-240 100% 50%)", Rgb(0, 255, 0), 1},
    {"hsl(none 0% 50%)", Rgb(128, 128, 128), 1},
    {"hsl(0 150% 120%)", Rgb(255, 255, 255), 1},
    {"hwb(0 0% 0%)", Rgb(255, 0, 0), 1},
    {"hwb(120 20% 20%)", Rgb(51, 204, 51), 1},
    {"hwb(0 60% 60% / 0.1)", Rgb(128, 128, 128), 0.1},
    {"lab(54.29 80.8 69.89)", Rgb(255, 0, 0), 1},
    {"lab(100% 0 0)", Rgb(255, 255, 255), 1},
    {"lab(50 0 0)", Rgb(119, 119, 119), 1},
    {"lch(54.29 106.84 40.86)", Rgb(255, 0, 0), 1},
    {"oklab(0.628 0.2249 0.1258)", Rgb(255, 0, 0), 1},
    {"oklab(100% 0 0)", Rgb(255, 255, 255), 1},
    {"oklch(0.628 0.2577 29.23)", Rgb(255, 0, 0), 1},
    {"oklch(62.8% 64.425% 29.23deg)", Rgb(255, 0, 0), 1},
    {"oklch(0.5999 0 none)", Rgb(128, 128, 128), 1},
    {"oklch(1.2 0.4 30)", Rgb(255, 255, 255), 1},
    {"oklch(0 0.4 30)", Rgb(0, 0, 0), 1},
    {"color(srgb 1 0.5 0)", Rgb(255, 128, 0), 1},
    {"color(srgb 100% 50% none / 50%)", Rgb(255, 128, 0), 0.5},
    {"color(srgb-linear 1 0.21586 0)", Rgb(255, 128, 0), 1},
    {"color(display-p3 0.6 0.6 0.6)", Rgb(153, 153, 153), 1},
    {"color(xyz-d65 0.95047 1 1.08883)", Rgb(255, 255, 255), 1},
    {"color(xyz-d50 0.96422 1 0.82521)", Rgb(255, 255, 255), 1},
    {"rgb(1e-400 0 0)", Rgb(0, 0, 0), 1},
};

TEST(CssColorTest, ParsesEveryNotation) {
  for (const ParseCase& c : ParseCases) {
    std::string error;
    const auto parsed = ParseCssColor(c.text, error);
    ASSERT_TRUE(parsed) << c.text << ": " << error;
    EXPECT_EQ(parsed->Color, c.color) << c.text << " gave " << FormatCssColor(parsed->Color, TCssForm::Hex);
    EXPECT_NEAR(parsed->Alpha, c.alpha, 1e-9) << c.text;
  }
}

TEST(CssColorTest, OutOfGamutColoursAreMappedNotClipped) {
  // Clipping oklch(70% 0.4 30) channel by channel gives pure red; CSS Color 4's mapping keeps lightness and hue.
  // Both figures are colorjs.io's.
  const auto mapped = ParseCssColor("oklch(70% 0.4 30)");
  ASSERT_TRUE(mapped);
  EXPECT_EQ(FormatCssColor(mapped->Color, TCssForm::Hex), "#ff5843");
  const auto p3 = ParseCssColor("color(display-p3 0 1 0)");
  ASSERT_TRUE(p3);
  EXPECT_EQ(FormatCssColor(p3->Color, TCssForm::Hex), "#00fb29");  // a clip would give #00ff00
}

struct RejectCase {
  const char* text;
  const char* message;  // a part of the error text
};

const RejectCase RejectCases[] = {
    {"", "empty"},
    {"   /* */  ", "empty"},
    {"#12345", "3, 4, 6 or 8"},
    {"#ggg", "3, 4, 6 or 8"},
    {"# fff", "3, 4, 6 or 8"},
    {"#fff #000", "after the colour"},
    {"redd", "not a CSS colour name"},
    {"currentcolor", "not a CSS colour name"},
    {"rgb(1 2, 3)", "mixes comma and space"},
    {"rgb(1, 2 3)", "mixes comma and space"},
    {"rgb(1, 2, 3 / 0.5)", "mixes comma and space"},
    {"rgb(1 2 3", "closing ')'"},
    {"rgb(1 2 3 4)", "takes 3 values, 4 given"},
    {"rgb(1 2)", "takes 3 values, 2 given"},
    {"rgb()", "takes 3 values, 0 given"},
    {"rgb(1,2)", "takes 3 values and an optional alpha, 2 given"},
    {"rgb(1,2,3,4,5)", "takes 3 values and an optional alpha, 5 given"},
    {"rgb(1,2,3,)", "ends with a comma"},
    {"rgb(,1,2,3)", "misplaced comma"},
    {"rgb(1,,2,3)", "misplaced comma"},
    {"rgb(1 2 3 /)", "one alpha value after '/'"},
    {"rgb(1 2 3 / 4 5)", "one alpha value after '/'"},
    {"rgb(1 2 3 / 4 / 5)", "more than one '/'"},
    {"rgb(10%, 20, 30)", "all numbers or all percentages"},
    {"rgb(none, 0, 0)", "does not take 'none'"},
    {"hsl(10, 20, 30)", "as percentages"},
    {"hwb(10, 20%, 30%)", "takes no commas"},
    {"lab(50, 20, 30)", "takes no commas"},
    {"rgb(10deg 0 0)", "not valid"},
    {"hsl(10% 50% 50%)", "not a hue"},
    {"hsl(10px 50% 50%)", "unknown unit"},
    {"rgb(a b c)", "not a number"},
    {"rgb(calc(1) 2 3)", "not supported"},
    {"rgb (1 2 3)", "not a CSS colour name"},
    {"frob(1 2 3)", "not a CSS colour function"},
    {"color(1 2 3)", "colour space first"},
    {"color(rec2020 1 0 0)", "not supported"},
    {"rgb(1e999 0 0)", "out of range"},
    {"rgb(NaN 0 0)", "not a number"},
    {"rgb(inf 0 0)", "not a number"},
    {"rgb(1 2 3) x", "after the colour"},
    {"rgb(1 2 3 /* open", "not closed"},
    {"rgb(1 2 3 ; 4)", "unexpected"},
    {"\"red\"", "starts with"},
};

TEST(CssColorTest, RefusesMalformedTextWithAClearMessage) {
  for (const RejectCase& c : RejectCases) {
    std::string error;
    EXPECT_FALSE(ParseCssColor(c.text, error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << ": " << error;
  }
}

TEST(CssColorTest, NumbersPastADoubleAreRefusedWhenHugeAndZeroWhenTiny) {
  const std::string zeros(400, '0');
  std::string error;
  EXPECT_FALSE(ParseCssColor("rgb(1" + zeros + "e-5 0 0)", error));  // 1e395: the minus sign is the exponent's
  EXPECT_NE(error.find("out of range"), std::string::npos) << error;
  EXPECT_FALSE(ParseCssColor("rgb(0 0 0 / 1e400)"));
  const auto tiny = ParseCssColor("rgb(255 0." + zeros + "1 1" + zeros + "e-999)", error);
  ASSERT_TRUE(tiny) << error;
  EXPECT_EQ(tiny->Color, Rgb(255, 0, 0));
}

TEST(CssColorTest, HostileInputEndsQuicklyWithAShortMessage) {
  const std::string digits(1 << 20, '9');
  const std::string values = "rgb(" + std::string(1 << 20, ' ') + std::string(3000, '1') + ")";
  std::string manyValues = "rgb(";
  for (int i = 0; i < 100000; ++i) manyValues += "1 ";
  const std::string longName(1 << 20, 'a');
  for (const std::string& text : {"rgb(" + digits + " 0 0)", values, manyValues, longName, "#" + digits,
                                  std::string("rgb(\0 0 0)", 10), std::string("\xFF\xFE#fff")}) {
    std::string error;
    EXPECT_FALSE(ParseCssColor(text, error));
    EXPECT_FALSE(error.empty());
    EXPECT_LT(error.size(), 200u);
  }
}

TEST(CssColorTest, ColourFunctionNames) {
  for (const char* name : {"rgb", "RGBA", "hsl", "hsla", "Hwb", "lab", "lch", "oklab", "OKLCH", "color"})
    EXPECT_TRUE(IsCssColorFunction(name)) << name;
  for (const char* name : {"", "rgb(", "calc", "var", "color-mix", "hsv", "device-cmyk"})
    EXPECT_FALSE(IsCssColorFunction(name)) << name;
}

}  // namespace
}  // namespace tintorium
