#pragma once
// Every ordered pair of a list of colours measured as text on background, by the WCAG 2 ratio and APCA Lc, as
// seen with normal vision or in one simulated view: the figures behind the palette contrast table.

#include "core/ColorTypes.h"
#include "core/ColorVision.h"
#include "core/ContrastTarget.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tintorium {

/// One pair: text colour on background colour.
struct TContrastCell {
  double Ratio = 1.0;       // WCAG 2 ratio, 1-21 (the same in either order)
  double Lc = 0.0;          // APCA Lc of the text on the background, about -108-106
  std::uint8_t Passes = 0;  // bit i set when the pair meets ContrastTargets[i]
  bool Meets(TContrastTarget target) const { return (Passes >> static_cast<unsigned>(target)) & 1u; }
  friend constexpr bool operator==(const TContrastCell&, const TContrastCell&) = default;
};

/// The pairs of n colours: Cells has n * n entries, row (text) by row, the background varying along a row; the
/// diagonal pairs each colour with itself.
struct TContrastMatrix {
  std::vector<TColor> Seen;           // the colours as the view shows them, RGB 0x00BBGGRR, in input order
  std::vector<TContrastCell> Cells;   // Cells[text * n + background]
  std::array<std::size_t, ContrastTargetCount> PassCounts{};  // pairs meeting each target, by ContrastTargets

  std::size_t Size() const { return Seen.size(); }
  /// The pair of text `text` and background `background`, both below Size().
  const TContrastCell& Cell(std::size_t text, std::size_t background) const {
    return Cells[text * Seen.size() + background];
  }
};

/// The most colours one matrix takes (a million pairs).
inline constexpr std::size_t MaxContrastMatrixColors = 1024;

/// The matrix of `colors` (system colours resolved), each first simulated in `view` when one is given. Zero or
/// one colours give a matrix of that size. Nullopt when there are more than MaxContrastMatrixColors colours.
std::optional<TContrastMatrix> ComputeContrastMatrix(std::span<const TColor> colors,
                                                     const std::optional<TVisionView>& view = std::nullopt);

}  // namespace tintorium
