// One connection to the history file, for the journal (writing) and the reader. Opening for
// writing creates the folder and the file, switches to the write-ahead log and migrates the
// layout forward. A file SQLite calls damaged is moved aside, kept whole, and a new one started.
// Every wait for a lock held by another process is short: the history never holds up a run.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace nobrix::history {

inline constexpr int kBusyTimeoutMs = 100;

class HistoryDatabase {
 public:
  enum class Mode { kWrite, kRead };

  HistoryDatabase();
  ~HistoryDatabase();
  HistoryDatabase(const HistoryDatabase&) = delete;
  HistoryDatabase& operator=(const HistoryDatabase&) = delete;

  // False with problem() saying why. Reading never moves a damaged file aside or migrates.
  bool open(const QString& path, Mode mode);
  void close();

  // Runs one statement with positional values; false with problem() saying why.
  bool exec(const QString& sql, const QVariantList& values = {});
  // The statement run last, to read its rows.
  QSqlQuery& query() { return query_; }

  // SQLite's primary result code of the last failure (5 busy, 8 read-only, 11 damaged, 13 full,
  // 26 not a database), 0 when none is known.
  int lastCode() const { return lastCode_; }
  const QString& problem() const { return problem_; }
  // Where a damaged file was moved by the last open, empty when none was.
  const QString& setAside() const { return setAside_; }
  void setProblem(const QString& what, int code);

 private:
  bool connect(const QString& path, Mode mode);
  bool prepareForWriting();
  bool looksDamaged();
  bool moveAside(const QString& path);

  QString connectionName_;
  QSqlDatabase database_;
  QSqlQuery query_;
  int lastCode_ = 0;
  QString problem_;
  QString setAside_;
};

}  // namespace nobrix::history
