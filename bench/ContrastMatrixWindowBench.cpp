// The palette contrast window on a 256-colour palette: one palette edit until the visible matrix is painted again
// (the figures of all 65,536 pairs recomputed, the visible cells drawn into the view's cache and copied to the
// screen); the target is one frame, 16 ms. Beside it, a scroll by a page (the cells drawn again, no figures).
#include "core/ColorObject.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/tools/ContrastMatrixForm.h"
#include "ui/tools/ContrastMatrixView.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include <cstdint>
#include <memory>

namespace tintorium {
namespace {

constexpr int PaletteSize = 256;

struct TWindow {
  TPaletteDocument palette;
  std::unique_ptr<TContrastMatrixForm> form;
  TWindow() {
    std::uint32_t x = 0x2545F491u;
    for (int i = 0; i < PaletteSize; ++i) {
      x = x * 1664525u + 1013904223u;
      palette.AddPaletteColor(QStringLiteral("Colour %1").arg(i), TColorObject(x >> 8, cmRGB));
    }
    form = std::make_unique<TContrastMatrixForm>(&palette);
    form->resize(1280, 800);
    form->show();
    QApplication::processEvents();
  }
};

void BM_PaletteEditRepaintsVisibleMatrix256(benchmark::State& state) {
  TWindow window;
  TContrastMatrixView& view = *window.form->View();
  int edit = 0;
  for (auto _ : state) {
    window.palette.ReplacePaletteColor(edit % PaletteSize, TColorObject(static_cast<TColor>(edit * 0x010203) & 0xFFFFFF, cmRGB));
    ++edit;
    QApplication::processEvents();  // the coalesced refresh
    view.viewport()->repaint();
  }
  state.counters["cells_painted"] = view.CellsPainted();
}

void BM_ScrollRepaintsVisibleMatrix256(benchmark::State& state) {
  TWindow window;
  TContrastMatrixView& view = *window.form->View();
  int step = 0;
  for (auto _ : state) {
    view.verticalScrollBar()->setValue((step++ % 20) * view.verticalScrollBar()->pageStep());
    view.viewport()->repaint();
  }
  state.counters["cells_painted"] = view.CellsPainted();
}

BENCHMARK(BM_PaletteEditRepaintsVisibleMatrix256)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollRepaintsVisibleMatrix256)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
