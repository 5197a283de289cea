// Ticks from CLOCK_MONOTONIC (never stepped by clock changes) and an EINTR-proof nanosleep.
#include "platform/linux/monotonic_clock.h"

#include <time.h>

#include <cerrno>

namespace nobrix::platform::usblp {

std::uint32_t ticksFromMonotonic(std::int64_t seconds, std::int64_t nanoseconds) {
  const auto milliseconds = static_cast<std::uint64_t>(seconds) * 1000U +
                            static_cast<std::uint64_t>(nanoseconds / 1'000'000);
  return static_cast<std::uint32_t>(milliseconds);
}

std::uint32_t monotonicTicks() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return ticksFromMonotonic(now.tv_sec, now.tv_nsec);
}

void sleepMilliseconds(std::uint32_t milliseconds) {
  timespec remaining{static_cast<time_t>(milliseconds / 1000U),
                     static_cast<long>(milliseconds % 1000U) * 1'000'000L};
  timespec left{};
  while (nanosleep(&remaining, &left) != 0 && errno == EINTR) {
    remaining = left;
  }
}

}  // namespace nobrix::platform::usblp
