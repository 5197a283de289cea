// One output stream for the driver's lines: tab-separated fields, stamped with the seconds since
// the driver started, safe to call from the worker threads. Line breaks inside a text become
// " / " so that every record stays on one line for the check scripts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "workflow/headless/one_line.h"

namespace nobrix::kernel {

// Prints "<tag>\t<seconds>\t<field>\t<field>..." and flushes.
void printRecord(std::string_view tag, const std::vector<std::string>& fields);

using nobrix::workflow::headless::oneLine;

}  // namespace nobrix::kernel
