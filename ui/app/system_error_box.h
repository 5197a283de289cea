// The error box of the system the program runs on: MessageBoxW on Windows, a Qt message box
// elsewhere.
#pragma once

#ifdef _WIN32
#include "ui/app/win32_error_box.h"
#else
#include "ui/app/qt_error_box.h"
#endif

namespace nobrix::ui::app {

#ifdef _WIN32
using SystemErrorBox = Win32ErrorBox;
#else
using SystemErrorBox = QtErrorBox;
#endif

}  // namespace nobrix::ui::app
