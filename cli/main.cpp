// tintorium-cli: the headless tool for scripts. Subcommands are listed in CliCommands.cpp.
#include "CliCommand.h"

#include <cstdio>
#include <string>

namespace tintorium::cli {
namespace {

void PrintUsage(std::FILE* to) {
  std::fputs(
      "Usage: tintorium-cli COMMAND [ARGUMENTS...]\n"
      "       tintorium-cli COMMAND --help\n\n"
      "Commands:\n",
      to);
  for (const TCliCommand& command : CliCommands()) {
    const std::string name(command.name);
    const std::string summary(command.summary);
    std::fprintf(to, "  %-10s %s\n", name.c_str(), summary.c_str());
  }
  std::fputs(
      "\nOptions:\n"
      "  -h, --help   show this help (after a command: the command's own help)\n"
      "  --version    show the version (after a command too)\n"
      "\n"
      "Exit status: 0 done, 1 a failure while working (a file that cannot be read or\n"
      "written), 2 bad arguments or malformed input.\n",
      to);
}

int Dispatch(int argc, char** argv) {
  const TCliIO io;
  if (argc < 2) {
    std::fputs("tintorium-cli: missing command\n\n", io.err);
    PrintUsage(io.err);
    return ExitUsage;
  }
  const std::string_view first = argv[1];
  if (first == "--help" || first == "-h" || first == "help") {
    PrintUsage(io.out);
    return ExitOk;
  }
  if (first == "--version") {
    std::fprintf(io.out, "tintorium-cli %s\n", TINTORIUM_VERSION);
    return ExitOk;
  }
  for (const TCliCommand& command : CliCommands()) {
    if (command.name != first) continue;
    const TCliArgs args(argv + 2, argv + argc);
    if (WantsVersion(args)) {
      std::fprintf(io.out, "tintorium-cli %s\n", TINTORIUM_VERSION);
      return ExitOk;
    }
    const int status = command.run(args, io);
    if (std::fflush(io.out) != 0 && status == ExitOk) {
      std::fputs("tintorium-cli: could not write the output\n", io.err);
      return ExitFailure;
    }
    return status;
  }
  std::fprintf(io.err, "tintorium-cli: unknown command '%s'\n\n", argv[1]);
  PrintUsage(io.err);
  return ExitUsage;
}

}  // namespace
}  // namespace tintorium::cli

int main(int argc, char** argv) { return tintorium::cli::Dispatch(argc, argv); }
