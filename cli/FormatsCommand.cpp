#include "FormatsCommand.h"

#include "engine/formats/FormatRegistry.h"

#include <QString>

namespace tintorium::cli {
namespace {

constexpr const char* Help =
    "Usage: tintorium-cli formats\n"
    "\n"
    "Lists every file format colours are read from or written to, one line per\n"
    "format, tab-separated: name, extensions, access (r read, w write, - not),\n"
    "what its reader takes from a file (\"reads:\") and what a palette written and\n"
    "read back keeps (\"keeps:\"): colors (in order), names, groups, models, CMYK,\n"
    "Lab, alpha.\n";

}  // namespace

int RunFormatsCommand(const TCliArgs& args, const TCliIO& io) {
  if (WantsHelp(args)) {
    std::fputs(Help, io.out);
    return ExitOk;
  }
  if (!args.empty()) {
    std::fprintf(io.err, "tintorium-cli formats: takes no arguments\nTry 'tintorium-cli formats --help'.\n");
    return ExitUsage;
  }
  for (const QString& line : FormatTableLines()) std::fprintf(io.out, "%s\n", line.toUtf8().constData());
  return ExitOk;
}

}  // namespace tintorium::cli
