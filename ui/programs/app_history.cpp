// The window's service history, apart from the rest of the assembly: it needs Qt SQL, which not
// every Qt has (the Windows build is made without it).
#include <QCoreApplication>
#include <cstdio>
#include <future>
#include <memory>
#include <mutex>

#include "history/known_printers_in_history.h"
#include "history/sqlite_run_journal.h"
#include "ui/programs/app_assembly.h"
#include "ui/widgets/after_first_paint.h"

namespace nobrix::ui::programs {
namespace {

// The run's description reads and hashes the whole image: seconds of processor time that would
// compete with the window's start-up, so its thread starts once the window has painted. A run
// started before then (a window never shown, in a test) starts it at once.
class DeferredDescription {
 public:
  DeferredDescription(QString program, firmware::ResourceModule& resources)
      : program_(std::move(program)), resources_(resources) {}

  std::shared_future<history::RunContext> start() {
    std::call_once(started_,
                   [this] { running_ = history::describeRunInBackground(program_, resources_); });
    return running_;
  }

 private:
  QString program_;
  firmware::ResourceModule& resources_;
  std::once_flag started_;
  std::shared_future<history::RunContext> running_;
};

}  // namespace

// The journal writes on the window thread: a step's record costs well under a millisecond.
// Why a run is not (fully) recorded, and where a damaged file went, goes to standard error for
// whoever looks after the machine; the window says only that the run is not recorded.
void AppAssembly::keepHistory(const QString& path) {
  auto description =
      std::make_shared<DeferredDescription>(QCoreApplication::applicationName(), resources_);
  afterFirstPaint(*window_, [description] { description->start(); });
  auto journal = std::make_unique<history::SqliteRunJournal>(
      path,
      std::async(std::launch::deferred, [description] { return description->start().get(); })
          .share(),
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
