// An error box that records what it was asked to show instead of showing it.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "ports/error_box.h"

namespace nobrix::testing {

struct ShownErrorBox {
  std::u16string caption;
  std::u16string text;
};

class RecordingErrorBox final : public ports::ErrorBox {
 public:
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override {
    std::lock_guard lock(mutex_);
    boxes.push_back({std::u16string(caption), std::u16string(text)});
  }

  std::vector<ShownErrorBox> boxes;

 private:
  std::mutex mutex_;
};

}  // namespace nobrix::testing
