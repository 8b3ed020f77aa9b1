#pragma once
// The shape of a tintorium-cli subcommand.
//
// Adding a subcommand (for example `palette`):
//   1. Write cli/PaletteCommand.h/.cpp declaring
//        int RunPaletteCommand(const TCliArgs& args, const TCliIO& io);
//      It receives the arguments after the subcommand's name, handles its own `--help`, and returns an exit status:
//      0 success, 1 a failure while working (unreadable file, failed write), 2 bad arguments or malformed input.
//      Report errors on io.err as "tintorium-cli palette: <what is wrong>".
//   2. Add one line to CliCommands() in cli/CliCommands.cpp: {"palette", "one-line summary", RunPaletteCommand}.
//   3. List the two files in cli/CMakeLists.txt.

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace tintorium::cli {

using TCliArgs = std::vector<std::string_view>;

/// Where a command reads and writes; main() passes stdin, stdout and stderr.
struct TCliIO {
  std::FILE* in = stdin;
  std::FILE* out = stdout;
  std::FILE* err = stderr;
};

using TCliRun = int (*)(const TCliArgs& args, const TCliIO& io);

struct TCliCommand {
  std::string_view name;
  std::string_view summary;
  TCliRun run;
};

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

/// Every subcommand, in the order the help lists them.
std::span<const TCliCommand> CliCommands();

/// True when the arguments ask for help ("--help" or "-h" anywhere).
bool WantsHelp(const TCliArgs& args);

/// `args` without every `flag`; `found` tells whether there was one.
TCliArgs WithoutFlag(const TCliArgs& args, std::string_view flag, bool& found);

/// True when the arguments ask for the version ("--version" anywhere, help taking precedence).
bool WantsVersion(const TCliArgs& args);

}  // namespace tintorium::cli
