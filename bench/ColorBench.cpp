// Throughput of the colour conversions over the whole RGB cube, beside Little CMS 2 doing 8-bit sRGB -> Lab D50.
// Each benchmark iteration converts one plane of the cube (65,536 colours, one blue value); 256 iterations are
// the whole cube. Conversions into RGB take as input the record that the cube colour converts to.
#include "core/ColorModels.h"
#include "core/ColorObject.h"

#include <benchmark/benchmark.h>
#include <lcms2.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace tintorium {
namespace {

constexpr int PlaneSize = 256 * 256;
constexpr int CubePlanes = 256;

TRGBValues CubeColor(int plane, int i) { return {i & 0xFF, i >> 8, plane}; }

template <typename Convert>
void FromRGB(benchmark::State& state, Convert convert) {
  int plane = 0;
  for (auto _ : state) {
    for (int i = 0; i < PlaneSize; ++i) benchmark::DoNotOptimize(convert(CubeColor(plane, i)));
    plane = (plane + 1) % CubePlanes;
  }
  state.SetItemsProcessed(state.iterations() * PlaneSize);
}

// `prepare` makes the input record from the cube colour, outside the timing.
template <typename Prepare, typename Convert>
void FromRecord(benchmark::State& state, Prepare prepare, Convert convert) {
  using Record = decltype(prepare(TRGBValues{}));
  std::vector<Record> inputs(PlaneSize);
  int plane = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < PlaneSize; ++i) inputs[i] = prepare(CubeColor(plane, i));
    state.ResumeTiming();
    for (const Record& input : inputs) benchmark::DoNotOptimize(convert(input));
    plane = (plane + 1) % CubePlanes;
  }
  state.SetItemsProcessed(state.iterations() * PlaneSize);
}

void BM_RGBToLab(benchmark::State& s) { FromRGB(s, [](const TRGBValues& c) { return RGBToLab(c); }); }
void BM_RGBToLabMany(benchmark::State& state) {
  std::vector<TRGBValues> inputs(PlaneSize);
  std::vector<TLabValues> outputs(PlaneSize);
  int plane = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < PlaneSize; ++i) inputs[i] = CubeColor(plane, i);
    state.ResumeTiming();
    RGBToLabMany(inputs.data(), outputs.data(), inputs.size());
    benchmark::DoNotOptimize(outputs.data());
    benchmark::ClobberMemory();
    plane = (plane + 1) % CubePlanes;
  }
  state.SetItemsProcessed(state.iterations() * PlaneSize);
}
void BM_RGBToLab_Formula(benchmark::State& s) {
  FromRGB(s, [](const TRGBValues& c) { return XYZToLab(RGBToXYZ(c)); });
}
void BM_RGBToHSB(benchmark::State& s) { FromRGB(s, [](const TRGBValues& c) { return RGBToHSB(c); }); }
void BM_RGBToCMYK(benchmark::State& s) { FromRGB(s, [](const TRGBValues& c) { return RGBToCMYK(c); }); }
void BM_RGBToXYZ(benchmark::State& s) { FromRGB(s, [](const TRGBValues& c) { return RGBToXYZ(c); }); }
void BM_ColorObject_SetRGB(benchmark::State& s) {
  TColorObject object;
  FromRGB(s, [&](const TRGBValues& c) {
    object.SetRGB(c);
    return object.GetLab();
  });
}

void BM_HSBToRGB(benchmark::State& s) { FromRecord(s, RGBToHSB, HSBToRGB); }
void BM_CMYKToRGB(benchmark::State& s) { FromRecord(s, RGBToCMYK, CMYKToRGB); }
void BM_LabToRGB(benchmark::State& s) { FromRecord(s, RGBToLab, LabToRGB); }
void BM_XYZToLab(benchmark::State& s) { FromRecord(s, RGBToXYZ, XYZToLab); }
void BM_LabToXYZ(benchmark::State& s) { FromRecord(s, RGBToLab, LabToXYZ); }
void BM_XYZToRGB(benchmark::State& s) { FromRecord(s, RGBToXYZ, XYZToRGB); }
void BM_HSBToCMYK(benchmark::State& s) { FromRecord(s, RGBToHSB, HSBToCMYK); }
void BM_HSBToLab(benchmark::State& s) { FromRecord(s, RGBToHSB, HSBToLab); }
void BM_CMYKToHSB(benchmark::State& s) { FromRecord(s, RGBToCMYK, CMYKToHSB); }
void BM_CMYKToLab(benchmark::State& s) { FromRecord(s, RGBToCMYK, CMYKToLab); }
void BM_LabToHSB(benchmark::State& s) { FromRecord(s, RGBToLab, LabToHSB); }
void BM_LabToCMYK(benchmark::State& s) { FromRecord(s, RGBToLab, LabToCMYK); }

// Little CMS 2: sRGB (8 bits a channel) to Lab relative to D50, the whole plane in one call.
template <typename LabPixel>
void LittleCMS(benchmark::State& state, cmsUInt32Number outputFormat) {
  cmsHPROFILE srgb = cmsCreate_sRGBProfile();
  cmsHPROFILE lab = cmsCreateLab4Profile(cmsD50_xyY());
  cmsHTRANSFORM transform = cmsCreateTransform(srgb, TYPE_RGB_8, lab, outputFormat, INTENT_RELATIVE_COLORIMETRIC, 0);
  std::vector<std::uint8_t> input(PlaneSize * 3);
  std::vector<LabPixel> output(PlaneSize * 3);
  int plane = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < PlaneSize; ++i) {
      input[i * 3] = static_cast<std::uint8_t>(i & 0xFF);
      input[i * 3 + 1] = static_cast<std::uint8_t>(i >> 8);
      input[i * 3 + 2] = static_cast<std::uint8_t>(plane);
    }
    state.ResumeTiming();
    cmsDoTransform(transform, input.data(), output.data(), PlaneSize);
    benchmark::DoNotOptimize(output.data());
    benchmark::ClobberMemory();
    plane = (plane + 1) % CubePlanes;
  }
  state.SetItemsProcessed(state.iterations() * PlaneSize);
  cmsDeleteTransform(transform);
  cmsCloseProfile(lab);
  cmsCloseProfile(srgb);
}

