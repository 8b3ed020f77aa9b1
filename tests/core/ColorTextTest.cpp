#include "core/ColorModels.h"
#include "core/ColorObject.h"
#include "core/ColorText.h"

#include <gtest/gtest.h>

namespace tintorium {
namespace {

TEST(ColorTextTest, ValuesTextsLabelledAndPlain) {
  EXPECT_EQ(ValuesText(TRGBValues{255, 0, 238}, true), "R:255 G:0 B:238");
  EXPECT_EQ(ValuesText(TRGBValues{255, 0, 238}, false), "255,0,238");
  EXPECT_EQ(ValuesText(THSBValues{305, 100, 100}, true), "H:305 S:100 B:100");
  EXPECT_EQ(ValuesText(THSBValues{305, 100, 100}, false), "305,100,100");
  EXPECT_EQ(ValuesText(TCMYKValues{0, 100, 7, 0}, true), "C:0 M:100 Y:7 K:0");
  EXPECT_EQ(ValuesText(TCMYKValues{0, 100, 7, 0}, false), "0,100,7,0");
  EXPECT_EQ(ValuesText(TLabValues{59, 92, -52}, true), "L:59 a:92 b:-52");
  EXPECT_EQ(ValuesText(TLabValues{59, 92, -52}, false), "59,92,-52");
  EXPECT_EQ(ValuesText(TCMYKValues{-2147483647 - 1, -2147483647 - 1, -2147483647 - 1, -2147483647 - 1}, true),
            "C:-2147483648 M:-2147483648 Y:-2147483648 K:-2147483648");
}

TEST(ColorTextTest, HexForms) {
  EXPECT_EQ(HexText({10, 11, 12}), "0A0B0C");
  EXPECT_EQ(HexText({255, 0, 238}), "FF00EE");
  EXPECT_EQ(DollarHexColorText({255, 0, 238}), "$00EE00FF");
  EXPECT_EQ(VisualStudioColorText({255, 0, 238}), "255,0,238");
  // Out-of-range channels keep their low byte, as the TColor would.
  EXPECT_EQ(HexText({256, -1, 0x1AB}), "00FFAB");
}

TEST(ColorTextTest, HexDigitValue) {
  const std::u32string digits = U"0123456789ABCDEFabcdef";
  const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15};
  for (std::size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(HexDigitValue(digits[i]), values[i]) << i;
  for (const char32_t c : {U'g', U'G', U'#', U' ', U'\0', U'\uFF10' /* fullwidth 0 */, U'/'}) EXPECT_EQ(HexDigitValue(c), 0);
}

struct IsHexCase {
  const char* text;
  bool hex;
};

class IsHexTextTest : public testing::TestWithParam<IsHexCase> {};

TEST_P(IsHexTextTest, AcceptsOnlyHexDigits) { EXPECT_EQ(IsHexText(GetParam().text), GetParam().hex) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Cases, IsHexTextTest,
                         testing::Values(IsHexCase{"", false}, IsHexCase{"abc", true}, IsHexCase{"#ABCDEF", false},
                                         IsHexCase{"FF00EE12", true}, IsHexCase{"12 34", false},
                                         IsHexCase{"0g", false}, IsHexCase{"\xC3\xA9", false}));

struct ParseCase {
  const char* text;
  TRGBValues rgb;
};

class ParseHexColorTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseHexColorTest, ReadsSixCharacters) { EXPECT_EQ(ParseHexColor(GetParam().text), GetParam().rgb) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseHexColorTest,
    testing::Values(ParseCase{"FF00EE", {255, 0, 238}}, ParseCase{"#ff00ee", {255, 0, 238}},
                    ParseCase{"FF00EE12", {255, 0, 238}}, ParseCase{"12#3456", {0x12, 0x34, 0x56}},
                    ParseCase{"##123456", {1, 35, 69}},  // the second "#" is read, counting 0
                    ParseCase{"zz00zz", {0, 0, 0}},
                    // Short texts: the missing characters count 0.
                    ParseCase{"", {0, 0, 0}}, ParseCase{"#", {0, 0, 0}}, ParseCase{"F", {0xF0, 0, 0}},
                    ParseCase{"ABC", {0xAB, 0xC0, 0}}, ParseCase{"#12345", {0x12, 0x34, 0x50}},
                    // A non-ASCII character is one character, worth 0.
                    ParseCase{"\xC3\xA9"
                              "12345",
                              {0x01, 0x23, 0x45}},
                    // A malformed byte counts as one character.
                    ParseCase{"\xFF"
                              "12345",
                              {0x01, 0x23, 0x45}},
                    ParseCase{"\xE2\x82", {0, 0, 0}}));

TEST(ColorTextTest, CopyTextOfEachKind) {
  TColorObject color;
  color.SetRGB({255, 0, 238});
  EXPECT_EQ(CopyColorText(color, ctkHTML, true), "#FF00EE");
  EXPECT_EQ(CopyColorText(color, ctkHTML, false), "FF00EE");
  EXPECT_EQ(CopyColorText(color, ctkDollarHex, true), "$00EE00FF");
  EXPECT_EQ(CopyColorText(color, ctkDecimal, false), "255,0,238");
  EXPECT_EQ(CopyColorText(color, ctkValues, true), "R:255 G:0 B:238");
  EXPECT_EQ(CopyColorText(color, 7, true), "R:255 G:0 B:238");
  color.SetHSB({305, 100, 100});
  EXPECT_EQ(CopyColorText(color, ctkValues, true), "H:305 S:100 B:100");
  // The HTML, "$00" and decimal forms use the RGB record whatever the model.
  EXPECT_EQ(CopyColorText(color, ctkHTML, true), "#" + color.HexText());
  EXPECT_EQ(CopyColorText(color, ctkDecimal, true), ValuesText(color.GetRGB(), false));
}

}  // namespace
}  // namespace tintorium

