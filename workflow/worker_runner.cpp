// The worker thread and the window thread's pumping until it is done.
#include "workflow/worker_runner.h"

#include <atomic>
#include <exception>
#include <thread>

namespace nobrix::workflow {

void WorkerRunner::runAndPump(const std::function<void()>& work,
                              const std::function<void()>& afterPump) {
  std::atomic<bool> finished{false};
  std::exception_ptr failure;

  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    finished.store(true);
    pump_.wake();
  });

  // The worker must be joined even when a pump throws, or the thread object would terminate us.
  std::exception_ptr pumpFailure;
  // At least one pump, however quick the work: the window hears of what led up to it.
  try {
    do {
      pump_.pumpAndWait();
      if (afterPump) {
        afterPump();
      }
    } while (!finished.load());
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

void ViewPump::pumpAndWait() {
  view_.pump();
  std::unique_lock lock(mutex_);
  woken_.wait_for(lock, interval_, [this] { return wakeRequested_; });
  wakeRequested_ = false;
}

void ViewPump::wake() {
  {
    std::lock_guard lock(mutex_);
    wakeRequested_ = true;
  }
  woken_.notify_one();
}

}  // namespace nobrix::workflow
