// One connection to the history file, for the journal (writing) and the reader. Opening looks at
// what the file is before anything is written: a file of another program or of a newer layout is
// left as it is; one SQLite calls damaged is moved aside, kept whole, and a new one started.
// Opening for writing then creates the folder and the file, picks the journal (the write-ahead
// log, or a rollback journal where the file system cannot share the log's index) and migrates
// the layout forward. Reading never writes, so a folder the user may not write can be read.
// Every wait for a lock held by another process is short: the history never holds up a run.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include "history/history_problem.h"

namespace nobrix::history {

inline constexpr int kBusyTimeoutMs = 100;

class HistoryDatabase {
 public:
  enum class Mode { kWrite, kRead };

  HistoryDatabase();
  ~HistoryDatabase();
  HistoryDatabase(const HistoryDatabase&) = delete;
  HistoryDatabase& operator=(const HistoryDatabase&) = delete;

  // False with problem() and trouble() saying why.
  bool open(const QString& path, Mode mode);
  void close();

  // Runs one statement with positional values; false with problem() saying why.
  bool exec(const QString& sql, const QVariantList& values = {});
  // The statement run last, to read its rows.
  QSqlQuery& query() { return query_; }
  // The first column of the first row of one statement; an invalid value when it failed.
  QVariant value(const QString& sql);

  // The layout the open file has (0: a new or empty file, migrated to the current one by writing).
  int layoutVersion() const { return layoutVersion_; }
  // Whether the write-ahead log is in use (otherwise the rollback journal is).
  bool usesWriteAheadLog() const { return writeAheadLog_; }

  // After a commit failed for a full disk: copies the log back into the file, so that the next
  // commit reuses the room the log already takes instead of growing it. False when it could not.
  bool reuseLogRoom();
  // Keeps a few free pages in the file and copies the log into it while there is room, so that a
  // run's record never needs the file to grow later: see reuseLogRoom.
  void keepSpareRoom();

  // SQLite's primary result code of the last failure (5 busy, 8 read-only, 11 damaged, 13 full,
  // 26 not a database), 0 when none is known.
  int lastCode() const { return lastCode_; }
  Trouble trouble() const { return trouble_; }
  // The trouble in words, with the file's name.
  const QString& problem() const { return problem_; }
  // The trouble in words without the file's name.
  const QString& reason() const { return reason_; }
  // Where a damaged file was moved by the last open, empty when none was.
  const QString& setAside() const { return setAside_; }
  void setProblem(const QString& detail, int code);
  void setProblem(const QString& detail, Trouble trouble);

  // The last failure, to report it after a clean-up that may fail as well.
  struct Failure {
    int code = 0;
    Trouble trouble = Trouble::kNone;
    QString problem;
    QString reason;
  };
  Failure failure() const { return {lastCode_, trouble_, problem_, reason_}; }
  void restore(const Failure& failure);

 private:
  enum class Access { kReadWrite, kReadOnly, kImmutable };

  bool connect(Access access);
  bool openForReading();
  bool openForWriting();
  bool lookBeforeWriting();
  bool isWhole();
  bool moveAside();
  bool chooseJournal();
  bool useRollbackJournal();

  QString connectionName_;
  QString path_;
  QSqlDatabase database_;
  QSqlQuery query_;
  int layoutVersion_ = 0;
  bool writeAheadLog_ = false;
  int lastCode_ = 0;
  Trouble trouble_ = Trouble::kNone;
  QString problem_;
  QString reason_;
  QString setAside_;
};

}  // namespace nobrix::history
