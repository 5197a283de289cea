// Which window message says that the set of device nodes changed: the broadcast every top-level
// window receives, WM_DEVICECHANGE with DBT_DEVNODES_CHANGED. Arrival and removal events are not
// watched, and no device notification is registered for; the broadcast is enough to list again.
#pragma once

#include <windows.h>

namespace nobrix::platform::win32 {

bool isDeviceNodesChange(const MSG& message);

}  // namespace nobrix::platform::win32
