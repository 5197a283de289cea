// kill() to the process itself: the signal is pending at once, since every thread blocks it.
#include <signal.h>
#include <unistd.h>

#include "tests/cli/stop_requests.h"

namespace nobrix::testing {

StopRequests::StopRequests() = default;
StopRequests::~StopRequests() = default;

void StopRequests::interrupt() {
  kill(getpid(), SIGINT);
}

void StopRequests::terminate() {
  kill(getpid(), SIGTERM);
}

}  // namespace nobrix::testing
