// A history that cannot be written never stops or delays a run: the run ends as it would
// without one, the user is told once and why, a damaged file is kept aside while a new one
// starts, and a file of another program or of a newer one is left as it is.
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "history/history_database.h"
#include "tests/history/fault_conditions.h"
#include "tests/history/history_fixture.h"

namespace nobrix::testing {
namespace {

using namespace std::chrono;

// A file the journal has written one run into and closed.
void writeOneRun(const QString& path) {
  history::SqliteRunJournal journal(path, testContext(), {});
  journal.runStarted({{u"OLD1", u"SALVENOR LRX5303", u"/dev/usb/lp0"}});
  journal.runEnded({});
}

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void overwrite(const QString& path, qint64 offset, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.seek(offset));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

enum class Fault {
  kLockedByAnotherProgram,
  kReadOnlyFolder,
  kReadOnlyFile,
  kDiskFull,
  kNewerLayout,
  kNotADatabase,
  kDamagedPage,
  kForeignTables,       // an SQLite file of another program, layout 0
  kForeignWithALayout,  // ... whose user_version is set
};

struct FaultCase {
  const char* name;
  Fault fault;
  bool recorded;       // a new file takes the run
  const char* reason;  // in the problem the user is told
  bool untouched;      // the file is left byte for byte, and reading it is refused
};

void writeForeignFile(const QString& path, int userVersion) {
  QFile::remove(path);
  {
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "foreign");
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    QSqlQuery query(other);
    ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE settings (key TEXT, value TEXT)")));
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = %1").arg(userVersion)));
  }
  QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
}

class HistoryFault : public HistoryTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(HistoryFault, TheRunGoesOnAsWithoutHistoryAndTheUserIsToldOnceAtMost) {
  const FaultCase& c = GetParam();
  writeOneRun(path());
  const QString folderPath = folder.path();
  QSqlDatabase other;
  std::unique_ptr<WritesDenied> denied;
  std::unique_ptr<DiskFull> diskFull;
  switch (c.fault) {
    case Fault::kLockedByAnotherProgram:
      other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
      other.setDatabaseName(path());
      ASSERT_TRUE(other.open());
      ASSERT_TRUE(QSqlQuery(QStringLiteral("BEGIN EXCLUSIVE"), other).isActive());
      break;
    case Fault::kReadOnlyFolder:
      QFile::remove(path());
      denied = std::make_unique<WritesDenied>(folderPath, WritesDenied::Kind::kFolder);
      break;
    case Fault::kReadOnlyFile:
      denied = std::make_unique<WritesDenied>(path(), WritesDenied::Kind::kFile);
      break;
    case Fault::kDiskFull:
      diskFull = std::make_unique<DiskFull>();
      break;
    case Fault::kNewerLayout: {
      history::HistoryDatabase database;
      ASSERT_TRUE(database.open(path(), history::HistoryDatabase::Mode::kWrite));
      ASSERT_TRUE(database.exec(QStringLiteral("PRAGMA user_version = 99")));
      break;
    }
    case Fault::kNotADatabase:
      overwrite(path(), 0, QByteArray(100, 'x'));
      break;
    case Fault::kDamagedPage:
      overwrite(path(), 4096 + 8, QByteArray(64, '\xff'));
      break;
    case Fault::kForeignTables:
      writeForeignFile(path(), 0);
      break;
    case Fault::kForeignWithALayout:
      writeForeignFile(path(), 7);
      break;
  }
  if ((denied && !denied->holds()) || (diskFull && !diskFull->holds())) {
    GTEST_SKIP() << "this system, or this account, cannot make the fault here";
  }
  const QByteArray before = contentOf(path());

  TimedJournal timed(journal());
  runThreePrinters(timed);
  diskFull.reset();
  denied.reset();
  if (other.isOpen()) {
    other.close();
  }
  other = QSqlDatabase();
  QSqlDatabase::removeDatabase(QStringLiteral("other"));

  EXPECT_TRUE(runWentAsWithoutHistory());
  // One short wait for a lock at most, not one per event.
  EXPECT_LT(timed.spent, milliseconds(10 * history::kBusyTimeoutMs));
  EXPECT_EQ(notRecorded, c.recorded ? 0 : 1) << journal().problem().toStdString();
  EXPECT_NE(journal().problem().indexOf(QLatin1String(c.reason)), -1)
      << journal().problem().toStdString();

  const auto listing = read();
  if (c.recorded) {
    ASSERT_FALSE(journal().setAside().isEmpty());
    EXPECT_EQ(contentOf(journal().setAside()), before) << "the damaged file is kept whole";
    ASSERT_TRUE(listing.ok) << listing.problem;
    ASSERT_EQ(listing.runs.size(), 1U);
    EXPECT_EQ(listing.runs[0].updated, 3);
  } else if (listing.ok) {
    EXPECT_LE(listing.runs.size(), 1U) << "only the run written before the fault";
    for (const auto& run : listing.runs) {
      EXPECT_EQ(run.printers.at(0).serialNumber, "OLD1");
    }
  }
  if (c.untouched) {
    EXPECT_FALSE(listing.ok);
    EXPECT_NE(listing.problem.find("left as it is"), std::string::npos) << listing.problem;
    EXPECT_EQ(contentOf(path()), before) << "another program's file is left as it is";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HistoryFault,
    ::testing::Values(
        FaultCase{"LockedByAnotherProgram", Fault::kLockedByAnotherProgram, false, "locked", false},
        FaultCase{"ReadOnlyFolder", Fault::kReadOnlyFolder, false, "read-only", false},
        FaultCase{"ReadOnlyFile", Fault::kReadOnlyFile, false, "read-only", false},
        FaultCase{"DiskFull", Fault::kDiskFull, false, "", false},
        FaultCase{"NewerLayout", Fault::kNewerLayout, false, "newer program", true},
        FaultCase{"NotADatabase", Fault::kNotADatabase, true, "", false},
        FaultCase{"DamagedPage", Fault::kDamagedPage, true, "", false},
        FaultCase{"ForeignTables", Fault::kForeignTables, false, "another program", true},
        FaultCase{"ForeignWithALayout", Fault::kForeignWithALayout, false, "another program",
                  true}),
    [](const ::testing::TestParamInfo<FaultCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace nobrix::testing
