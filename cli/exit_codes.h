// The command-line programs' exit statuses; --help and the README list them.
#pragma once

namespace nobrix::cli {

enum ExitCode : int {
  kExitAllUpdated = 0,      // every ticked printer was updated (list: printers were found)
  kExitSomeNotUpdated = 1,  // some printer asked for was not updated
  kExitUsage = 2,           // the command line is wrong
  kExitNoPrinter = 3,       // no supported printer is attached (or none of those asked for)
  kExitRefused = 4,         // the run was refused before any printer was touched (no image)
  kExitStopped = 5,         // a stop was asked for during the update
  kExitLocked = 6,          // another update run holds the printers; nothing was touched
  kExitHistoryNotKept = 7,  // every printer was updated, but the service history was not kept
};

}  // namespace nobrix::cli
