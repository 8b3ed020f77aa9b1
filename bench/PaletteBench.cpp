// Palette operations on 100,000 entries: reading and writing the .tnp file, sorting, removing duplicates,
// and the swatch file writer and reader at their 65,535-colour limit. Target: each well under 100 ms.
// Sort and Remove duplicate colors of the document also run as undo steps: undoing one must take no longer
// than the step itself.
// GIMP palettes and swatch exchange files of 1 MB and 4 MB: reading stays linear in the size.
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/palette/PaletteFile.h"
#include "engine/palette/PaletteSort.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QUndoStack>

#include <memory>
#include <random>

namespace tintorium {
namespace {

constexpr int kEntries = 100000;

TPaletteEntries MakeEntries(int count) {
  std::mt19937 random(1);
  std::uniform_int_distribution<int> channel(0, 255);
  TPaletteEntries entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    // About one entry in four repeats an earlier colour, so duplicates have something to find.
    TColorObject color(static_cast<TColor>(channel(random) | (channel(random) << 8) | ((i % 4 ? channel(random) : 0) << 16)),
                       static_cast<TColorModel>(i % ColorModelCount));
    entries.push_back({QString::fromStdString(color.HexText()), color});
  }
  return entries;
}

void BM_WritePaletteFile(benchmark::State& state) {
  const TPaletteEntries entries = MakeEntries(kEntries);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.tnp"));
  for (auto _ : state) {
    if (!WritePaletteFile(path, entries)) state.SkipWithError("write failed");
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_WritePaletteFile)->Unit(benchmark::kMillisecond);

void BM_ReadPaletteFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.tnp"));
  if (!WritePaletteFile(path, MakeEntries(kEntries))) state.SkipWithError("write failed");
  TPaletteEntries read;
  for (auto _ : state) {
    if (!ReadPaletteFile(path, read)) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(read.data());
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ReadPaletteFile)->Unit(benchmark::kMillisecond);

void BM_SortPalette(benchmark::State& state) {
  const TPaletteEntries entries = MakeEntries(kEntries);
  for (auto _ : state) {
    state.PauseTiming();
    TPaletteEntries copy = entries;
    state.ResumeTiming();
    SortPalette(copy, static_cast<int>(state.range(0)), soDescending);
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetLabel(std::string(SortKeyNames[static_cast<std::size_t>(state.range(0))]));
}
BENCHMARK(BM_SortPalette)->Arg(skSystemColor)->Arg(skHSB_Hue)->Arg(skLab_L)->Unit(benchmark::kMillisecond);

void BM_RemoveDuplicateColors(benchmark::State& state) {
  const TPaletteEntries entries = MakeEntries(kEntries);
  for (auto _ : state) {
    state.PauseTiming();
    TPaletteDocument doc;
    for (const TPaletteEntry& e : entries) doc.AddPaletteColor(e.Name, e.Color);
    state.ResumeTiming();
    benchmark::DoNotOptimize(doc.RemoveDuplicateColors());
  }
}
BENCHMARK(BM_RemoveDuplicateColors)->Unit(benchmark::kMillisecond);

/// A document holding `entries`, with an empty history.
std::unique_ptr<TPaletteDocument> MakeDocument(const TPaletteEntries& entries) {
  auto doc = std::make_unique<TPaletteDocument>();
  doc->ImportPaletteColors(entries);
  doc->UndoStack().clear();
  return doc;
}

enum TUndoCase : int { ucSort, ucUndoSort, ucDedupe, ucUndoDedupe };

/// Times one of: the document's sort step, its undo, the duplicate removal step, its undo.
void BM_DocumentStep(benchmark::State& state) {
  const auto which = static_cast<TUndoCase>(state.range(0));
  const TPaletteEntries entries = MakeEntries(kEntries);
  std::unique_ptr<TPaletteDocument> doc;
  for (auto _ : state) {
    state.PauseTiming();
    doc = MakeDocument(entries);  // the previous one is freed here, untimed
    const bool timeUndo = which == ucUndoSort || which == ucUndoDedupe;
    if (!timeUndo) state.ResumeTiming();
    if (which == ucSort || which == ucUndoSort) {
      doc->SortPaletteColors(skHSB_Hue, soDescending);
    } else {
      doc->RemoveDuplicateColors();
    }
    if (timeUndo) {
      state.ResumeTiming();
      doc->UndoStack().undo();
    }
    state.PauseTiming();
    if (doc->Count() != kEntries && timeUndo) state.SkipWithError("undo did not restore the palette");
    state.ResumeTiming();
  }
  static const char* const kLabels[] = {"sort by hue", "undo sort", "remove duplicates", "undo remove duplicates"};
  state.SetLabel(kLabels[which]);
}
BENCHMARK(BM_DocumentStep)->DenseRange(ucSort, ucUndoDedupe)->Unit(benchmark::kMillisecond);

TColors MakeSwatches(int count) {
  TColors colors;
  for (const TPaletteEntry& e : MakeEntries(count)) colors.emplace_back(e.Color, e.Name.toStdU16String());
  return colors;
}

void BM_EncodeAco(benchmark::State& state) {
  const TColors colors = MakeSwatches(MaxAcoColors);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeAcoData(colors).Value.data());
}
BENCHMARK(BM_EncodeAco)->Unit(benchmark::kMillisecond);

void BM_ParseAco(benchmark::State& state) {
  const QByteArray bytes = EncodeAcoData(MakeSwatches(MaxAcoColors)).Value;
  // The named section, so names are decoded too.
  const QByteArrayView named = QByteArrayView(bytes).sliced(4 + 10 * MaxAcoColors);
  for (auto _ : state) benchmark::DoNotOptimize(ParseAcoData(named).Value.Colors.data());
}
BENCHMARK(BM_ParseAco)->Unit(benchmark::kMillisecond);

/// Colours until the encoded file reaches `megabytes`; grouped names in .ase, every sixth row unnamed in .gpl.
template <typename Encode>
QByteArray FileOfSize(int megabytes, Encode encode) {
  const QByteArray sample = encode(MakeSwatches(1000));
  const int count = static_cast<int>(1000LL * megabytes * 1024 * 1024 / sample.size()) + 1;
  TColors colors = MakeSwatches(count);
  for (int i = 0; i < count; i += 6) colors[static_cast<std::size_t>(i)].SetName(i % 12 ? u"" : u"Group / named");
  return encode(colors);
}

// Reading to named colour objects, as the palette's Open and the library do; 1 MB and 4 MB show it is linear.
void BM_ReadGpl(benchmark::State& state) {
  const QByteArray bytes = FileOfSize(static_cast<int>(state.range(0)), [](const TColors& c) {
    return EncodeGplData(c, QStringLiteral("bench"));
  });
  for (auto _ : state) benchmark::DoNotOptimize(GplColorObjects(ParseGplData(bytes).Value).data());
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadGpl)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_ReadAse(benchmark::State& state) {
  const QByteArray bytes = FileOfSize(static_cast<int>(state.range(0)), EncodeAseData);
  for (auto _ : state) benchmark::DoNotOptimize(AseColorObjects(ParseAseData(bytes).Value).data());
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadAse)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tintorium

BENCHMARK_MAIN();
