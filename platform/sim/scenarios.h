// The printer set-ups the simulated program offers: the default bench of printers and one
// set-up per way an update can go wrong.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_bus.h"

namespace nobrix::platform::sim {

struct ScenarioSettings {
  std::uint64_t imageBytes = 0;  // size of the image the program sends
  // Virtual delay before printers that arrive "a few seconds after start" are plugged; chosen
  // by the caller so that it reads as a few seconds on the clock the person watches.
  std::uint32_t lateArrivalMs = 5000;
};

struct Scenario {
  std::string name;
  std::string summary;
  std::function<void(SimBus&, const ScenarioSettings&)> setUp;
};

inline constexpr std::string_view kDefaultScenario = "default";

// The scenario of that name, if there is one.
std::optional<Scenario> findScenario(std::string_view name);

// "name  summary" lines, names in a column, for --help and error messages.
std::vector<std::string> scenarioList();

// A supported printer that behaves well, sends at a USB-like speed, and has this serial.
PrinterScript supportedPrinter(const char* serial, std::uint64_t imageBytes);

}  // namespace nobrix::platform::sim
