#include "ContrastCommand.h"

#include "ContrastBatch.h"
#include "JsonWriter.h"
#include "LineBatch.h"
#include "HeadlessApp.h"
#include "PaletteCommand.h"
#include "SchemeArgs.h"
#include "engine/formats/ContrastTable.h"
#include "core/ColorVision.h"
#include "core/Contrast.h"
#include "core/ContrastFix.h"
#include "core/ContrastTarget.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli contrast FOREGROUND BACKGROUND [--cvd] [--fix TARGET]\n"
    "       tintorium-cli contrast --batch\n"
    "       tintorium-cli contrast --matrix PALETTE [--cvd KIND[:SEVERITY]]\n"
    "                              [--target TARGET] [--format text|csv|json|md|html]\n"
    "       (every form takes --json)\n"
    "\n"
    "Measures a text colour against a background colour (RRGGBB, optionally after #):\n"
    "the WCAG 1.0 brightness difference (at least 125) and colour difference (at least\n"
    "500) with their verdict, and the WCAG 2 contrast ratio with its marks for large and\n"
    "small text: pass (AAA), partial (AA) or fail. Large text passes from 4.5 : 1 and is\n"
    "partial from 3 : 1; small text passes from 7 : 1 and is partial from 4.5 : 1.\n"
    "Then the APCA lightness contrast Lc of the text on the background (positive for\n"
    "dark text on light, negative for light on dark) with its readability level.\n"
    "\n"
    "  --cvd     also shows both colours and their ratio as seen with protanopia,\n"
    "            deuteranopia and tritanopia (Machado, Oliveira & Fernandes 2009,\n"
    "            full severity)\n"
    "  --fix TARGET  also suggests the colour nearest to the text colour (deltaE OK,\n"
    "            same OKLCH hue) that meets TARGET on the background: aa, aaa,\n"
    "            aa-large, apca60, apca75 or apca90; says so where no colour of that\n"
    "            hue meets it\n"
    "  --batch   reads one 'RRGGBB RRGGBB' pair per line from standard input and writes\n"
    "            'brightness colour pass ratio large small lc' per line: pass 1 or 0,\n"
    "            the ratio with six decimals, the marks 0 fail, 1 pass, 2 partial, the\n"
    "            APCA Lc of the first colour as text on the second with one decimal; a\n"
    "            blank line gives a blank line; stops at the first malformed line\n"
    "  --matrix PALETTE  measures every ordered pair of two different colours of\n"
    "            PALETTE (any file 'palette show' reads) as text on background: one\n"
    "            row per pair with the text's and the background's names and hex\n"
    "            values, the WCAG 2 ratio cut to two decimals, the APCA Lc with one\n"
    "            decimal and the targets the pair meets, then the number of pairs\n"
    "            meeting each target; a palette of 0 or 1 colours gives an empty table\n"
    "    --cvd KIND[:SEVERITY]  measures the colours as seen with KIND: protanomaly,\n"
    "            deuteranomaly, tritanomaly (Machado 2009), protanopia, deuteranopia,\n"
    "            tritanopia (Brettel 1997) or achromatopsia, SEVERITY from 0 to 1\n"
    "            (default 1)\n"
    "    --target TARGET  lists only the pairs meeting TARGET (the summary still\n"
    "            counts all): aa, aaa, aa-large, apca60, apca75 or apca90\n"
    "    --format  text (default), csv (header, flags 1 or 0), json (as --json),\n"
    "            md (a Markdown table) or html (a self-contained page with the grid)\n"
    "  --json    prints one JSON object: {\"foreground\", \"background\" (RRGGBB),\n"
    "            \"brightness_difference\", \"colour_difference\", \"wcag1\" (true or\n"
    "            false), \"ratio\", \"large_text\", \"small_text\" (pass, partial or\n"
    "            fail), \"lc\" (APCA Lc, one decimal), \"apca_level\"}, with --cvd also\n"
    "            \"color_vision\": an array of objects {\"vision\", \"foreground\",\n"
    "            \"background\", \"ratio\", \"large_text\", \"small_text\", \"lc\"}; with\n"
    "            --batch one such object per line without \"color_vision\" (JSON Lines),\n"
    "            null for a blank line; with --matrix {\"vision\", \"target\" (null for\n"
    "            none), \"colors\": [{\"name\", \"hex\"}], \"pairs\": [{\"text\",\n"
    "            \"background\", \"text_hex\", \"background_hex\", \"ratio\", \"lc\",\n"
    "            \"wcag\" (AAA, AA, AA large or Fail), \"passes\" (target names)}],\n"
    "            \"summary\": [{\"target\", \"pairs\"}]}\n"
    "\n"
    "Exit status: 0 done, 1 the input could not be read or the output written,\n"
    "2 bad arguments or input.\n";

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli contrast: %s\nTry 'tintorium-cli contrast --help'.\n", message.c_str());
  return ExitUsage;
}