namespace tintorium {
namespace {

// The field reading, unlike ParseHexColor, refuses anything it would have to cut or guess.
TEST(ReadHexColorText, TakesPastedFormsAndRefusesTheRest) {
  const struct {
    const char* text;
    std::optional<TRGBValues> rgb;
  } cases[] = {
      {"1A2B3C", TRGBValues{0x1A, 0x2B, 0x3C}}, {"#1a2b3c", TRGBValues{0x1A, 0x2B, 0x3C}},
      {"#abc", TRGBValues{0xAA, 0xBB, 0xCC}},   {" \t#E4572E\n", TRGBValues{0xE4, 0x57, 0x2E}},
      {"FF00EE12", std::nullopt},               {"##123456", std::nullopt},
      {"12#3456", std::nullopt},                {"#12345", std::nullopt},
      {"", std::nullopt},                       {"#", std::nullopt},
      {"   ", std::nullopt},                    {"\xC3\xA9"
                                                 "12345",
                                                 std::nullopt},
      {"1 2 3", std::nullopt},                  {"#abcd", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadHexColorText(c.text), c.rgb) << c.text;
}

// A pasted colour: the hex forms, the program's own copy texts and CSS colours; nothing half-read.
TEST(ReadColorText, TakesTheCopyFormsAndCssColours) {
  const TRGBValues orange{0xFF, 0x88, 0x00};
  const struct {
    const char* text;
    std::optional<TRGBValues> rgb;
  } cases[] = {
      {"#FF8800", orange},          {"ff8800", orange},        {" #f80 ", orange},
      {"$000088FF", orange},        {"rgb(255, 136, 0)", orange}, {"rgb(255 136 0 / 50%)", orange},
      {"orange", TRGBValues{0xFF, 0xA5, 0x00}}, {"hsl(0 100% 50%)", TRGBValues{255, 0, 0}},
      {"$0188FF00", std::nullopt},  {"$0088FF", std::nullopt},  {"#FF88001", std::nullopt},
      {"rgb(255, 136)", std::nullopt}, {"orange juice", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadColorText(c.text), c.rgb) << c.text;
  const TColorObject copied(RGBValuesToColor({0x12, 0xAB, 0xEF}), cmRGB);
  for (const int kind : {int(ctkHTML), int(ctkDollarHex)})
    for (const bool hash : {true, false})
      EXPECT_EQ(ReadColorText(CopyColorText(copied, kind, hash)), copied.GetRGB()) << kind << hash;
}

}  // namespace
}  // namespace tintorium
