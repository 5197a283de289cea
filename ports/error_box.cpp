// The error box of a program without a window.
#include "ports/error_box.h"

#include <cstdio>
#include <mutex>

#include "platform/text_encoding.h"

namespace nobrix::ports {

namespace {

class StandardErrorBox final : public ErrorBox {
 public:
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override {
    std::lock_guard lock(mutex_);
    std::fprintf(stderr, "%s: %s\n", platform::toUtf8(caption).c_str(),
                 platform::toUtf8(text).c_str());
  }

 private:
  std::mutex mutex_;
};

}  // namespace

ErrorBox& standardErrorBox() {
  static StandardErrorBox box;
  return box;
}

}  // namespace nobrix::ports
