// The JSON contract: in every scenario of the simulated bus and every outcome of each command, the
// one document on standard output has exactly the fields the manual page documents (read from the
// same help2man include file the manual page is made with), with the exit status the table says.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "firmware/image_withheld.h"
#include "platform/lock/file_update_lock.h"
#include "platform/sim/scenarios.h"
#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

// Field paths per command ("" : every document), as `printers[].serial` or `runs[].image.name`.
using DocumentedFields = std::map<std::string, std::set<std::string>>;

DocumentedFields readDocumentedFields() {
  QFile file(QStringLiteral(NOBRIX_CLI_JSON_FIELDS));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << NOBRIX_CLI_JSON_FIELDS;
  DocumentedFields fields;
  std::string command;
  bool tagged = false;  // the line before was .TP: this one names a field
  for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
    if (line.startsWith(QStringLiteral(".SS "))) {
      command = line.mid(4).trimmed().toStdString();
    } else if (tagged && line.startsWith(QStringLiteral(".B "))) {
      fields[command].insert(line.mid(3).trimmed().toStdString());
    }
    tagged = line == QStringLiteral(".TP");
  }
  return fields;
}

// Every path the document has; the elements of an array are `name[]`, and a null stands for an
// object that does not apply.
void collectPaths(const QJsonValue& value, const std::string& path, std::set<std::string>& paths) {
  if (value.isObject()) {
    const QJsonObject object = value.toObject();
    for (auto field = object.begin(); field != object.end(); ++field) {
      const std::string name = (path.empty() ? "" : path + ".") + field.key().toStdString();
      paths.insert(name);
      collectPaths(field.value(), name, paths);
    }
  } else if (value.isArray()) {
    for (const QJsonValue element : value.toArray()) {
      collectPaths(element, path + "[]", paths);
    }
  }
}

// True when `path` is in the document: through each element of an array (none: vacuously), and
// through a null object.
bool hasPath(const QJsonValue& value, const QString& path) {
  if (path.isEmpty() || value.isNull()) {
    return true;
  }
  const QString head = path.section(u'.', 0, 0);
  const QString rest = path.section(u'.', 1);
  const bool array = head.endsWith(QStringLiteral("[]"));
  const QJsonValue field = value.toObject().value(array ? head.chopped(2) : head);
  if (!array) {
    return !field.isUndefined() && hasPath(field, rest);
  }
  if (!field.isArray()) {
    return false;
  }
  const QJsonArray elements = field.toArray();
  return std::all_of(elements.begin(), elements.end(),
                     [&rest](const QJsonValue& element) { return hasPath(element, rest); });
}

enum class Setting { kPlain, kNoImage, kLocked, kStopped, kHistoryUnwritable };

struct Command {
  std::vector<std::string> arguments;
  int exitCode;
};

struct OutcomeCase {
  std::string name;
  std::string scenario;  // "" : a bus without printers
  Setting setting;
  std::vector<Command> commands;  // in order, on one bus and one history
};

void PrintTo(const OutcomeCase& c, std::ostream* out) {
  *out << c.name;
}

// What `update --all` comes to in each scenario; every scenario must be here.
const std::map<std::string, int> kUpdateExitOfScenario = {
    {"default", 0},   {"ignores-flash", 1},  {"never-returns", 1},
    {"reordered", 0}, {"unusable", 1},       {"left-in-flash-mode", 1},
    {"unplugged", 1}, {"never-finishes", 1}, {"refuses-image", 1}};

std::vector<OutcomeCase> outcomeCases() {
  std::vector<OutcomeCase> cases;
  for (const std::string& line : platform::sim::scenarioList()) {
    const std::string scenario = line.substr(0, line.find(' '));
    const auto exit = kUpdateExitOfScenario.find(scenario);
    const int updateExit = exit != kUpdateExitOfScenario.end() ? exit->second : -1;
    cases.push_back({scenario,
                     scenario,
                     Setting::kPlain,
                     {{{"list"}, 0}, {{"update", "--all"}, updateExit}, {{"history"}, 0}}});
  }
  const auto update = [](int exitCode) { return Command{{"update", "--all"}, exitCode}; };
  cases.push_back(
      {"no-printer", "", Setting::kPlain, {{{"list"}, 3}, update(3), {{"history"}, 0}}});
  cases.push_back({"usage",
                   "default",
                   Setting::kPlain,
                   {{{"list", "--all"}, 2},
                    {{"update"}, 2},
                    {{"update", "--serial="}, 2},
                    {{"history", "--since", "yesterday"}, 2},
                    {{"history", "--all"}, 2},
                    {{"frobnicate"}, 2},
                    {{}, 2}}});
  cases.push_back({"no-image", "default", Setting::kNoImage, {update(4)}});
  cases.push_back({"locked", "default", Setting::kLocked, {update(6)}});
  // The other run's printers are off the bus while they switch: still refused, not "no printer".
  cases.push_back({"locked-printers-away", "", Setting::kLocked, {update(6)}});
  cases.push_back({"stopped", "default", Setting::kStopped, {update(5)}});
  cases.push_back({"history-unwritable",
                   "default",
                   Setting::kHistoryUnwritable,
                   {update(7), {{"history"}, 1}}});
  return cases;
}

