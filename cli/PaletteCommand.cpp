#include "PaletteCommand.h"

#include "ColorLines.h"
#include "HeadlessApp.h"
#include "core/ColorText.h"
#include "engine/formats/ExportRules.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/formats/ImportRules.h"
#include "engine/web/UrlFetch.h"
#include "engine/palette/ForeignPalette.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/palette/PaletteFile.h"
#include "engine/palette/PaletteSort.h"

#include <QFileInfo>
#include <QString>

#include <optional>
#include <string>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli palette show FILE [--no-duplicates] [--no-grays] [--json]\n"
    "       tintorium-cli palette convert IN OUT [--per-line N] [--swatch WxH] [--text]\n"
    "                                            [--no-duplicates] [--no-grays]\n"
    "                                            [--all-notations] [--css-variables]\n"
    "                                            [--notation hex|rgb|oklch]\n"
    "                                            [--template FILE]\n"
    "       tintorium-cli palette sort FILE KEY ASC|DESC OUT\n"
    "       tintorium-cli palette dedupe FILE OUT\n"
    "\n"
    "Sources (FILE, IN): a palette (.tnp), a swatch file (.aco), a colour table (.act),\n"
    "a GIMP palette (.gpl), an Adobe Swatch Exchange file (.ase: a colour in a group is\n"
    "named \"group / name\"), a web page or style sheet (.html, .htm, .php, .css: its\n"
    "\"#\" colours, or with --all-notations every CSS colour notation), an SCSS file\n"
    "(.scss: every CSS colour notation, a variable's colour named after it), a W3C\n"
    "Design Tokens file (.tokens.json: its colour tokens, \"group / name\" inside a\n"
    "group), an image (.bmp, .jpg, .jpeg, .png: up to 256 colours; .gif: its colour\n"
    "table), a LibreOffice color table (.soc), Scribus swatches (.xml), a hex color\n"
    "list (.hex), a Paint.NET palette (.txt), or an address containing http:// or\n"
    "starting with https:// (fetched, then read by the name it ends in, or by the\n"
    "type the server gives when that name is none of the above).\n"
    "\n"
    "Targets (OUT): .tnp, .aco, .act, .gpl, .ase (RGB), .css (class rules, or custom\n"
    "properties with --css-variables), .scss (SCSS variables), .tokens.json (W3C\n"
    "Design Tokens), .html/.htm/.php (colour chart), .xml, .txt (colour-set text),\n"
    ".bmp/.png/.jpg/.jpeg/.gif (swatch picture), .soc (LibreOffice color table),\n"
    ".hex (hex color list), .xml with --as scribus (Scribus swatches), .txt with\n"
    "--as paint.net (Paint.NET palette, 96 colours at most).\n"
    "\n"
    "  show       one line per colour: name, model, values, hexadecimal text (tab-separated)\n"
    "  convert    reads IN and writes its colours to OUT\n"
    "  sort       orders by KEY, one of the 14 sort values by index (0-13) or name:\n"
    "             \"System color value\", \"RGB - R value\", ... \"Lab - b value\"; the part\n"
    "             after \" - \" is enough when it is unique (Hue, Luminance, \"R value\")\n"
    "  dedupe     drops every colour held in the same model with the same values as an\n"
    "             earlier one\n"
    "\n"
    "  --no-duplicates   skip a colour whose hexadecimal text was already taken\n"
    "  --no-grays        skip colours whose red, green and blue are equal\n"
    "  --per-line N      swatches per row in a picture, 1-256 (default 8)\n"
    "  --swatch WxH      swatch size in pixels, 1-256 each (default 32x32)\n"
    "  --text            draw each colour's name and values beside its swatch\n"
    "  --all-notations   read a web page or .css file for every CSS Color 4 notation\n"
    "                    in property values (alpha dropped); a custom property's\n"
    "                    colour is named after it\n"
    "  --css-variables   write a .css file as custom properties in :root\n"    "  --as FORMAT       write OUT in a format its extension does not choose by itself:\n"
    "                    scribus (.xml) or paint.net (.txt)\n"
    "  --template FILE   write OUT through the export template FILE, whatever OUT's\n"
    "                    extension (see the user guide: {{name}}, {{hex}}, {{#colors}}...)\n"
    "  --notation N      how .scss, .tokens.json and --css-variables write a colour:\n"
    "                    hex (#ff8000, the default), rgb (rgb(255 128 0)) or oklch\n"
    "  --json            show prints one JSON object: {\"source\", \"colors\": an array\n"
    "                    of {\"name\", \"model\", \"values\", \"rgb\", \"hex\"}}\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 bad arguments.\n";

