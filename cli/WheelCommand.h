#pragma once
// `tintorium-cli wheel`: the colour wheel's twelve segments and their pale colours, or a harmony's members.

#include "CliCommand.h"

namespace tintorium::cli {

int RunWheelCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
