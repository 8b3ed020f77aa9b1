#include "core/ContrastMatrix.h"

#include "core/Contrast.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <vector>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

// Twelve colours with a system colour, a repeated colour and near neighbours among them.
const std::vector<TColor> kPalette{clBlack,          clWhite,           Rgb(0x88, 0x88, 0x88), Rgb(255, 0, 0),
                                   Rgb(0, 0, 255),   Rgb(0, 128, 0),    Rgb(255, 255, 0),      Rgb(0x12, 0x34, 0x56),
                                   Rgb(0xAB, 0xCD, 0xEF), SystemColor(5), Rgb(255, 0, 0),      Rgb(0x77, 0x77, 0x7A)};

// Each cell is what the pair measures one at a time, to the last bit: the matrix may share work between pairs,
// never change a figure.
void ExpectCellsArePairFigures(const TContrastMatrix& matrix) {
  const std::size_t n = matrix.Size();
  ASSERT_EQ(matrix.Cells.size(), n * n);
  std::array<std::size_t, ContrastTargetCount> counts{};
  for (std::size_t text = 0; text < n; ++text) {
    for (std::size_t back = 0; back < n; ++back) {
      const TContrastCell& cell = matrix.Cell(text, back);
      const TColor t = matrix.Seen[text];
      const TColor b = matrix.Seen[back];
      EXPECT_EQ(cell.Ratio, MeasureContrast(t, b).Ratio) << text << " " << back;
      EXPECT_EQ(cell.Lc, ApcaContrast(t, b)) << text << " " << back;
      for (std::size_t i = 0; i < ContrastTargets.size(); ++i) {
        const bool meets = MeetsContrastTarget(ContrastTargets[i], cell.Ratio, cell.Lc);
        EXPECT_EQ(cell.Meets(ContrastTargets[i]), meets) << text << " " << back << " " << i;
        counts[i] += meets;
      }
    }
  }
  EXPECT_EQ(matrix.PassCounts, counts);
}

TEST(ContrastMatrixTest, EveryOrderedPairWithNormalVision) {
  ResetSystemColors();
  const auto matrix = ComputeContrastMatrix(kPalette);
  ASSERT_TRUE(matrix);
  ASSERT_EQ(matrix->Size(), kPalette.size());
  for (std::size_t i = 0; i < kPalette.size(); ++i) EXPECT_EQ(matrix->Seen[i], ColorToRGB(kPalette[i]));
  ExpectCellsArePairFigures(*matrix);
  // Rows are text: black text on white is positive, white text on black negative.
  EXPECT_GT(matrix->Cell(0, 1).Lc, 100);
  EXPECT_LT(matrix->Cell(1, 0).Lc, -100);
  // The same colour twice gives the same row and column.
  for (std::size_t j = 0; j < kPalette.size(); ++j) {
    EXPECT_EQ(matrix->Cell(3, j), matrix->Cell(10, j));
    EXPECT_EQ(matrix->Cell(j, 3), matrix->Cell(j, 10));
  }
}

TEST(ContrastMatrixTest, AViewSimulatesEveryColourFirst) {
  const TVisionView views[] = {{TVisionKind::Protanopia, 1.0},
                               {TVisionKind::Deuteranomaly, 0.6},
                               {TVisionKind::Achromatopsia, 1.0},
                               {TVisionKind::Tritanomaly, 0.0}};
  for (const TVisionView& view : views) {
    const auto matrix = ComputeContrastMatrix(kPalette, view);
    ASSERT_TRUE(matrix);
    for (std::size_t i = 0; i < kPalette.size(); ++i) EXPECT_EQ(matrix->Seen[i], SimulateVision(kPalette[i], view));
    ExpectCellsArePairFigures(*matrix);
  }
  // Red on black loses contrast for a protanope: AA with normal vision, not once simulated.
  const std::vector<TColor> redOnBlack{Rgb(255, 0, 0), clBlack};
  EXPECT_TRUE(ComputeContrastMatrix(redOnBlack)->Cell(0, 1).Meets(TContrastTarget::AA));
  const auto protan = ComputeContrastMatrix(redOnBlack, TVisionView{TVisionKind::Protanopia, 1.0});
  EXPECT_FALSE(protan->Cell(0, 1).Meets(TContrastTarget::AA));
}

// Black, white and #888: every figure is known, so the counts are too.
TEST(ContrastMatrixTest, CountsThePairsPassingEachTarget) {
  const std::vector<TColor> colors{clBlack, clWhite, Rgb(0x88, 0x88, 0x88)};
  const auto matrix = ComputeContrastMatrix(colors);
  ASSERT_TRUE(matrix);
  // aa: black/white both ways, black/grey both ways; aaa: black/white; aa-large: those and white/grey both ways;
  // apca60: black/white, grey on white (63.1), white on grey (-68.5); apca75 and apca90: black/white.
  const std::array<std::size_t, ContrastTargetCount> expected{4, 2, 6, 4, 2, 2};
  EXPECT_EQ(matrix->PassCounts, expected);
  EXPECT_NEAR(matrix->Cell(2, 1).Lc, 63.06, 0.005);
  EXPECT_NEAR(matrix->Cell(1, 2).Lc, -68.54, 0.005);
  for (std::size_t i = 0; i < colors.size(); ++i) {
    EXPECT_EQ(matrix->Cell(i, i).Ratio, 1.0);
    EXPECT_EQ(matrix->Cell(i, i).Lc, 0.0);
    EXPECT_EQ(matrix->Cell(i, i).Passes, 0);
  }
}

TEST(ContrastMatrixTest, EmptyAndSingleColourListsAndTheSizeLimit) {
  const auto empty = ComputeContrastMatrix({});
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->Size(), 0u);
  EXPECT_TRUE(empty->Cells.empty());
  EXPECT_EQ(empty->PassCounts, (std::array<std::size_t, ContrastTargetCount>{}));

  const std::vector<TColor> one{Rgb(1, 2, 3)};
  const auto single = ComputeContrastMatrix(one, TVisionView{TVisionKind::Tritanopia, 0.5});
  ASSERT_TRUE(single);
  ASSERT_EQ(single->Cells.size(), 1u);
  EXPECT_EQ(single->Cell(0, 0), (TContrastCell{1.0, 0.0, 0}));

  std::vector<TColor> many(MaxContrastMatrixColors);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<TColor>(i * 16411u) & 0xFFFFFFu;
  const auto largest = ComputeContrastMatrix(many);
  ASSERT_TRUE(largest);
  EXPECT_EQ(largest->Cells.size(), MaxContrastMatrixColors * MaxContrastMatrixColors);
  many.push_back(clWhite);
  EXPECT_FALSE(ComputeContrastMatrix(many).has_value());
}

}  // namespace
}  // namespace tintorium
