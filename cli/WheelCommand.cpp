#include "WheelCommand.h"

#include "JsonWriter.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "engine/schemes/ColorWheelScheme.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace tintorium::cli {

namespace {

constexpr const char* Help =
    "Usage: tintorium-cli wheel COLOR [--style rgb|ryb] [--harmony NAME]\n"
    "       tintorium-cli wheel --batch [--style rgb|ryb]\n"
    "       (both forms take --json)\n"
    "\n"
    "Builds the colour wheel around COLOR (RRGGBB, optionally after a #) and prints its\n"
    "twelve segments, one per line: the index, the segment colour and its pale colour.\n"
    "Segment 0 is the base; segment i lies 30 degrees counter-clockwise from it.\n"
    "\n"
    "--style rgb|ryb   rotate on the RGB hue circle (default) or the red-yellow-blue one\n"
    "--harmony NAME    print only the harmony's members, one RRGGBB per line, in the\n"
    "                  order \"Add all to palette\" adds them. NAME is none, primary,\n"
    "                  complementary, split-complementary, analogous, triads, square\n"
    "                  or rectangle.\n"
    "--batch           reads one RRGGBB per line from standard input and writes, per\n"
    "                  line, the twelve segment colours and then the twelve pale\n"
    "                  colours as 24 RRGGBB texts separated by spaces. A malformed\n"
    "                  line stops the run with \"line N: <what is wrong>\" on standard\n"
    "                  error and exit status 2.\n"
    "--json            prints one JSON object: {\"color\", \"style\", \"segments\": an\n"
    "                  array of {\"index\", \"color\", \"pale\"}}, with --harmony\n"
    "                  {\"color\", \"style\", \"harmony\", \"members\": an array of RRGGBB};\n"
    "                  with --batch one {\"color\", \"segments\", \"pale\"} (arrays of\n"
    "                  twelve RRGGBB) per line (JSON Lines).\n"
    "\n"
    "Exit status: 0 done, 1 the input could not be read, 2 bad arguments or input.\n";

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli wheel: %s\nTry 'tintorium-cli wheel --help'.\n", message.c_str());
  return ExitUsage;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return lower;
}

std::optional<TColor> ParseColor(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6 || !IsHexText(text)) return std::nullopt;
  return RGBValuesToColor(ParseHexColor(text));
}

std::optional<TColorWheelStyle> ParseStyle(std::string_view text) {
  const std::string lower = Lower(text);
  for (int i = 0; i < ColorWheelStyleCount; ++i)
    if (lower == Lower(ColorWheelStyleNames[std::size_t(i)])) return static_cast<TColorWheelStyle>(i);
  return std::nullopt;
}

std::optional<TColorHarmonyType> ParseHarmony(std::string_view text) {
  const std::string lower = Lower(text);
  for (int i = 0; i < ColorHarmonyCount; ++i)
    if (lower == Lower(ColorHarmonyNames[std::size_t(i)])) return static_cast<TColorHarmonyType>(i);
  return std::nullopt;
}

std::string Hex(TColor color) { return HexText(ColorToRGBValues(color)); }

struct TWheelOptions {
  TColorWheelStyle style = wsRGB;
  std::optional<TColorHarmonyType> harmony;
  std::optional<TColor> color;
  bool batch = false;
  bool json = false;
};

// Empty answer: the options were read; otherwise the exit status of the usage error already reported.
std::optional<int> ReadOptions(const TCliArgs& args, const TCliIO& io, TWheelOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--style" || arg == "--harmony") {
      if (i + 1 >= args.size()) return UsageError(io, std::string(arg) + " needs a value");
      const std::string_view value = args[++i];
      if (arg == "--style") {
        const auto style = ParseStyle(value);
        if (!style) return UsageError(io, "unknown style '" + std::string(value) + "' (use rgb or ryb)");
        options.style = *style;
      } else {
        options.harmony = ParseHarmony(value);
        if (!options.harmony)
          return UsageError(io, "unknown harmony '" + std::string(value) +
                                    "' (use none, primary, complementary, split-complementary, analogous, "
                                    "triads, square or rectangle)");
      }
    } else if (arg == "--batch") {
      options.batch = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg.size() > 1 && arg.front() == '-' && arg[1] == '-') {
      return UsageError(io, "unknown option '" + std::string(arg) + "'");
    } else if (options.color) {
      return UsageError(io, "one colour only; '" + std::string(arg) + "' is one too many");
    } else {
      options.color = ParseColor(arg);
      if (!options.color) return UsageError(io, "'" + std::string(arg) + "' is not a colour (RRGGBB)");
    }
  }
  if (options.batch && options.color) return UsageError(io, "--batch reads its colours from standard input");
  if (options.batch && options.harmony) return UsageError(io, "--harmony does not go with --batch");
  if (!options.batch && !options.color) return UsageError(io, "missing colour (RRGGBB) or --batch");
  return std::nullopt;
}