struct TOptions {
  std::vector<std::string_view> positional;
  TImportOptions import;
  TExportOptions output;
  bool json = false;
};

class TUsageError {
 public:
  explicit TUsageError(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

int Usage(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli palette: %s\nTry 'tintorium-cli palette --help'.\n", message.c_str());
  return ExitUsage;
}

int Failure(const TCliIO& io, const QString& file, const QString& message) {
  std::fprintf(io.err, "tintorium-cli palette: %s: %s\n", Utf8(file).c_str(), Utf8(message).c_str());
  return ExitFailure;
}

std::optional<int> ParseRange(std::string_view text, int low, int high) {
  std::int64_t value = 0;
  if (text.empty() || text.size() > 6) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

// "--name value" or "--name=value".
std::string_view OptionValue(const TCliArgs& args, std::size_t& i, std::string_view name) {
  const std::string_view arg = args[i];
  if (arg.size() > name.size() && arg[name.size()] == '=') return arg.substr(name.size() + 1);
  if (i + 1 >= args.size()) throw TUsageError(std::string(name) + " needs a value");
  return args[++i];
}

bool Named(std::string_view arg, std::string_view name) {
  return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=');
}

// A writer chosen by name: the first word of a format that only writes when chosen ("scribus").
TExportWriter ChosenWriter(std::string_view name) {
  QStringList names;
  for (const TFileFormat& format : FileFormats()) {
    if ((format.Flags & fWriteByChoice) == 0 || format.Export == TExportWriter::CssVariables) continue;
    if (format.Export >= TExportWriter::ScaleCss) continue;  // scales are the scale command's
    const QString word = QString::fromLatin1(format.Name).section(u' ', 0, 0).toLower();
    if (word == Text(name).toLower()) return format.Export;
    names << word;
  }
  throw TUsageError("--as takes " + Utf8(names.join(u'|')));
}

TOptions ParseOptions(const TCliArgs& args) {
  TOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--no-duplicates") {
      options.import.NoDuplicates = true;
    } else if (arg == "--no-grays") {
      options.import.NoGrays = true;
    } else if (arg == "--all-notations") {
      options.import.AllNotations = true;
    } else if (arg == "--css-variables") {
      options.output.CssVariables = true;
    } else if (Named(arg, "--as")) {
      options.output.Chosen = ChosenWriter(OptionValue(args, i, "--as"));
    } else if (Named(arg, "--template")) {
      options.output.TemplateFile = Text(OptionValue(args, i, "--template"));
      if (options.output.TemplateFile.isEmpty()) throw TUsageError("--template needs a file");
    } else if (Named(arg, "--notation")) {
      const auto notation = CodeNotationFromName(OptionValue(args, i, "--notation"));
      if (!notation) throw TUsageError("--notation takes hex, rgb or oklch");
      options.output.Notation = *notation;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--text") {
      options.output.Image.DrawText = true;
    } else if (Named(arg, "--per-line")) {
      const auto value = ParseRange(OptionValue(args, i, "--per-line"), 1, 256);
      if (!value) throw TUsageError("--per-line takes a whole number from 1 to 256");
      options.output.Image.PerLine = *value;
    } else if (Named(arg, "--swatch")) {
      const std::string_view size = OptionValue(args, i, "--swatch");
      const auto x = size.find_first_of("xX");
      const auto width = x == std::string_view::npos ? std::nullopt : ParseRange(size.substr(0, x), 1, 256);
      const auto height = x == std::string_view::npos ? std::nullopt : ParseRange(size.substr(x + 1), 1, 256);
      if (!width || !height) throw TUsageError("--swatch takes WxH, each from 1 to 256 (for example 32x32)");
      options.output.Image.SwatchWidth = *width;
      options.output.Image.SwatchHeight = *height;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw TUsageError("unknown option '" + std::string(arg) + "'");
    } else {
      options.positional.push_back(arg);
    }
  }
  return options;
}

bool IsAddress(const QString& source) { return IsWebAddress(source); }
// Our own palette file: read and written as it is, outside the import and export rules.
bool IsPaletteFile(const QString& path) { return PathHasFormatExtension(path, NativePaletteFormat()); }

void RequireReadable(const QString& source) {
  if (IsAddress(source)) return;
  const TFileFormat* format = FormatForPath(source, TFormatUse::Read);
  if (format == nullptr || (format->Import == TImportSource::None && (format->Flags & fPalette) == 0)) {
    throw TUsageError("'" + Utf8(source) + "': not a file type colours can be read from");
  }
}

void RequireWritable(const QString& target, const TExportOptions& output) {
  if (!output.TemplateFile.isEmpty()) return;  // a template writes any name
  const TFileFormat* format = FormatForPath(target, TFormatUse::Write);
  if (format == nullptr || (format->Export == TExportWriter::None && (format->Flags & fNative) == 0)) {
    throw TUsageError("'" + Utf8(target) + "': not a file type colours can be written to");
  }
}

// Keeps the rows the import filters would keep, for a palette read with its own models.
TPaletteEntries Filtered(TPaletteEntries entries, const TImportOptions& options) {
  if (!options.NoDuplicates && !options.NoGrays) return entries;
  TPaletteEntries kept;
  QSet<QString> seen;
  for (TPaletteEntry& entry : entries) {
    const TRGBValues rgb = entry.Color.GetRGB();
    const QString hex = QString::fromStdString(entry.Color.HexText());
    if (options.NoGrays && rgb.R == rgb.G && rgb.G == rgb.B) continue;
    if (options.NoDuplicates && seen.contains(hex)) continue;
    seen.insert(hex);
    kept.push_back(std::move(entry));
  }
  return kept;
}

TReadResult<TPaletteEntries> ReadEntries(const QString& source, const TImportOptions& options) {
  TReadResult<TPaletteEntries> result;
  if (!IsAddress(source) && !QFileInfo::exists(source)) {
    result.Status = TFileResult::FileNotFound();
    return result;
  }
  if (!IsAddress(source) && PaletteFormatForPath(source) != nullptr) {
    // Swatch files keep their names and the models they give (an .ase Lab colour stays Lab).
    result.Status = ReadAnyPaletteFile(source, result.Value);
    if (!result.Ok()) result.Value.clear();
    result.Value = Filtered(std::move(result.Value), options);
    return result;
  }
  const TReadResult<QList<TImportRow>> rows = ImportColorRows(source, options);
  result.Status = rows.Status;
  for (const TImportRow& row : rows.Value) {
    TColorObject color;
    color.SetRGB(ParseHexColor(row.Hex.toStdString()));
    result.Value.push_back({row.Caption, color});
  }
  return result;
}

TFileResult WriteEntries(const QString& target, const TPaletteEntries& entries, const TExportOptions& output) {
  if (IsPaletteFile(target) && output.TemplateFile.isEmpty()) return WritePaletteFile(target, entries);
  TColors colors;
  colors.reserve(entries.size());
  for (const TPaletteEntry& entry : entries) colors.emplace_back(entry.Color, entry.Name.toStdU16String());
  return ExportColors(target, colors, output).Status;
}

// One line: tabs and line breaks inside a name would break the columns.
std::optional<int> ParseSortKey(std::string_view text) {
  if (const auto index = ParseRange(text, 0, SortKeyCount - 1)) return index;
  const QString key = Text(text).trimmed();
  for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
    std::optional<int> found;
    int matches = 0;
    for (int i = 0; i < SortKeyCount; ++i) {
      const QString name = Text(SortKeyNames[static_cast<std::size_t>(i)]);
      const qsizetype dash = name.indexOf(QStringLiteral(" - "));
      const QString tail = dash < 0 ? name : name.mid(dash + 3);
      if (name.compare(key, Qt::CaseInsensitive) == 0) return i;
      if (tail.compare(key, sensitivity) == 0) {
        found = i;
        ++matches;
      }
    }
    if (matches == 1) return found;
  }
  return std::nullopt;
}

