#pragma once
// `tintorium-cli mix`: the four-corner mixer grid.

#include "CliCommand.h"

namespace tintorium::cli {

int RunMixCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
