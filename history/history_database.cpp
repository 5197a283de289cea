// A file counts as damaged when SQLite says so: "not a database" or "malformed" from any
// statement, or a quick check (the file's structure without the cross-checks of its indexes)
// that reports anything but "ok". Locks, missing rights and a full disk are not damage: the
// file is left as it is and the caller goes without.
#include "history/history_database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <atomic>

#include "history/history_schema.h"

namespace nobrix::history {

namespace {

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

int primaryCode(const QSqlError& error) {
  bool isNumber = false;
  const int code = error.nativeErrorCode().toInt(&isNumber);
  return isNumber ? (code & 0xff) : 0;
}

bool isDamage(int code) {
  return code == kSqliteCorrupt || code == kSqliteNotADatabase;
}

QString uniqueConnectionName() {
  static std::atomic<int> next{0};
  return QStringLiteral("nobrix-history-%1").arg(next++);
}

// "<file>.damaged-<UTC time>", numbered when that exists already: nothing is ever overwritten.
QString asideName(const QString& path) {
  const QString stem =
      path + QStringLiteral(".damaged-") +
      QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
  QString name = stem;
  for (int n = 2; QFileInfo::exists(name); ++n) {
    name = stem + u'-' + QString::number(n);
  }
  return name;
}

}  // namespace

HistoryDatabase::HistoryDatabase() : connectionName_(uniqueConnectionName()) {}

HistoryDatabase::~HistoryDatabase() {
  close();
}

bool HistoryDatabase::open(const QString& path, Mode mode) {
  close();
  setAside_.clear();
  if (mode == Mode::kWrite && !QDir().mkpath(QFileInfo(path).absolutePath())) {
    setProblem(QStringLiteral("cannot create the folder of ") + path, 0);
    return false;
  }
  if (!connect(path, mode)) {
    return false;
  }
  if (looksDamaged()) {
    if (mode == Mode::kRead) {
      setProblem(path + QStringLiteral(" is damaged"), kSqliteCorrupt);
      return false;
    }
    close();
    if (!moveAside(path) || !connect(path, mode)) {
      return false;
    }
  } else if (lastCode_ != 0) {
    return false;
  }
  return mode == Mode::kRead || prepareForWriting();
}

bool HistoryDatabase::connect(const QString& path, Mode mode) {
  lastCode_ = 0;
  problem_.clear();
  database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
  database_.setDatabaseName(path);
  QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
  if (mode == Mode::kRead) {
    options += QStringLiteral(";QSQLITE_OPEN_READONLY");
  }
  database_.setConnectOptions(options);
  if (!database_.open()) {
    setProblem(database_.lastError().text(), primaryCode(database_.lastError()));
    return false;
  }
  query_ = QSqlQuery(database_);
  return true;
}

// Sets lastCode_ when the check itself could not run (a lock, say): that is not damage.
bool HistoryDatabase::looksDamaged() {
  if (!exec(QStringLiteral("PRAGMA quick_check(1)"))) {
    return isDamage(lastCode_);
  }
  const bool ok = query_.next() && query_.value(0).toString() == u"ok";
  query_.finish();
  return !ok;
}

bool HistoryDatabase::moveAside(const QString& path) {
  const QString aside = asideName(path);
  if (!QFile::rename(path, aside)) {
    setProblem(QStringLiteral("cannot move the damaged ") + path + QStringLiteral(" aside"), 0);
    return false;
  }
  // The log and its index belong to the damaged file; a new file must not replay them.
  for (const char* suffix : {"-wal", "-shm"}) {
    if (QFileInfo::exists(path + QLatin1String(suffix))) {
      QFile::rename(path + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
  }
  setAside_ = aside;
  return true;
}

// The write-ahead log lets a reader (the history command) look while a run writes, and with
// synchronous=NORMAL a commit costs no flush to the disk; the journal asks for one where it
// matters.
bool HistoryDatabase::prepareForWriting() {
  if (!exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
    return false;
  }
  query_.finish();
  return exec(QStringLiteral("PRAGMA synchronous=NORMAL")) && migrateToCurrentLayout(*this);
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
    setProblem(QStringLiteral("the history is not open"), 0);
    return false;
  }
  query_.finish();
  if (!query_.prepare(sql)) {
    setProblem(query_.lastError().text(), primaryCode(query_.lastError()));
    return false;
  }
  for (const QVariant& value : values) {
    query_.addBindValue(value);
  }
  if (!query_.exec()) {
    setProblem(query_.lastError().text(), primaryCode(query_.lastError()));
    return false;
  }
  return true;
}

void HistoryDatabase::setProblem(const QString& what, int code) {
  problem_ = what;
  lastCode_ = code;
}

}  // namespace nobrix::history
