// One command of the command-line programs over a given platform and image: the programs' main
// functions and the tests call it alike. Needs the string tables (Qt resources).
#pragma once

#include <QString>
#include <cstdio>
#include <functional>
#include <string>

#include "cli/cli_options.h"
#include "firmware/resource_module.h"
#include "platform/platform.h"

namespace nobrix::cli {

struct CliContext {
  platform::Platform& platform;
  firmware::ResourceModule& resources;
  std::FILE* out;
  std::FILE* err;
  bool terminal = false;  // live lines on `out` instead of stamped ones
  int terminalWidth = 0;
  std::function<std::string()> stamp = {};  // the time stamp of a stamped line
  std::function<int()> takeSignals = {};    // stop signals since the last call; null: none
  std::function<void()> onPump = {};        // what else the window thread does between two pieces
  QString historyFile = {};  // where an update is recorded (history/history_location.h); empty: not
  QString program = {};      // the program's name in the record
};

// The command's exit status (cli/exit_codes.h).
int runCli(const CliOptions& options, CliContext& context);

}  // namespace nobrix::cli
