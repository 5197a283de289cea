// The error box of the system the program runs on: MessageBoxW on Windows, a Qt message box
// elsewhere.
#pragma once

#ifdef _WIN32
#include "ui/adapters/win32_error_box.h"
#else
#include "ui/adapters/qt_error_box.h"
#endif

namespace nobrix::ui::adapters {

#ifdef _WIN32
using SystemErrorBox = Win32ErrorBox;
#else
using SystemErrorBox = QtErrorBox;
#endif

}  // namespace nobrix::ui::adapters
