#include "core/CssGamutMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

using TMapper = TColor3 (*)(const TColor3&);

struct MapCase {
  const char* space;
  TMapper map;       // the space's three coordinates in X, Y, Z
  TColor3 inside;    // sRGB (0.8 0.4 0.2) in the space
  TColor3 outside;   // a colour outside sRGB
  TColor3 expected;  // its CSS gamut mapping into sRGB
};

// Every figure is colorjs.io's (Color.to(space) and toGamut({space: "srgb", method: "css"})). The parser's
// comparison with colorjs.io reads no srgb-linear or xyz texts, so these rows are where those spaces are checked.
const MapCase MapCases[] = {
    {"srgb", [](const TColor3& c) { return MappedFromSrgb(c); }, {0.8, 0.4, 0.2}, {1.2, -0.1, 0.5},
     {1.0, 0.4047777570, 0.5545446882}},
    {"srgb-linear", [](const TColor3& c) { return MappedFromLinearSrgb(c); },
     {0.60382733885533779, 0.13286832155381798, 0.033104766570885055}, {1.5, 0.2, -0.1},
     {1.0, 0.6059789658, 0.2499121666}},
    {"display-p3", [](const TColor3& c) { return MappedFromDisplayP3(c); },
     {0.74851695425067388, 0.42158483957909565, 0.24799432325599463}, {0, 1, 0}, {0.0, 0.9857637108, 0.1597424440}},
    {"xyz-d65", [](const TColor3& c) { return MappedFromXyzD65(c); },
     {0.30249924424762875, 0.22581041677620076, 0.058976832170565652}, {0.2, 0.6, 0.1},
     {0.0, 0.9123569498, 0.4057296495}},
    {"xyz-d50", [](const TColor3& c) { return MappedFromXyzD50(c); },
     {0.31921943181849616, 0.23160584187456909, 0.044946769564194647}, {0.5, 0.2, 0.8},
     {0.8862575994, 0.0, 0.9830479764}},
    {"lab", [](const TColor3& c) { return MappedFromCssLab({c.X, c.Y, c.Z}); },
     {55.237361519606040, 38.825795438695906, 47.007219946949384}, {60, 90, -110}, {0.7178012827, 0.4992856795, 1.0}},
    {"lch", [](const TColor3& c) { return MappedFromCssLch({c.X, c.Y, c.Z}); },
     {55.237361519606040, 60.968197599964654, 50.444864517100655}, {80, 120, 150}, {0.0, 0.8932050721, 0.4350593365}},
    {"oklab", [](const TColor3& c) { return MappedFromOkLab({c.X, c.Y, c.Z}); },
     {0.62277353076804609, 0.10209561363122277, 0.10234313659876376}, {0.6, -0.3, 0.2},
     {0.0, 0.6233634596, 0.07000302250}},
    {"oklch", [](const TColor3& c) { return MappedFromOkLch({c.X, c.Y, c.Z}); },
     {0.62277353076804609, 0.14456013258021433, 45.069370481021281}, {0.7, 0.4, 30}, {1.0, 0.3451350787, 0.2645751123}},
};

double LargestDifference(const TColor3& a, const TColor3& b) {
  return std::max({std::abs(a.X - b.X), std::abs(a.Y - b.Y), std::abs(a.Z - b.Z)});
}

TEST(CssGamutMapTest, EachSpaceKeepsColoursInsideSrgbAndMapsTheOthersAsCssDoes) {
  for (const MapCase& c : MapCases) {
    SCOPED_TRACE(c.space);
    const TColor3 inside = c.map(c.inside);
    EXPECT_LT(LargestDifference(inside, {0.8, 0.4, 0.2}), 1e-12);
    const TColor3 mapped = c.map(c.outside);
    EXPECT_TRUE(InSrgbGamut(mapped));
    // The same search as colorjs.io's, so the same colour to far below an 8-bit step (a clip is off by 0.1 or more).
    EXPECT_LT(LargestDifference(mapped, c.expected), 1e-6) << mapped.X << " " << mapped.Y << " " << mapped.Z;
  }
}

}  // namespace
}  // namespace tintorium
