// The window's service history, apart from the rest of the assembly: it needs Qt SQL, which not
// every Qt has (the Windows build is made without it).
#include <QCoreApplication>
#include <cstdio>

#include "history/sqlite_run_journal.h"
#include "ui/programs/app_assembly.h"

namespace nobrix::ui::programs {

// The journal writes on the window thread: a step's record costs well under a millisecond.
// The problem goes to standard error for whoever looks after the machine; the window says only
// that the run is not recorded.
void AppAssembly::keepHistory(const QString& path) {
  journal_ = std::make_unique<history::SqliteRunJournal>(
      path, history::describeRunInBackground(QCoreApplication::applicationName(), resources_),
      [this] {
        const auto& journal = static_cast<const history::SqliteRunJournal&>(*journal_);
        std::fprintf(stderr, "history: this run is not recorded: %s\n",
                     qPrintable(journal.problem()));
        window_->showHistoryNotRecorded();
      });
  window_->workflow().setRunJournal(*journal_);
}

}  // namespace nobrix::ui::programs
