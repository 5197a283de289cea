// The file system under the history fails during a run, through a stand-in that SQLite itself
// writes to: a full disk, a failing disk, a file system without shared memory for the
// write-ahead log's index (as on 9p). Whatever the record says afterwards is true.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "tests/history/disk_faults.h"
#include "tests/history/history_fixture.h"

namespace nobrix::testing {
namespace {

using DiskFault = DiskFaults::Fault;
using Kept = history::SqliteRunJournal::Kept;

// The header's write and read versions: 1 for a rollback journal, 2 for the write-ahead log.
QByteArray journalVersions(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.seek(18) ? file.read(2) : QByteArray();
}

struct MidRunCase {
  const char* name;
  DiskFault fault;
  bool goneBeforeTheEnd;
  Kept kept;
  int notRecorded;
};

class DiskFailsMidRun : public HistoryTest, public ::testing::WithParamInterface<MidRunCase> {};

// From the end of the first printer's switch on, while the others are still in idle mode; a
// hang-up comes later, while the trouble lasts.
TEST_P(DiskFailsMidRun, TheRecordSaysOnlyWhatIsTrue) {
  const MidRunCase& c = GetParam();
  DiskFaults disk;
  TimedJournal timed(journal());
  QString faultAt;
  bool hungUp = false;
  timed.afterEvent = [&](std::string_view event, int row) {
    if (event == "stepEnded" && row == 0 && faultAt.isEmpty()) {
      faultAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
      disk.set(c.fault);
    } else if (event == "stepStarted" && row == 2 && !faultAt.isEmpty() && !hungUp) {
      hungUp = true;
      timed.runEvent(ports::RunEvent::kHangUp);
    }
  };
  timed.beforeEvent = [&](std::string_view event, int) {
    if (event == "runEnded" && c.goneBeforeTheEnd) {
      disk.set(DiskFault::kNone);
    }
  };
  runThreePrinters(timed);
  disk.set(DiskFault::kNone);

  EXPECT_TRUE(runWentAsWithoutHistory());
  EXPECT_GT(disk.refusedWrites(), 0) << "the fault was met";
  EXPECT_EQ(journal().kept(), c.kept) << journal().problem().toStdString();
  EXPECT_EQ(notRecorded, c.notRecorded);
  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  const history::RunRecord& run = listing.runs[0];
  ASSERT_EQ(run.printers.size(), 3U);
  if (c.kept == Kept::kUntilTrouble) {
    // What was written before the fault, and no more: no end, no later step.
    EXPECT_EQ(run.state, history::RunState::kInterrupted);
    EXPECT_FALSE(run.printers[0].steps[0].endedAt.empty());
    EXPECT_TRUE(run.printers[2].steps[0].startedAt.empty());
    EXPECT_TRUE(run.events.empty());
    return;
  }
  EXPECT_EQ(run.state, history::RunState::kFinished);
  EXPECT_EQ(run.updated, 3);
  for (const auto& printer : run.printers) {
    EXPECT_EQ(printer.statusKey, "StrRes_StatusUpdateCompleted") << printer.serialNumber;
    EXPECT_EQ(printer.bytesAccepted, kSmallImageBytes) << printer.serialNumber;
    EXPECT_FALSE(printer.steps[2].endedAt.empty()) << printer.serialNumber;
  }
  ASSERT_EQ(run.events.size(), 1U);
  EXPECT_EQ(run.events[0].name, "hang-up");
  EXPECT_EQ(run.fullyRecorded(), c.kept == Kept::kWhole);
  if (!run.fullyRecorded()) {
    EXPECT_GE(run.recordGapFrom, faultAt.toStdString());
    EXPECT_LE(run.recordGapFrom, run.endedAt);
    EXPECT_NE(run.recordGapReason.find("disk I/O error"), std::string::npos) << run.recordGapReason;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DiskFailsMidRun,
    ::testing::Values(
        // The log reuses the room it already takes: the record goes on as the run does.
        MidRunCase{"FullDiskToTheEnd", DiskFault::kFull, false, Kept::kWhole, 0},
        MidRunCase{"FailingDiskThatRecoversBeforeTheEnd", DiskFault::kFailing, true,
                   Kept::kCompletedAtEnd, 1},
        MidRunCase{"FailingDiskToTheEnd", DiskFault::kFailing, false, Kept::kUntilTrouble, 1}),
    [](const ::testing::TestParamInfo<MidRunCase>& param) {
      return std::string(param.param.name);
    });

enum class Before { kNothing, kEmptyFileInTheLog, kHistoryInTheLog, kWriteCutShort };

struct NoSharedMemoryCase {
  const char* name;
  Before before;
  bool indexIsAFolder;  // the real file system: the index cannot even be opened
  std::size_t runsAfter;
};

// What an older program left: the first run switched the file to the log and could go no further
// (the 4 KB file without tables), or a history kept in the log where it still worked. Or what
// this program leaves without shared memory when a write is cut short: its rollback journal.
void prepare(const QString& path, Before before, DiskFaults& disk) {
  if (before == Before::kHistoryInTheLog || before == Before::kWriteCutShort) {
    disk.setSharedMemory(before != Before::kWriteCutShort);
    history::SqliteRunJournal earlier(path, testContext(), {});
    earlier.runStarted({{u"OLD1", std::u16string(kHistoryProduct), u"/dev/usb/lp0"}});
    earlier.runEnded({});
  }
  if (before == Before::kEmptyFileInTheLog || before == Before::kWriteCutShort) {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "older");
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    QSqlQuery query(database);
    if (before == Before::kEmptyFileInTheLog) {
      ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
    } else {
      // The journal as a kill would leave it: a transaction too big for the page cache spills
      // into the file, after the journal's header is on the disk; never committed nor removed.
      ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA cache_size=1")));
      ASSERT_TRUE(query.exec(QStringLiteral("BEGIN IMMEDIATE")));
      ASSERT_TRUE(query.exec(QStringLiteral("UPDATE runs SET host = 'half-written'")));
      ASSERT_TRUE(query.exec(QStringLiteral("CREATE TABLE filler (bytes BLOB)")));
      ASSERT_TRUE(query.exec(QStringLiteral(
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50)"
          " INSERT INTO filler SELECT zeroblob(2000) FROM n")));
      ASSERT_TRUE(QFile::copy(path + QStringLiteral("-journal"), path + QStringLiteral(".left")));
      ASSERT_TRUE(query.exec(QStringLiteral("ROLLBACK")));
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("older"));
  if (before == Before::kWriteCutShort) {
    ASSERT_TRUE(QFile::rename(path + QStringLiteral(".left"), path + QStringLiteral("-journal")));
  }
}

class WithoutSharedMemory : public HistoryTest,
                            public ::testing::WithParamInterface<NoSharedMemoryCase> {};

TEST_P(WithoutSharedMemory, TheRunIsKeptWithARollbackJournal) {
  const NoSharedMemoryCase& c = GetParam();
  DiskFaults disk;
  prepare(path(), c.before, disk);
  if (c.before != Before::kNothing) {
    ASSERT_EQ(journalVersions(path()), c.before == Before::kWriteCutShort
                                           ? QByteArray("\x01\x01", 2)
                                           : QByteArray("\x02\x02", 2));
  }
  disk.setSharedMemory(c.indexIsAFolder);
  if (c.indexIsAFolder) {
    ASSERT_TRUE(QDir().mkdir(path() + QStringLiteral("-shm")));
  }
  const auto earlier = read();
  ASSERT_TRUE(earlier.ok) << earlier.problem;
  EXPECT_EQ(earlier.runs.size(), c.runsAfter - 1);

  runThreePrinters(journal());
  EXPECT_EQ(notRecorded, 0) << journal().problem().toStdString();
  EXPECT_EQ(journal().kept(), Kept::kWhole);
  EXPECT_EQ(journalVersions(path()), QByteArray("\x01\x01", 2));
  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), c.runsAfter);
  EXPECT_EQ(listing.runs[0].updated, 3);
  EXPECT_TRUE(c.indexIsAFolder || disk.refusedWrites() > 0) << "the index was never asked for";
  for (const auto& run : listing.runs) {
    EXPECT_EQ(run.host, "bench-7") << "a write cut short is played back";
  }
}

