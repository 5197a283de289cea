// Shared part of every backend: the error box hand-off.
#include "platform/platform.h"

#include <cstdio>
#include <string>

#include "platform/text_encoding.h"

namespace nobrix::platform {

void Platform::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  if (errorBoxPresenter_) {
    errorBoxPresenter_(caption, text);
    return;
  }
  std::fprintf(stderr, "%s: %s\n", toUtf8(caption).c_str(), toUtf8(text).c_str());
}

}  // namespace nobrix::platform