const char* const kResultOfExit[] = {"updated", "not-updated", "usage",  "no-printer",
                                     "refused", "stopped",     "locked", "updated-not-recorded"};

// What a test of one command checks beyond the fields: the command, the version, and "error" set
// exactly when the command could do nothing.
void checkEnvelope(const QJsonObject& document, const std::string& command, int exitCode) {
  EXPECT_EQ(document["command"].toString().toStdString(), command);
  EXPECT_EQ(document["schemaVersion"].toInt(), 1);
  const bool didItsWork = command == "history"
                              ? exitCode == 0
                              : exitCode == 0 || exitCode == 1 || exitCode == 5 || exitCode == 7;
  EXPECT_EQ(document["error"].isNull(), didItsWork);
  if (command == "update") {
    EXPECT_EQ(document["result"].toString().toStdString(), kResultOfExit[exitCode]);
  }
}

// Exactly the documented fields: each there, and none besides.
void checkFields(const QJsonObject& document, const std::set<std::string>& documented) {
  for (const std::string& path : documented) {
    EXPECT_TRUE(hasPath(document, QString::fromStdString(path))) << path;
  }
  std::set<std::string> present;
  collectPaths(document, "", present);
  for (const std::string& path : present) {
    EXPECT_TRUE(documented.count(path) == 1) << "not documented: " << path;
  }
}

// The bus, image, history and update lock of one row, as its setting asks.
struct OutcomeRig {
  explicit OutcomeRig(const OutcomeCase& c) {
    bus = c.scenario.empty() ? std::make_unique<platform::sim::SimBus>()
                             : scenarioBus(c.scenario, resources);
    settings.historyFile = c.setting == Setting::kHistoryUnwritable
                               ? folder.path()
                               : folder.filePath(QStringLiteral("history.sqlite"));
    platform::LockHolder holder;
    std::string problem;
    if (c.setting == Setting::kLocked && other.acquire(holder, problem)) {
      settings.updateLock = &mine;
    }
    if (c.setting == Setting::kStopped) {
      settings.takeSignals = [stops = 1]() mutable {
        return cli::ArrivedSignals{std::exchange(stops, 0), 0};
      };
    }
    if (c.setting == Setting::kNoImage) {
      image = withheld.get();
    }
  }

  ImageResources resources{kCliImageBytes};
  std::unique_ptr<firmware::ResourceModule> withheld =
      firmware::withholdImage(std::make_unique<ImageResources>(kCliImageBytes));
  firmware::ResourceModule* image = &resources;
  std::unique_ptr<platform::sim::SimBus> bus;
  QTemporaryDir folder;
  std::string lockPath = folder.filePath(QStringLiteral("lock")).toStdString();
  platform::FileUpdateLock other{lockPath, {"NobrixVUZ", "ana", 4242}};
  platform::FileUpdateLock mine{lockPath, platform::thisProcess("NobrixVUZ-cli-sim")};
  CliRunSettings settings;
};

class JsonContract : public ::testing::TestWithParam<OutcomeCase> {
 protected:
  static void SetUpTestSuite() { documented_ = readDocumentedFields(); }
  static DocumentedFields documented_;
};
DocumentedFields JsonContract::documented_;

TEST_P(JsonContract, EveryDocumentHasExactlyTheDocumentedFields) {
  OutcomeRig rig(GetParam());
  ASSERT_TRUE(rig.bus) << GetParam().scenario;
  for (const Command& command : GetParam().commands) {
    const std::string named = command.arguments.empty() || command.arguments[0] == "frobnicate"
                                  ? std::string()
                                  : command.arguments[0];
    SCOPED_TRACE(named.empty() ? "(no command)" : named);
    std::vector<std::string> arguments = command.arguments;
    arguments.insert(arguments.end(), {"--json", "--lang", "en"});
    const CliOutcome outcome = runCliOn(*rig.bus, *rig.bus, *rig.image, arguments, rig.settings);
    EXPECT_EQ(outcome.exitCode, command.exitCode) << outcome.err;
    const QJsonObject document = outcome.json();
    checkEnvelope(document, named, command.exitCode);
    std::set<std::string> documented = documented_[""];
    documented.insert(documented_[named].begin(), documented_[named].end());
    checkFields(document, documented);
  }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, JsonContract, ::testing::ValuesIn(outcomeCases()),
                         [](const auto& param) {
                           std::string name = param.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace nobrix::testing
