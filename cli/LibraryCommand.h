#pragma once
// `tintorium-cli library`: the library folders the program lists, and the colours of one library.

#include "CliCommand.h"

namespace tintorium::cli {

int RunLibraryCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
