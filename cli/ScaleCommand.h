#pragma once
// `tintorium-cli scale`: a tonal scale (50 ... 950, or tones 0 ... 100) of one base colour, by lightness or by
// contrast targets, as a table, JSON or code (CSS, SCSS, Design Tokens, a @theme block); or a scale per line.

#include "CliCommand.h"

namespace tintorium::cli {

int RunScaleCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
