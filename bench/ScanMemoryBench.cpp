// Peak memory of `tintorium-cli scan` on generated style sheets of 20 MB and 200 MB, dense with colours (one
// every 20 bytes or so): the scan streams, so the peak stays the same whatever the size. The program runs as a
// child process and its peak resident size is read from wait4(); TINTORIUM_SCAN_CLI names another build of the
// tool to measure instead (an older one, for comparison).
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tintorium {
namespace {

namespace fs = std::filesystem;

const char* CliPath() {
  const char* other = std::getenv("TINTORIUM_SCAN_CLI");
  return other != nullptr && *other != '\0' ? other : TINTORIUM_CLI;
}

// Rules with six- and three-digit colours, different each time, as a generated theme would have them.
void WriteStyleSheet(const fs::path& path, std::int64_t megabytes) {
  std::ofstream out(path, std::ios::binary);
  const std::int64_t size = megabytes * 1000 * 1000;
  std::uint32_t colour = 0x123456;
  char rule[96];
  for (std::int64_t written = 0, n = 0; written < size; ++n) {
    colour = colour * 1664525U + 1013904223U;
    const int length = std::snprintf(rule, sizeof rule, ".c%lld{color:#%06x;border-color:#%03x}\n",
                                     static_cast<long long>(n), colour & 0xFFFFFF, (colour >> 8) & 0xFFF);
    out.write(rule, length);
    written += length;
  }
}

// The peak resident size of the tool scanning `path` in kibibytes, or -1 when it did not finish well.
long ScanPeakKiB(const fs::path& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    ::execl(CliPath(), CliPath(), "scan", path.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return -1;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

class TScratchFolder {
 public:
  TScratchFolder() : path_(fs::temp_directory_path() / ("tintorium-scan-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TScratchFolder() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

void BM_ScanPeakMemory(benchmark::State& state) {
  static const TScratchFolder folder;
  const std::int64_t megabytes = state.range(0);
  const fs::path sheet = folder.Path() / ("sheet-" + std::to_string(megabytes) + ".css");
  WriteStyleSheet(sheet, megabytes);
  long peak = 0;
  for (auto _ : state) peak = ScanPeakKiB(sheet);
  fs::remove(sheet);
  if (peak < 0) {
    state.SkipWithError("the scan failed");
    return;
  }
  state.counters["file_MB"] = static_cast<double>(megabytes);
  state.counters["peak_RSS_MiB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(BM_ScanPeakMemory)->Arg(20)->Arg(200)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tintorium

BENCHMARK_MAIN();
