#include "ConvertCommand.h"

#include "BatchConverter.h"
#include "CliModel.h"
#include "JsonWriter.h"
#include "core/ColorAdjust.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "core/CssColor.h"

#include <string>

namespace tintorium::cli {

namespace {

constexpr const char* Help =
    "Usage: tintorium-cli convert MODEL V1 V2 V3 [V4]\n"
    "       tintorium-cli convert hex RRGGBB\n"
    "       tintorium-cli convert css TEXT\n"
    "       tintorium-cli convert --batch FROM TO\n"
    "       (any form takes --json)\n"
    "\n"
    "Sets a colour in one model and prints it in every form: the values in RGB, HSB,\n"
    "CMYK and Lab, the hexadecimal text, the \"$00\" form, the decimal form,\n"
    "whether it is web-safe and web-smart, and its CSS forms: #rrggbb, rgb(), hsl(),\n"
    "hwb(), lab(), lch(), oklab(), oklch() and the CSS colour name when it has one.\n"
    "\n"
    "  rgb R G B       0-255 each\n"
    "  hsb H S B       H 0-360, S and B 0-100\n"
    "  cmyk C M Y K    0-100 each\n"
    "  lab L a b       L 0-100, a and b -128 to 127\n"
    "  hex RRGGBB      six hexadecimal digits, optionally after a #\n"
    "  css TEXT        one CSS colour in any CSS Color 4 notation, e.g. '#f80',\n"
    "                  'rgb(255 128 0 / 50%)', 'hsl(30deg, 100%, 50%)', 'oklch(70% 0.15 30)',\n"
    "                  'color(display-p3 1 0.5 0)' or 'rebeccapurple'; colours outside\n"
    "                  sRGB are gamut-mapped as CSS does, and the alpha is shown but dropped\n"
    "\n"
    "--batch FROM TO   reads one tuple of whitespace-separated integers per line from\n"
    "                  standard input, sets the colour in FROM and writes its values\n"
    "                  in TO to standard output, separated by one space, one line per\n"
    "                  input line; a blank line gives a blank line. FROM and TO are\n"
    "                  rgb, hsb, cmyk, lab or color (the decimal colour value\n"
    "                  0x00BBGGRR, 0-16777215). A malformed line\n"
    "                  stops the run with \"line N: <what is wrong>\" on standard error\n"
    "                  and exit status 2.\n"
    "--json            prints one JSON object: {\"model\", \"rgb\", \"hsb\", \"cmyk\",\n"
    "                  \"lab\" (arrays of integers), \"hex\", \"dollar_hex\", \"decimal\",\n"
    "                  \"web_safe\", \"web_smart\", \"css\": {\"hex\", \"rgb\", \"hsl\", \"hwb\",\n"
    "                  \"lab\", \"lch\", \"oklab\", \"oklch\", \"name\" (null when the colour\n"
    "                  has no CSS name)}, \"alpha\"}; with --batch one array of integers\n"
    "                  per line (JSON Lines), null for a blank line.\n"
    "\n"
    "Exit status: 0 done, 1 the input could not be read or the output written,\n"
    "2 bad arguments or input.\n";

int UsageError(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli convert: %s\nTry 'tintorium-cli convert --help'.\n", message.c_str());
  return ExitUsage;
}

void PrintCssForms(TColor color, const TCliIO& io) {
  for (const TCssForm form : CssForms) {
    const std::string label = "CSS " + std::string(form == TCssForm::Named ? "name" : CssFormName(form)) + ":";
    const std::string text = FormatCssColor(color, form);
    std::fprintf(io.out, "%-12s%s\n", label.c_str(), text.empty() ? "(none)" : text.c_str());
  }
}

std::string FormatAlpha(double alpha) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4g", alpha);
  return std::string(buffer) + (alpha < 1 ? " (dropped)" : "");
}

void PrintFormsText(const TColorObject& color, const TCliIO& io);

template <typename TValues>
void WriteChannels(TJsonWriter& json, std::string_view key, std::initializer_list<TValues> values) {
  json.Key(key).BeginArray();
  for (const TValues value : values) json.Integer(value);
  json.EndArray();
}

void WriteFormsJson(const TColorObject& color, double alpha, const TCliIO& io) {
  std::string model;
  ModelName(color.Model(), model);
  const TRGBValues rgb = color.GetRGB();
  const THSBValues hsb = color.GetHSB();
  const TCMYKValues cmyk = color.GetCMYK();
  const TLabValues lab = color.GetLab();
  TJsonWriter json;
  json.BeginObject().Member("model", model);
  WriteChannels(json, "rgb", {rgb.R, rgb.G, rgb.B});
  WriteChannels(json, "hsb", {hsb.H, hsb.S, hsb.B});
  WriteChannels(json, "cmyk", {cmyk.C, cmyk.M, cmyk.Y, cmyk.K});
  WriteChannels(json, "lab", {lab.L, lab.a, lab.b});
  json.Member("hex", color.HexText())
      .Member("dollar_hex", DollarHexColorText(rgb))
      .Member("decimal", VisualStudioColorText(rgb))
      .Member("web_safe", IsOnWebStep(rgb, WebSafeStep))
      .Member("web_smart", IsOnWebStep(rgb, WebSmartStep))
      .Key("css")
      .BeginObject();
  for (const TCssForm form : CssForms) {
    json.Key(form == TCssForm::Named ? "name" : CssFormName(form));
    const std::string text = FormatCssColor(RGBValuesToColor(rgb), form);
    if (text.empty()) json.Null();
    else json.String(text);
  }
  json.EndObject().Key("alpha").Number(alpha, 4).EndObject().WriteLine(io.out);
}

void PrintForms(const TColorObject& color, const TCliIO& io, bool json) {
  if (json) return WriteFormsJson(color, 1, io);
  PrintFormsText(color, io);
}

void PrintFormsText(const TColorObject& color, const TCliIO& io) {
  std::string model;
  ModelName(color.Model(), model);
  const TRGBValues rgb = color.GetRGB();
  const auto yesNo = [](bool b) { return b ? "yes" : "no"; };
  std::fprintf(io.out,
               "Model:      %s\n"
               "RGB:        %s\n"
               "HSB:        %s\n"
               "CMYK:       %s\n"
               "Lab:        %s\n"
               "Hex:        %s\n"
               "Dollar hex: %s\n"
               "Decimal:    %s\n"
               "Web-safe:   %s\n"
               "Web-smart:  %s\n",
               model.c_str(), ValuesText(rgb, true).c_str(), ValuesText(color.GetHSB(), true).c_str(),
               ValuesText(color.GetCMYK(), true).c_str(), ValuesText(color.GetLab(), true).c_str(),
               color.HexText().c_str(), DollarHexColorText(rgb).c_str(), VisualStudioColorText(rgb).c_str(),
               yesNo(IsOnWebStep(rgb, WebSafeStep)), yesNo(IsOnWebStep(rgb, WebSmartStep)));
  PrintCssForms(RGBValuesToColor(rgb), io);
}

int ConvertCss(const TCliArgs& args, const TCliIO& io, bool json) {
  if (args.size() < 2) return UsageError(io, "css takes one CSS colour text, e.g. 'oklch(70% 0.15 30)'");
  // An unquoted "rgb(255 128 0)" reaches us as three arguments; joined again it is the text that was meant.
  std::string text(args[1]);
  for (std::size_t i = 2; i < args.size(); ++i) text += " " + std::string(args[i]);
  std::string error;
  const auto parsed = ParseCssColor(text, error);
  if (!parsed) return UsageError(io, "not a CSS colour: " + error);
  TColorObject color;
  color.SetRGB(ColorToRGBValues(parsed->Color));
  if (json) {
    WriteFormsJson(color, parsed->Alpha, io);
    return ExitOk;
  }
  PrintFormsText(color, io);
  std::fprintf(io.out, "Alpha:      %s\n", FormatAlpha(parsed->Alpha).c_str());
  return ExitOk;
}

int ConvertHex(const TCliArgs& args, const TCliIO& io, bool json) {
  if (args.size() != 2) return UsageError(io, "hex takes one value, RRGGBB");
  std::string_view text = args[1];
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6 || !IsHexText(text))
    return UsageError(io, "'" + std::string(args[1]) + "' is not a six-digit hexadecimal colour (RRGGBB)");
  TColorObject color;
  color.SetRGB(ParseHexColor(text));
  PrintForms(color, io, json);
  return ExitOk;
}

