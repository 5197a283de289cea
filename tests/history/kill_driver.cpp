// A run on the simulated bus recorded in the history file NOBRIX_HISTORY names. Once the second
// printer's send step has begun it prints "sending" and waits to be killed, so a test can kill
// it in the middle of the run at a known point.
#include <condition_variable>
#include <cstdio>
#include <mutex>

#include "history/history_location.h"
#include "tests/history/history_fixture.h"

int main() {
  using namespace nobrix;
  l10n::LanguageState texts{l10n::kEnglish};
  nobrix::testing::WorkflowRig rig(texts);
  for (const char* serial : {"SIM0001", "SIM0002", "SIM0003"}) {
    rig.plug(serial);
  }
  rig.listPrinters();
  history::SqliteRunJournal journal(history::historyPath(history::PrinterBus::kSimulated),
                                    nobrix::testing::testContext(), {});
  nobrix::testing::TimedJournal stopping(journal);
  int secondRowSteps = 0;
  stopping.afterEvent = [&](std::string_view event, int row) {
    if (event == "stepStarted" && row == 1 && ++secondRowSteps == 2) {
      std::puts("sending");
      std::fflush(stdout);
      // Nothing ever wakes this wait: the driver waits to be killed.
      std::mutex mutex;
      std::condition_variable never;
      std::unique_lock lock(mutex);
      never.wait(lock, [] { return false; });
    }
  };
  rig.workflow.setRunJournal(stopping);
  rig.startWith({0, 1, 2});
  return 1;
}
