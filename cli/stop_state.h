// What SIGINT and SIGTERM do to a run: the first asks the workflow to start no further printer
// (the one being written is finished), each later one is only acknowledged. The signals are read
// on the window thread, at every pump and whenever the workflow asks.
#pragma once

#include <functional>

#include "cli/console.h"

namespace nobrix::cli {

class StopState {
 public:
  // `takeSignals` returns the signals that arrived since it was last called; null: none ever do.
  StopState(Console& console, std::function<int()> takeSignals)
      : console_(console), takeSignals_(std::move(takeSignals)) {}

  void poll();
  bool requested() {
    poll();
    return signals_ > 0;
  }
  bool wasRequested() const { return signals_ > 0; }

 private:
  Console& console_;
  std::function<int()> takeSignals_;
  int signals_ = 0;
};

}  // namespace nobrix::cli
