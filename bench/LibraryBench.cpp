// The library views with large libraries: a full paint of the swatch table holding 4,096 colours, one scroll step
// of it, and opening the 1,816-colour emoji swatch file into the shown Library page (reading, the list and the
// navigation strip laid out and painted). Targets: each well under a 16 ms frame; the opening under 100 ms.
#include "ui/actions/MainActions.h"
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/ColorList.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/tools/LibraryPage.h"
#include "ui/workspace/Workspace.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QScrollBar>

namespace tintorium {
namespace {

const QString kEmoji = QStringLiteral(TINTORIUM_CORPUS "/swatches/anypalette-emoji-average-colors.out.aco");

QStringList WebSmartTexts() {
  QStringList colors;
  for (int i = 0; i < 4096; ++i)
    colors << QStringLiteral("%1%2%3")
                  .arg((i >> 8 & 15) * 17, 2, 16, QLatin1Char('0'))
                  .arg((i >> 4 & 15) * 17, 2, 16, QLatin1Char('0'))
                  .arg((i & 15) * 17, 2, 16, QLatin1Char('0'))
                  .toUpper();
  return colors;
}

/// A table as large as a maximised Swatches panel would make it, showing 4,096 colours.
struct TShownTable {
  TColorLibTable table;
  QImage screen;

  explicit TShownTable(TCellStyle style) {
    table.resize(600, 800);
    table.SetCellStyle(style);
    table.SetColors(WebSmartTexts());
    table.show();
    QApplication::processEvents();
    screen = QImage(table.size(), QImage::Format_RGB32);
  }
};

void BM_LibTableFullPaint4096(benchmark::State& state) {
  TShownTable shown(static_cast<TCellStyle>(state.range(0)));
  state.counters["cells_in_sight"] = shown.table.Columns() * (shown.table.VisibleRows() + 1);
  for (auto _ : state) {
    shown.table.SetColor(0xF0F0F0);  // drops the cached picture: every cell in sight is drawn again
    shown.table.render(&shown.screen);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LibTableFullPaint4096)->Arg(csDefault)->Arg(csCorel)->Unit(benchmark::kMillisecond);

void BM_LibTableScrollStep4096(benchmark::State& state) {
  TShownTable shown(csCorel);
  bool down = true;
  for (auto _ : state) {
    shown.table.ScrollBar()->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                                : QAbstractSlider::SliderSingleStepSub);
    shown.table.render(&shown.screen);
    down = !down;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LibTableScrollStep4096)->Unit(benchmark::kMillisecond);

void BM_OpenEmojiIntoLibraryPage(benchmark::State& state) {
  TWorkspace workspace;
  TMainActions actions;
  QWidget window;
  TColorToolPopup popup(workspace, actions, &window);
  TLibraryPage page(workspace, popup, actions, {});
  page.resize(600, 700);
  page.show();
  QApplication::processEvents();
  QImage screen(page.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    page.LoadLibraryPage(kEmoji);
    page.render(&screen);
    benchmark::DoNotOptimize(page.LibraryList()->Count());
  }
  state.counters["colors"] = page.LibraryList()->Count();
}
BENCHMARK(BM_OpenEmojiIntoLibraryPage)->Unit(benchmark::kMillisecond);

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