std::optional<int> ParseSortOrder(std::string_view text) {
  const QString order = Text(text).toUpper();
  if (order == u"ASC" || order == u"ASCENDING") return soAscending;
  if (order == u"DESC" || order == u"DESCENDING") return soDescending;
  return std::nullopt;
}

void RequireCount(const TOptions& options, std::size_t count, const char* usage) {
  if (options.positional.size() != count) throw TUsageError(std::string("usage: tintorium-cli palette ") + usage);
}

int Show(const TOptions& options, const TCliIO& io) {
  RequireCount(options, 2, "show FILE");
  const QString source = Text(options.positional[1]);
  RequireReadable(source);
  const TReadResult<TPaletteEntries> read = ReadEntries(source, options.import);
  if (!read.Ok()) return Failure(io, source, read.Status.Message());
  if (options.json) {
    TJsonWriter json;
    json.BeginObject().Member("source", Utf8(source)).Key("colors").BeginArray();
    for (const TPaletteEntry& entry : read.Value) WriteColorJson(json, entry.Name, entry.Color);
    json.EndArray().EndObject().WriteLine(io.out);
    return ExitOk;
  }
  for (const TPaletteEntry& entry : read.Value) PrintColorLine(io, entry.Name, entry.Color);
  return ExitOk;
}

