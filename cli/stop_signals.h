// SIGINT, SIGTERM and SIGHUP (on Windows: Ctrl+C, Ctrl+Break and closing the console) as counts
// the window thread reads between two pieces of work, instead of handlers that could run on the
// send worker and interrupt its writes, or end the program in the middle of an image. On Linux
// SIGPIPE is ignored: a reader of standard output that goes away makes writes fail, which the
// console notices, instead of ending the run. Construct it before any thread starts: on Linux the
// signals are blocked in this thread, and every thread started later inherits that. CMake picks
// the system's file: stop_signals.cpp (Linux) or stop_signals_windows.cpp.
#pragma once

#include <memory>
#include <string_view>

#include "cli/stop_state.h"

namespace nobrix::cli {

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signals that arrived since the last call (two of one kind pending at once count once).
  ArrivedSignals take();

 private:
  struct Source;  // the system's side: a signal descriptor, or the console's handler
  std::unique_ptr<Source> source_;
};

// How a user asks this system's program to stop, for the help text.
std::string_view stopRequestNames();

}  // namespace nobrix::cli
