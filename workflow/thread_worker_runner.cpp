// Runs the work on its own thread and pumps the view until the work has finished; an exception
// of the work is carried across and rethrown here, on the window thread.
#include "workflow/thread_worker_runner.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace nobrix::workflow {

ThreadWorkerRunner::ThreadWorkerRunner(UpdateView& view, std::chrono::milliseconds pumpInterval)
    : view_(view), pumpInterval_(pumpInterval) {}

void ThreadWorkerRunner::runAndPump(const std::function<void()>& work) {
  std::mutex mutex;
  std::condition_variable finishedSignal;
  bool finished = false;
  std::exception_ptr failure;

  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    {
      std::lock_guard lock(mutex);
      finished = true;
    }
    finishedSignal.notify_one();
  });

  // The worker must be joined even when a pump throws, or the thread object would terminate us.
  std::exception_ptr pumpFailure;
  try {
    for (;;) {
      view_.pump();
      std::unique_lock lock(mutex);
      if (finishedSignal.wait_for(lock, pumpInterval_, [&] { return finished; })) {
        break;
      }
    }
  } catch (...) {
    pumpFailure = std::current_exception();
  }
  worker.join();
  if (pumpFailure) {
    std::rethrow_exception(pumpFailure);
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace nobrix::workflow
