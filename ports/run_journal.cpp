// The journal that keeps nothing.
#include "ports/run_journal.h"

namespace nobrix::ports {

namespace {

class NoRunJournal final : public RunJournal {
 public:
  void runStarted(const std::vector<JournalPrinter>&) override {}
  void stepStarted(int, int) override {}
  void statusChanged(int, std::int32_t, std::string_view, std::u16string_view) override {}
  void bytesAccepted(int, std::uint64_t) override {}
  void stepEnded(int, int) override {}
  void runEnded(const RunResult&) override {}
};

}  // namespace

RunJournal& noRunJournal() {
  static NoRunJournal journal;
  return journal;
}

}  // namespace nobrix::ports
