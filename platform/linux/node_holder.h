// Which program holds a device node open: usblp admits one open at a time, so a printer that a
// spooler or another tool holds cannot be used, and the user should learn by whom.
#pragma once

#include <string>
#include <string_view>

namespace nobrix::platform::usblp {

// "name (pid N)" of the first other process with `devNode` among its open files, as far as
// /proc lets this user see; empty when none is found. `procRoot` is "/proc" except in tests.
std::string programHolding(std::string_view devNode, const std::string& procRoot = "/proc");

}  // namespace nobrix::platform::usblp
