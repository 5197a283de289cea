// SIGINT and SIGTERM as a count the window thread reads between two pieces of work, instead of
// handlers that could run on the send worker and interrupt its writes. Construct it before any
// thread starts: the signals are blocked in this thread, and every thread started later inherits
// that.
#pragma once

#include <signal.h>

namespace nobrix::cli {

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The signals that arrived since the last call (two of one kind pending at once count once).
  int take();

 private:
  int descriptor_ = -1;
  sigset_t previousMask_{};
};

}  // namespace nobrix::cli
