#include "VariationsCommand.h"

#include "JsonWriter.h"
#include "SchemeArgs.h"
#include "engine/schemes/VariationStrip.h"

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace tintorium::cli {
namespace {

constexpr int kDefaultSize = 8;
constexpr int kMaxSize = 1000;
constexpr std::size_t kMaxLine = 4096;

constexpr const char* Help =
    "Usage: tintorium-cli variations COLOR --type TYPE [--size N]\n"
    "       tintorium-cli variations --batch\n"
    "       (both forms take --json)\n"
    "\n"
    "Prints the swatches of a variation strip that walks from COLOR (RRGGBB, optionally\n"
    "after #) warmer, cooler, darker, brighter, more or less saturated, as RRGGBB texts\n"
    "separated by spaces, first (COLOR itself) to last.\n"
    "\n"
    "  --type TYPE   warm, cool, dark, bright, saturate or desaturate\n"
    "  --size N      number of swatches, COLOR included, 1 to 1000 (default 8)\n"
    "  --batch       reads one 'RRGGBB TYPE SIZE' per line from standard input and\n"
    "                writes each strip on one line; stops at the first malformed line\n"
    "  --json        prints one JSON object: {\"color\", \"type\", \"size\",\n"
    "                \"swatches\": an array of RRGGBB}; with --batch one per line\n"
    "                (JSON Lines)\n"
    "\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad arguments or input.\n";

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli variations: %s\nTry 'tintorium-cli variations --help'.\n", message.c_str());
  return ExitUsage;
}

std::string TypeList() {
  std::string list;
  for (const std::string_view name : VariationTypeNames) list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

std::string StripJson(TColor base, TVariationType type, int size) {
  TJsonWriter json;
  json.BeginObject()
      .Member("color", HexOf(base))
      .Member("type", VariationTypeNames[static_cast<std::size_t>(type)])
      .Member("size", size)
      .Key("swatches")
      .BeginArray();
  for (const TColor c : VariationSwatches(base, type, size)) json.String(HexOf(c));
  json.EndArray().EndObject();
  return json.Text() + "\n";
}

std::string StripLine(TColor base, TVariationType type, int size, bool json) {
  if (json) return StripJson(base, type, size);
  std::string line;
  for (const TColor c : VariationSwatches(base, type, size)) line += (line.empty() ? "" : " ") + HexOf(c);
  return line + "\n";
}

// One "RRGGBB TYPE SIZE" line; the error says what is wrong.
bool ParseBatchLine(const std::string& text, bool json, std::string& out, std::string& error) {
  std::istringstream in(text);
  std::string color, type, size, extra;
  in >> color >> type >> size;
  if (size.empty() || (in >> extra)) {
    error = "expected RRGGBB TYPE SIZE";
    return false;
  }
  const auto base = ParseColorArgument(color);
  const auto variation = ParseVariationType(type);
  const auto count = ParseIntArgument(size, 1, kMaxSize);
  if (!base) error = "'" + color + "' is not a colour RRGGBB";
  else if (!variation) error = "'" + type + "' is not a type (" + TypeList() + ")";
  else if (!count) error = "'" + size + "' is not a size from 1 to " + std::to_string(kMaxSize);
  if (!error.empty()) return false;
  out = StripLine(*base, *variation, *count, json);
  return true;
}

int RunBatch(bool json, const TCliIO& io) {
  std::string line;
  unsigned long long number = 0;
  for (int c = 0;;) {
    line.clear();
    while ((c = std::fgetc(io.in)) != EOF && c != '\n') {
      if (line.size() == kMaxLine) {
        std::fprintf(io.err, "tintorium-cli variations: line %llu: line too long\n", number + 1);
        return ExitUsage;
      }
      line += char(c);
    }
    if (c == EOF && line.empty()) return ExitOk;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string out, error;
    if (!ParseBatchLine(line, json, out, error)) {
      std::fprintf(io.err, "tintorium-cli variations: line %llu: %s\n", number, error.c_str());
      return ExitUsage;
    }
    if (std::fputs(out.c_str(), io.out) == EOF) return ExitFailure;
    if (c == EOF) return ExitOk;
  }
}

}  // namespace

int RunVariationsCommand(const TCliArgs& raw, const TCliIO& io) {
  if (WantsHelp(raw)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  bool json = false;
  const TCliArgs args = WithoutFlag(raw, "--json", json);
  if (!args.empty() && args[0] == "--batch") {
    if (args.size() != 1) return UsageError(io, "--batch takes no other arguments");
    return RunBatch(json, io);
  }
  std::optional<TColor> base;
  std::optional<TVariationType> type;
  int size = kDefaultSize;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg(args[i]);
    if (arg == "--type" || arg == "--size") {
      if (i + 1 == args.size()) return UsageError(io, arg + " needs a value");
      const std::string value(args[++i]);
      if (arg == "--type") {
        type = ParseVariationType(value);
        if (!type) return UsageError(io, "'" + value + "' is not a type (" + TypeList() + ")");
      } else {
        const auto n = ParseIntArgument(value, 1, kMaxSize);
        if (!n) return UsageError(io, "'" + value + "' is not a size from 1 to " + std::to_string(kMaxSize));
        size = *n;
      }
    } else if (!base && !(arg.size() > 1 && arg[0] == '-')) {
      base = ParseColorArgument(arg);
      if (!base) return UsageError(io, "'" + arg + "' is not a colour RRGGBB");
    } else {
      return UsageError(io, "unexpected argument '" + arg + "'");
    }
  }
  if (!base) return UsageError(io, "missing COLOR");
  if (!type) return UsageError(io, "missing --type (" + TypeList() + ")");
  std::fputs(StripLine(*base, *type, size, json).c_str(), io.out);
  return ExitOk;
}

}  // namespace tintorium::cli
