// The "#" colour scanner on a 50 MB style sheet and the reduction of a 12-megapixel picture to 256 colours,
// each followed by the same job done by a well-known tool (ripgrep, ImageMagick) when it is installed, with the
// ratio printed.
#include "engine/images/ImageQuantizer.h"
#include "engine/web/CssColorStream.h"
#include "engine/web/WebScan.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace tintorium {
namespace {

// Real style sheets repeated to 50 MB.
const QByteArray& StyleSheet() {
  static const QByteArray text = [] {
    QByteArray seed;
    for (const char* name : {"github-markdown.css", "twentytwenty-style.css", "bulma.min.css"}) {
      QFile file(QStringLiteral(TINTORIUM_CORPUS "/web/") + QString::fromLatin1(name));
      if (file.open(QIODevice::ReadOnly)) seed += file.readAll();
    }
    QByteArray big;
    big.reserve(50 * 1000 * 1000 + seed.size());
    while (big.size() < 50 * 1000 * 1000) big += seed;
    big.truncate(50 * 1000 * 1000);
    return big;
  }();
  return text;
}

// A photograph-like picture: smooth gradients with grain.
const QImage& Photo() {
  static const QImage image = [] {
    QImage picture(4000, 3000, QImage::Format_RGB32);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> grain(-6, 6);
    for (int y = 0; y < picture.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        const int r = (x * 255 / 3999 + grain(random));
        const int g = (y * 255 / 2999 + grain(random));
        const int b = ((x + y) % 700) * 255 / 699 + grain(random);
        line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
      }
    }
    return picture;
  }();
  return image;
}

void BM_ScanTextColors(benchmark::State& state) {
  const QByteArray& text = StyleSheet();
  for (auto _ : state) benchmark::DoNotOptimize(ScanTextColorsInBytes(text));
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ScanTextColors)->Unit(benchmark::kMillisecond);

// Every CSS notation where a parser sees a colour: a tokenizer per character instead of a search for "#".
void BM_ScanCssColors(benchmark::State& state) {
  const QByteArray& text = StyleSheet();
  for (auto _ : state) benchmark::DoNotOptimize(ScanCssColorsInBytes(text, TCssSource::StyleSheet));
  state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ScanCssColors)->Unit(benchmark::kMillisecond);

void BM_QuantizeImage12MP(benchmark::State& state) {
  const QImage& image = Photo();
  for (auto _ : state) benchmark::DoNotOptimize(QuantizeImage(image, 256));
}
BENCHMARK(BM_QuantizeImage12MP)->Unit(benchmark::kMillisecond)->Iterations(3);

double BestSeconds(int runs, const std::function<void()>& job) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    job();
    best = std::min(best, timer.nsecsElapsed() / 1e9);
  }
  return best;
}

double MeanError(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return total / (3.0 * a.width() * a.height());
}

void CompareScannerWithRipgrep(const QTemporaryDir& dir) {
  const QString rg = QStandardPaths::findExecutable(QStringLiteral("rg"));
  const QByteArray& text = StyleSheet();
  const double ours = BestSeconds(5, [&] { benchmark::DoNotOptimize(ScanTextColorsInBytes(text)); });
  std::printf("scanner: %.0f MB/s on %lld bytes\n", text.size() / ours / 1e6, static_cast<long long>(text.size()));
  if (rg.isEmpty()) {
    std::printf("ripgrep: not installed, no ratio\n");
    return;
  }
  const QString path = dir.filePath(QStringLiteral("big.css"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return;
  file.close();
  const double theirs = BestSeconds(5, [&] {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(rg, {QStringLiteral("-o"), QStringLiteral("#[0-9a-fA-F]{3,6}"), path});
    process.waitForFinished(-1);
  });
  std::printf("ripgrep: %.0f MB/s; scanner / ripgrep speed = %.2f\n", text.size() / theirs / 1e6, theirs / ours);
}

void CompareReductionWithImageMagick(const QTemporaryDir& dir) {
  const QImage& image = Photo();
  std::optional<TQuantizedImage> reduced;
  const double ours = BestSeconds(3, [&] { reduced = QuantizeImage(image, 256); });
  if (!reduced) return;
  QImage remapped(image.size(), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * image.width() + x;
      remapped.setPixel(x, y, reduced->Palette[reduced->Indices[i]]);
    }
  }
  std::printf("reduction: %.3f s, %lld colours, mean error %.2f per channel\n", ours,
              static_cast<long long>(reduced->Palette.size()), MeanError(image, remapped));
  QString convert = QStandardPaths::findExecutable(QStringLiteral("magick"));
  if (convert.isEmpty()) convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
  if (convert.isEmpty()) {
    std::printf("ImageMagick: not installed, no ratio\n");
    return;
  }
  const QString in = dir.filePath(QStringLiteral("photo.ppm"));
  const QString out = dir.filePath(QStringLiteral("reduced.ppm"));
  if (!image.save(in, "PPM")) return;
  // Reading and writing the uncompressed file is part of its time; it is small beside the reduction.
  const double theirs = BestSeconds(3, [&] {
    QProcess::execute(convert, {in, QStringLiteral("+dither"), QStringLiteral("-colors"), QStringLiteral("256"), out});
  });
  std::printf("ImageMagick -colors 256: %.3f s, mean error %.2f; reduction / ImageMagick speed = %.2f\n", theirs,
              MeanError(image, QImage(out).convertToFormat(QImage::Format_RGB32)), theirs / ours);
}

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const QTemporaryDir dir;
  tintorium::CompareScannerWithRipgrep(dir);
  tintorium::CompareReductionWithImageMagick(dir);
  return 0;
}
