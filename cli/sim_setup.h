// The simulated program's bus: one of the window's sim scenarios on the clock the options ask for.
#pragma once

#include <memory>

#include "cli/cli_options.h"
#include "cli/cli_program.h"
#include "firmware/resource_module.h"
#include "platform/sim/sim_bus.h"

namespace nobrix::cli {

// Null when the scenario is unknown. The image size is the one `resources` carries.
std::unique_ptr<platform::sim::SimBus> makeScenarioBus(const CliOptions& options,
                                                       firmware::ResourceModule& resources);

// Time stamps of the bus's clock ("+12.500s"), and the bus moved on at every pump, so that events
// fall due on a real-time clock too.
void useBusClock(CliContext& context, platform::sim::SimBus& bus);

}  // namespace nobrix::cli
