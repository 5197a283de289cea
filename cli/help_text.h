// What the programs say of themselves: --help (help2man makes the manual page from it) and
// --version.
#pragma once

#include <string>

#include "cli/cli_options.h"
#include "history/run_context.h"

namespace nobrix::cli {

std::string helpText(Variant variant);

// The exit statuses as --help lists them; the README carries the same lines.
std::string exitStatusText();

// The program and its version, and the built-in image's file name, size and SHA-256.
// `imageIsStandIn`: the build carries the generated stand-in instead of the product's image.
std::string versionText(const history::RunContext& build, bool imageIsStandIn);

}  // namespace nobrix::cli
