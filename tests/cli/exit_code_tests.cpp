// The exit status and the JSON report of each command over the simulated program's scenarios,
// and the cases that end before a run: no printer, an unknown serial number, no image, usage.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "firmware/image_withheld.h"
#include "platform/lock/file_update_lock.h"
#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

struct ExitCase {
  const char* name;
  const char* scenario;  // "" : a bus without printers
  std::vector<std::string> arguments;
  int exitCode;
  const char* result;  // update's "result"; "" for list
  int total;           // update: printers in the run; list: printers listed
  int updated;         // update: printers updated; list: unusable printers named
};

const ExitCase kExitCases[] = {
    {"AllUpdated", "default", {"update", "--all"}, 0, "updated", 3, 3},
    {"Reordered", "reordered", {"update", "--all"}, 0, "updated", 3, 3},
    {"IgnoresFlash", "ignores-flash", {"update", "--all"}, 1, "not-updated", 3, 2},
    {"NeverReturns", "never-returns", {"update", "--all"}, 1, "not-updated", 3, 2},
    {"Unplugged", "unplugged", {"update", "--all"}, 1, "not-updated", 3, 2},
    {"NeverFinishes", "never-finishes", {"update", "--all"}, 1, "not-updated", 3, 2},
    {"OneSerial", "default", {"update", "--serial=CN53A1B003"}, 0, "updated", 1, 1},
    // A serial number asked for but not attached is a printer not updated.
    {"OneSerialMissing",
     "default",
     {"update", "--serial", "CN53A1B003", "--serial", "NOSUCH"},
     1,
     "not-updated",
     1,
     1},
    // A printer left in flash mode with no record of its model is sent nothing unless confirmed.
    {"WaitingUnconfirmed", "left-in-flash-mode", {"update", "--all"}, 1, "not-updated", 2, 2},
    {"WaitingConfirmed",
     "left-in-flash-mode",
     {"update", "--all", "--confirm-model"},
     0,
     "updated",
     3,
     3},
    {"ListWaiting", "left-in-flash-mode", {"list"}, 0, "", 3, 0},
    {"OnlyMissingSerial", "default", {"update", "--serial", "NOSUCH"}, 3, "no-printer", 0, 0},
    {"NoPrinterUpdate", "", {"update", "--all"}, 3, "no-printer", 0, 0},
    {"ListDefault", "default", {"list"}, 0, "", 3, 0},
    {"ListUnusable", "unusable", {"list"}, 0, "", 3, 2},
    {"ListNoPrinter", "", {"list"}, 3, "", 0, 0},
};

class ExitCodes : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitCodes, JsonReportAndExitStatus) {
  const ExitCase& c = GetParam();
  ImageResources resources(kCliImageBytes);
  auto bus = *c.scenario != '\0' ? scenarioBus(c.scenario, resources)
                                 : std::make_unique<platform::sim::SimBus>();
  ASSERT_TRUE(bus);
  std::vector<std::string> arguments = c.arguments;
  arguments.insert(arguments.end(), {"--json", "--lang", "en"});
  const CliOutcome outcome = runCliOn(*bus, *bus, resources, arguments);
  EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err;
  const QJsonObject json = outcome.json();
  if (c.arguments[0] == "list") {
    EXPECT_EQ(json["command"].toString(), "list");
    const QJsonArray printers = json["printers"].toArray();
    ASSERT_EQ(printers.size(), c.total);
    for (const auto& printer : printers) {
      const QJsonObject p = printer.toObject();
      const bool waiting = p["mode"].toString() == "flash";
      EXPECT_EQ(p["description"].toString(), waiting ? "NOBRIX reflash" : "SALVENOR LRX5303");
      EXPECT_TRUE(p["serial"].toString().startsWith("CN53A1B"));
      EXPECT_EQ(p["state"].toString(), waiting ? "unknown" : "IDLE");
      EXPECT_EQ(p["modelKnown"].toBool(), !waiting);
      EXPECT_TRUE(p["path"].toString().startsWith("sim:"));
    }
    EXPECT_EQ(json["unusable"].toArray().size(), c.updated);
    return;
  }
  EXPECT_EQ(json["command"].toString(), "update");
  EXPECT_EQ(json["result"].toString(), c.result);
  EXPECT_EQ(json["total"].toInt(), c.total);
  EXPECT_EQ(json["updated"].toInt(), c.updated);
  const QJsonArray printers = json["printers"].toArray();
  ASSERT_EQ(printers.size(), c.total);
  int updated = 0;
  for (const auto& printer : printers) {
    const QJsonObject p = printer.toObject();
    const bool done = p["status"].toString() == "updated";
    updated += done ? 1 : 0;
    EXPECT_EQ(done, p["text"].toString() == "Firmware update: completed");
    EXPECT_EQ(done, p["statusCode"].toInt() == 6);
  }
  EXPECT_EQ(updated, c.updated);
  EXPECT_FALSE(json["stopped"].toBool());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ExitCodes, ::testing::ValuesIn(kExitCases),
                         [](const auto& param) { return std::string(param.param.name); });

