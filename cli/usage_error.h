// A wrong command line: one line that says what is wrong and a hint to --help on standard error,
// never the whole help; with --json also the named command's document, its error "usage".
#pragma once

#include <QString>
#include <cstdio>
#include <string_view>

#include "cli/cli_options.h"

namespace nobrix::cli {

// Returns the exit status (kExitUsage). `historyFile` is what a history document names.
int reportUsageError(const CliOptions& options, std::string_view problem,
                     const QString& historyFile, std::FILE* out, std::FILE* err);

}  // namespace nobrix::cli