void BM_LittleCMS_RGB8ToLab16(benchmark::State& s) { LittleCMS<std::uint16_t>(s, TYPE_Lab_16); }
void BM_LittleCMS_RGB8ToLabDouble(benchmark::State& s) { LittleCMS<double>(s, TYPE_Lab_DBL); }

#define TINTORIUM_CUBE_BENCHMARK(name) BENCHMARK(name)->Iterations(CubePlanes)->Unit(benchmark::kMillisecond)

TINTORIUM_CUBE_BENCHMARK(BM_RGBToLab);
TINTORIUM_CUBE_BENCHMARK(BM_RGBToLabMany);
TINTORIUM_CUBE_BENCHMARK(BM_RGBToLab_Formula);
TINTORIUM_CUBE_BENCHMARK(BM_LittleCMS_RGB8ToLab16);
TINTORIUM_CUBE_BENCHMARK(BM_LittleCMS_RGB8ToLabDouble);
TINTORIUM_CUBE_BENCHMARK(BM_RGBToHSB);
TINTORIUM_CUBE_BENCHMARK(BM_RGBToCMYK);
TINTORIUM_CUBE_BENCHMARK(BM_RGBToXYZ);
TINTORIUM_CUBE_BENCHMARK(BM_ColorObject_SetRGB);
TINTORIUM_CUBE_BENCHMARK(BM_HSBToRGB);
TINTORIUM_CUBE_BENCHMARK(BM_CMYKToRGB);
TINTORIUM_CUBE_BENCHMARK(BM_LabToRGB);
TINTORIUM_CUBE_BENCHMARK(BM_XYZToLab);
TINTORIUM_CUBE_BENCHMARK(BM_LabToXYZ);
TINTORIUM_CUBE_BENCHMARK(BM_XYZToRGB);
TINTORIUM_CUBE_BENCHMARK(BM_HSBToCMYK);
TINTORIUM_CUBE_BENCHMARK(BM_HSBToLab);
TINTORIUM_CUBE_BENCHMARK(BM_CMYKToHSB);
TINTORIUM_CUBE_BENCHMARK(BM_CMYKToLab);
TINTORIUM_CUBE_BENCHMARK(BM_LabToHSB);
TINTORIUM_CUBE_BENCHMARK(BM_LabToCMYK);

// Remembers each benchmark's rate so that the comparison can be printed after the table: with repetitions, the
// mean over them (the "mean" row when it is reported, else the mean of the rows seen), never a median, spread
// or coefficient of variation row.
class TRateReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto it = run.counters.find("items_per_second");
      if (run.error_occurred || it == run.counters.end()) continue;
      TRates& rates = rates_[run.run_name.str()];
      if (run.run_type == Run::RT_Aggregate) {
        if (run.aggregate_name == "mean") rates.mean = it->second.value;
      } else {
        rates.sum += it->second.value;
        ++rates.count;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  /// The rate of the first benchmark whose name starts with `prefix`; 0 when none ran.
  double Rate(const std::string& prefix) const {
    for (const auto& [name, rates] : rates_)
      if (name.rfind(prefix, 0) == 0) return rates.Mean();
    return 0;
  }

 private:
  struct TRates {
    double mean = -1;  // the reported "mean" row, when there is one
    double sum = 0;
    int count = 0;
    double Mean() const { return mean >= 0 ? mean : count > 0 ? sum / count : 0; }
  };
  std::map<std::string, TRates> rates_;
};

void PrintComparison(const TRateReporter& reporter) {
  const double ours = reporter.Rate("BM_RGBToLab/");
  const double many = reporter.Rate("BM_RGBToLabMany/");
  const double formula = reporter.Rate("BM_RGBToLab_Formula/");
  const double lcms16 = reporter.Rate("BM_LittleCMS_RGB8ToLab16/");
  const double lcmsDouble = reporter.Rate("BM_LittleCMS_RGB8ToLabDouble/");
  if (ours <= 0 || lcms16 <= 0) return;
  std::printf("\nRGB -> Lab, millions of colours per second (all exact to the formulas):\n");
  if (many > 0) std::printf("  Tintorium RGBToLabMany, 64 at a time  %8.1f\n", many / 1e6);
  std::printf("  Tintorium RGBToLab, one at a time     %8.1f\n", ours / 1e6);
  if (formula > 0) std::printf("  Tintorium formula, no fast path       %8.1f\n", formula / 1e6);
  std::printf("  Little CMS 2, TYPE_RGB_8 -> Lab_16    %8.1f\n", lcms16 / 1e6);
  if (lcmsDouble > 0) std::printf("  Little CMS 2, TYPE_RGB_8 -> Lab_DBL   %8.1f\n", lcmsDouble / 1e6);
  if (many > 0) std::printf("  ratio RGBToLabMany / Little CMS 2 integer  %6.2f\n", many / lcms16);
  std::printf("  ratio RGBToLab / Little CMS 2 integer      %6.2f\n", ours / lcms16);
}

}  // namespace
}  // namespace tintorium

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  tintorium::TRateReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  tintorium::PrintComparison(reporter);
  benchmark::Shutdown();
  return 0;
}
