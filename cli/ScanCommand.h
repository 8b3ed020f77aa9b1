#pragma once
// `tintorium-cli scan`: the "#" colours of a web page, style sheet or web address.

#include "CliCommand.h"

namespace tintorium::cli {

int RunScanCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
