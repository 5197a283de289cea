// On Windows: the thread execution state, see ports/windows/execution_state_inhibitor.h.
#include "ports/windows/execution_state_inhibitor.h"
#include "ui/power/system_sleep_inhibitor.h"

namespace nobrix::ui::power {

std::unique_ptr<ports::SleepInhibitor> makeSystemSleepInhibitor() {
  return std::make_unique<ports::windows::ExecutionStateInhibitor>();
}

}  // namespace nobrix::ui::power