int ConvertOne(TCliModel model, const TCliArgs& args, const TCliIO& io, bool json) {
  const TCliModelInfo& info = CliModelInfo(model);
  const auto given = static_cast<int>(args.size()) - 1;
  if (given != info.arity)
    return UsageError(io, std::string(info.name) + " takes " + std::to_string(info.arity) + " values, " +
                              std::to_string(given) + " given");
  std::int64_t values[4] = {};
  for (int i = 0; i < info.arity; ++i) {
    const std::string_view arg = args[static_cast<std::size_t>(i) + 1];
    const TCliChannel& channel = info.channels[static_cast<std::size_t>(i)];
    if (!ParseCliInteger(arg.data(), arg.data() + arg.size(), values[i]))
      return UsageError(io, "'" + std::string(arg) + "' is not an integer");
    if (!InChannelRange(model, i, values[i]))
      return UsageError(io, "'" + std::string(arg) + "' is out of range for " + std::string(channel.name) + " (" +
                                std::to_string(channel.low) + " to " + std::to_string(channel.high) + ")");
  }
  TColorObject color;
  SetFromValues(color, model, values);
  PrintForms(color, io, json);
  return ExitOk;
}

int ConvertBatch(const TCliArgs& args, const TCliIO& io, bool json) {
  if (args.size() != 3) return UsageError(io, "--batch takes two models, FROM and TO");
  const auto from = ParseCliModel(args[1]);
  const auto to = ParseCliModel(args[2]);
  for (const auto& [model, name] : {std::pair{from, args[1]}, std::pair{to, args[2]}})
    if (!model)
      return UsageError(io, "unknown model '" + std::string(name) + "' (use " + std::string(CliModelNames()) + ")");
  TBatchConverter converter(*from, *to, io, json);
  return converter.Run();
}

}  // namespace

int RunConvertCommand(const TCliArgs& raw, const TCliIO& io) {
  if (WantsHelp(raw)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  bool json = false;
  const TCliArgs args = WithoutFlag(raw, "--json", json);
  if (args.empty()) return UsageError(io, "missing model (rgb, hsb, cmyk, lab, hex, css or --batch)");
  const std::string_view first = args[0];
  if (first == "--batch") return ConvertBatch(args, io, json);
  if (first == "hex") return ConvertHex(args, io, json);
  if (first == "css") return ConvertCss(args, io, json);
  const auto model = ParseCliModel(first);
  if (!model || *model == TCliModel::Color)
    return UsageError(io, "unknown model '" + std::string(first) + "' (use rgb, hsb, cmyk, lab, hex or css)");
  return ConvertOne(*model, args, io, json);
}

}  // namespace tintorium::cli
