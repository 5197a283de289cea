// Keeps a Windows system awake through the thread execution state: while the state says "system
// required" the system does not idle into sleep (the display may still turn off).
#pragma once

#include <memory>
#include <string_view>

#include "ports/sleep_inhibitor.h"

namespace nobrix::power {

class ExecutionStateInhibitor final : public ports::SleepInhibitor {
 public:
  // The state belongs to the calling thread: take and release the hold on the same thread (the
  // window thread, where START is handled). `reason` is not shown: this call takes none.
  std::unique_ptr<Hold> inhibit(std::u16string_view reason) override;

 private:
  bool refusalReported_ = false;
};

}  // namespace nobrix::power
