// What the stop signals do to a run. A stop (SIGINT, SIGTERM; Ctrl+C on a console) asks the
// workflow to start no further printer, while the one being written is finished; later ones are
// only acknowledged. A hang-up (SIGHUP: the terminal or the SSH session went away) stops nothing:
// the run goes on, and nothing more is written to the terminal that is gone. The signals are
// read on the window thread, at every pump and whenever the workflow asks.
#pragma once

#include <functional>

#include "cli/console.h"
#include "ports/text_source.h"

namespace nobrix::cli {

// Signals that arrived since they were last taken.
struct ArrivedSignals {
  int stops = 0;
  int hangUps = 0;
};

class StopState {
 public:
  // `takeSignals` returns the signals that arrived since it was last called; null: none ever do.
  // What a stop does is said in the language of `texts`.
  StopState(Console& console, const ports::TextSource& texts,
            std::function<ArrivedSignals()> takeSignals)
      : console_(console), texts_(texts), takeSignals_(std::move(takeSignals)) {}

  void poll();
  bool requested() {
    poll();
    return stops_ > 0;
  }
  bool wasRequested() const { return stops_ > 0; }
  bool hungUp() const { return hungUp_; }

 private:
  Console& console_;
  const ports::TextSource& texts_;
  std::function<ArrivedSignals()> takeSignals_;
  int stops_ = 0;
  bool hungUp_ = false;
};

}  // namespace nobrix::cli
