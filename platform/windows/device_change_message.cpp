#include "platform/windows/device_change_message.h"

#include <dbt.h>

namespace nobrix::platform::win32 {

bool isDeviceNodesChange(const MSG& message) {
  return message.message == WM_DEVICECHANGE && message.wParam == DBT_DEVNODES_CHANGED;
}

}  // namespace nobrix::platform::win32
