// The history command reads back what update recorded: every run with its printers and events,
// filtered by a printer's serial number and by time (with the time of day and its zone), as text
// and as one JSON document in every outcome, a history that cannot be read included.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "history/sqlite_run_journal.h"
#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

struct HistoryCase {
  std::string name;
  std::vector<std::string> arguments;
  int runs;      // runs listed
  int printers;  // printers in the newest run listed
};

const HistoryCase kHistoryCases[] = {
    {"All", {"history"}, 2, 3},
    {"OneSerial", {"history", "--serial", "CN53A1B002"}, 2, 1},
    {"UnknownSerial", {"history", "--serial", "NOSUCH"}, 0, 0},
    {"UntilTodayCountsToday", {"history", "--since", "2000-01-01", "--until", "2999-12-31"}, 2, 3},
    {"SinceTheFuture", {"history", "--since", "2999-01-01T00:00"}, 0, 0},
    {"UntilThePast", {"history", "--until", "2000-01-01"}, 0, 0},
};

// Cases around the newest run's start: right only when the time of day and its zone count.
std::vector<HistoryCase> timeOfDayCases(const QDateTime& newest) {
  const auto at = [](const QDateTime& moment, int offsetSeconds) {
    return moment.toOffsetFromUtc(offsetSeconds).toString(Qt::ISODate).toStdString();
  };
  const std::string day = newest.date().toString(Qt::ISODate).toStdString();
  return {
      {"SinceAMinuteEarlierInIndia", {"history", "--since", at(newest.addSecs(-60), 19800)}, 2, 3},
      {"UntilAMinuteLaterInBrazil", {"history", "--until", at(newest.addSecs(60), -10800)}, 2, 3},
      {"SinceASecondLater", {"history", "--since", at(newest.addSecs(1), 0)}, 0, 0},
      {"UntilThatDaysMidnight", {"history", "--until", day + "T00:00Z"}, 0, 0},
      {"UntilThatDayAlone", {"history", "--until", day}, 2, 3},
  };
}

TEST(HistoryCommand, ListsTheRecordedRunsFilteredBySerialAndTime) {
  QTemporaryDir folder;
  CliRunSettings recording;
  recording.historyFile = folder.filePath(QStringLiteral("history.sqlite"));
  ImageResources resources(kCliImageBytes);
  for (const char* scenario : {"default", "ignores-flash"}) {
    const auto bus = scenarioBus(scenario, resources);
    runCliOn(*bus, *bus, resources, {"update", "--all"}, recording);
  }

  platform::sim::SimBus idle;
  // Newest first: the run where one printer ignored the switch, then the one that updated all.
  const CliOutcome json = runCliOn(idle, idle, resources, {"history", "--json"}, recording);
  const QJsonObject document = json.json();
  EXPECT_EQ(document["command"].toString(), "history");
  EXPECT_EQ(document["schemaVersion"].toInt(), 1);
  EXPECT_TRUE(document["error"].isNull());
  const QJsonArray runs = document["runs"].toArray();
  ASSERT_EQ(runs.size(), 2);
  EXPECT_EQ(runs[0].toObject()["state"].toString(), "finished");
  EXPECT_EQ(runs[0].toObject()["updated"].toInt(), 2);
  EXPECT_TRUE(runs[0].toObject()["fullyRecorded"].toBool());
  EXPECT_TRUE(runs[0].toObject()["recordGap"].isNull());
  EXPECT_EQ(runs[0].toObject()["events"].toArray().size(), 0);
  EXPECT_EQ(runs[1].toObject()["updated"].toInt(), 3);
  EXPECT_EQ(runs[1].toObject()["printers"].toArray()[0].toObject()["bytesAccepted"].toInteger(),
            static_cast<qint64>(kCliImageBytes));

  std::vector<HistoryCase> cases(std::begin(kHistoryCases), std::end(kHistoryCases));
  const auto newest =
      QDateTime::fromString(runs[0].toObject()["startedAt"].toString(), Qt::ISODateWithMs);
  for (const HistoryCase& check : timeOfDayCases(newest)) {
    cases.push_back(check);
  }
  for (const HistoryCase& check : cases) {
    SCOPED_TRACE(check.name);
    auto arguments = check.arguments;
    arguments.push_back("--json");
    const CliOutcome outcome = runCliOn(idle, idle, resources, arguments, recording);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const QJsonArray listed = outcome.json()["runs"].toArray();
    ASSERT_EQ(listed.size(), check.runs);
    if (check.runs > 0) {
      EXPECT_EQ(listed[0].toObject()["printers"].toArray().size(), check.printers);
    }
  }

  const CliOutcome text = runCliOn(idle, idle, resources, {"history"}, recording);
  EXPECT_NE(text.out.find("[2/3]"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("CN53A1B001"), std::string::npos) << text.out;
}

// A run whose record has events and a gap, as the journal writes them; the gap through SQL.
void writeRunWithEventsAndAGap(const QString& path) {
  QDateTime now(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
  history::SqliteRunJournal journal(path, history::RunContext{}, {}, [&] { return now; });
  journal.runEvent(ports::RunEvent::kStopRequested);  // outside a run: nothing to keep it with
  journal.runStarted({{u"CN53A1B001", u"SALVENOR LRX5303", u"/dev/usb/lp0"}});
  for (const auto event : {ports::RunEvent::kHangUp, ports::RunEvent::kOutputClosed}) {
    now = now.addSecs(1);
    journal.runEvent(event);
  }
  journal.runEnded({ports::RunOutcome::kFinished, 1, 1, 1, {}});
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "gap");
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    ASSERT_TRUE(QSqlQuery(QStringLiteral("UPDATE runs SET record_gap_from ="
                                         " '2026-12-09T10:00:05.000Z', record_gap_reason ="
                                         " 'the disk is full'"),
                          database)
                    .isActive());
  }
  QSqlDatabase::removeDatabase(QStringLiteral("gap"));
}

