#include "CliCommand.h"

#include "ConvertCommand.h"

#include <array>

namespace tintorium::cli {

std::span<const TCliCommand> CliCommands() {
  static constexpr std::array Commands{
      TCliCommand{"convert", "convert a colour between RGB, HSB, CMYK, Lab and hexadecimal, or stream a batch",
                  RunConvertCommand},
  };
  return Commands;
}

bool WantsHelp(const TCliArgs& args) {
  for (const std::string_view arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

}  // namespace tintorium::cli
