// The palette contrast matrix: every ordered pair of a 256-colour palette (65,536 pairs) by the WCAG 2 ratio and
// APCA Lc with the pass flags, with normal vision and as one simulated view; the target is under 20 ms. Beside it,
// one suggestion of the nearest passing colour, which the matrix offers for a failing pair.
#include "core/ContrastFix.h"
#include "core/ContrastMatrix.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace tintorium {
namespace {

constexpr int PaletteSize = 256;

// Spread over the cube by a fixed multiplicative step, so the palette holds light, dark, grey and saturated colours.
std::vector<TColor> Palette() {
  std::vector<TColor> colors;
  std::uint32_t x = 0x2545F491u;
  for (int i = 0; i < PaletteSize; ++i) {
    x = x * 1664525u + 1013904223u;
    colors.push_back(x >> 8);
  }
  return colors;
}

void Matrix(benchmark::State& state, const std::optional<TVisionView>& view) {
  const std::vector<TColor> colors = Palette();
  for (auto _ : state) {
    auto matrix = ComputeContrastMatrix(colors, view);
    benchmark::DoNotOptimize(matrix);
  }
  state.SetItemsProcessed(state.iterations() * PaletteSize * PaletteSize);
}

void BM_ContrastMatrix256(benchmark::State& s) { Matrix(s, std::nullopt); }
void BM_ContrastMatrix256Deuteranomaly(benchmark::State& s) { Matrix(s, TVisionView{TVisionKind::Deuteranomaly, 0.6}); }
void BM_ContrastMatrix256Tritanopia(benchmark::State& s) { Matrix(s, TVisionView{TVisionKind::Tritanopia, 1.0}); }

// Red text on white to AAA: darker, with the chroma held by the gamut at the light end of the search.
void BM_SuggestContrastFix(benchmark::State& state) {
  for (auto _ : state) {
    auto fix = SuggestContrastFix(0x0000FF, 0xFFFFFF, TContrastTarget::AAA);
    benchmark::DoNotOptimize(fix);
  }
}

BENCHMARK(BM_ContrastMatrix256)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContrastMatrix256Deuteranomaly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContrastMatrix256Tritanopia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SuggestContrastFix)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tintorium

BENCHMARK_MAIN();
