// One base colour change through every view of the main window, and the slider gradient rebuilds.
#include "app/MainWindow.h"
#include "ui/workspace/BaseColorPanel.h"
#include "ui/workspace/ColorBar.h"
#include "ui/workspace/Workspace.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDockWidget>
#include <QMouseEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tintorium {
namespace {

/// The main window at its design size, on throwaway settings and data folders.
class TBenchWindow {
 public:
  TBenchWindow() {
    qputenv("XDG_DATA_HOME", folder_.filePath(QStringLiteral("data")).toLocal8Bit());
    store_ = std::make_unique<QSettings>(folder_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    window_ = std::make_unique<TMainWindow>(*store_, QStringList());
    window_->resize(kDesignWidth, kDesignHeight);
    window_->show();
    QApplication::processEvents();
  }
  TWorkspace& Workspace() { return window_->Workspace(); }
  /// Makes every tool page current once, so each has drawn its pictures, then leaves `current` shown.
  void VisitToolPages(int current) {
    for (int index = 0; index < 6; ++index) {
      window_->SelectTool(index);
      QApplication::processEvents();
    }
    window_->SelectTool(current);
    QApplication::processEvents();
  }
  TBaseColorPanel* BasePanel() { return window_->BaseColorDock()->findChild<TBaseColorPanel*>(); }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<QSettings> store_;
  std::unique_ptr<TMainWindow> window_;
};

// Each step is a new colour, so the history records it as a real change would.
void NextColour(TWorkspace& workspace, int step) {
  workspace.BaseColor().SetHSB({step % 361, 40 + step % 61, 30 + (step / 361) % 71});
}

// Base colour changes one after another; `fromHistory` as Previous and Next make them (nothing recorded),
// `repaint` with the repaint each one causes.
void RunBaseColorChanges(benchmark::State& state, TBenchWindow& window, bool fromHistory, bool repaint) {
  TWorkspace& workspace = window.Workspace();
  int step = 0;
  for (auto _ : state) {
    NextColour(workspace, ++step);
    workspace.BaseColorChanged(nullptr, cmHSB, true, fromHistory);
    if (repaint) QApplication::processEvents();
  }
}

void TimeBaseColorChanges(benchmark::State& state, bool fromHistory, bool repaint) {
  TBenchWindow window;
  RunBaseColorChanges(state, window, fromHistory, repaint);
}

void BM_BaseColorChanged(benchmark::State& state) { TimeBaseColorChanges(state, false, false); }
BENCHMARK(BM_BaseColorChanged)->Unit(benchmark::kMicrosecond);

// Steps 1 to 3 alone: a change that records nothing.
void BM_BaseColorChangedWithoutRecording(benchmark::State& state) { TimeBaseColorChanges(state, true, false); }
BENCHMARK(BM_BaseColorChangedWithoutRecording)->Unit(benchmark::kMicrosecond);

// The same change followed by the repaint it causes, as the user sees it.
void BM_BaseColorChangedAndRepaint(benchmark::State& state) { TimeBaseColorChanges(state, false, true); }
BENCHMARK(BM_BaseColorChangedAndRepaint)->Unit(benchmark::kMicrosecond);

// The same change with the wheel, variations, mixer and spectrum pages built and drawn once, the page
// `range(0)` shown: what a user meets after looking at every tool.
void TimeWithEveryToolPage(benchmark::State& state, bool repaint) {
  static const char* const kPages[] = {"Color Wheel", "Variations", "Color Mixer", "Library", "Spectrum"};
  TBenchWindow window;
  window.VisitToolPages(int(state.range(0)));
  RunBaseColorChanges(state, window, false, repaint);
  state.SetLabel(kPages[state.range(0)]);
}

void BM_BaseColorChangedEveryToolPage(benchmark::State& state) { TimeWithEveryToolPage(state, false); }
BENCHMARK(BM_BaseColorChangedEveryToolPage)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

void BM_BaseColorChangedEveryToolPageAndRepaint(benchmark::State& state) { TimeWithEveryToolPage(state, true); }
BENCHMARK(BM_BaseColorChangedEveryToolPageAndRepaint)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

// One step of a live slider drag (the swatch and the model's other sliders follow), painted.
void BM_SliderDragStep(benchmark::State& state) {
  TBenchWindow window;
  TColorBar* green = window.BasePanel()->Bar(cmRGB, 2);
  const QPointF start(8, 5);
  QMouseEvent press(QEvent::MouseButtonPress, start, green->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(green, &press);
  const int span = green->width() - 12;
  int step = 0;
  for (auto _ : state) {
    const QPointF pos(6 + (++step % span), 5);
    QMouseEvent move(QEvent::MouseMove, pos, green->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(green, &move);
    QApplication::processEvents();
  }
  QMouseEvent release(QEvent::MouseButtonRelease, start, green->mapToGlobal(start), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(green, &release);
}
BENCHMARK(BM_SliderDragStep)->Unit(benchmark::kMicrosecond);

void BM_SliderGradientRebuild(benchmark::State& state) {
  const auto model = static_cast<TColorModel>(state.range(0));
  TColorBar bar(model, 1);
  bar.SetValue2(50);
  bar.SetValue3(50);
  for (auto _ : state) {
    bar.RebuildGradient();
    benchmark::DoNotOptimize(bar.Gradient().constBits());
  }
  state.SetLabel(std::string(ColorModelNames[model]));
}
BENCHMARK(BM_SliderGradientRebuild)->DenseRange(cmRGB, cmLAB)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("TintoriumBench"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
