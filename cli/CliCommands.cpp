#include "CliCommand.h"

#include "ContrastCommand.h"
#include "ConvertCommand.h"
#include "FormatsCommand.h"
#include "LibraryCommand.h"
#include "MixCommand.h"
#include "PaletteCommand.h"
#include "PrintCommand.h"
#include "ScaleCommand.h"
#include "ScanCommand.h"
#include "SpectrumCommand.h"
#include "VariationsCommand.h"
#include "WheelCommand.h"

#include <array>

namespace tintorium::cli {

std::span<const TCliCommand> CliCommands() {
  static constexpr std::array Commands{
      TCliCommand{"contrast", "measure a text colour against a background by WCAG 1.0 and 2, or stream a batch",
                  RunContrastCommand},
      TCliCommand{"convert", "convert a colour between RGB, HSB, CMYK, Lab, hexadecimal and CSS, or stream a batch",
                  RunConvertCommand},
      TCliCommand{"formats", "list the file formats colours are read from and written to, and what each keeps",
                  RunFormatsCommand},
      TCliCommand{"library", "list the colour libraries and their folders, or show the colours of one",
                  RunLibraryCommand},
      TCliCommand{"mix", "print the four-corner mixer grid of four RRGGBB colours", RunMixCommand},
      TCliCommand{"palette", "show, convert, sort or deduplicate a palette in any importable or exportable format",
                  RunPaletteCommand},
      TCliCommand{"print", "write a palette's swatch cards (and a colour wheel's) as a PDF", RunPrintCommand},
      TCliCommand{"scale", "a tonal scale (50-950 or tones) of a base colour by lightness or contrast, or a batch",
                  RunScaleCommand},
      TCliCommand{"scan", "list the colours of a web page, style sheet or web address (#RRGGBB, or every CSS notation)",
                  RunScanCommand},
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

TCliArgs WithoutFlag(const TCliArgs& args, std::string_view flag, bool& found) {
  TCliArgs kept;
  found = false;
  for (const std::string_view arg : args) {
    if (arg == flag) found = true;
    else kept.push_back(arg);
  }
  return kept;
}

bool WantsVersion(const TCliArgs& args) {
  if (WantsHelp(args)) return false;
  for (const std::string_view arg : args)
    if (arg == "--version") return true;
  return false;
}

}  // namespace tintorium::cli
