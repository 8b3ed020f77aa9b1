#include "SpectrumCommand.h"

#include "SchemeArgs.h"
#include "core/ColorObject.h"
#include "engine/schemes/SpectrumCells.h"

#include <array>
#include <string>

namespace tintorium::cli {
namespace {

constexpr int kDefaultSize = 101;
constexpr int kMaxSize = 1000;

constexpr const char* Help =
    "Usage: tintorium-cli spectrum rgb|hsb V1 V2 V3 [--fixed 1|2|3] [--size N]\n"
    "\n"
    "Sets the current colour in the model (rgb: R G B 0-255; hsb: H 0-360, S B 0-100) and\n"
    "prints the spectrum through it: the channel --fixed (default 1: R or H) held at the\n"
    "colour's value, the first other channel across from its minimum to its maximum, the\n"
    "second down. N lines, top row first, each N RRGGBB texts from left to right.\n"
    "\n"
    "  --fixed K   the channel held: 1, 2 or 3 (R, G, B or H, S, B)\n"
    "  --size N    cells per side, 2 to 1000 (default 101)\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad arguments.\n";

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli spectrum: %s\nTry 'tintorium-cli spectrum --help'.\n", message.c_str());
  return ExitUsage;
}

}  // namespace

int RunSpectrumCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  if (args.empty()) return UsageError(io, "missing model (rgb or hsb)");
  const std::string model(args[0]);
  if (model != "rgb" && model != "hsb") return UsageError(io, "'" + model + "' is not a model (rgb or hsb)");
  const bool hsb = model == "hsb";
  const std::array<int, 3> highs = hsb ? std::array<int, 3>{360, 100, 100} : std::array<int, 3>{255, 255, 255};
  const char* const names = hsb ? "HSB" : "RGB";
  std::array<int, 3> values{};
  std::size_t next = 1;
  for (int k = 0; k < 3; ++k, ++next) {
    if (next >= args.size() || (args[next].size() > 1 && args[next][0] == '-' && args[next][1] == '-'))
      return UsageError(io, "expected three values after " + model);
    const auto v = ParseIntArgument(args[next], 0, highs[std::size_t(k)]);
    if (!v)
      return UsageError(io, "'" + std::string(args[next]) + "' is not a value of " + names[k] + " from 0 to " +
                                std::to_string(highs[std::size_t(k)]));
    values[std::size_t(k)] = *v;
  }
  int fixed = 1;
  int size = kDefaultSize;
  for (; next < args.size(); ++next) {
    const std::string arg(args[next]);
    if (arg != "--fixed" && arg != "--size") return UsageError(io, "unexpected argument '" + arg + "'");
    if (next + 1 == args.size()) return UsageError(io, arg + " needs a value");
    const std::string value(args[++next]);
    const auto n = arg == "--fixed" ? ParseIntArgument(value, 1, 3) : ParseIntArgument(value, 2, kMaxSize);
    if (!n)
      return UsageError(io, "'" + value + "' is not " +
                                (arg == "--fixed" ? std::string("1, 2 or 3") : "a size from 2 to " + std::to_string(kMaxSize)));
    (arg == "--fixed" ? fixed : size) = *n;
  }
  TColorObject current;
  if (hsb)
    current.SetHSB({values[0], values[1], values[2]});
  else
    current.SetRGB({values[0], values[1], values[2]});
  const std::vector<TColor> cells = SpectrumCells(current, hsb ? cmHSB : cmRGB, fixed, size);
  std::string line;
  for (int row = 0; row < size; ++row) {
    line.clear();
    for (int column = 0; column < size; ++column) {
      if (column > 0) line += ' ';
      line += HexOf(cells[std::size_t(column) * std::size_t(size) + std::size_t(row)]);
    }
    line += '\n';
    if (std::fputs(line.c_str(), io.out) == EOF) return ExitFailure;
  }
  return ExitOk;
}

}  // namespace tintorium::cli
