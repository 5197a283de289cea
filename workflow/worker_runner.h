// Runs one piece of blocking device work on its own thread while the window thread keeps
// processing its messages, and returns when the work has finished. An exception thrown by the
// work is carried back and rethrown on the calling thread, never lost on the worker. How the
// window thread processes its messages is the pump hook's business: the window's event loop in
// the program, the recording view in the tests.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "workflow/update_view.h"

namespace nobrix::workflow {

class PumpHook {
 public:
  virtual ~PumpHook() = default;
  // On the window thread: processes pending window messages, then waits for more until wake()
  // is called or a short while has passed.
  virtual void pumpAndWait() = 0;
  // From the worker thread, once the work has finished: ends the current wait early.
  virtual void wake() = 0;
};

class WorkerRunner {
 public:
  explicit WorkerRunner(PumpHook& pump) : pump_(pump) {}

  // If a pump throws, the worker is still waited for before the exception goes on: returning
  // early would let two device operations overlap. `afterPump` runs on the calling thread after
  // every pump while the work is under way.
  void runAndPump(const std::function<void()>& work, const std::function<void()>& afterPump = {});

 private:
  PumpHook& pump_;
};

// Pumps an UpdateView, then waits on a condition variable for at most `interval`.
class ViewPump final : public PumpHook {
 public:
  explicit ViewPump(UpdateView& view,
                    std::chrono::milliseconds interval = std::chrono::milliseconds(10))
      : view_(view), interval_(interval) {}

  void pumpAndWait() override;
  void wake() override;

 private:
  UpdateView& view_;
  std::chrono::milliseconds interval_;
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakeRequested_ = false;
};

}  // namespace nobrix::workflow
