// The history command reads back what update recorded: every run with its printers, filtered by a
// printer's serial number and by time, as text and as JSON.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QTemporaryDir>

#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

struct HistoryCase {
  const char* name;
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
  for (const HistoryCase& check : kHistoryCases) {
    SCOPED_TRACE(check.name);
    auto arguments = check.arguments;
    arguments.push_back("--json");
    const CliOutcome outcome = runCliOn(idle, idle, resources, arguments, recording);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    const QJsonArray runs = outcome.json()["runs"].toArray();
    ASSERT_EQ(runs.size(), check.runs);
    if (check.runs > 0) {
      EXPECT_EQ(runs[0].toObject()["printers"].toArray().size(), check.printers);
    }
  }

  // Newest first: the run where one printer ignored the switch, then the one that updated all.
  const CliOutcome json = runCliOn(idle, idle, resources, {"history", "--json"}, recording);
  const QJsonArray runs = json.json()["runs"].toArray();
  ASSERT_EQ(runs.size(), 2);
  EXPECT_EQ(runs[0].toObject()["state"].toString(), "finished");
  EXPECT_EQ(runs[0].toObject()["updated"].toInt(), 2);
  EXPECT_EQ(runs[1].toObject()["updated"].toInt(), 3);
  EXPECT_EQ(runs[1].toObject()["printers"].toArray()[0].toObject()["bytesAccepted"].toInteger(),
            static_cast<qint64>(kCliImageBytes));

  const CliOutcome text = runCliOn(idle, idle, resources, {"history"}, recording);
  EXPECT_NE(text.out.find("[2/3]"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("CN53A1B001"), std::string::npos) << text.out;
}

TEST(HistoryCommand, AHistoryThatCannotBeReadIsSaidOnStandardError) {
  platform::sim::SimBus idle;
  ImageResources resources(kCliImageBytes);
  QTemporaryDir folder;
  CliRunSettings settings;
  settings.historyFile = folder.path();  // a folder, not a database
  const CliOutcome outcome = runCliOn(idle, idle, resources, {"history"}, settings);
  EXPECT_EQ(outcome.exitCode, 1);
  EXPECT_NE(outcome.err.find("cannot be read"), std::string::npos) << outcome.err;
  EXPECT_TRUE(outcome.out.empty());
}

}  // namespace
}  // namespace nobrix::testing
