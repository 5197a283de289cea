// The window's service history, apart from the rest of the assembly: it needs Qt SQL, which not
// every Qt has (the Windows build is made without it).
#include <QCoreApplication>
#include <cstdio>

#include "history/known_printers_in_history.h"
#include "history/sqlite_run_journal.h"
#include "ui/programs/app_assembly.h"

namespace nobrix::ui::programs {

// The journal writes on the window thread: a step's record costs well under a millisecond.
// Why a run is not (fully) recorded, and where a damaged file went, goes to standard error for
// whoever looks after the machine; the window says only that the run is not recorded.
void AppAssembly::keepHistory(const QString& path) {
  auto journal = std::make_unique<history::SqliteRunJournal>(
      path, history::describeRunInBackground(QCoreApplication::applicationName(), resources_),
      [this] { window_->showHistoryNotRecorded(); });
  journal->setNotices(
      [](const QString& line) { std::fprintf(stderr, "history: %s\n", qPrintable(line)); });
  journal_ = std::move(journal);
  window_->workflow().setRunJournal(*journal_);
  // The same file says which printers waiting in flash mode an earlier run knew as this product.
  knownPrinters_ = std::make_unique<history::KnownPrintersInHistory>(path);
  window_->workflow().setKnownPrinters(*knownPrinters_);
}

}  // namespace nobrix::ui::programs
