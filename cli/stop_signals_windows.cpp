// The console's control events on Windows. The system calls the handler on a thread of its own
// for each event, so the handler only counts; the window thread takes the count as on Linux.
// Ctrl+C and Ctrl+Break are answered at once. Closing the console window (and a log-off or
// shut-down) is different: the system ends the process as soon as the handler returns, and a
// few seconds later if it does not. The handler therefore never returns from those: the run gets
// all the time the system allows to finish the printer being written, and the program's own end
// (its exit status) comes first if it is quicker. A longer send is cut when the system ends the
// process; the history then reads "interrupted".
#include <windows.h>

#include <atomic>

#include "cli/stop_signals.h"

namespace nobrix::cli {

namespace {

// The handler is the process's, not an object's: console events know no object.
std::atomic<int> pendingStops{0};

BOOL WINAPI onConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
      pendingStops.fetch_add(1);
      return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      pendingStops.fetch_add(1);
      Sleep(INFINITE);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

struct StopSignals::Source {};

StopSignals::StopSignals() {
  pendingStops.store(0);
  SetConsoleCtrlHandler(&onConsoleEvent, TRUE);
}

StopSignals::~StopSignals() {
  SetConsoleCtrlHandler(&onConsoleEvent, FALSE);
}

ArrivedSignals StopSignals::take() {
  return ArrivedSignals{pendingStops.exchange(0), 0};
}

std::string_view stopRequestNames() {
  return "Ctrl+C, Ctrl+Break or closing the console window";
}

}  // namespace nobrix::cli
