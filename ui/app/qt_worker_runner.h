// Runs one piece of blocking device work on its own thread while the window thread spins a
// local event loop: the window keeps painting, and calls the worker queues for the window
// thread (a message dialog of the firmware transfer, for one) are delivered meanwhile.
#pragma once

#include "workflow/worker_runner.h"

namespace nobrix::ui::app {

class QtWorkerRunner final : public workflow::WorkerRunner {
 public:
  // Returns when the work has finished; an exception of the work is rethrown here.
  void runAndPump(const std::function<void()>& work) override;
};

}  // namespace nobrix::ui::app
