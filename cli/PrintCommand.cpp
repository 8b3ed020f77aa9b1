#include "PrintCommand.h"

#include "HeadlessApp.h"
#include "SchemeArgs.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/palette/ForeignPalette.h"
#include "engine/palette/PaletteFile.h"
#include "engine/print/PrintCards.h"
#include "engine/print/PrintPdf.h"

#include <QFileInfo>
#include <QPageSize>
#include <QString>

#include <optional>
#include <string>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli print PALETTE OUT.pdf [--wheel COLOR] [--paper a4|letter]\n"
    "\n"
    "Writes the printed scheme of PALETTE as a PDF: one card per colour with its swatch,\n"
    "name and values, three to a line on the page, as Print Scheme prints them.\n"
    "PALETTE is a palette (.tnp) or a swatch file (.aco, .act, .gpl, .ase).\n"
    "\n"
    "--wheel COLOR     add the twelve colour wheel cards (RGB wheel) of COLOR (RRGGBB,\n"
    "                  optionally after a #) after the palette's cards\n"
    "--paper a4|letter the paper size (default a4)\n"
    "\n"
    "The PDF is written whole or not at all. Exit status: 0 done, 1 the palette could not\n"
    "be read, has no colours, or the PDF could not be written, 2 bad arguments.\n";

struct TPrintOptions {
  std::vector<std::string_view> files;
  std::optional<TColor> wheel;
  QPageSize::PageSizeId paper = QPageSize::A4;
};

std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }
QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

int Usage(const TCliIO& io, const std::string& message) {
  std::fprintf(io.err, "tintorium-cli print: %s\nTry 'tintorium-cli print --help'.\n", message.c_str());
  return ExitUsage;
}

int Failure(const TCliIO& io, const QString& file, const QString& message) {
  std::fprintf(io.err, "tintorium-cli print: %s: %s\n", Utf8(file).c_str(), Utf8(message).c_str());
  return ExitFailure;
}

std::optional<QPageSize::PageSizeId> ParsePaper(std::string_view text) {
  const QString paper = Text(text).toLower();
  if (paper == u"a4") return QPageSize::A4;
  if (paper == u"letter") return QPageSize::Letter;
  return std::nullopt;
}

// Empty answer: the options were read; otherwise the exit status of the usage error already reported.
std::optional<int> ReadOptions(const TCliArgs& args, const TCliIO& io, TPrintOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--wheel" || arg == "--paper") {
      if (i + 1 >= args.size()) return Usage(io, std::string(arg) + " needs a value");
      const std::string_view value = args[++i];
      if (arg == "--wheel") {
        options.wheel = ParseColorArgument(value);
        if (!options.wheel) return Usage(io, "'" + std::string(value) + "' is not a colour (RRGGBB)");
      } else {
        const auto paper = ParsePaper(value);
        if (!paper) return Usage(io, "unknown paper '" + std::string(value) + "' (use a4 or letter)");
        options.paper = *paper;
      }
    } else if (arg.size() > 1 && arg.front() == '-') {
      return Usage(io, "unknown option '" + std::string(arg) + "'");
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.files.size() != 2) return Usage(io, "usage: tintorium-cli print PALETTE OUT.pdf [options]");
  const QString palette = Text(options.files[0]);
  if (PaletteFormatForPath(palette) == nullptr)
    return Usage(io, "'" + std::string(options.files[0]) + "': not a palette or swatch file");
  if (QFileInfo(Text(options.files[1])).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
    return Usage(io, "'" + std::string(options.files[1]) + "': the output is a PDF file (.pdf)");
  return std::nullopt;
}

}  // namespace

int RunPrintCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  TPrintOptions options;
  if (const auto status = ReadOptions(args, io, options)) return *status;
  const THeadlessApp app;
  const QString source = Text(options.files[0]);
  const QString target = Text(options.files[1]);
  TPrintSources sources;
  if (!QFileInfo::exists(source)) return Failure(io, source, TFileResult::FileNotFound().Message());
  if (const TFileResult read = ReadAnyPaletteFile(source, sources.Palette); !read)
    return Failure(io, source, read.Message());
  int contents = pcPalette;
  if (options.wheel) {
    sources.Wheel = WheelSegments(*options.wheel, wsRGB);
    contents |= pcColorWheel;
  }
  const TPrintCards cards = BuildPrintCards(contents, sources);
  const TFileResult written = WritePrintPdf(target, cards, QPageSize(options.paper), QFileInfo(source).fileName());
  return written ? ExitOk : Failure(io, written.Message() == TFileResult::CantSave().Message() ? target : source,
                                    written.Message());
}

}  // namespace tintorium::cli
