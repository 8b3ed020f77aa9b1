#pragma once
// `tintorium-cli spectrum`: the cells of a spectrum slice.

#include "CliCommand.h"

namespace tintorium::cli {

int RunSpectrumCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
