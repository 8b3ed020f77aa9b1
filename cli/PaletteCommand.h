#pragma once
// `tintorium-cli palette`: show, convert, sort and deduplicate palettes in any importable or exportable format.

#include "CliCommand.h"
#include "engine/palette/PaletteEntry.h"

#include <string>
#include <string_view>

namespace tintorium::cli {

int RunPaletteCommand(const TCliArgs& args, const TCliIO& io);

/// The colours of a source as `palette show` reads it (a palette or swatch file, a page, an image, an address).
struct TPaletteSourceRead {
  int Status = ExitOk;   // ExitOk, ExitUsage (not a type colours are read from) or ExitFailure (the read failed)
  std::string Message;   // what went wrong, for "tintorium-cli COMMAND: MESSAGE"; empty when Status is ExitOk
  TPaletteEntries Entries;
};
/// Reads `source` (UTF-8). Needs a THeadlessApp alive for images and addresses.
TPaletteSourceRead ReadPaletteSource(std::string_view source);

}  // namespace tintorium::cli
