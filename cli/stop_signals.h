// SIGINT, SIGTERM and SIGHUP as counts the window thread reads between two pieces of work, instead
// of handlers that could run on the send worker and interrupt its writes, or end the program in
// the middle of an image. SIGPIPE is ignored: a reader of standard output that goes away makes
// writes fail, which the console notices, instead of ending the run. Construct it before any
// thread starts: the signals are blocked in this thread, and every thread started later inherits
// that.
#pragma once

#include <signal.h>

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
  int descriptor_ = -1;
  sigset_t previousMask_{};
  struct sigaction previousPipe_ {};
};

}  // namespace nobrix::cli
