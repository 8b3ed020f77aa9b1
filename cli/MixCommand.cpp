#include "MixCommand.h"

#include "CliModel.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "engine/schemes/MixerCells.h"

#include <optional>
#include <string>

namespace tintorium::cli {

namespace {

constexpr int DefaultSize = 5;
constexpr int MinSize = 2;
constexpr int MaxSize = 128;

constexpr const char* Help =
    "Usage: tintorium-cli mix C1 C2 C3 C4 [--size N]\n"
    "\n"
    "Prints the mixer grid of four corner colours: C1 top left, C2 top right,\n"
    "C3 bottom right, C4 bottom left, each RRGGBB (optionally after a #).\n"
    "Every cell mixes the corners bilinearly in RGB, truncating after the\n"
    "horizontal and again after the vertical step.\n"
    "\n"
    "  --size N   cells per side, 2-128 (default 5)\n"
    "\n"
    "Output: N lines, top row first, each N RRGGBB texts left to right,\n"
    "separated by one space.\n";

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli mix: %s\nTry 'tintorium-cli mix --help'.\n", message.c_str());
  return ExitUsage;
}

std::optional<TColor> ParseColorArgument(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6 || !IsHexText(text)) return std::nullopt;
  return RGBValuesToColor(ParseHexColor(text));
}

}  // namespace

int RunMixCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  TMixerCorners corners{};
  std::size_t given = 0;
  int size = DefaultSize;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--size") {
      if (i + 1 >= args.size()) return UsageError(io, "--size needs a number");
      const std::string_view value = args[++i];
      std::int64_t number = 0;
      if (!ParseCliInteger(value.data(), value.data() + value.size(), number))
        return UsageError(io, "'" + std::string(value) + "' is not an integer");
      if (number < MinSize || number > MaxSize)
        return UsageError(io, "size " + std::string(value) + " is out of range (2 to 128)");
      size = static_cast<int>(number);
    } else if (arg.size() > 1 && arg.substr(0, 2) == "--") {
      return UsageError(io, "unknown option '" + std::string(arg) + "'");
    } else {
      if (given == corners.size()) return UsageError(io, "too many colours: the mixer has four corners");
      const std::optional<TColor> color = ParseColorArgument(arg);
      if (!color) return UsageError(io, "'" + std::string(arg) + "' is not a six-digit hexadecimal colour (RRGGBB)");
      corners[given++] = *color;
    }
  }
  if (given != corners.size())
    return UsageError(io, "four corner colours are needed, " + std::to_string(given) + " given");

  const std::vector<TColor> cells = MixerCells(corners, size);
  std::string line;
  for (int row = 0; row < size; ++row) {
    line.clear();
    for (int column = 0; column < size; ++column) {
      if (column > 0) line += ' ';
      line += HexText(ColorToRGBValues(cells[std::size_t(column) * std::size_t(size) + std::size_t(row)]));
    }
    line += '\n';
    std::fputs(line.c_str(), io.out);
  }
  return ExitOk;
}

}  // namespace tintorium::cli
