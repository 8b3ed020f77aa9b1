#pragma once
// `tintorium-cli formats`: the table of file formats, one line per format.

#include "CliCommand.h"

namespace tintorium::cli {

int RunFormatsCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
