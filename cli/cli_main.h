// What the two programs' main functions share: the command line answered before anything else
// starts, and the context of a run on the process's own standard streams.
#pragma once

#include <optional>

#include "cli/cli_options.h"
#include "cli/cli_program.h"
#include "firmware/resource_module.h"

namespace nobrix::cli {

// The exit status when the program ends here (help: 0, a wrong command line: 2). Otherwise the
// options are complete: without --lang, the locale's language where it is one of the four.
std::optional<int> parseCommandLine(int argc, char** argv, Variant variant, CliOptions& options);

// --version on standard output; the exit status.
int printVersion(Variant variant, firmware::ResourceModule& resources, bool imageIsStandIn);

// Standard output and error; live lines when standard output is a terminal. Time stamps are the
// local wall-clock time unless the caller replaces them.
CliContext standardContext(platform::Platform& platform, firmware::ResourceModule& resources);

}  // namespace nobrix::cli
