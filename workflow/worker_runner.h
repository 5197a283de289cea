// Runs one piece of blocking device work off the window thread while the window thread keeps
// pumping its messages; returns when the work has finished. An exception thrown by the work is
// carried back and rethrown on the calling thread, never lost on the worker.
#pragma once

#include <functional>

namespace nobrix::workflow {

class WorkerRunner {
 public:
  virtual ~WorkerRunner() = default;
  virtual void runAndPump(const std::function<void()>& work) = 0;
};

}  // namespace nobrix::workflow
