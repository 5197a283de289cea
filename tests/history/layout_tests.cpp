// The file's layout moves forward: a file of an older layout (1: no status keys, no error texts;
// 2: no events, no record gaps) is read as it is, and the next run migrates it and keeps every
// older record.
#include <QSqlDatabase>
#include <QSqlQuery>

#include "history/history_schema.h"
#include "tests/history/history_fixture.h"

namespace nobrix::testing {
namespace {

// Layout 1's columns are in every later layout.
void writeOldFile(const QString& path, int version) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "old");
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    QSqlQuery query(database);
    for (int step = 1; step <= version; ++step) {
      for (const char* const* statement = history::layoutStatements(step); *statement != nullptr;
           ++statement) {
        ASSERT_TRUE(query.exec(QString::fromLatin1(*statement)));
      }
    }
    ASSERT_TRUE(query.exec(QStringLiteral(
        "INSERT INTO runs (id, started_at, ended_at, outcome, program, program_version,"
        " image_name, image_bytes, image_sha256, host, user_name, ticked, sent, updated)"
        " VALUES (1, '2026-11-02T08:00:00.000Z', '2026-11-02T08:04:00.000Z', 1,"
        " 'NobrixVUZ', '0.9.0', 'old.fhx', 100, 'cd34', 'bench-1', 'tech', 1, 1, 1)")));
    ASSERT_TRUE(query.exec(QStringLiteral(
        "INSERT INTO run_printers (run_id, row, serial_number, description, device_path,"
        " status_code, status_text, bytes_accepted) VALUES (1, 0, 'SIM0001', 'SALVENOR LRX5303',"
        " '/dev/usb/lp0', 6, 'Firmware update: completed', 100)")));
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
  }
  QSqlDatabase::removeDatabase(QStringLiteral("old"));
}

int layoutOf(const QString& path) {
  int version = -1;
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "probe");
    database.setDatabaseName(path);
    QSqlQuery query(database);
    if (database.open() && query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) {
      version = query.value(0).toInt();
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("probe"));
  return version;
}

class OlderLayout : public HistoryTest, public ::testing::WithParamInterface<int> {};

TEST_P(OlderLayout, IsReadAsItIsAndMigratedByTheNextRun) {
  const int version = GetParam();
  writeOldFile(path(), version);
  const auto old = read();
  ASSERT_TRUE(old.ok) << old.problem;
  ASSERT_EQ(old.runs.size(), 1U);
  EXPECT_EQ(old.runs[0].printers.at(0).statusText, "Firmware update: completed");
  EXPECT_EQ(old.runs[0].printers.at(0).statusKey, "");
  EXPECT_TRUE(old.runs[0].fullyRecorded());
  EXPECT_TRUE(old.runs[0].events.empty());
  EXPECT_EQ(layoutOf(path()), version) << "reading changes nothing";

  runThreePrinters(journal());
  EXPECT_EQ(notRecorded, 0) << journal().problem().toStdString();
  EXPECT_EQ(layoutOf(path()), history::kLayoutVersion);

  const auto both = read();
  ASSERT_TRUE(both.ok) << both.problem;
  ASSERT_EQ(both.runs.size(), 2U);
  EXPECT_EQ(both.runs[0].printers.size(), 3U);
  EXPECT_EQ(both.runs[0].printers[0].statusKey, "StrRes_StatusUpdateCompleted");
  EXPECT_TRUE(both.runs[0].fullyRecorded());
  EXPECT_EQ(both.runs[1].programVersion, "0.9.0");
  EXPECT_EQ(both.runs[1].printers.at(0).bytesAccepted, 100U);
  EXPECT_TRUE(both.runs[1].fullyRecorded());
}

INSTANTIATE_TEST_SUITE_P(Layouts, OlderLayout, ::testing::Range(1, history::kLayoutVersion),
                         [](const ::testing::TestParamInfo<int>& param) {
                           return "Layout" + std::to_string(param.param);
                         });

}  // namespace
}  // namespace nobrix::testing
