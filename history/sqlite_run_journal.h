// The run journal kept in the history file, written as the run goes: the run and its printers
// are committed, and flushed to the disk, before the first printer is switched; each step, status
// and event is one small commit after that; the end is flushed again. A run whose end is missing
// reads as interrupted.
//
// A history that cannot be opened or written costs the run nothing more than a short lock wait or
// two: the journal stops writing for the rest of the run and calls `notRecorded` once. A full
// disk first costs a copy of the log back into the file, whose room the log then reuses. What the
// file missed is kept in memory, and the run's end tries once more to write the whole run, marked
// as not fully recorded from the moment the trouble began.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <future>

#include "history/history_database.h"
#include "history/run_context.h"
#include "history/run_shadow.h"
#include "ports/run_journal.h"

namespace nobrix::history {

class SqliteRunJournal final : public ports::RunJournal {
 public:
  using Clock = std::function<QDateTime()>;  // UTC; the system clock when empty
  // One line for standard error, in English: why a run is not (fully) recorded, where a damaged
  // file went.
  using Notice = std::function<void(const QString& line)>;

  // How much of the last run the file holds.
  enum class Kept {
    kNothing,         // the run could not even be started in the file
    kWhole,           // written as it went, to its end
    kCompletedAtEnd,  // not written for part of the run; its end wrote the rest from memory
    kUntilTrouble,    // written until trouble began; the end could not be written (interrupted)
  };

  // The file is opened at each run's start, not here. A context still being worked out is
  // waited for at the first run's start.
  SqliteRunJournal(QString path, std::shared_future<RunContext> context,
                   std::function<void()> notRecorded, Clock clock = {});
  SqliteRunJournal(QString path, RunContext context, std::function<void()> notRecorded,
                   Clock clock = {});
  ~SqliteRunJournal() override;

  void setNotices(Notice notices) { notices_ = std::move(notices); }

  // Whether the run under way is being written as it goes.
  bool recording() const { return live_; }
  Kept kept() const { return kept_; }
  // Why the last run is not (fully) recorded, for the diagnostics; where a damaged file went.
  const QString& problem() const { return problem_; }
  const QString& setAside() const { return setAside_; }

  void runStarted(const std::vector<ports::JournalPrinter>& printers) override;
  void stepStarted(int row, int step) override;
  void statusChanged(int row, std::int32_t status, std::string_view textKey,
                     std::u16string_view rowText) override;
  void bytesAccepted(int row, std::uint64_t bytes) override;
  void stepEnded(int row, int step) override;
  void runEvent(ports::RunEvent event) override;
  void runEnded(const ports::RunResult& result) override;

 private:
  bool insertRun(const std::vector<ports::JournalPrinter>& printers);
  void stampStep(int row, int step, int edge);
  PrinterShadow* shadowOf(int row);
  void updatePrinter(const QString& assignments, int row, QVariantList values);
  bool write(const QString& sql, const QVariantList& values);
  void notStarted();
  void stopWriting();
  bool writeEnd(const ports::RunResult& result);
  void notify(const QString& line) const;
  QString now() const;

  QString path_;
  std::shared_future<RunContext> context_;
  std::function<void()> notRecorded_;
  Clock clock_;
  Notice notices_;
  HistoryDatabase database_;
  RunShadow shadow_;
  bool running_ = false;  // between runStarted and runEnded
  bool live_ = false;     // writing as the run goes
  qint64 runId_ = -1;
  QString gapFrom_;
  HistoryDatabase::Failure gapCause_;  // what stopped the writing
  Kept kept_ = Kept::kNothing;
  QString problem_;
  QString setAside_;
};

}  // namespace nobrix::history
