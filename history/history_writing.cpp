// Opening for writing, and the room a run's record needs on a full disk.
//
// The write-ahead log lets a reader (the history command) look while a run writes, and with
// synchronous=NORMAL a commit costs no flush to the disk; the journal asks for one where it
// matters. Its index lives in shared memory beside the file, which network and shared file
// systems either refuse (9p: "disk I/O error") or do not share between the machines that use the
// file (NFS, SMB): there the history keeps a rollback journal, as it does wherever the log fails.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <string_view>

#include "history/history_database.h"
#include "history/history_problem.h"
#include "history/history_schema.h"

namespace nobrix::history {

namespace {

constexpr int kSpareRoomBytes = 32 * 1024;

bool isNetworkFileSystem(const QString& folder) {
  static constexpr std::string_view kNetworked[] = {
      "nfs", "nfs4", "9p", "cifs", "smb3", "smbfs", "ceph", "afs", "fuse.sshfs", "fuse.glusterfs",
  };
  const QByteArray type = QStorageInfo(folder).fileSystemType();
  return std::find(std::begin(kNetworked), std::end(kNetworked),
                   std::string_view(type.constData(), static_cast<std::size_t>(type.size()))) !=
         std::end(kNetworked);
}

// How SQLite fails when the log's index cannot be made, mapped or written: an I/O error (9p), a
// file it cannot open, or one it can open only for reading (another user's, left by a run with
// more rights). A file that may not be written at all fails the same way with either journal.
bool cannotShareLogIndex(int code) {
  return code == kSqliteIoError || code == kSqliteCantOpen || code == kSqliteReadOnly;
}

// Whether a file can be made in the folder, as this process's user: SQLite only says that it
// could not open the file.
bool folderTakesNewFiles(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral("/.history-probe-XXXXXX"));
  return probe.open();
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

bool HistoryDatabase::openForWriting() {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!QDir().mkpath(folder)) {
    setProblem(QStringLiteral("its folder cannot be made"), Trouble::kReadOnly);
    return false;
  }
  if (!lookBeforeWriting()) {
    return false;
  }
  if (!connect(Access::kReadWrite)) {
    if (lastCode_ == kSqliteCantOpen && !folderTakesNewFiles(folder)) {
      setProblem(database_.lastError().databaseText(), Trouble::kReadOnly);
    }
    return false;
  }
  if (!chooseJournal() || !exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
      !migrateToCurrentLayout(*this)) {
    return false;
  }
  layoutVersion_ = kLayoutVersion;
  return true;
}

// A file that is there is read first, without writing: whether it is ours and of a layout this
// program knows, and whether it is whole (a quick check: the file's structure without the
// cross-checks of its indexes). Only a damaged file is moved; locks, missing rights and a full
// disk are not damage.
bool HistoryDatabase::lookBeforeWriting() {
  if (QFileInfo(path_).size() == 0) {
    return true;
  }
  HistoryDatabase reading;
  if (reading.open(path_, Mode::kRead) && reading.isWhole()) {
    return true;
  }
  restore(reading.failure());
  if (trouble_ != Trouble::kDamaged) {
    return false;
  }
  reading.close();
  return moveAside();
}

bool HistoryDatabase::isWhole() {
  const QVariant verdict = value(QStringLiteral("PRAGMA quick_check(1)"));
  if (verdict.isValid() && verdict.toString() != u"ok") {
    setProblem(verdict.toString(), Trouble::kDamaged);
    return false;
  }
  return verdict.isValid();
}

bool HistoryDatabase::moveAside() {
  const QString aside = asideName(path_);
  if (!QFile::rename(path_, aside)) {
    setProblem(QStringLiteral("and it cannot be moved aside"), Trouble::kDamaged);
    return false;
  }
  // The log and its index belong to the damaged file; a new file must not replay them.
  for (const char* suffix : {"-wal", "-shm"}) {
    if (QFileInfo::exists(path_ + QLatin1String(suffix))) {
      QFile::rename(path_ + QLatin1String(suffix), aside + QLatin1String(suffix));
    }
  }
  setAside_ = aside;
  return true;
}

// The log is tried once with a write lock through it: switching to it succeeds even where its
// index cannot be made (every statement after fails) or only read (writing fails).
bool HistoryDatabase::chooseJournal() {
  if (isNetworkFileSystem(QFileInfo(path_).absolutePath())) {
    return useRollbackJournal();
  }
  const QVariant mode = value(QStringLiteral("PRAGMA journal_mode=WAL"));
  if (mode.isValid() && exec(QStringLiteral("BEGIN IMMEDIATE")) &&
      exec(QStringLiteral("ROLLBACK"))) {
    writeAheadLog_ = mode.toString() == u"wal";
    return true;
  }
  if (!cannotShareLogIndex(lastCode_)) {
    return false;
  }
  return connect(Access::kReadWrite) && useRollbackJournal();
}

// In exclusive locking mode SQLite keeps the log's index in its own memory, so a file left in the
// write-ahead log (by an older program, or another machine) can still be turned back.
bool HistoryDatabase::useRollbackJournal() {
  writeAheadLog_ = false;
  const bool exclusive = exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
  const QVariant mode =
      exclusive ? value(QStringLiteral("PRAGMA journal_mode=DELETE")) : QVariant();
  if (mode.isValid() && mode.toString() != u"delete") {
    setProblem(QStringLiteral("its journal cannot be changed from ") + mode.toString(),
               Trouble::kOther);
  }
  const Failure failure = this->failure();
  const bool normal = exec(QStringLiteral("PRAGMA locking_mode=NORMAL"));
  restore(failure);
  return mode.toString() == u"delete" && normal;
}

bool HistoryDatabase::reuseLogRoom() {
  if (!writeAheadLog_ || !exec(QStringLiteral("PRAGMA wal_checkpoint(RESTART)")) ||
      !query_.next()) {
    return false;
  }
  // Not busy, and every page of the log in the file.
  const bool restarted =
      query_.value(0).toInt() == 0 && query_.value(1).toInt() == query_.value(2).toInt();
  query_.finish();
  return restarted;
}

// Free pages are reused before the file grows, and SQLite keeps them (no auto-vacuum). They must
// hold written bytes, not holes, so the filler is committed before it is deleted.
void HistoryDatabase::keepSpareRoom() {
  if (!writeAheadLog_) {
    return;
  }
  const Failure before = failure();
  const int pageSize = value(QStringLiteral("PRAGMA page_size")).toInt();
  const int freePages = value(QStringLiteral("PRAGMA freelist_count")).toInt();
  if (pageSize > 0 && freePages * pageSize < kSpareRoomBytes &&
      exec(QStringLiteral("INSERT INTO spare_room (filler) VALUES (zeroblob(?))"),
           {kSpareRoomBytes})) {
    exec(QStringLiteral("DELETE FROM spare_room"));
  }
  value(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
  restore(before);
}

}  // namespace nobrix::history
