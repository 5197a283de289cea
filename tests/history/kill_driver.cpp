// A run on the simulated bus recorded in the history file NOBRIX_HISTORY names. Once the second
// printer's send is under way and its first count of accepted bytes is recorded, it prints
// "sending" and waits to be killed, so a test can kill it in the middle of an image. The second
// printer takes its image slowly, one piece for every pump of the window thread, as a real
// printer is slow next to the window's event loop.
#include <condition_variable>
#include <cstdio>
#include <mutex>

#include "history/history_location.h"
#include "tests/history/history_fixture.h"

int main() {
  using namespace nobrix;
  l10n::LanguageState texts{l10n::kEnglish};
  nobrix::testing::WorkflowRig rig(texts);
  rig.plug("SIM0001");
  auto slow = rig.printerScript("SIM0002");
  slow.bytesPerSecond = 40'000;
  rig.plug(slow);
  rig.plug("SIM0003");
  std::mutex mutex;
  std::condition_variable pumped;
  int pumps = 0;
  const auto deliver = rig.view.onPump;
  rig.view.onPump = [&] {
    deliver();
    const std::lock_guard lock(mutex);
    ++pumps;
    pumped.notify_all();
  };
  rig.platform.beforeWrite = [&] {
    std::unique_lock lock(mutex);
    const int seen = pumps;
    pumped.wait(lock, [&] { return pumps > seen; });
  };
  rig.listPrinters();
  history::SqliteRunJournal journal(history::historyPath(history::PrinterBus::kSimulated),
                                    nobrix::testing::testContext(), {});
  nobrix::testing::TimedJournal stopping(journal);
  stopping.afterEvent = [&](std::string_view event, int row) {
    if (event == "bytesAccepted" && row == 1) {
      std::puts("sending");
      std::fflush(stdout);
      // Nothing ever wakes this wait: the driver waits to be killed.
      std::mutex parked;
      std::condition_variable never;
      std::unique_lock lock(parked);
      never.wait(lock, [] { return false; });
    }
  };
  rig.workflow.setRunJournal(stopping);
  rig.startWith({0, 1, 2});
  return 1;
}
