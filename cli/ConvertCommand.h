#pragma once
// `tintorium-cli convert`: one colour in every form, or a stream of colours from one model to another.

#include "CliCommand.h"

namespace tintorium::cli {

int RunConvertCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
