#include "ScaleCommand.h"

#include "JsonWriter.h"
#include "LineBatch.h"
#include "SchemeArgs.h"
#include "core/ScaleSteps.h"
#include "core/TonalScale.h"
#include "engine/formats/CodeExportWriters.h"
#include "engine/formats/ScaleExportWriters.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli scale BASE [--steps LIST|css|tones] [--mode lightness|contrast]\n"
    "           [--targets LIST] [--background RRGGBB] [--measure wcag|apca] [--name NAME]\n"
    "           [--hue-shift DEG] [--lock RRGGBB]... [--format text|css|scss|tokens|theme|json]\n"
    "           [--notation hex|rgb|oklch]\n"
    "       tintorium-cli scale --batch [the same options, --format text or json]\n"
    "       (both forms take --json, the same as --format json)\n"
    "\n"
    "Makes a tonal scale of the base colour (RRGGBB, optionally after #): each step's colour\n"
    "lies on the base's line in OKLCH, its chroma peaking at the base's lightness, brought\n"
    "into sRGB by CSS Color 4 gamut mapping. The step nearest the base is the base itself.\n"
    "\n"
    "  --steps LIST  the step names, comma-separated (\"50,100,500,900\"), read as CSS\n"
    "            framework numbers 0-1000 (lower is lighter); css (the default) is\n"
    "            50,100,200,...,900,950 and tones is 0,10,...,100 (OKLCH lightness in %)\n"
    "  --mode    lightness (the default): each step aims at an OKLCH lightness;\n"
    "            contrast: each step aims at a contrast with the background\n"
    "  --targets LIST  one target per step, rising or falling along the steps: an OKLCH\n"
    "            lightness 0-1, a WCAG 2 ratio 1-21 or an APCA Lc -108-108 (the step as\n"
    "            text on the background); by default each step's own lightness, or in\n"
    "            contrast mode the contrast a grey of that lightness has\n"
    "  --background RRGGBB  the background of contrast mode (default FFFFFF)\n"
    "  --measure wcag (the default) or apca, for contrast mode\n"
    "  --name NAME  the scale's name in variables and tokens (default primary)\n"
    "  --hue-shift DEG  how far the hue turns from the lightest to the darkest step,\n"
    "            -360-360 (default 0)\n"
    "  --lock RRGGBB  a further colour kept unchanged at the step nearest to it\n"
    "  --format  text (the default): a table of step, hex, OKLCH, target, WCAG ratio\n"
    "            with white and with black, APCA Lc of white and of black text on the\n"
    "            step, and base or lock where the step is pinned;\n"
    "            css: custom properties in :root (primary-500); scss: $primary-500;\n"
    "            tokens: W3C Design Tokens with the scale as a group; theme: a CSS\n"
    "            framework's @theme block (color-primary-500);\n"
    "            json: one object {\"name\", \"base\", \"mode\", \"measure\", \"background\",\n"
    "            \"hue_shift\", \"steps\": [{\"name\", \"hex\", \"oklch\" [L, C, h], \"target\",\n"
    "            \"pin\" (\"base\", \"lock\" or null), \"white_ratio\", \"black_ratio\",\n"
    "            \"white_text_lc\", \"black_text_lc\", \"background_ratio\", \"background_lc\"}]}\n"
    "  --notation  the colours of css, scss, tokens and theme: hex (the default),\n"
    "            rgb or oklch\n"
    "  --batch   reads one base RRGGBB per line from standard input and writes its scale\n"
    "            on one line: the steps' RRGGBB separated by spaces, or with --json the\n"
    "            object above (JSON Lines); a blank line gives a blank line (null in\n"
    "            JSON); stops at the first malformed line or scale that cannot be made\n"
    "\n"
    "A target that is out of range or cannot be reached (a ratio of 21 against mid grey)\n"
    "is reported with the step it belongs to.\n"
    "\n"
    "Exit status: 0 done, 1 the input could not be read or the output written,\n"
    "2 bad arguments or input.\n";

struct TUsage {
  std::string message;
};

enum class TOutput : std::uint8_t { Text, Json, Code };

