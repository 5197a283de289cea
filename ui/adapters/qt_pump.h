// The window side of the worker runner: while device work runs, the window thread processes its
// events (painting, input, and the calls a worker queues for it, such as a message dialog of the
// firmware transfer) and sleeps in the event dispatcher between them.
#pragma once

#include "workflow/worker_runner.h"

namespace nobrix::ui::adapters {

class QtPump final : public workflow::PumpHook {
 public:
  void pumpAndWait() override;
  // Posts an empty call to the window thread, which ends its wait for events.
  void wake() override;
};

}  // namespace nobrix::ui::adapters
