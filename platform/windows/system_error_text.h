// The system's own wording for a Win32 error code, as UTF-8, for the messages the user sees.
#pragma once

#include <cstdint>
#include <string>

namespace nobrix::platform::win32 {

std::string systemErrorText(std::uint32_t error);

}  // namespace nobrix::platform::win32
