// The command line: --help and --version, read before any window exists so
// that both work where no display can be opened. Anything else is refused.
#pragma once

namespace commandline {
// Handles the arguments when there are any: prints help, the version or what
// is wrong, and gives the exit status. Returns -1 when there are none.
int handle(int argc, char *argv[]);
} // namespace commandline