std::string StyleName(TColorWheelStyle style) { return Lower(ColorWheelStyleNames[std::size_t(style)]); }

void WriteWheelJson(const TWheelOptions& options, const TCliIO& io) {
  const TWheelSegments segments = WheelSegments(*options.color, options.style);
  TJsonWriter json;
  json.BeginObject().Member("color", Hex(*options.color)).Member("style", StyleName(options.style));
  if (options.harmony) {
    json.Member("harmony", Lower(ColorHarmonyNames[std::size_t(*options.harmony)])).Key("members").BeginArray();
    for (int index : AddAllSegments(*options.harmony)) json.String(Hex(segments[std::size_t(index)]));
  } else {
    json.Key("segments").BeginArray();
    for (int i = 0; i < WheelSegmentCount; ++i)
      json.BeginObject()
          .Member("index", i)
          .Member("color", Hex(segments[std::size_t(i)]))
          .Member("pale", Hex(PaleColor(segments[std::size_t(i)])))
          .EndObject();
  }
  json.EndArray().EndObject().WriteLine(io.out);
}

void PrintWheel(const TWheelOptions& options, const TCliIO& io) {
  if (options.json) return WriteWheelJson(options, io);
  const TWheelSegments segments = WheelSegments(*options.color, options.style);
  if (options.harmony) {
    for (int index : AddAllSegments(*options.harmony))
      std::fprintf(io.out, "%s\n", Hex(segments[std::size_t(index)]).c_str());
    return;
  }
  for (int i = 0; i < WheelSegmentCount; ++i)
    std::fprintf(io.out, "%2d %s %s\n", i, Hex(segments[std::size_t(i)]).c_str(),
                 Hex(PaleColor(segments[std::size_t(i)])).c_str());
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string BatchJsonLine(TColor color, const TWheelSegments& segments) {
  TJsonWriter json;
  json.BeginObject().Member("color", Hex(color)).Key("segments").BeginArray();
  for (TColor segment : segments) json.String(Hex(segment));
  json.EndArray().Key("pale").BeginArray();
  for (TColor segment : segments) json.String(Hex(PaleColor(segment)));
  json.EndArray().EndObject();
  return json.Text() + '\n';
}

int RunBatch(TColorWheelStyle style, bool json, const TCliIO& io) {
  std::string line;
  std::string out;
  long number = 0;
  for (int c = std::fgetc(io.in);; c = std::fgetc(io.in)) {
    if (c != EOF && c != '\n') {
      if (line.size() > 4096) {
        std::fprintf(io.err, "tintorium-cli wheel: line %ld: too long\n", number + 1);
        return ExitUsage;
      }
      line.push_back(char(c));
      continue;
    }
    if (c == EOF && line.empty()) break;
    ++number;
    const std::string_view text = Trimmed(line);
    const auto color = ParseColor(text);
    if (!color) {
      std::fflush(io.out);
      std::fprintf(io.err, "tintorium-cli wheel: line %ld: '%.*s' is not a colour (RRGGBB)\n", number,
                   int(std::min<std::size_t>(text.size(), 40)), text.data());
      return ExitUsage;
    }
    const TWheelSegments segments = WheelSegments(*color, style);
    out.clear();
    if (json) {
      std::fputs(BatchJsonLine(*color, segments).c_str(), io.out);
      line.clear();
      if (c == EOF) break;
      continue;
    }
    for (TColor segment : segments) (out += Hex(segment)) += ' ';
    for (TColor segment : segments) (out += Hex(PaleColor(segment))) += ' ';
    out.back() = '\n';
    std::fputs(out.c_str(), io.out);
    line.clear();
    if (c == EOF) break;
  }
  return std::ferror(io.in) ? ExitFailure : ExitOk;
}

}  // namespace

int RunWheelCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  TWheelOptions options;
  if (const auto status = ReadOptions(args, io, options)) return *status;
  if (options.batch) return RunBatch(options.style, options.json, io);
  PrintWheel(options, io);
  return ExitOk;
}

}  // namespace tintorium::cli
