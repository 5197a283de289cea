// The SetupAPI part of enumeration: the present USB printer-class interface paths, in the order
// the system reports them.
#pragma once

#include <string>
#include <vector>

namespace nobrix::platform::win32 {

std::vector<std::u16string> usbPrintInterfacePaths();

}  // namespace nobrix::platform::win32