struct TScaleRequest {
  std::optional<TColor> base;
  TScaleOptions options;
  std::string name = "primary";
  TOutput output = TOutput::Text;
  TScaleExportForm form = TScaleExportForm::CssVariables;
  TCodeNotation notation = TCodeNotation::Hex;
  bool batch = false;
};

std::string_view Value(const TCliArgs& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw TUsage{std::string(args[i]) + " needs a value"};
  return args[++i];
}

std::optional<double> ParseNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::vector<double> ParseTargets(std::string_view list) {
  std::vector<double> targets;
  std::size_t index = 0;
  for (const std::string& word : SplitStepList(list)) {
    ++index;
    const auto value = ParseNumber(word);
    if (!value) throw TUsage{"target " + std::to_string(index) + " " + QuotedForMessage(word) + " is not a number"};
    targets.push_back(*value);
  }
  return targets;
}

void SetSteps(std::string_view list, TScaleOptions& options) {
  if (list == "css") {
    options.Steps = CssScaleSteps();
    options.Numbering = TStepNumbering::Css;
  } else if (list == "tones") {
    options.Steps = ToneScaleSteps();
    options.Numbering = TStepNumbering::Tones;
  } else {
    options.Steps = SplitStepList(list);
    options.Numbering = TStepNumbering::Css;
  }
}

TColor ColorValue(std::string_view flag, std::string_view text) {
  const auto color = ParseColorArgument(text);
  if (!color) throw TUsage{std::string(flag) + ": " + QuotedForMessage(text) + " is not a colour RRGGBB"};
  return *color;
}

TScaleRequest ParseRequest(const TCliArgs& args) {
  TScaleRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--batch") {
      request.batch = true;
    } else if (arg == "--steps") {
      SetSteps(Value(args, i), request.options);
    } else if (arg == "--mode") {
      const std::string_view mode = Value(args, i);
      if (mode == "lightness") request.options.Mode = TScaleMode::Lightness;
      else if (mode == "contrast") request.options.Mode = TScaleMode::Contrast;
      else throw TUsage{"--mode takes lightness or contrast, not " + QuotedForMessage(mode)};
    } else if (arg == "--targets") {
      request.options.Targets = ParseTargets(Value(args, i));
    } else if (arg == "--background") {
      request.options.Background = ColorValue(arg, Value(args, i));
    } else if (arg == "--measure") {
      const std::string_view measure = Value(args, i);
      if (measure == "wcag") request.options.Measure = TScaleMeasure::Wcag;
      else if (measure == "apca") request.options.Measure = TScaleMeasure::Apca;
      else throw TUsage{"--measure takes wcag or apca, not " + QuotedForMessage(measure)};
    } else if (arg == "--name") {
      request.name = std::string(Value(args, i));
    } else if (arg == "--hue-shift") {
      const std::string_view text = Value(args, i);
      const auto shift = ParseNumber(text);
      if (!shift || std::abs(*shift) > 360)
        throw TUsage{"--hue-shift takes degrees from -360 to 360, not " + QuotedForMessage(text)};
      request.options.HueShift = *shift;
    } else if (arg == "--lock") {
      request.options.Locks.push_back(ColorValue(arg, Value(args, i)));
    } else if (arg == "--format") {
      const std::string_view format = Value(args, i);
      if (format == "text") request.output = TOutput::Text;
      else if (format == "json") request.output = TOutput::Json;
      else if (const auto form = ScaleExportFormFromName(format)) {
        request.output = TOutput::Code;
        request.form = *form;
      } else {
        throw TUsage{"--format takes text, css, scss, tokens, theme or json, not " + QuotedForMessage(format)};
      }
    } else if (arg == "--notation") {
      const std::string_view notation = Value(args, i);
      const auto parsed = CodeNotationFromName(notation);
      if (!parsed) throw TUsage{"--notation takes hex, rgb or oklch, not " + QuotedForMessage(notation)};
      request.notation = *parsed;
    } else if (!request.base && !(arg.size() > 1 && arg[0] == '-')) {
      request.base = ColorValue("BASE", arg);
    } else {
      throw TUsage{"unexpected argument " + QuotedForMessage(arg)};
    }
  }
  if (request.batch && request.base) throw TUsage{"--batch reads the bases from standard input, not " + HexOf(*request.base)};
  if (request.batch && request.output == TOutput::Code) throw TUsage{"--batch writes --format text or json"};
  if (!request.batch && !request.base) throw TUsage{"missing BASE"};
  return request;
}

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli scale: %s\nTry 'tintorium-cli scale --help'.\n", message.c_str());
  return ExitUsage;
}

