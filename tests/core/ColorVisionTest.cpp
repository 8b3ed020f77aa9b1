#include "core/ColorVision.h"

#include "core/Contrast.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

std::string Hex(TColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

// The severity 1.0 table of Machado, Oliveira & Fernandes (2009), as printed in the paper.
TEST(ColorVisionTest, MatricesAreThePublishedSeverityOneTable) {
  const TVisionMatrix published[] = {
      {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
      {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
      {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
  };
  for (const TColorVision vision : ColorVisions) {
    const TVisionMatrix& m = ColorVisionMatrix(vision);
    const TVisionMatrix& p = published[static_cast<int>(vision)];
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) EXPECT_DOUBLE_EQ(m[row][col], p[row][col]);
      // The model keeps white white: each row sums to one (to the table's six decimals).
      EXPECT_NEAR(m[row][0] + m[row][1] + m[row][2], 1.0, 2e-6);
    }
  }
}

// Expected values computed separately (Python, double precision) from the published matrices in linear sRGB.
TEST(ColorVisionTest, SimulatesKnownColours) {
  struct Case {
    TColor color;
    const char* protan;
    const char* deutan;
    const char* tritan;
  };
  const Case cases[] = {
      {Rgb(255, 0, 0), "6D5F00", "A39000", "FF000F"},   {Rgb(0, 255, 0), "FFE500", "EFD63A", "00F7D9"},
      {Rgb(0, 0, 255), "0059FF", "003DFB", "006B96"},   {Rgb(255, 255, 0), "FFF400", "FFFA31", "FFEED9"},
      {Rgb(255, 128, 0), "A69100", "C4AE00", "FF626D"}, {Rgb(0, 128, 128), "777980", "676E81", "008580"},
      {Rgb(200, 30, 90), "50535B", "7C7456", "DB003A"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(SimulateColorVision(c.color, TColorVision::Protanopia)), c.protan) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateColorVision(c.color, TColorVision::Deuteranopia)), c.deutan) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateColorVision(c.color, TColorVision::Tritanopia)), c.tritan) << Hex(c.color);
  }
}

TEST(ColorVisionTest, GreysStayAsTheyAre) {
  for (const TColorVision vision : ColorVisions) {
    for (int v = 0; v < 256; ++v) EXPECT_EQ(SimulateColorVision(Rgb(v, v, v), vision), Rgb(v, v, v)) << v;
  }
}

// What the analyser warns about: to a protanope red is a dark colour, so red text on black loses much of its
// contrast while the other two deficiencies leave it readable.
TEST(ColorVisionTest, RedOnBlackDarkensForProtanopia) {
  const TColor red = Rgb(255, 0, 0);
  EXPECT_NEAR(MeasureContrast(red, clBlack).Ratio, 5.25, 0.005);
  EXPECT_LT(MeasureContrast(SimulateColorVision(red, TColorVision::Protanopia), clBlack).Ratio, 3.5);  // 3.29
  EXPECT_GT(MeasureContrast(SimulateColorVision(red, TColorVision::Tritanopia), clBlack).Ratio, 4.5);
}

using TVector = std::array<double, 3>;

TVector Apply(const TVisionMatrix& m, const TVector& v) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

