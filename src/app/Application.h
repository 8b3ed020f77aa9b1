#pragma once
// Start and end of the program.

namespace tintorium {

/// Runs Tintorium with the command line of main(): creates the application, reads the language setting,
/// applies the message texts, creates the main window and runs the event loop. Returns the exit code.
///
/// Command line: no argument, or one palette file to open. "--screenshot FILE [PALETTE]" renders the main
/// window as it looks on a first run (settings in a temporary folder, offscreen when no platform is chosen)
/// into the PNG FILE and exits. "--help" and "--version" print to standard output.
int RunTintorium(int argc, char** argv);

}  // namespace tintorium
