// The run journal kept in the history file, written as the run goes: the run and its printers
// are committed, and flushed to the disk, before the first printer is switched; each step and
// status is one small commit after that; the end is flushed again. A run whose end is missing
// reads as interrupted.
//
// A history that cannot be opened or written costs the run nothing more than one short lock
// wait: the journal turns itself off for the rest of the run and calls `notRecorded` once.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>

#include "history/history_database.h"
#include "history/run_context.h"
#include "ports/run_journal.h"

namespace nobrix::history {

class SqliteRunJournal final : public ports::RunJournal {
 public:
  using Clock = std::function<QDateTime()>;  // UTC; the system clock when empty

  // The file is opened at each run's start, not here. A context still being worked out is
  // waited for at the first run's start.
  SqliteRunJournal(QString path, std::shared_future<RunContext> context,
                   std::function<void()> notRecorded, Clock clock = {});
  SqliteRunJournal(QString path, RunContext context, std::function<void()> notRecorded,
                   Clock clock = {});
  ~SqliteRunJournal() override;

  // Whether the run under way is being recorded.
  bool recording() const { return runId_ >= 0; }
  // Why the last run is not recorded, for the diagnostics; where a damaged file went.
  const QString& problem() const { return problem_; }
  const QString& setAside() const { return setAside_; }

  void runStarted(const std::vector<ports::JournalPrinter>& printers) override;
  void stepStarted(int row, int step) override;
  void statusChanged(int row, std::int32_t status, std::string_view textKey,
                     std::u16string_view rowText) override;
  void bytesAccepted(int row, std::uint64_t bytes) override;
  void stepEnded(int row, int step) override;
  void runEnded(const ports::RunResult& result) override;

 private:
  bool insertRun(const std::vector<ports::JournalPrinter>& printers);
  void stampStep(int row, int step, const char* edge);
  void updatePrinter(const QString& assignments, int row, QVariantList values);
  bool write(const QString& sql, const QVariantList& values);
  bool flushedWrite(const QString& sql, const QVariantList& values);
  void turnOff();
  QString now() const;

  QString path_;
  std::shared_future<RunContext> context_;
  std::function<void()> notRecorded_;
  Clock clock_;
  HistoryDatabase database_;
  qint64 runId_ = -1;
  QString problem_;
  QString setAside_;
};

}  // namespace nobrix::history