double DotOf(const TVector& a, const TVector& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

void ExpectMatrixNear(const TVisionMatrix& actual, const TVisionMatrix& expected, double tolerance,
                      const std::string& what) {
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      EXPECT_NEAR(actual[row][col], expected[row][col], tolerance) << what << " [" << row << "][" << col << "]";
}

// Rows of the tables Machado, Oliveira & Fernandes (2009) publish with the paper for the intermediate
// severities, as printed there.
TEST(VisionModelTest, MachadoMatricesAreThePublishedStepsAndInterpolateBetweenThem) {
  struct Case {
    TVisionKind kind;
    double severity;
    TVisionMatrix published;
  };
  const Case cases[] = {
      {TVisionKind::Protanomaly, 0.5,
       {{{0.458064, 0.679578, -0.137642}, {0.092785, 0.846313, 0.060902}, {-0.007494, -0.016807, 1.024301}}}},
      {TVisionKind::Protanomaly, 0.1,
       {{{0.856167, 0.182038, -0.038205}, {0.029342, 0.955115, 0.015544}, {-0.002880, -0.001563, 1.004443}}}},
      {TVisionKind::Deuteranomaly, 0.3,
       {{{0.675425, 0.433850, -0.109275}, {0.125303, 0.847755, 0.026942}, {-0.007950, 0.018572, 0.989378}}}},
      {TVisionKind::Deuteranomaly, 0.5,
       {{{0.547494, 0.607765, -0.155259}, {0.181692, 0.781742, 0.036566}, {-0.010410, 0.027275, 0.983136}}}},
      {TVisionKind::Deuteranomaly, 0.6,
       {{{0.498864, 0.674741, -0.173604}, {0.205199, 0.754872, 0.039929}, {-0.011131, 0.030969, 0.980162}}}},
      {TVisionKind::Tritanomaly, 0.7,
       {{{1.193214, -0.109812, -0.083402}, {-0.058496, 0.979410, 0.079086}, {-0.002346, 0.403492, 0.598854}}}},
      {TVisionKind::Tritanomaly, 0.9,
       {{{1.278864, -0.125333, -0.153531}, {-0.084748, 0.957674, 0.127074}, {-0.000989, 0.601151, 0.399838}}}},
  };
  for (const Case& c : cases) {
    ExpectMatrixNear(MachadoMatrix(c.kind, c.severity), c.published, 1e-12,
                     std::string(VisionKindName(c.kind)) + " " + std::to_string(c.severity));
    // Each published row sums to one to the table's six decimals, so white stays white.
    for (const auto& row : c.published) EXPECT_NEAR(row[0] + row[1] + row[2], 1.0, 2e-6);
  }
  // Between two steps: linear, 31 % of the way from 0.5 to 0.6.
  TVisionMatrix between{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) between[i][j] = 0.69 * cases[3].published[i][j] + 0.31 * cases[4].published[i][j];
  ExpectMatrixNear(MachadoMatrix(TVisionKind::Deuteranomaly, 0.531), between, 1e-12, "deuteranomaly 0.531");

  // The ends, and out-of-range severities clamped to them.
  const TVisionMatrix identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  for (const double none : {0.0, -0.5, -std::numeric_limits<double>::infinity(), std::nan("")})
    ExpectMatrixNear(MachadoMatrix(TVisionKind::Tritanomaly, none), identity, 0, std::to_string(none));
  for (const double full : {1.0, 1.5, std::numeric_limits<double>::infinity()})
    ExpectMatrixNear(MachadoMatrix(TVisionKind::Protanomaly, full), ColorVisionMatrix(TColorVision::Protanopia), 0,
                     std::to_string(full));
}

// The existing full-severity simulation is the anomalous kind at severity 1, to the bit.
TEST(VisionModelTest, AnomalousKindsAtFullSeverityAreTheExistingSimulation) {
  const std::pair<TVisionKind, TColorVision> pairs[] = {{TVisionKind::Protanomaly, TColorVision::Protanopia},
                                                        {TVisionKind::Deuteranomaly, TColorVision::Deuteranopia},
                                                        {TVisionKind::Tritanomaly, TColorVision::Tritanopia}};
  for (const auto& [kind, vision] : pairs) {
    for (int r = 0; r < 256; r += 5)
      for (int g = 0; g < 256; g += 7)
        for (int b = 0; b < 256; b += 3)
          ASSERT_EQ(SimulateVision(Rgb(r, g, b), kind, 1.0), SimulateColorVision(Rgb(r, g, b), vision))
              << VisionKindName(kind) << " " << Hex(Rgb(r, g, b));
  }
}

// The sRGB tables that libDaltonLens (public domain, daltonlens.org) derived from Brettel, Vienot & Mollon (1997)
// with the same choices (Smith & Pokorny cones, sRGB white as the neutral, anchors 475/575 nm and 485/660 nm),
// printed to five decimals: an independent derivation of the half-plane matrices.
TEST(VisionModelTest, BrettelPlanesAgreeWithAnIndependentDerivation) {
  struct Case {
    TVisionKind kind;
    TVisionMatrix first;  // the 575 nm half-plane (660 nm for tritanopia)
    TVisionMatrix second;
    TVector normal;  // points to the First side
  };
  const Case cases[] = {
      {TVisionKind::Protanopia,
       {{{0.14510, 1.20165, -0.34675}, {0.10447, 0.85316, 0.04237}, {0.00429, -0.00603, 1.00174}}},
       {{{0.14115, 1.16782, -0.30897}, {0.10495, 0.85730, 0.03776}, {0.00431, -0.00586, 1.00155}}},
       {0.00048, 0.00416, -0.00464}},
      {TVisionKind::Deuteranopia,
       {{{0.37009, 0.88540, -0.25549}, {0.25767, 0.63782, 0.10451}, {-0.01950, 0.02741, 0.99209}}},
       {{{0.36198, 0.86755, -0.22953}, {0.26099, 0.64512, 0.09389}, {-0.01975, 0.02686, 0.99289}}},
       {0.00293, 0.00645, -0.00938}},
      {TVisionKind::Tritanopia,
       {{{1.01354, 0.14268, -0.15622}, {-0.01181, 0.87561, 0.13619}, {0.07707, 0.81208, 0.11085}}},
       {{{0.93337, 0.19999, -0.13336}, {0.05809, 0.82565, 0.11626}, {-0.37923, 1.13825, 0.24098}}},
       {0.03960, -0.02831, -0.01129}},
  };
  for (const Case& c : cases) {
    const TBrettelPlanes& planes = BrettelPlanes(c.kind);
    const std::string name(VisionKindName(c.kind));
    // Their sRGB matrix and colour-matching figures differ in the last digits: 2.5e-4 at most.
    ExpectMatrixNear(planes.First, c.first, 5e-4, name + " first");
    ExpectMatrixNear(planes.Second, c.second, 5e-4, name + " second");
    const double cosine = DotOf(planes.Normal, c.normal) /
                          std::sqrt(DotOf(planes.Normal, planes.Normal) * DotOf(c.normal, c.normal));
    EXPECT_GT(cosine, 0.9999) << name;
  }
}

// What defines the model, checked with the published figures it is built from: CSS Color 4's sRGB to XYZ, Smith &
// Pokorny's XYZ to cone responses, the CIE 1931 colour-matching functions at the anchor wavelengths.
class BrettelModelTest : public testing::Test {
 protected:
  static TVector Lms(const TVector& rgb) {
    const TVisionMatrix toXyz{{{0.41239079926595934, 0.357584339383878, 0.1804807884018343},
                               {0.21263900587151027, 0.715168678767756, 0.07219231536073371},
                               {0.01933081871559182, 0.11919477979462598, 0.9505321522496607}}};
    return FromXyz(Apply(toXyz, rgb));
  }
  static TVector FromXyz(const TVector& xyz) {
    const TVisionMatrix smithPokorny{{{0.15514, 0.54312, -0.03286}, {-0.15514, 0.45684, 0.03286}, {0, 0, 0.00801}}};
    return Apply(smithPokorny, xyz);
  }
  static constexpr TVisionKind kKinds[] = {TVisionKind::Protanopia, TVisionKind::Deuteranopia,
                                           TVisionKind::Tritanopia};
  static std::size_t Missing(TVisionKind kind) { return static_cast<std::size_t>(kind) - 3; }
};

// A dichromat's colour keeps the responses of the two cones the dichromat has; only the missing one changes.
TEST_F(BrettelModelTest, KeepsTheTwoRemainingConeResponses) {
  std::mt19937 random(1997);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const TVisionKind kind : kKinds) {
    const TBrettelPlanes& planes = BrettelPlanes(kind);
    for (int i = 0; i < 1000; ++i) {
      const TVector rgb{unit(random), unit(random), unit(random)};
      const TVector before = Lms(rgb);
      for (const TVisionMatrix* m : {&planes.First, &planes.Second}) {
        const TVector after = Lms(Apply(*m, rgb));
        for (std::size_t cone = 0; cone < 3; ++cone)
          if (cone != Missing(kind)) {
            EXPECT_NEAR(after[cone], before[cone], 1e-12) << VisionKindName(kind);
          }
      }
    }
  }
}

