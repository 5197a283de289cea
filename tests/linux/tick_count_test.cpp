// The millisecond counter built from the monotonic clock: units and the 32-bit wrap.
#include <gtest/gtest.h>

#include "platform/linux/monotonic_clock.h"

namespace nobrix::platform::usblp {
namespace {

TEST(TickCount, CountsMillisecondsAndWrapsAt32Bits) {
  const struct {
    std::int64_t seconds;
    std::int64_t nanoseconds;
    std::uint32_t ticks;
  } cases[] = {
      {0, 0, 0u},
      {0, 999'999, 0u},  // partial milliseconds are dropped, not rounded
      {1, 999'999'999, 1'999u},
      {4'294'967, 295'000'000, 0xFFFFFFFFu},  // the last tick before the wrap
      {4'294'967, 296'000'000, 0u},           // 2^32 ms
      {4'320'000, 0, 25'032'704u},            // 50 days of uptime
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ticksFromMonotonic(c.seconds, c.nanoseconds), c.ticks)
        << c.seconds << " s " << c.nanoseconds << " ns";
  }
}

}  // namespace
}  // namespace nobrix::platform::usblp
