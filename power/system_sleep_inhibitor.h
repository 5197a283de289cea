// The sleep inhibitor of the system the program runs on; CMake picks the implementation.
#pragma once

#include <memory>

#include "ports/sleep_inhibitor.h"

namespace nobrix::power {

std::unique_ptr<ports::SleepInhibitor> makeSystemSleepInhibitor();

}  // namespace nobrix::power