// The scale's faults, one per line; a fault of one step names it.
int ScaleErrors(const TCliIO& io, const TTonalScale& scale) {
  for (const TScaleError& error : scale.Errors) std::fprintf(io.err, "tintorium-cli scale: %s\n", error.Message.c_str());
  return ExitUsage;
}

std::string Fixed(double value, int decimals) {
  if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;  // never "-0.0"
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
  return std::string(text, end);
}

// The hue of a step whose printed chroma is zero means nothing and is written as 0, as CSS writes it.
double ShownHue(const TOkLch& lch) { return lch.C < 0.0005 ? 0 : lch.h; }

const char* PinName(TStepPin pin) {
  switch (pin) {
    case TStepPin::Base: return "base";
    case TStepPin::Lock: return "lock";
    case TStepPin::None: break;
  }
  return "";
}

int TargetDecimals(const TScaleOptions& options) {
  if (options.Mode == TScaleMode::Lightness) return 3;
  return options.Measure == TScaleMeasure::Wcag ? 2 : 1;
}

void PrintTable(const TCliIO& io, const TTonalScale& scale, const TScaleOptions& options) {
  std::size_t width = 4;
  for (const TScaleSwatch& s : scale.Swatches) width = std::max(width, s.Name.size());
  const int w = static_cast<int>(width);
  std::fprintf(io.out, "%-*s  %-7s  %-5s  %-5s  %-6s  %6s  %5s  %5s  %7s  %7s  %s\n", w, "step", "hex", "L", "C",
               "h", "target", "white", "black", "Lc-wht", "Lc-blk", "pin");
  const int decimals = TargetDecimals(options);
  for (const TScaleSwatch& s : scale.Swatches) {
    std::fprintf(io.out, "%-*s  #%s  %5s  %5s  %6s  %6s  %5s  %5s  %7s  %7s  %s\n", w, s.Name.c_str(),
                 HexOf(s.Color).c_str(), Fixed(s.Lch.L, 3).c_str(), Fixed(s.Lch.C, 3).c_str(),
                 Fixed(ShownHue(s.Lch), 2).c_str(), Fixed(s.Target, decimals).c_str(), Fixed(s.WhiteRatio, 2).c_str(),
                 Fixed(s.BlackRatio, 2).c_str(), Fixed(s.WhiteTextLc, 1).c_str(), Fixed(s.BlackTextLc, 1).c_str(),
                 PinName(s.Pin));
  }
}

void WriteScaleJson(TJsonWriter& json, TColor base, const TScaleRequest& request, const TTonalScale& scale) {
  const TScaleOptions& options = request.options;
  json.BeginObject()
      .Member("name", request.name)
      .Member("base", HexOf(base))
      .Member("mode", options.Mode == TScaleMode::Lightness ? "lightness" : "contrast")
      .Member("measure", options.Measure == TScaleMeasure::Wcag ? "wcag" : "apca")
      .Member("background", HexOf(options.Background))
      .Key("hue_shift")
      .Number(options.HueShift, 3)
      .Key("steps")
      .BeginArray();
  for (const TScaleSwatch& s : scale.Swatches) {
    json.BeginObject().Member("name", s.Name).Member("hex", HexOf(s.Color)).Key("oklch").BeginArray();
    json.Number(s.Lch.L, 5).Number(s.Lch.C, 5).Number(ShownHue(s.Lch), 2).EndArray();
    json.Key("target").Number(s.Target, 4).Key("pin");
    if (s.Pin == TStepPin::None) json.Null();
    else json.String(PinName(s.Pin));
    json.Key("white_ratio").Number(s.WhiteRatio, 4).Key("black_ratio").Number(s.BlackRatio, 4);
    json.Key("white_text_lc").Number(s.WhiteTextLc, 2).Key("black_text_lc").Number(s.BlackTextLc, 2);
    json.Key("background_ratio").Number(s.BackgroundRatio, 4).Key("background_lc").Number(s.BackgroundLc, 2);
    json.EndObject();
  }
  json.EndArray().EndObject();
}

