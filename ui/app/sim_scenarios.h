// The printer set-ups the simulated program offers: the default bench of printers and one
// set-up per way an update can go wrong.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/sim/sim_bus.h"

namespace nobrix::ui::app {

struct ScenarioSettings {
  std::uint64_t imageBytes = 0;  // size of the image the program sends
  // Virtual delay before printers that arrive "a few seconds after start" are plugged; chosen
  // by the caller so that it reads as a few seconds on the clock the person watches.
  std::uint32_t lateArrivalMs = 5000;
};

struct Scenario {
  QString name;
  QString summary;
  std::function<void(platform::sim::SimBus&, const ScenarioSettings&)> setUp;
};

inline const QString kDefaultScenario = QStringLiteral("default");

// The scenario of that name, if there is one.
std::optional<Scenario> findScenario(const QString& name);

// "name  summary" lines, names in a column, for --help and error messages.
QStringList scenarioList();

// A supported printer that behaves well, sends at a USB-like speed, and has this serial.
platform::sim::PrinterScript supportedPrinter(const char* serial, std::uint64_t imageBytes);

}  // namespace nobrix::ui::app