// Each half-plane is spanned by the neutral axis and its anchor light: every colour a matrix gives lies on that
// plane in cone space, and on the separating plane both matrices agree.
TEST_F(BrettelModelTest, ResultsLieOnTheHalfPlaneOfTheNeutralAndTheAnchor) {
  struct Case {
    TVisionKind kind;
    TVector firstAnchor, secondAnchor;  // CIE 1931 x, y, z bar
  };
  const Case cases[] = {
      {TVisionKind::Protanopia, {0.8425, 0.9154, 0.0018}, {0.1421, 0.1126, 1.0419}},    // 575 and 475 nm
      {TVisionKind::Deuteranopia, {0.8425, 0.9154, 0.0018}, {0.1421, 0.1126, 1.0419}},  // 575 and 475 nm
      {TVisionKind::Tritanopia, {0.1649, 0.0610, 0.0}, {0.05795, 0.1693, 0.6162}},      // 660 and 485 nm
  };
  const auto cross = [](const TVector& u, const TVector& v) {
    return TVector{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  };
  std::mt19937 random(475);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const Case& c : cases) {
    const TBrettelPlanes& planes = BrettelPlanes(c.kind);
    const TVector white = Lms({1, 1, 1});
    const TVector firstNormal = cross(white, FromXyz(c.firstAnchor));
    const TVector secondNormal = cross(white, FromXyz(c.secondAnchor));
    for (int i = 0; i < 1000; ++i) {
      const TVector rgb{unit(random), unit(random), unit(random)};
      EXPECT_NEAR(DotOf(firstNormal, Lms(Apply(planes.First, rgb))), 0.0, 1e-12) << VisionKindName(c.kind);
      EXPECT_NEAR(DotOf(secondNormal, Lms(Apply(planes.Second, rgb))), 0.0, 1e-12) << VisionKindName(c.kind);
    }
    // On the separating plane, which holds the neutral axis, both matrices give the same colour.
    EXPECT_NEAR(DotOf(planes.Normal, {0.5, 0.5, 0.5}), 0.0, 1e-12);
    const TVector& n = planes.Normal;
    for (int i = 0; i < 100; ++i) {
      TVector rgb{unit(random), unit(random), unit(random)};
      const double along = DotOf(n, rgb) / DotOf(n, n);
      for (std::size_t k = 0; k < 3; ++k) rgb[k] -= along * n[k];
      const TVector first = Apply(planes.First, rgb);
      const TVector second = Apply(planes.Second, rgb);
      for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(first[k], second[k], 1e-12) << VisionKindName(c.kind);
    }
  }
}

