#pragma once
// `tintorium-cli print`: a palette's swatch cards, and optionally a colour wheel's, as a PDF.

#include "CliCommand.h"

namespace tintorium::cli {

int RunPrintCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