// Reads `source`, lets `rework` change its entries, and writes them to `target`.
template <typename TRework>
int Rewrite(const TOptions& options, const TCliIO& io, const QString& source, const QString& target,
            const TRework& rework) {
  RequireReadable(source);
  RequireWritable(target, options.output);
  TReadResult<TPaletteEntries> read = ReadEntries(source, options.import);
  if (!read.Ok()) return Failure(io, source, read.Status.Message());
  rework(read.Value);
  TExportOptions output = options.output;
  if (output.PaletteName.isEmpty() && !IsAddress(source)) output.PaletteName = TPaletteDocument::PaletteNameOf(source);
  const TFileResult written = WriteEntries(target, read.Value, output);
  return written.Ok() ? ExitOk : Failure(io, target, written.Message());
}

int Convert(const TOptions& options, const TCliIO& io) {
  RequireCount(options, 3, "convert IN OUT [options]");
  return Rewrite(options, io, Text(options.positional[1]), Text(options.positional[2]), [](TPaletteEntries&) {});
}

int Sort(const TOptions& options, const TCliIO& io) {
  RequireCount(options, 5, "sort FILE KEY ASC|DESC OUT");
  const auto key = ParseSortKey(options.positional[2]);
  if (!key) throw TUsageError("unknown sort key '" + std::string(options.positional[2]) + "'");
  const auto order = ParseSortOrder(options.positional[3]);
  if (!order) throw TUsageError("the order is ASC or DESC, not '" + std::string(options.positional[3]) + "'");
  return Rewrite(options, io, Text(options.positional[1]), Text(options.positional[4]),
                 [&](TPaletteEntries& entries) { SortPalette(entries, *key, *order); });
}

int Dedupe(const TOptions& options, const TCliIO& io) {
  RequireCount(options, 3, "dedupe FILE OUT");
  return Rewrite(options, io, Text(options.positional[1]), Text(options.positional[2]), [](TPaletteEntries& entries) {
    TPaletteDocument document;
    for (const TPaletteEntry& entry : entries) document.AddPaletteColor(entry.Name, entry.Color);
    document.RemoveDuplicateColors();
    entries = document.Entries();
  });
}

}  // namespace

TPaletteSourceRead ReadPaletteSource(std::string_view source) {
  TPaletteSourceRead read;
  const QString path = Text(source);
  try {
    RequireReadable(path);
  } catch (const TUsageError& error) {
    read.Status = ExitUsage;
    read.Message = error.Message();
    return read;
  }
  TReadResult<TPaletteEntries> entries = ReadEntries(path, TImportOptions());
  if (!entries.Ok()) {
    read.Status = ExitFailure;
    read.Message = Utf8(path) + ": " + Utf8(entries.Status.Message());
    return read;
  }
  read.Entries = std::move(entries.Value);
  return read;
}

int RunPaletteCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  try {
    const TOptions options = ParseOptions(args);
    if (options.positional.empty()) return Usage(io, "missing action (show, convert, sort or dedupe)");
    const THeadlessApp app;
    const std::string_view action = options.positional[0];
    if (action == "show") return Show(options, io);
    if (action == "convert") return Convert(options, io);
    if (action == "sort") return Sort(options, io);
    if (action == "dedupe") return Dedupe(options, io);
    return Usage(io, "unknown action '" + std::string(action) + "'");
  } catch (const TUsageError& error) {
    return Usage(io, error.Message());
  }
}

}  // namespace tintorium::cli
