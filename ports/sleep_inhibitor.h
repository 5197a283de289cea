// Keeping the computer awake while printers are being written: a machine that suspends or idles
// into sleep in the middle of a send leaves a printer half-written. The workflow asks; each
// system answers in its own way.
#pragma once

#include <memory>
#include <string_view>

namespace nobrix::ports {

class SleepInhibitor {
 public:
  // The system stays awake for as long as a hold lives; destroying it lets the system sleep.
  class Hold {
   public:
    virtual ~Hold() = default;
  };

  virtual ~SleepInhibitor() = default;
  // `reason` is shown by the system to a person who asks why it does not sleep. Null when the
  // system could not be asked: the caller goes on regardless, and the implementation has said
  // why in the diagnostics. Never throws.
  virtual std::unique_ptr<Hold> inhibit(std::u16string_view reason) = 0;
};

}  // namespace nobrix::ports
