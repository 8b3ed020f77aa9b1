#include "CliCommand.h"

#include "ConvertCommand.h"
#include "MixCommand.h"
#include "PaletteCommand.h"
#include "ScanCommand.h"
#include "SpectrumCommand.h"
#include "VariationsCommand.h"
#include "WheelCommand.h"

#include <array>

namespace tintorium::cli {

std::span<const TCliCommand> CliCommands() {
  static constexpr std::array Commands{
      TCliCommand{"convert", "convert a colour between RGB, HSB, CMYK, Lab, hexadecimal and CSS, or stream a batch",
                  RunConvertCommand},
      TCliCommand{"mix", "print the four-corner mixer grid of four RRGGBB colours", RunMixCommand},
      TCliCommand{"palette", "show, convert, sort or deduplicate a palette in any importable or exportable format",
                  RunPaletteCommand},
      TCliCommand{"scan", "list the colours of a web page, style sheet or http:// address (#RRGGBB, or every CSS notation)", RunScanCommand},
      TCliCommand{"variations", "the swatches of a variation strip (warmer, cooler, darker, ...), or a batch",
                  RunVariationsCommand},
      TCliCommand{"spectrum", "the cells of a spectrum slice through an RGB or HSB colour", RunSpectrumCommand},
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
