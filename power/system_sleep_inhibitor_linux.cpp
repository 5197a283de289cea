// On Linux: logind on the system bus. Without a system bus the inhibitor says so at the first
// run and the run goes on.
#include "power/logind_sleep_inhibitor.h"
#include "power/system_sleep_inhibitor.h"

namespace nobrix::power {

std::unique_ptr<ports::SleepInhibitor> makeSystemSleepInhibitor() {
  return std::make_unique<LogindSleepInhibitor>(QDBusConnection::systemBus());
}

}  // namespace nobrix::power
