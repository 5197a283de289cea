// One command of the command-line programs over a given platform and image: the programs' main
// functions and the tests call it alike. Needs the string tables (Qt resources).
#pragma once

#include <QString>
#include <cstdio>
#include <functional>
#include <string>

#include "cli/cli_options.h"
#include "cli/stop_state.h"
#include "firmware/resource_module.h"
#include "platform/lock/update_lock.h"
#include "platform/platform.h"
#include "ports/known_printers.h"
#include "ports/sleep_inhibitor.h"

namespace nobrix::cli {

struct CliContext {
  platform::Platform& platform;
  firmware::ResourceModule& resources;
  std::FILE* out;
  std::FILE* err;
  bool terminal = false;     // live lines on `out` instead of stamped ones
  bool errTerminal = false;  // `err` is on a terminal too: a hang-up silences it
  int terminalWidth = 0;
  std::function<std::string()> stamp = {};           // the time stamp of a stamped line
  std::function<ArrivedSignals()> takeSignals = {};  // signals since the last call; null: none
  std::function<void()> onPump = {};  // what else the window thread does between two pieces
  QString historyFile = {};  // where an update is recorded (history/history_location.h); empty: not
  QString program = {};      // the program's name in the record
  ports::SleepInhibitor* sleepInhibitor = nullptr;      // null: the system may sleep during a run
  platform::UpdateLock* updateLock = nullptr;           // null: no other run is guarded against
  const ports::KnownPrinters* knownPrinters = nullptr;  // null: no printer in flash mode is known
};

// The command's exit status (cli/exit_codes.h).
int runCli(const CliOptions& options, CliContext& context);

}  // namespace nobrix::cli