// Expected values computed separately (Python, double precision) from the derivation above in linear sRGB.
TEST(VisionModelTest, SimulatesKnownColours) {
  struct Case {
    TColor color;
    const char* protanopia;
    const char* deuteranopia;
    const char* tritanopia;
    const char* achromatopsia;
    const char* halfDeuteranopia;
  };
  const Case cases[] = {
      {Rgb(255, 0, 0), "6A5B0E", "A48B00", "FF004E", "7F7F7F", "D86500"},
      {Rgb(0, 255, 0), "FFEE00", "F2D12E", "7CEAFF", "DCDCDC", "B2EA1F"},
      {Rgb(0, 0, 255), "0037FF", "0056FE", "006087", "4C4C4C", "003DFF"},
      {Rgb(255, 255, 0), "FFFA00", "FFF316", "FFEFF2", "F7F7F7", "FFF90D"},
      {Rgb(255, 128, 0), "AA920A", "C5A900", "FF758A", "A3A3A3", "E59600"},
      {Rgb(0, 128, 128), "777A80", "686F81", "207D94", "737373", "4A7881"},
      {Rgb(200, 30, 90), "484E5B", "7B7255", "C72549", "686868", "A75557"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(SimulateVision(c.color, TVisionKind::Protanopia)), c.protanopia) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateVision(c.color, TVisionKind::Deuteranopia)), c.deuteranopia) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateVision(c.color, TVisionKind::Tritanopia)), c.tritanopia) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateVision(c.color, TVisionKind::Achromatopsia)), c.achromatopsia) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateVision(c.color, {TVisionKind::Deuteranopia, 0.5})), c.halfDeuteranopia) << Hex(c.color);
  }
}

TEST(VisionModelTest, SeverityZeroIsIdentityAndGreysStayGreyUnderEveryKind) {
  for (const TVisionKind kind : VisionKinds) {
    for (int r = 0; r < 256; r += 5)
      for (int g = 0; g < 256; g += 3)
        for (int b = 0; b < 256; b += 7)
          ASSERT_EQ(SimulateVision(Rgb(r, g, b), kind, 0.0), Rgb(r, g, b)) << VisionKindName(kind);
    for (const double severity : {0.0, 0.05, 0.25, 0.5, 0.73, 1.0})
      for (int v = 0; v < 256; ++v)
        ASSERT_EQ(SimulateVision(Rgb(v, v, v), kind, severity), Rgb(v, v, v))
            << VisionKindName(kind) << " " << severity << " " << v;
  }
}

