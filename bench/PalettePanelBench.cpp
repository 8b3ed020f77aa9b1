// The palette list under load: adding colours one by one to a shown list (as an import does), painting a screen
// of items, and a sort that refills a list of 100,000 entries.
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorList.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/palette/PalettePanel.h"
#include "ui/workspace/Workspace.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace tintorium {
namespace {

TColorObject Shade(int i) {
  TColorObject color;
  color.SetRGB({(i * 37) & 0xFF, (i * 91) & 0xFF, (i * 13) & 0xFF});
  return color;
}

struct TShownPanel {
  TPaletteDocument document;
  TWorkspace workspace;
  TMainActions actions;
  TPalettePanel panel{document, workspace};

  TShownPanel() {
    panel.AttachActions(actions);
    panel.resize(260, 600);
    panel.show();
    QApplication::processEvents();
  }
};

void BM_AddColorsToShownList(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TShownPanel shown;
    for (int i = 0; i < count; ++i) shown.document.AddPaletteColor(QStringLiteral("c"), Shade(i));
    QApplication::processEvents();
    benchmark::DoNotOptimize(shown.panel.PaletteList()->Count());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_AddColorsToShownList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PaintScreenOfItems(benchmark::State& state) {
  TShownPanel shown;
  for (int i = 0; i < 100000; ++i) shown.document.AddPaletteColor(QStringLiteral("c"), Shade(i));
  QApplication::processEvents();
  QWidget* viewport = shown.panel.PaletteList()->viewport();
  QImage image(viewport->size(), QImage::Format_RGB32);
  state.counters["rows"] = viewport->height() / TColorList::ItemHeight;
  for (auto _ : state) {
    viewport->render(&image);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaintScreenOfItems)->Unit(benchmark::kMillisecond);

void BM_DrawOneItem(benchmark::State& state) {
  QImage image(260, TColorList::ItemHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  const TColorObject color = Shade(7);
  for (auto _ : state) {
    DrawColorListItem(painter, image.rect(), {}, QStringLiteral("FF8000"), color, false, Qt::white);
  }
}
BENCHMARK(BM_DrawOneItem)->Unit(benchmark::kMicrosecond);

void BM_SortShownList100k(benchmark::State& state) {
  TShownPanel shown;
  for (int i = 0; i < 100000; ++i) shown.document.AddPaletteColor(QStringLiteral("c"), Shade(i));
  int key = 0;
  for (auto _ : state) {
    shown.document.SortPaletteColors(key, 0);  // the list is refilled from the document
    key = key % 13 + 1;
    QApplication::processEvents();
  }
}
BENCHMARK(BM_SortShownList100k)->Unit(benchmark::kMillisecond);

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
