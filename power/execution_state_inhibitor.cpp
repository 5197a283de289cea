// ES_CONTINUOUS makes the state last until it is set again, rather than resetting the idle timer
// once; setting ES_CONTINUOUS alone clears it.
#include "power/execution_state_inhibitor.h"

#include <windows.h>

#include <cstdio>

namespace nobrix::power {

namespace {

class ExecutionStateHold final : public ports::SleepInhibitor::Hold {
 public:
  ~ExecutionStateHold() override { SetThreadExecutionState(ES_CONTINUOUS); }
};

}  // namespace

std::unique_ptr<ports::SleepInhibitor::Hold> ExecutionStateInhibitor::inhibit(std::u16string_view) {
  if (SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) != 0) {
    return std::make_unique<ExecutionStateHold>();
  }
  if (!refusalReported_) {
    refusalReported_ = true;
    std::fprintf(stderr,
                 "NobrixVUZ: could not keep the system from sleeping during the update (error "
                 "%lu); the update goes on.\n",
                 GetLastError());
  }
  return nullptr;
}

}  // namespace nobrix::power
