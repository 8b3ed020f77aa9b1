// Tonal scales: one scale of the eleven usual steps by lightness and by contrast (WCAG 2 and APCA), which must
// take under 0.2 ms so that dragging a curve or the base colour redraws within one frame; and four hues lined up.
// Each iteration takes the next of the 4,096 web-smart colours as its base, so gamut-bound and grey bases both
// count.
#include "core/TonalScale.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace tintorium {
namespace {

TColor WebSmart(int i) {
  const int r = (i >> 8) & 15, g = (i >> 4) & 15, b = i & 15;
  return static_cast<TColor>(r * 17) | (static_cast<TColor>(g * 17) << 8) | (static_cast<TColor>(b * 17) << 16);
}

void Scale(benchmark::State& state, const TScaleOptions& options) {
  int i = 0;
  for (auto _ : state) {
    TTonalScale scale = MakeTonalScale(WebSmart(i++ & 4095), options);
    benchmark::DoNotOptimize(scale);
  }
  state.SetItemsProcessed(state.iterations());
}

TScaleOptions Contrast(TScaleMeasure measure) {
  TScaleOptions options;
  options.Mode = TScaleMode::Contrast;
  options.Measure = measure;
  return options;
}

void BM_LightnessScale(benchmark::State& s) { Scale(s, {}); }
void BM_ContrastScaleWcag(benchmark::State& s) { Scale(s, Contrast(TScaleMeasure::Wcag)); }
void BM_ContrastScaleApca(benchmark::State& s) { Scale(s, Contrast(TScaleMeasure::Apca)); }

void BM_LightnessScaleHueShift(benchmark::State& s) {
  TScaleOptions options;
  options.HueShift = 30;
  Scale(s, options);
}

// A neutral, a primary, an accent and a danger scale, as a design system's palette has them.
void BM_FourHuesLinedUp(benchmark::State& state) {
  // #64748B, #3B82F6, #F59E0B, #E11D48 as 0x00BBGGRR.
  const std::vector<TColor> bases{0x8B7464, 0xF6823B, 0x0B9EF5, 0x481DE1};
  for (auto _ : state) {
    auto scales = MakeTonalScales(bases);
    benchmark::DoNotOptimize(scales);
  }
}

BENCHMARK(BM_LightnessScale)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LightnessScaleHueShift)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContrastScaleWcag)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContrastScaleApca)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FourHuesLinedUp)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tintorium

BENCHMARK_MAIN();
