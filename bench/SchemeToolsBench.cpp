// The variation strips and the spectrum: their colours alone, and a rebuild with a full redraw of the picture.
#include "ui/controls/ColorSpectrum.h"
#include "ui/controls/ColorVariation.h"
#include "core/ColorModels.h"
#include "engine/schemes/SpectrumCells.h"
#include "engine/schemes/VariationStrip.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

namespace tintorium {
namespace {

TColor NextColour(int step) { return HSBToColor({step % 361, 40 + step % 61, 30 + (step / 361) % 71}); }

// The six strips of the page at the largest swatch count.
void BM_VariationSwatchesSixStrips(benchmark::State& state) {
  int step = 0;
  for (auto _ : state) {
    const TColor base = NextColour(++step);
    for (int type = 0; type < VariationTypeCount; ++type)
      benchmark::DoNotOptimize(VariationSwatches(base, static_cast<TVariationType>(type), 48));
  }
}
BENCHMARK(BM_VariationSwatchesSixStrips)->Unit(benchmark::kMicrosecond);

void BM_SpectrumCells(benchmark::State& state) {
  const TColorModel model = state.range(0) == 0 ? cmRGB : cmHSB;
  TColorObject current;
  int step = 0;
  for (auto _ : state) {
    current.SetColor(NextColour(++step), model);
    benchmark::DoNotOptimize(SpectrumCells(current, model, 2, 101));
  }
}
BENCHMARK(BM_SpectrumCells)->Arg(0)->Arg(1)->ArgName("hsb")->Unit(benchmark::kMicrosecond);

// A new base colour and the strip drawn again, as a shown page does on every change.
void BM_VariationStripRender(benchmark::State& state) {
  TColorVariation strip;
  strip.resize(560, 53);
  strip.SetSize(int(state.range(0)));
  strip.SetVariation(vtCool);
  QImage target(strip.size(), QImage::Format_RGB32);
  int step = 0;
  for (auto _ : state) {
    strip.SetBaseColor(NextColour(++step));
    strip.render(&target);
  }
}
BENCHMARK(BM_VariationStripRender)->Arg(8)->Arg(48)->Unit(benchmark::kMicrosecond);

void BM_SpectrumRender(benchmark::State& state) {
  TColorSpectrum spectrum;
  spectrum.resize(int(state.range(0)), int(state.range(0)));
  spectrum.SetSize(101);
  spectrum.SetModel(cmHSB);
  spectrum.SetActiveValue(1);
  QImage target(spectrum.size(), QImage::Format_RGB32);
  TColorObject current;
  int step = 0;
  for (auto _ : state) {
    current.SetColor(NextColour(++step), cmRGB);
    spectrum.SetCurrentColor(current);
    spectrum.render(&target);
  }
}
BENCHMARK(BM_SpectrumRender)->Arg(303)->Arg(606)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