std::string TwoDecimals(double ratio) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, ratio, std::chars_format::fixed, 2).ptr;
  return std::string(text, end);
}

// One decimal, and never "-0.0": a pair below the clip reads 0.0 whatever the rounding sign.
std::string OneDecimal(double lc) {
  if (std::abs(lc) < 0.05) lc = 0;
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, lc, std::chars_format::fixed, 1).ptr;
  return std::string(text, end);
}

std::string MarkText(TContrastMark mark) {
  switch (mark) {
    case TContrastMark::Pass: return "pass (AAA)";
    case TContrastMark::Partial: return "partial (AA)";
    case TContrastMark::Fail: break;
  }
  return "fail";
}

void PrintMeasurement(TColor text, TColor back, const TCliIO& io) {
  const TContrastResult r = MeasureContrast(back, text);
  std::fprintf(io.out,
               "Brightness difference: %d (min %d)\n"
               "Colour difference: %d (min %d)\n"
               "WCAG 1.0: %s\n"
               "Contrast ratio: %s : 1\n"
               "Large text: %s\n"
               "Small text: %s\n",
               r.BrightDiff, MinBrightDiff, r.ColorDiff, MinColorDiff, r.Pass ? "pass" : "fail",
               TwoDecimals(r.Ratio).c_str(), MarkText(LargeTextMark(r.Ratio)).c_str(),
               MarkText(SmallTextMark(r.Ratio)).c_str());
  const double lc = ApcaContrast(text, back);
  std::fprintf(io.out, "APCA Lc: %s (%s)\n", OneDecimal(lc).c_str(),
               std::string(ApcaLevelName(ApcaLevelOf(lc))).c_str());
}

void PrintColorVision(TColor text, TColor back, const TCliIO& io) {
  for (const TColorVision vision : ColorVisions) {
    const TColor seenText = SimulateColorVision(text, vision);
    const TColor seenBack = SimulateColorVision(back, vision);
    const double ratio = MeasureContrast(seenBack, seenText).Ratio;
    const std::string name(ColorVisionNames[static_cast<std::size_t>(vision)]);
    std::fprintf(io.out, "%-13s %s on %s, contrast ratio %s : 1, large text %s, small text %s\n",
                 (name + ":").c_str(), HexOf(seenText).c_str(), HexOf(seenBack).c_str(),
                 TwoDecimals(ratio).c_str(), MarkText(LargeTextMark(ratio)).c_str(),
                 MarkText(SmallTextMark(ratio)).c_str());
  }
}

void WriteJson(TColor text, TColor back, bool vision, const TCliIO& io) {
  TJsonWriter json;
  json.BeginObject();
  WriteContrastMembers(json, text, back);
  if (vision) {
    json.Key("color_vision").BeginArray();
    for (const TColorVision kind : ColorVisions) {
      const TColor seenText = SimulateColorVision(text, kind);
      const TColor seenBack = SimulateColorVision(back, kind);
      const double ratio = MeasureContrast(seenBack, seenText).Ratio;
      json.BeginObject()
          .Member("vision", ColorVisionNames[static_cast<std::size_t>(kind)])
          .Member("foreground", HexOf(seenText))
          .Member("background", HexOf(seenBack))
          .Key("ratio")
          .Number(ratio, 6)
          .Member("large_text", ContrastMarkName(static_cast<int>(LargeTextMark(ratio))))
          .Member("small_text", ContrastMarkName(static_cast<int>(SmallTextMark(ratio))))
          .Key("lc")
          .Number(RoundedLc(ApcaContrast(seenText, seenBack)), 1)
          .EndObject();
    }
    json.EndArray();
  }
  json.EndObject().WriteLine(io.out);
}

void PrintFix(TColor text, TColor back, TContrastTarget target, const TCliIO& io) {
  const std::string name(ContrastTargetName(target));
  const std::optional<TContrastFix> fix = SuggestContrastFix(text, back, target);
  if (!fix) {
    std::fprintf(io.out, "Fix for %s: no colour of this hue meets %s on %s\n", name.c_str(), name.c_str(),
                 HexOf(back).c_str());
    return;
  }
  char deltaE[32];
  const auto end = std::to_chars(deltaE, deltaE + sizeof deltaE, fix->DeltaEOK, std::chars_format::fixed, 4).ptr;
  std::fprintf(io.out, "Fix for %s: %s, deltaE OK %s, contrast ratio %s : 1, APCA Lc %s\n", name.c_str(),
               HexOf(fix->Color).c_str(), std::string(deltaE, end).c_str(), TwoDecimals(fix->Ratio).c_str(),
               OneDecimal(fix->Lc).c_str());
}

