// A WorkerRunner on a plain std::thread: the window thread pumps its view between short waits
// for the worker, so the window stays painted and device notices keep flowing.
#pragma once

#include <chrono>
#include <functional>

#include "workflow/update_view.h"
#include "workflow/worker_runner.h"

namespace nobrix::workflow {

class ThreadWorkerRunner final : public WorkerRunner {
 public:
  explicit ThreadWorkerRunner(
      UpdateView& view, std::chrono::milliseconds pumpInterval = std::chrono::milliseconds(10));

  void runAndPump(const std::function<void()>& work) override;

 private:
  UpdateView& view_;
  std::chrono::milliseconds pumpInterval_;
};

}  // namespace nobrix::workflow
