// The history command: the recorded runs, newest first, as text or one JSON document.
#pragma once

#include "cli/cli_program.h"

namespace nobrix::cli {

int runHistoryCommand(const CliOptions& options, CliContext& context);

}  // namespace nobrix::cli