// Achromatopsia keeps the luminance: the grey it gives has the colour's WCAG luminance, to one 8-bit step.
TEST(VisionModelTest, AchromatopsiaKeepsTheLuminance) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::uint32_t> any(0, 0xFFFFFF);
  for (int i = 0; i < 5000; ++i) {
    const TColor color = any(random);
    const TColor seen = SimulateVision(color, TVisionKind::Achromatopsia);
    ASSERT_EQ(RedOf(seen), GreenOf(seen));
    ASSERT_EQ(GreenOf(seen), BlueOf(seen));
    const double y = RelativeLuminance(color);
    const int v = RedOf(seen);
    ASSERT_LE(RelativeLuminance(Rgb(std::max(v - 1, 0), std::max(v - 1, 0), std::max(v - 1, 0))), y + 1e-4);
    ASSERT_GE(RelativeLuminance(Rgb(std::min(v + 1, 255), std::min(v + 1, 255), std::min(v + 1, 255))), y - 1e-4);
  }
}

// A growing severity moves the colour steadily from normal vision towards the full deficiency.
TEST(VisionModelTest, SeverityMovesSteadilyTowardsTheFullDeficiency) {
  const TColor red = Rgb(255, 0, 0);
  for (const TVisionKind kind : {TVisionKind::Protanomaly, TVisionKind::Protanopia}) {
    double previous = MeasureContrast(red, clBlack).Ratio;
    for (int step = 1; step <= 10; ++step) {
      const double ratio = MeasureContrast(SimulateVision(red, kind, step / 10.0), clBlack).Ratio;
      EXPECT_LT(ratio, previous) << VisionKindName(kind) << " " << step;
      previous = ratio;
    }
    EXPECT_LT(previous, 3.5);  // red reads as a dark colour to a protan
  }
}

TEST(VisionModelTest, OutOfRangeKindsDoNotCrash) {
  const auto bogus = static_cast<TVisionKind>(200);
  EXPECT_EQ(VisionKindName(bogus), "");
  const TColor seen = SimulateVision(Rgb(10, 200, 30), bogus, 0.5);
  EXPECT_LE(seen, 0xFFFFFFu);
  (void)MachadoMatrix(bogus, 0.5);
  (void)BrettelPlanes(bogus);
}

TEST(VisionKindTest, NamesParseInAnyCaseAndUnknownOnesDoNot) {
  for (const TVisionKind kind : VisionKinds) {
    EXPECT_EQ(ParseVisionKind(VisionKindName(kind)), kind);
    std::string upper(VisionKindName(kind));
    for (char& ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
    EXPECT_EQ(ParseVisionKind(upper), kind) << upper;
  }
  for (const char* unknown : {"", "normal", "protan", "protanopia ", "deuteranomaly:0.5", "achromatomaly"})
    EXPECT_EQ(ParseVisionKind(unknown), std::nullopt) << unknown;
}

TEST(VisionKindTest, ViewsParseAKindAndAnOptionalSeverity) {
  struct Case {
    const char* text;
    std::optional<TVisionView> view;
  };
  const Case cases[] = {
      {"deuteranomaly:0.6", TVisionView{TVisionKind::Deuteranomaly, 0.6}},
      {"Protanopia", TVisionView{TVisionKind::Protanopia, 1.0}},
      {"tritanomaly:1", TVisionView{TVisionKind::Tritanomaly, 1.0}},
      {"tritanomaly:0", TVisionView{TVisionKind::Tritanomaly, 0.0}},
      {"achromatopsia:0.25", TVisionView{TVisionKind::Achromatopsia, 0.25}},
      {"Deuteranomaly:.5", TVisionView{TVisionKind::Deuteranomaly, 0.5}},
      {"deuteranomaly:1.5", std::nullopt},
      {"deuteranomaly:-0.1", std::nullopt},
      {"deuteranomaly:", std::nullopt},
      {"deuteranomaly:nan", std::nullopt},
      {"deuteranomaly:inf", std::nullopt},
      {"deuteranomaly:1e-1", std::nullopt},
      {"deuteranomaly:0.6x", std::nullopt},
      {"deuteranomaly:0.6:0.2", std::nullopt},
      {"deuteranomaly:0..6", std::nullopt},
      {"green:0.5", std::nullopt},
      {":0.5", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseVisionView(c.text), c.view) << c.text;
}

}  // namespace
}  // namespace tintorium