// Printers of the product that are attached but cannot be used are printers not updated: update
// names each with its reason and holder, as list does, and says why on standard error.
TEST(ExitCodes, AttachedButUnusablePrintersAreNotUpdated) {
  ImageResources resources(kCliImageBytes);
  for (const auto& [arguments, exitCode, named] :
       {std::tuple{std::vector<std::string>{"update", "--all"}, 1, 2},
        std::tuple{std::vector<std::string>{"update", "--serial", "CN53A1B006"}, 1, 1},
        std::tuple{std::vector<std::string>{"list"}, 0, 2}}) {
    auto bus = scenarioBus("unusable", resources);
    auto withJson = arguments;
    withJson.insert(withJson.end(), {"--json", "--lang", "en"});
    const CliOutcome outcome = runCliOn(*bus, *bus, resources, withJson);
    EXPECT_EQ(outcome.exitCode, exitCode) << outcome.err;
    const QJsonArray unusable = outcome.json()["unusable"].toArray();
    ASSERT_EQ(unusable.size(), named);
    for (const auto entry : unusable) {
      const QJsonObject printer = entry.toObject();
      const bool held = printer["serial"] == "CN53A1B005";
      EXPECT_TRUE(held || printer["serial"] == "CN53A1B006");
      EXPECT_EQ(printer["reason"], held ? "busy" : "no-rights");
      EXPECT_EQ(printer["holder"], held ? QJsonValue("cupsd (pid 812)") : QJsonValue());
      const std::string text = printer["text"].toString().toStdString();
      EXPECT_NE(text.find("] is connected, but"), std::string::npos) << text;
      EXPECT_EQ(outcome.err.find(text) != std::string::npos, arguments[0] == "update");
    }
  }
}

// Without an image the run is refused before any printer is switched, as in the window.
TEST(ExitCodesRefused, NoImageTouchesNoPrinter) {
  ImageResources image(kCliImageBytes);
  auto bus = scenarioBus("default", image);
  auto withheld = firmware::withholdImage(std::make_unique<ImageResources>(kCliImageBytes));
  const CliOutcome outcome =
      runCliOn(*bus, *bus, *withheld, {"update", "--all", "--json", "--lang", "en"});
  EXPECT_EQ(outcome.exitCode, 4);
  EXPECT_EQ(outcome.json()["result"].toString(), "refused");
  EXPECT_NE(outcome.err.find("firmware resource"), std::string::npos) << outcome.err;
  for (const auto printer : bus->printers()) {
    EXPECT_EQ(bus->commandBytes(printer), "");
  }
}

TEST(ExitCodesUsage, WrongCommandLinesAreRefused) {
  platform::sim::SimBus bus;
  ImageResources resources(kCliImageBytes);
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {},
           {"update"},
           {"update", "--all", "--serial", "X"},
           {"list", "--all"},
           {"update", "--all", "--lang", "it"},
           {"update", "--al"},
           {"history", "--all"},
           {"history", "--since", "yesterday"},
           {"list", "--since", "2026-01-01"},
       }) {
    EXPECT_EQ(runCliOn(bus, bus, resources, arguments).exitCode, 2);
  }
  EXPECT_TRUE(bus.printers().empty());
}

// Another program's run holds the update lock: refused before any printer is touched, naming it.
TEST(ExitCodes, AnotherRunHoldingTheLockRefusesTheUpdate) {
  const std::string path = ::testing::TempDir() + "nobrix-cli-lock-test";
  platform::FileUpdateLock other(path, {"NobrixVUZ", "ana", 4242});
  platform::FileUpdateLock mine(path, platform::thisProcess("NobrixVUZ-cli-sim"));
  platform::LockHolder holder;
  std::string problem;
  ASSERT_TRUE(other.acquire(holder, problem));
  ImageResources resources(kCliImageBytes);
  auto bus = scenarioBus("default", resources);
  const CliOutcome outcome =
      runCliOn(*bus, *bus, resources, {"update", "--all", "--json", "--lang", "en"},
               CliRunSettings{.updateLock = &mine});
  EXPECT_EQ(outcome.exitCode, 6);
  EXPECT_EQ(outcome.json()["result"].toString(), "locked");
  EXPECT_NE(outcome.err.find("(NobrixVUZ, user ana, process 4242)"), std::string::npos)
      << outcome.err;
  for (const auto id : bus->printers()) {
    EXPECT_TRUE(bus->commandBytes(id).empty());
  }
}

}  // namespace
}  // namespace nobrix::testing
