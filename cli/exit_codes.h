// The command-line programs' exit statuses; --help and the README list them.
#pragma once

namespace nobrix::cli {

enum ExitCode : int {
  kExitAllUpdated = 0,      // every ticked printer was updated (list: printers were found)
  kExitSomeNotUpdated = 1,  // some ticked printer was not updated, or the run was stopped early
  kExitUsage = 2,           // the command line is wrong
  kExitNoPrinter = 3,       // no supported printer is attached (or none of those asked for)
  kExitRefused = 4,         // the run was refused before any printer was touched (no image)
};

}  // namespace nobrix::cli
