// Each failure scenario keeps the default printers and spoils one printer, so the result dialog
// reads "[2/3]" and the status rows show the failing step next to healthy ones.
#include "platform/sim/scenarios.h"

#include <algorithm>
#include <string>
#include <vector>

namespace nobrix::platform::sim {

namespace {

// A full-speed USB 2.0 printer takes roughly this much firmware per second.
constexpr std::uint64_t kPrinterBytesPerSecond = 8'000'000;

PrinterScript otherModel() {
  PrinterScript script;
  script.model = "LMQ7600";
  script.serial = "LMQ76K0042";
  return script;
}

// Three supported printers, one of another model, and a fourth supported printer that is
// plugged in a little after start. `spoil` changes the second supported printer.
void defaultPrinters(SimBus& bus, const ScenarioSettings& settings,
                     const std::function<void(PrinterScript&)>& spoil = {}) {
  std::vector<PrinterScript> printers = {
      supportedPrinter("CN53A1B001", settings.imageBytes),
      supportedPrinter("CN53A1B002", settings.imageBytes),
      supportedPrinter("CN53A1B003", settings.imageBytes),
  };
  if (spoil) {
    spoil(printers[1]);
  }
  bus.plug(printers[0]);
  bus.plug(otherModel());
  bus.plug(printers[1]);
  bus.plug(printers[2]);
  bus.plugAfter(settings.lateArrivalMs, supportedPrinter("CN53A1B004", settings.imageBytes));
}

// Printers come back from flash mode in the reverse of the order they were switched in: the
// first one switched takes longest to return. All are back before the flash-mode listing.
void reordered(SimBus& bus, const ScenarioSettings& settings) {
  const std::uint32_t returns[] = {33'000, 20'000, 2'000};
  const char* serials[] = {"CN53A1B001", "CN53A1B002", "CN53A1B003"};
  for (int i = 0; i < 3; ++i) {
    PrinterScript script = supportedPrinter(serials[i], settings.imageBytes);
    script.reappearAfterMs = returns[i];
    bus.plug(script);
  }
  bus.plug(otherModel());
}

// Three printers to update, and two more of the product that cannot be used: one held by another
// program, one this user may not open. The start page names both beside the list.
void unusable(SimBus& bus, const ScenarioSettings& settings) {
  PrinterScript held = supportedPrinter("CN53A1B005", settings.imageBytes);
  held.openFails = true;
  held.heldBy = "cupsd (pid 812)";
  PrinterScript locked = supportedPrinter("CN53A1B006", settings.imageBytes);
  locked.openFails = true;
  locked.openRefusal = platform::sim::OpenRefusal::NoRights;
  bus.plug(supportedPrinter("CN53A1B001", settings.imageBytes));
  bus.plug(held);
  bus.plug(locked);
  bus.plug(supportedPrinter("CN53A1B002", settings.imageBytes));
  bus.plug(supportedPrinter("CN53A1B003", settings.imageBytes));
}

// Two printers to update, and one that a run killed halfway through its image left in flash mode:
// it waits there for the firmware, and reports no model.
void leftInFlashMode(SimBus& bus, const ScenarioSettings& settings) {
  PrinterScript waiting = supportedPrinter("CN53A1B007", settings.imageBytes);
  waiting.startsInFlashMode = true;
  bus.plug(supportedPrinter("CN53A1B001", settings.imageBytes));
  bus.plug(supportedPrinter("CN53A1B002", settings.imageBytes));
  bus.plug(waiting);
}

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> all = {
      {std::string(kDefaultScenario),
       "three supported printers and one of another model; a fourth supported "
       "printer is plugged in a few seconds after start",
       [](SimBus& bus, const ScenarioSettings& s) { defaultPrinters(bus, s); }},
      {"ignores-flash", "the second supported printer ignores the flash command",
       [](SimBus& bus, const ScenarioSettings& s) {
         defaultPrinters(bus, s, [](PrinterScript& p) { p.ignoresFlashCommands = true; });
       }},
      {"never-returns", "the second supported printer never comes back in flash mode",
       [](SimBus& bus, const ScenarioSettings& s) {
         defaultPrinters(bus, s, [](PrinterScript& p) { p.reappearAfterMs.reset(); });
       }},
      {"reordered", "three printers come back in flash mode in the reverse order", reordered},
      {"unusable",
       "two more printers of the product are attached but cannot be used: one "
       "held by another program, one without access rights",
       unusable},
      {"left-in-flash-mode",
       "a third printer was left in flash mode by an interrupted run and waits for its firmware",
       leftInFlashMode},
      {"unplugged", "the second supported printer is unplugged halfway through the transfer",
       [](SimBus& bus, const ScenarioSettings& s) {
         defaultPrinters(bus, s,
                         [&s](PrinterScript& p) { p.unplugAfterImageBytes = s.imageBytes / 2; });
       }},
      {"never-finishes", "the second supported printer never finishes applying the firmware",
       [](SimBus& bus, const ScenarioSettings& s) {
         defaultPrinters(bus, s, [](PrinterScript& p) { p.applyMs.reset(); });
       }},
      {"refuses-image",
       "the second supported printer takes none of the firmware data, without an error",
       [](SimBus& bus, const ScenarioSettings& s) {
         defaultPrinters(bus, s, [](PrinterScript& p) { p.takesNoImageBytes = true; });
       }},
  };
  return all;
}

}  // namespace

PrinterScript supportedPrinter(const char* serial, std::uint64_t imageBytes) {
  PrinterScript script;
  script.serial = serial;
  script.imageSize = imageBytes;
  script.bytesPerSecond = kPrinterBytesPerSecond;
  return script;
}

std::optional<Scenario> findScenario(std::string_view name) {
  for (const Scenario& scenario : scenarios()) {
    if (scenario.name == name) {
      return scenario;
    }
  }
  return std::nullopt;
}

std::vector<std::string> scenarioList() {
  // Names in a column of their own, two blanks before the summaries: help2man turns such lines
  // into a list in the manual page.
  std::size_t nameWidth = 0;
  for (const Scenario& scenario : scenarios()) {
    nameWidth = std::max(nameWidth, scenario.name.size());
  }
  std::vector<std::string> lines;
  for (const Scenario& scenario : scenarios()) {
    std::string name = scenario.name;
    name.resize(nameWidth, ' ');
    lines.push_back(name + "  " + scenario.summary);
  }
  return lines;
}

}  // namespace nobrix::platform::sim