int RunSingle(const TCliIO& io, const TScaleRequest& request) {
  const TTonalScale scale = MakeTonalScale(*request.base, request.options);
  if (!scale.Ok()) return ScaleErrors(io, scale);
  switch (request.output) {
    case TOutput::Text: PrintTable(io, scale, request.options); break;
    case TOutput::Json: {
      TJsonWriter json;
      WriteScaleJson(json, *request.base, request, scale);
      if (!json.WriteLine(io.out)) return ExitFailure;
      break;
    }
    case TOutput::Code: {
      const TNamedScale named{QString::fromStdString(request.name), scale};
      const QByteArray text = ScaleExportText({&named, 1}, request.form, request.notation);
      if (std::fwrite(text.constData(), 1, std::size_t(text.size()), io.out) != std::size_t(text.size()))
        return ExitFailure;
      break;
    }
  }
  return std::ferror(io.out) ? ExitFailure : ExitOk;
}

// One scale per input line, through the fixed buffers of TLineBatch.
class TScaleBatch final : public TLineBatch {
 public:
  TScaleBatch(const TCliIO& io, const TScaleRequest& request)
      : TLineBatch("scale", LongestAnswer(request), io), request_(request) {
    if (request_.output == TOutput::Json) SetBlankAnswer("null");
  }

 private:
  static std::size_t LongestAnswer(const TScaleRequest& request) {
    std::size_t steps = request.options.Steps.size();
    std::size_t names = 0;
    for (const std::string& step : request.options.Steps) names += step.size() * 6;  // escapes at worst
    return request.output == TOutput::Json ? 512 + request.name.size() * 6 + names + steps * 320 : steps * 7 + 2;
  }

  bool AnswerLine(const char* begin, const char* end) override {
    while (begin != end && IsBatchBlank(*begin)) ++begin;
    while (end != begin && IsBatchBlank(end[-1])) --end;
    const std::string_view word(begin, static_cast<std::size_t>(end - begin));
    const auto base = ParseColorArgument(word);
    if (!base) return Malformed(QuotedForMessage(word) + " is not a colour RRGGBB");
    const TTonalScale scale = MakeTonalScale(*base, request_.options);
    if (!scale.Ok()) return Malformed(scale.Errors.front().Message);
    char* out = AnswerStart();
    if (request_.output == TOutput::Json) {
      json_ = TJsonWriter();
      WriteScaleJson(json_, *base, request_, scale);
      const std::string& text = json_.Text();
      out = std::copy(text.begin(), text.end(), out);
    } else {
      // Eleven steps of 100,000 bases are over a million colours: written by hand, not by printf.
      static constexpr char Digits[] = "0123456789ABCDEF";
      bool first = true;
      for (const TScaleSwatch& s : scale.Swatches) {
        if (!first) *out++ = ' ';
        first = false;
        const TColor c = s.Color;
        const unsigned bytes[3] = {c & 0xFFu, (c >> 8) & 0xFFu, (c >> 16) & 0xFFu};
        for (const unsigned b : bytes) {
          *out++ = Digits[b >> 4];
          *out++ = Digits[b & 15];
        }
      }
    }
    *out++ = '\n';
    EndAnswer(out);
    return true;
  }

  const TScaleRequest& request_;
  TJsonWriter json_;
};

}  // namespace

int RunScaleCommand(const TCliArgs& raw, const TCliIO& io) {
  if (WantsHelp(raw)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  bool json = false;
  const TCliArgs args = WithoutFlag(raw, "--json", json);
  TScaleRequest request;
  try {
    request = ParseRequest(args);
  } catch (const TUsage& usage) {
    return UsageError(io, usage.message);
  }
  if (json) request.output = TOutput::Json;
  if (request.batch) return TScaleBatch(io, request).Run();
  return RunSingle(io, request);
}

}  // namespace tintorium::cli