int RunMatrix(const TCliArgs& args, bool json, const TCliIO& io) {
  std::optional<std::string> source;
  std::optional<TVisionView> view;
  std::optional<TContrastTarget> target;
  std::optional<TContrastTableFormat> format;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg(args[i]);
    const bool hasValue = i + 1 < args.size();
    if (arg == "--matrix") {
      if (!hasValue) return UsageError(io, "--matrix needs a PALETTE");
      if (source) return UsageError(io, "--matrix takes one PALETTE");
      source = std::string(args[++i]);
    } else if (arg == "--cvd") {
      if (!hasValue) return UsageError(io, "--cvd with --matrix needs a KIND[:SEVERITY]");
      const std::string value(args[++i]);
      view = ParseVisionView(value);
      if (!view) return UsageError(io, "unknown colour vision " + QuotedForMessage(value));
    } else if (arg == "--target") {
      if (!hasValue) return UsageError(io, "--target needs a TARGET (aa, aaa, aa-large, apca60, apca75, apca90)");
      const std::string value(args[++i]);
      target = ParseContrastTarget(value);
      if (!target) return UsageError(io, "unknown target " + QuotedForMessage(value));
    } else if (arg == "--format") {
      if (!hasValue) return UsageError(io, "--format needs text, csv, json, md or html");
      const std::string value(args[++i]);
      format = ParseContrastTableFormat(value);
      if (!format) return UsageError(io, "unknown format " + QuotedForMessage(value));
    } else {
      return UsageError(io, "unexpected argument " + QuotedForMessage(arg) + " with --matrix");
    }
  }
  if (json && format && *format != TContrastTableFormat::Json) return UsageError(io, "--json and --format disagree");
  if (json) format = TContrastTableFormat::Json;
  const THeadlessApp app;
  TPaletteSourceRead read = ReadPaletteSource(*source);
  if (read.Status == ExitUsage) return UsageError(io, read.Message);
  if (read.Status != ExitOk) {
    std::fprintf(io.err, "tintorium-cli contrast: %s\n", read.Message.c_str());
    return read.Status;
  }
  std::vector<TContrastTableColor> colors;
  colors.reserve(read.Entries.size());
  for (const TPaletteEntry& entry : read.Entries) colors.push_back({entry.Name, entry.Color.GetColor()});
  const QByteArray text =
      WriteContrastTable(MakeContrastTable(std::move(colors), view, target), format.value_or(TContrastTableFormat::Text));
  if (std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), io.out) !=
          static_cast<std::size_t>(text.size()) ||
      std::fflush(io.out) != 0) {
    std::fprintf(io.err, "tintorium-cli contrast: the table could not be written\n");
    return ExitFailure;
  }
  return ExitOk;
}

bool HasMatrix(const TCliArgs& args) {
  return std::find(args.begin(), args.end(), std::string_view("--matrix")) != args.end();
}

}  // namespace

int RunContrastCommand(const TCliArgs& raw, const TCliIO& io) {
  if (WantsHelp(raw)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  bool json = false;
  const TCliArgs args = WithoutFlag(raw, "--json", json);
  if (HasMatrix(args)) return RunMatrix(args, json, io);
  if (!args.empty() && args[0] == "--batch") {
    if (args.size() != 1) return UsageError(io, "--batch takes no other arguments");
    return TContrastBatch(io, json).Run();
  }
  std::optional<TColor> colors[2];
  int given = 0;
  bool vision = false;
  std::optional<TContrastTarget> fixTarget;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg(args[i]);
    if (arg == "--cvd") {
      vision = true;
    } else if (arg == "--fix") {
      if (i + 1 == args.size()) return UsageError(io, "--fix needs a TARGET (aa, aaa, aa-large, apca60, apca75, apca90)");
      const std::string name(args[++i]);
      fixTarget = ParseContrastTarget(name);
      if (!fixTarget) return UsageError(io, "unknown target " + QuotedForMessage(name));
    } else if (arg == "--batch") {
      return UsageError(io, "--batch takes no other arguments");
    } else if (arg == "--target" || arg == "--format") {
      return UsageError(io, arg + " goes with --matrix");
    } else if (given < 2 && !(arg.size() > 1 && arg[0] == '-')) {
      colors[given] = ParseColorArgument(arg);
      if (!colors[given]) return UsageError(io, "'" + arg + "' is not a colour RRGGBB");
      ++given;
    } else {
      return UsageError(io, "unexpected argument '" + arg + "'");
    }
  }
  if (given == 0) return UsageError(io, "missing FOREGROUND and BACKGROUND");
  if (given == 1) return UsageError(io, "missing BACKGROUND");
  if (json) {
    WriteJson(*colors[0], *colors[1], vision, io);
    return ExitOk;
  }
  PrintMeasurement(*colors[0], *colors[1], io);
  if (vision) {
    std::fputc('\n', io.out);
    PrintColorVision(*colors[0], *colors[1], io);
  }
  if (fixTarget) {
    std::fputc('\n', io.out);
    PrintFix(*colors[0], *colors[1], *fixTarget, io);
  }
  return ExitOk;
}

}  // namespace tintorium::cli
