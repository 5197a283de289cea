// The millisecond tick counter and the sleep of the Linux backend.
#pragma once

#include <cstdint>

namespace nobrix::platform::usblp {

// CLOCK_MONOTONIC seconds and nanoseconds as a 32-bit millisecond count that wraps like the
// tick counter the callers expect (about every 49.7 days).
std::uint32_t ticksFromMonotonic(std::int64_t seconds, std::int64_t nanoseconds);

std::uint32_t monotonicTicks();

// Sleeps the whole span even when signals interrupt it.
void sleepMilliseconds(std::uint32_t milliseconds);

}  // namespace nobrix::platform::usblp
