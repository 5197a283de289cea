// The system's error box as the window shows it: a critical message box on the window thread,
// however far from it the error was raised.
#pragma once

#include "ports/error_box.h"

namespace nobrix::ui::adapters {

class QtErrorBox final : public ports::ErrorBox {
 public:
  // From a worker thread it waits until the user has confirmed, as at a system message box.
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override;
};

}  // namespace nobrix::ui::adapters