TEST(HistoryCommand, ShowsARunsEventsAndThatItIsNotFullyRecorded) {
  QTemporaryDir folder;
  CliRunSettings settings;
  settings.historyFile = folder.filePath(QStringLiteral("history.sqlite"));
  writeRunWithEventsAndAGap(settings.historyFile);
  platform::sim::SimBus idle;
  ImageResources resources(kCliImageBytes);

  const CliOutcome json = runCliOn(idle, idle, resources, {"history", "--json"}, settings);
  const QJsonObject run = json.json()["runs"].toArray().at(0).toObject();
  EXPECT_FALSE(run["fullyRecorded"].toBool());
  EXPECT_EQ(run["recordGap"].toObject()["from"].toString(), "2026-12-09T10:00:05.000Z");
  EXPECT_EQ(run["recordGap"].toObject()["reason"].toString(), "the disk is full");
  const QJsonArray events = run["events"].toArray();
  ASSERT_EQ(events.size(), 2);
  EXPECT_EQ(events[0].toObject()["event"].toString(), "hang-up");
  EXPECT_EQ(events[0].toObject()["at"].toString(), "2026-12-09T10:00:01.000Z");
  EXPECT_EQ(events[1].toObject()["event"].toString(), "output-closed");
  EXPECT_EQ(events[1].toObject()["at"].toString(), "2026-12-09T10:00:02.000Z");

  const CliOutcome text = runCliOn(idle, idle, resources, {"history"}, settings);
  EXPECT_NE(text.out.find("not fully recorded"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("hang-up: the terminal went away"), std::string::npos) << text.out;
}

void writeForeignFile(const QString& path) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "foreign");
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    ASSERT_TRUE(QSqlQuery(QStringLiteral("CREATE TABLE notes (text)"), database).isActive());
  }
  QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
}

TEST(HistoryCommand, EveryFailureIsOneJsonDocumentWithItsCodeAndAReasonOnStandardError) {
  platform::sim::SimBus idle;
  ImageResources resources(kCliImageBytes);
  QTemporaryDir folder;
  const QString foreign = folder.filePath(QStringLiteral("foreign.sqlite"));
  writeForeignFile(foreign);
  struct Case {
    const char* name;
    QString historyFile;
    std::vector<std::string> arguments;
    int exitCode;
    const char* code;
  };
  const Case cases[] = {
      {"AFolder", folder.path(), {"history"}, 1, "unreadable"},
      {"ForeignFile", foreign, {"history"}, 1, "foreign-file"},
      {"NoHistoryKept", QString(), {"history"}, 1, "no-history"},
      {"HourOutOfRange", foreign, {"history", "--since", "2026-12-09T99:99"}, 2, "usage"},
      {"Garbage", foreign, {"history", "--until", "2026-12-09garbage"}, 2, "usage"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CliRunSettings settings;
    settings.historyFile = c.historyFile;
    auto arguments = c.arguments;
    const CliOutcome text = runCliOn(idle, idle, resources, arguments, settings);
    EXPECT_EQ(text.exitCode, c.exitCode);
    EXPECT_TRUE(text.out.empty()) << text.out;
    EXPECT_FALSE(text.err.empty());
    arguments.push_back("--json");
    const CliOutcome json = runCliOn(idle, idle, resources, arguments, settings);
    EXPECT_EQ(json.exitCode, c.exitCode);
    const QJsonObject document = json.json();
    EXPECT_EQ(document["command"].toString(), "history");
    EXPECT_EQ(document["schemaVersion"].toInt(), 1);
    EXPECT_EQ(document["error"].toObject()["code"].toString(), c.code);
    EXPECT_FALSE(document["error"].toObject()["message"].toString().isEmpty());
    EXPECT_TRUE(document["runs"].isArray() && document["runs"].toArray().isEmpty());
  }

  CliRunSettings none;
  none.historyFile = folder.filePath(QStringLiteral("none.sqlite"));
  const CliOutcome empty = runCliOn(idle, idle, resources, {"history", "--lang", "en"}, none);
  EXPECT_EQ(empty.exitCode, 0);
  EXPECT_NE(empty.err.find("no service history yet"), std::string::npos) << empty.err;
}

}  // namespace
}  // namespace nobrix::testing
