// The system's font configuration, read on a thread of its own while the application starts, so
// that the window's first text measurement finds it ready instead of reading it then.
#pragma once

#include <thread>

namespace nobrix::ui::programs {

// Create it first thing in main(), before the application object. On Linux fontconfig's
// configuration and font cache are a seventh of the window's start-up work; elsewhere there is
// nothing to read ahead and it does nothing.
class FontWarmUp {
 public:
  FontWarmUp();
  ~FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;

 private:
  std::thread reader_;
};

}  // namespace nobrix::ui::programs
