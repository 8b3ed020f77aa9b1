// The colour wheel: rendering the ring at two sizes, and the segment colours of many base colours.
#include "ui/controls/ColorWheelImage.h"
#include "core/ColorModels.h"
#include "engine/schemes/ColorWheelScheme.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <random>
#include <string>

namespace tintorium {
namespace {

void RenderWheelAt(benchmark::State& state) {
  const TWheelGeometry geometry = WheelGeometry(QSize(int(state.range(0)), int(state.range(0))));
  const TWheelSegments segments = WheelSegments(RGBValuesToColor({122, 122, 255}), wsRYB);
  for (auto _ : state) {
    QImage image = RenderWheel(geometry, segments, chSplitComplement, QColor(240, 240, 240));
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(RenderWheelAt)->Arg(200)->Arg(600)->Unit(benchmark::kMillisecond);

// What `tintorium-cli wheel --batch` does per line, over 100,000 colours: both styles' segments with their pale
// colours, formatted.
void WheelBatch(benchmark::State& state) {
  std::mt19937 random(7);
  std::vector<TColor> colors(100000);
  for (TColor& color : colors) color = random() & 0xFFFFFF;
  const auto style = static_cast<TColorWheelStyle>(state.range(0));
  std::string out;
  for (auto _ : state) {
    out.clear();
    char hex[8];
    for (TColor color : colors) {
      const TWheelSegments segments = WheelSegments(color, style);
      for (TColor segment : segments) {
        std::snprintf(hex, sizeof hex, "%06X ", unsigned(RGBValuesToPixel(ColorToRGBValues(segment))));
        out += hex;
      }
      for (TColor segment : segments) {
        std::snprintf(hex, sizeof hex, "%06X ", unsigned(RGBValuesToPixel(ColorToRGBValues(PaleColor(segment)))));
        out += hex;
      }
      out.back() = '\n';
    }
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(WheelBatch)->Arg(wsRGB)->Arg(wsRYB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
