// On Windows: the thread execution state, see power/execution_state_inhibitor.h.
#include "power/execution_state_inhibitor.h"
#include "power/system_sleep_inhibitor.h"

namespace nobrix::power {

std::unique_ptr<ports::SleepInhibitor> makeSystemSleepInhibitor() {
  return std::make_unique<power::ExecutionStateInhibitor>();
}

}  // namespace nobrix::power
