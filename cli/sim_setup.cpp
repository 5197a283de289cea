#include "cli/sim_setup.h"

#include <QString>
#include <cstdio>

#include "platform/sim/scenarios.h"

namespace nobrix::cli {

namespace {

constexpr double kCompressedFactor = 20.0;
// The late printer arrives this long after start on the clock the person watches.
constexpr std::uint32_t kLateArrivalRealMs = 5000;

std::uint64_t imageBytes(firmware::ResourceModule& resources) {
  const auto module = resources.ownModule();
  const auto entry =
      resources.find(module, firmware::kFirmwareImageResourceId, firmware::kRawDataResourceType);
  return entry ? resources.size(module, entry) : 0;
}

}  // namespace

std::unique_ptr<platform::sim::SimBus> makeScenarioBus(const CliOptions& options,
                                                       firmware::ResourceModule& resources) {
  const auto scenario = platform::sim::findScenario(options.scenario);
  if (!scenario) {
    return nullptr;
  }
  const double factor = options.clock == "realtime"     ? 1.0
                        : options.clock == "compressed" ? kCompressedFactor
                                                        : 0.0;
  auto bus =
      std::make_unique<platform::sim::SimBus>(platform::sim::BusOptions{.realTimeFactor = factor});
  platform::sim::ScenarioSettings settings;
  settings.imageBytes = imageBytes(resources);
  settings.lateArrivalMs =
      static_cast<std::uint32_t>(kLateArrivalRealMs * (factor > 0.0 ? factor : 1.0));
  scenario->setUp(*bus, settings);
  return bus;
}

void useBusClock(CliContext& context, platform::sim::SimBus& bus) {
  context.stamp = [&bus] {
    char text[32];
    std::snprintf(text, sizeof text, "+%.3fs", static_cast<double>(bus.elapsedMs()) / 1000.0);
    return std::string(text);
  };
  context.onPump = [&bus] { bus.poll(); };
}

}  // namespace nobrix::cli
