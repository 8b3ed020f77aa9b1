#include "ScanCommand.h"

#include "HeadlessApp.h"
#include "JsonWriter.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "engine/web/CssColorStream.h"
#include "engine/web/UrlFetch.h"
#include "engine/web/WebScan.h"

#include <QFileInfo>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli scan [--all-notations [--details]] [--json] FILE|ADDRESS\n"
    "\n"
    "Prints the colours a web page or style sheet writes with \"#\", one six-digit\n"
    "hexadecimal text per line, in order, duplicates kept, letter case as written\n"
    "(\"#fff\" gives fff written twice per digit: ffffff). Any file is read as text;\n"
    "an ADDRESS containing http:// or starting with https:// is fetched first\n"
    "(redirects followed, never from https:// down to http://).\n"
    "\n"
    "  --all-notations  every CSS Color 4 notation where a CSS parser sees a colour:\n"
    "                   #rgb, #rgba, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(),\n"
    "                   hwb(), lab(), lch(), oklab(), oklch(), color() and the 148\n"
    "                   named colours, in property values only (not in selectors,\n"
    "                   comments or strings). A .css file is a style sheet, .scss an\n"
    "                   SCSS file, anything else an HTML page, whose <style> elements\n"
    "                   and style attributes are read. Alpha is dropped; colours\n"
    "                   outside sRGB are mapped into it. Printed in upper case.\n"
    "  --details        with --all-notations: each colour, its property and its\n"
    "                   notation as written, tab-separated\n"
    "  --json           prints one JSON object: {\"source\", \"colors\": an array of\n"
    "                   RRGGBB, or with --details of {\"hex\", \"property\",\n"
    "                   \"notation\"}}\n"
    "\n"
    "Exit status: 0 done, 1 the file could not be read or fetched, 2 bad arguments.\n";

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }

int Failure(const TCliIO& io, const QString& source, const QString& message) {
  std::fprintf(io.err, "tintorium-cli scan: %s: %s\n", Utf8(source).c_str(), Utf8(message).c_str());
  return ExitFailure;
}

struct TScanOptions {
  bool allNotations = false;
  bool details = false;
  bool json = false;
  std::vector<std::string_view> sources;
};

TScanOptions ParseOptions(const TCliArgs& args, bool& valid) {
  TScanOptions options;
  valid = true;
  for (const std::string_view arg : args) {
    if (arg == "--all-notations") {
      options.allNotations = true;
    } else if (arg == "--details") {
      options.details = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      valid = false;
    } else {
      options.sources.push_back(arg);
    }
  }
  valid = valid && options.sources.size() == 1 && (!options.details || options.allNotations);
  return options;
}

// One line: a tab or line break inside a notation or a name would break the columns.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

TFileResult ScanAllNotations(const QString& file, const TScanOptions& options, TJsonWriter* json, const TCliIO& io) {
  return ScanCssColorsFile(file, [&](const TCssColorMatch& match) {
    const std::string hex = HexText(ColorToRGBValues(match.Color));
    if (json && options.details) {
      json->BeginObject()
          .Member("hex", hex)
          .Member("property", match.Property)
          .Member("notation", match.Notation)
          .EndObject();
    } else if (json) {
      json->String(hex);
    } else if (options.details) {
      std::fprintf(io.out, "%s\t%s\t%s\n", hex.c_str(), OneLine(match.Property).c_str(),
                   OneLine(match.Notation).c_str());
    } else {
      std::fprintf(io.out, "%s\n", hex.c_str());
    }
  });
}

}  // namespace

int RunScanCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  bool valid = false;
  const TScanOptions options = ParseOptions(args, valid);
  if (!valid) {
    std::fputs("tintorium-cli scan: expected one FILE or ADDRESS, and --details only with --all-notations\n"
               "Try 'tintorium-cli scan --help'.\n",
               io.err);
    return ExitUsage;
  }
  const THeadlessApp app;
  const QString source =
      QString::fromUtf8(options.sources[0].data(), static_cast<qsizetype>(options.sources[0].size()));
  TUrlDownload download;
  QString file = source;
  if (IsWebAddress(source)) {
    download = FetchUrl(source);
    if (!download.Ok()) return Failure(io, source, download.Status().Message());
    file = download.FileName();
  } else if (!QFileInfo::exists(file)) {
    return Failure(io, source, QString::fromLatin1(kFileNotFoundText));
  }
  // Printed as found, so a file of any size takes no more memory than one block (JSON gathers its one document).
  std::optional<TJsonWriter> json;
  if (options.json) json.emplace().BeginObject().Member("source", Utf8(source)).Key("colors").BeginArray();
  TJsonWriter* to = json ? &*json : nullptr;
  const TFileResult scanned =
      options.allNotations ? ScanAllNotations(file, options, to, io)
                           : ScanTextColorsFile(file, [&io, to](const QString& color) {
                               if (to) to->String(color.toLatin1().toStdString());
                               else std::fprintf(io.out, "%s\n", color.toLatin1().constData());
                             });
  if (!scanned.Ok()) return Failure(io, source, scanned.Message());
  if (json) json->EndArray().EndObject().WriteLine(io.out);
  return ExitOk;
}

}  // namespace tintorium::cli
