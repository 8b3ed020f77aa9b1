#pragma once
// `tintorium-cli palette`: show, convert, sort and deduplicate palettes in any importable or exportable format.

#include "CliCommand.h"

namespace tintorium::cli {

int RunPaletteCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
