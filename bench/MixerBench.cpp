// The mixer at size 128: computing the cells, and a corner change through to the rendered control.
#include "ui/controls/ColorMixer.h"
#include "engine/schemes/MixerCells.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace tintorium;

constexpr TMixerCorners Corners{0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000};

void BM_MixerCells128(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MixerCells(Corners, 128));
}
BENCHMARK(BM_MixerCells128)->Unit(benchmark::kMicrosecond);

void BM_MixerCornerChangeAndRender128(benchmark::State& state) {
  TColorMixer mixer;
  mixer.resize(512, 512);
  mixer.SetSize(128);
  QImage target(mixer.size(), QImage::Format_RGB32);
  TColor corner = 0;
  for (auto _ : state) {
    mixer.SetValue1(corner++ & 0xFFFFFF);
    mixer.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_MixerCornerChangeAndRender128)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
