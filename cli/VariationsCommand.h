#pragma once
// `tintorium-cli variations`: the swatches of a variation strip.

#include "CliCommand.h"

namespace tintorium::cli {

int RunVariationsCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
