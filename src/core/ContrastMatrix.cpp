#include "core/ContrastMatrix.h"

#include "core/Contrast.h"
#include "core/SystemColors.h"

namespace tintorium {

std::optional<TContrastMatrix> ComputeContrastMatrix(std::span<const TColor> colors,
                                                     const std::optional<TVisionView>& view) {
  if (colors.size() > MaxContrastMatrixColors) return std::nullopt;
  const std::size_t n = colors.size();
  TContrastMatrix matrix;
  matrix.Seen.reserve(n);
  // Per colour once; the pairs then cost a few operations each.
  std::vector<double> luminance;
  std::vector<TApcaTerms> apca;
  luminance.reserve(n);
  apca.reserve(n);
  for (const TColor color : colors) {
    const TColor seen = view ? SimulateVision(color, *view) : ColorToRGB(color);
    matrix.Seen.push_back(seen);
    luminance.push_back(RelativeLuminance(seen));
    apca.push_back(ApcaTermsOf(seen));
  }
  matrix.Cells.resize(n * n);
  for (std::size_t text = 0; text < n; ++text) {
    for (std::size_t back = 0; back < n; ++back) {
      TContrastCell& cell = matrix.Cells[text * n + back];
      cell.Ratio = ContrastRatio(luminance[text], luminance[back]);
      cell.Lc = ApcaContrast(apca[text], apca[back]);
      for (std::size_t t = 0; t < ContrastTargets.size(); ++t) {
        if (!MeetsContrastTarget(ContrastTargets[t], cell.Ratio, cell.Lc)) continue;
        cell.Passes |= static_cast<std::uint8_t>(1u << t);
        ++matrix.PassCounts[t];
      }
    }
  }
  return matrix;
}

}  // namespace tintorium
