// The connection and its statements, and opening for reading. A reader must not need to write:
// SQLite's write-ahead log wants to create its index beside the file, which a folder the user may
// not write (or a file system without shared memory) refuses. A file whose log holds nothing can
// then be read as it is on the disk ("immutable"); one whose log still holds commits cannot.
#include "history/history_database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <atomic>

#include "history/history_identity.h"
#include "history/history_problem.h"

namespace nobrix::history {

namespace {

int primaryCode(const QSqlError& error) {
  bool isNumber = false;
  const int code = error.nativeErrorCode().toInt(&isNumber);
  return isNumber ? (code & 0xff) : 0;
}

// SQLite's own words ("database is locked"), without the driver's ("Unable to fetch row").
QString detailOf(const QSqlError& error) {
  return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QString uniqueConnectionName() {
  static std::atomic<int> next{0};
  return QStringLiteral("nobrix-history-%1").arg(next++);
}

// The header's write and read versions are 2 in a file that uses the write-ahead log.
bool usesWriteAheadLogOnDisk(const QString& path) {
  QFile file(path);
  constexpr qint64 kVersionsAt = 18;
  if (!file.open(QIODevice::ReadOnly) || !file.seek(kVersionsAt)) {
    return false;
  }
  return file.read(2) == QByteArray("\x02\x02", 2);
}

// SQLite would read the log's commits through its index; without one it reads the file alone,
// which is right only when the log holds nothing.
bool readableWithoutLog(const QString& path, int failure) {
  const bool logIndexTrouble = troubleOfSqliteCode(failure) == Trouble::kReadOnly ||
                               failure == kSqliteIoError || failure == kSqliteCantOpen;
  return logIndexTrouble && usesWriteAheadLogOnDisk(path) &&
         QFileInfo(path + QStringLiteral("-wal")).size() == 0;
}

}  // namespace

HistoryDatabase::HistoryDatabase() : connectionName_(uniqueConnectionName()) {}

HistoryDatabase::~HistoryDatabase() {
  close();
}

bool HistoryDatabase::open(const QString& path, Mode mode) {
  close();
  path_ = path;
  setAside_.clear();
  layoutVersion_ = 0;
  writeAheadLog_ = false;
  setProblem(QString(), Trouble::kNone);
  return mode == Mode::kRead ? openForReading() : openForWriting();
}

// A rollback journal left beside the file by a write cut short (a kill, a power cut) must be
// played back before the file can be read, which takes a connection that may write.
// The layout is -1 until one has been read (GCC's optimiser misreads an std::optional here).
bool HistoryDatabase::openForReading() {
  int layout = connect(Access::kReadOnly) ? readLayout(*this).value_or(-1) : -1;
  const bool journalLeft = troubleOfSqliteCode(lastCode_) == Trouble::kReadOnly &&
                           QFileInfo::exists(path_ + QStringLiteral("-journal"));
  if (layout < 0 && (journalLeft || readableWithoutLog(path_, lastCode_))) {
    layout = connect(journalLeft ? Access::kReadWrite : Access::kImmutable)
                 ? readLayout(*this).value_or(-1)
                 : -1;
  }
  layoutVersion_ = layout < 0 ? 0 : layout;
  return layout >= 0;
}

bool HistoryDatabase::connect(Access access) {
  close();
  database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
  QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
  if (access == Access::kImmutable) {
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path_).absoluteFilePath());
    database_.setDatabaseName(url.toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
    options += QStringLiteral(";QSQLITE_OPEN_URI");
  } else {
    database_.setDatabaseName(path_);
  }
  if (access != Access::kReadWrite) {
    options += QStringLiteral(";QSQLITE_OPEN_READONLY");
  }
  database_.setConnectOptions(options);
  if (!database_.open()) {
    setProblem(detailOf(database_.lastError()), primaryCode(database_.lastError()));
    return false;
  }
  query_ = QSqlQuery(database_);
  return true;
}

void HistoryDatabase::close() {
  query_ = QSqlQuery();
  if (database_.isValid()) {
    database_.close();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
  }
}

bool HistoryDatabase::exec(const QString& sql, const QVariantList& values) {
  if (!database_.isOpen()) {
    setProblem(QStringLiteral("the history is not open"), Trouble::kOther);
    return false;
  }
  query_.finish();
  if (!query_.prepare(sql)) {
    setProblem(detailOf(query_.lastError()), primaryCode(query_.lastError()));
    return false;
  }
  for (const QVariant& value : values) {
    query_.addBindValue(value);
  }
  if (!query_.exec()) {
    setProblem(detailOf(query_.lastError()), primaryCode(query_.lastError()));
    return false;
  }
  return true;
}

QVariant HistoryDatabase::value(const QString& sql) {
  if (!exec(sql) || !query_.next()) {
    return {};
  }
  const QVariant first = query_.value(0);
  query_.finish();
  return first;
}

void HistoryDatabase::setProblem(const QString& detail, int code) {
  setProblem(detail, troubleOfSqliteCode(code));
  lastCode_ = code;
}

void HistoryDatabase::setProblem(const QString& detail, Trouble trouble) {
  lastCode_ = 0;
  trouble_ = trouble;
  reason_ = trouble == Trouble::kNone ? QString() : troubleReason(trouble, detail);
  problem_ = reason_.isEmpty() ? QString() : path_ + QStringLiteral(": ") + reason_;
}

void HistoryDatabase::restore(const Failure& failure) {
  lastCode_ = failure.code;
  trouble_ = failure.trouble;
  problem_ = failure.problem;
  reason_ = failure.reason;
}

}  // namespace nobrix::history
