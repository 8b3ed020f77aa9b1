// 1,000 quick palette edits in the real window, each followed by a pass of the event loop as a user's clicks
// would be: the recovery copy is written once after the burst, not once per edit ("writes" counter).
#include "app/MainWindow.h"
#include "app/RecoveryKeeper.h"
#include "engine/palette/PaletteDocument.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

namespace tintorium {
namespace {

void BM_ThousandQuickEdits(benchmark::State& state) {
  QTemporaryDir folder;
  qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
  QSettings store(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
  TMainWindow window(store, {});
  TRecoveryKeeper& keeper = window.Recovery();
  int writes = 0;
  for (auto _ : state) {
    const int before = keeper.WriteCount();
    for (int i = 0; i < 1000; ++i) {
      window.Palette().AddPaletteColor(QStringLiteral("C%1").arg(i), TColorObject(TColor(i * 7919), cmRGB));
      QApplication::processEvents();
    }
    state.PauseTiming();
    QElapsedTimer quiet;  // the copy follows once the edits stop
    quiet.start();
    while (quiet.elapsed() < 2 * TRecoveryKeeper::DelayMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
    writes += keeper.WriteCount() - before;
    window.Palette().NewPalette();
    state.ResumeTiming();
  }
  state.counters["edits"] = benchmark::Counter(1000.0 * static_cast<double>(state.iterations()));
  state.counters["writes"] = benchmark::Counter(static_cast<double>(writes));
}
BENCHMARK(BM_ThousandQuickEdits)->Iterations(3)->Unit(benchmark::kMillisecond);

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
