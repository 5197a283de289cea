// A run on the simulated bus recorded in the history file NOBRIX_HISTORY names, which stops for
// good once the second printer's image send has begun: it prints "sending" and waits to be
// killed, so a test can kill it in the middle of the run at a known point.
#include <unistd.h>

#include <cstdio>

#include "history/history_location.h"
#include "history/sqlite_run_journal.h"
#include "tests/history/history_fixture.h"
#include "workflow/printer_status.h"

namespace {

using namespace nobrix;

class StopWhenSecondSends final : public ports::RunJournal {
 public:
  explicit StopWhenSecondSends(ports::RunJournal& inner) : inner_(inner) {}
  void runStarted(const std::vector<ports::JournalPrinter>& printers) override {
    inner_.runStarted(printers);
  }
  void stepStarted(int row, int step) override { inner_.stepStarted(row, step); }
  void statusChanged(int row, std::int32_t status, std::string_view key,
                     std::u16string_view text) override {
    inner_.statusChanged(row, status, key, text);
    if (row == 1 && status == workflow::kSendingFirmware) {
      std::puts("sending");
      std::fflush(stdout);
      for (;;) {
        pause();
      }
    }
  }
  void bytesAccepted(int row, std::uint64_t bytes) override { inner_.bytesAccepted(row, bytes); }
  void stepEnded(int row, int step) override { inner_.stepEnded(row, step); }
  void runEnded(const ports::RunResult& result) override { inner_.runEnded(result); }

 private:
  ports::RunJournal& inner_;
};

}  // namespace

int main() {
  ui::LanguageState texts{ui::kEnglish};
  nobrix::testing::WorkflowRig rig(texts);
  for (const char* serial : {"SIM0001", "SIM0002", "SIM0003"}) {
    rig.plug(serial);
  }
  rig.listPrinters();
  history::SqliteRunJournal journal(history::historyPath(history::PrinterBus::kSimulated),
                                    nobrix::testing::testContext(),
                                    [] { std::puts("not recorded"); });
  StopWhenSecondSends stopping(journal);
  rig.workflow.setRunJournal(stopping);
  rig.startWith({0, 1, 2});
  std::puts("finished");
  return 1;
}
