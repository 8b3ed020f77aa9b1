#pragma once
// `tintorium-cli contrast`: how readable a text colour is on a background colour, by WCAG 1.0 and WCAG 2.

#include "CliCommand.h"

namespace tintorium::cli {

int RunContrastCommand(const TCliArgs& args, const TCliIO& io);

}  // namespace tintorium::cli
