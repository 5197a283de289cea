// The system's error box (error icon, one OK button), as the device layer and the firmware check
// raise it. The user interface shows it; without one the text goes to standard error.
#pragma once

#include <string_view>

namespace nobrix::ports {

class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  // May be called from a worker thread; returns when the box has been dismissed.
  virtual void showErrorBox(std::u16string_view caption, std::u16string_view text) = 0;
};

// Writes the caption and text to standard error, so that nothing is lost without a window.
ErrorBox& standardErrorBox();

}  // namespace nobrix::ports
