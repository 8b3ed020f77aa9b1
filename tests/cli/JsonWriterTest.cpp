// The JSON writer behind --json: commas in nested containers, escapes, text that is not UTF-8, numbers.
#include "JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tintorium::cli {
namespace {

TEST(JsonWriterTest, NestedContainersGetCommasOnlyBetweenValues) {
  TJsonWriter json;
  json.BeginObject().Key("a").BeginArray().EndArray().Key("b").BeginArray().Integer(1).BeginObject().EndObject();
  json.BeginArray().Null().Bool(false).EndArray().EndArray().Member("c", "x").EndObject();
  EXPECT_EQ(json.Text(), R"({"a":[],"b":[1,{},[null,false]],"c":"x"})");
}

struct TStringCase {
  std::string in;
  std::string out;
};

class JsonStringTest : public testing::TestWithParam<TStringCase> {};

TEST_P(JsonStringTest, WritesReadableJson) {
  TJsonWriter json;
  json.String(GetParam().in);
  EXPECT_EQ(json.Text(), "\"" + GetParam().out + "\"");
}

const std::string Replacement = "\\uFFFD";
INSTANTIATE_TEST_SUITE_P(
    Cases, JsonStringTest,
    testing::Values(TStringCase{"say \"hi\" \\", R"(say \"hi\" \\)"}, TStringCase{"a\tb\nc\rd", R"(a\tb\nc\rd)"},
                    TStringCase{std::string("\x01\x1f\x7f", 3), R"(\u0001\u001f\u007f)"},
                    TStringCase{std::string("nul\0here", 8), R"(nul\u0000here)"},
                    // Well-formed UTF-8 of two, three and four bytes passes unchanged.
                    TStringCase{"Gr\xc3\xbcn \xe2\x80\x94 \xf0\x9f\x8e\xa8", "Gr\xc3\xbcn \xe2\x80\x94 \xf0\x9f\x8e\xa8"},
                    // A stray continuation byte, a lone lead byte, a cut sequence at the end.
                    TStringCase{"a\x80z", "a\xef\xbf\xbdz"}, TStringCase{"\xff", "\xef\xbf\xbd"},
                    TStringCase{"\xe2\x80", "\xef\xbf\xbd\xef\xbf\xbd"},
                    // Overlong forms, a surrogate and a code point above U+10FFFF are not UTF-8.
                    TStringCase{"\xc0\xaf", "\xef\xbf\xbd\xef\xbf\xbd"},
                    TStringCase{"\xe0\x80\xaf", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
                    TStringCase{"\xed\xa0\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
                    TStringCase{"\xf4\x90\x80\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"}));

TEST(JsonWriterTest, NumbersAreShortAndAlwaysValid) {
  TJsonWriter json;
  json.BeginArray().Number(21.0).Number(4.4780891234).Number(0.5, 4).Number(-0.0000001).Number(1e300, 2);
  json.Number(std::nan("")).Number(std::numeric_limits<double>::infinity()).Integer(-9223372036854775807 - 1);
  json.EndArray();
  EXPECT_EQ(json.Text(), "[21,4.478089,0.5,0,1e+300,null,null,-9223372036854775808]");
}

}  // namespace
}  // namespace tintorium::cli
