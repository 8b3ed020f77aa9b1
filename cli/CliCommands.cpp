#include "CliCommand.h"

#include "ConvertCommand.h"
#include "PaletteCommand.h"
#include "ScanCommand.h"
#include "WheelCommand.h"

#include <array>

namespace tintorium::cli {

std::span<const TCliCommand> CliCommands() {
  static constexpr std::array Commands{
      TCliCommand{"convert", "convert a colour between RGB, HSB, CMYK, Lab and hexadecimal, or stream a batch",
                  RunConvertCommand},
      TCliCommand{"palette", "show, convert, sort or deduplicate a palette in any importable or exportable format",
                  RunPaletteCommand},
      TCliCommand{"scan", "list the #RRGGBB colours of a web page, style sheet or http:// address", RunScanCommand},
      TCliCommand{"wheel", "the colour wheel's twelve segments and pale colours, or a harmony's members",
                  RunWheelCommand},
  };
  return Commands;
}

bool WantsHelp(const TCliArgs& args) {
  for (const std::string_view arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

}  // namespace tintorium::cli