INSTANTIATE_TEST_SUITE_P(
    FileSystems, WithoutSharedMemory,
    ::testing::Values(NoSharedMemoryCase{"NewFile", Before::kNothing, false, 1},
                      NoSharedMemoryCase{"EmptyFileInTheLog", Before::kEmptyFileInTheLog, false, 1},
                      NoSharedMemoryCase{"HistoryInTheLog", Before::kHistoryInTheLog, false, 2},
                      NoSharedMemoryCase{"IndexIsAFolder", Before::kNothing, true, 1},
                      NoSharedMemoryCase{"WriteCutShort", Before::kWriteCutShort, false, 2}),
    [](const ::testing::TestParamInfo<NoSharedMemoryCase>& param) {
      return std::string(param.param.name);
    });

}  // namespace
}  // namespace nobrix::testing

namespace nobrix::testing {
namespace {

// Rows that outgrow their page on a full disk: the file's spare room takes them.
TEST_F(HistoryTest, RowsThatOutgrowTheirPageOnAFullDiskAreKept) {
  DiskFaults disk;
  std::vector<ports::JournalPrinter> printers;
  for (char16_t n = u'1'; n <= u'6'; ++n) {
    printers.push_back({std::u16string(u"SN") + n, std::u16string(200, u'D'), u"/dev/usb/lp0"});
  }
  journal().runStarted(printers);
  disk.set(DiskFault::kFull);
  for (int round = 1; round <= 12; ++round) {
    for (int row = 0; row < 6; ++row) {
      journal().statusChanged(row, round, "StrRes_Key", std::u16string(100 * round, u'x'));
    }
  }
  journal().runEnded({ports::RunOutcome::kFinished, 6, 6, 6, {}});
  disk.set(DiskFault::kNone);
  EXPECT_GT(disk.refusedWrites(), 0);
  EXPECT_EQ(journal().kept(), Kept::kWhole) << journal().problem().toStdString();
  const auto listing = read();
  ASSERT_TRUE(listing.ok) << listing.problem;
  ASSERT_EQ(listing.runs.size(), 1U);
  EXPECT_EQ(listing.runs[0].printers.at(5).statusText.size(), 1200U);
}

}  // namespace
}  // namespace nobrix::testing
