// The rate of a send over the last second, from the readings a front end takes of the progress
// counter.
#include "firmware/transfer_rate.h"

#include <gtest/gtest.h>

namespace nobrix::firmware {
namespace {

TEST(TransferRate, MeasuresTheLastSecondAndStartsAgainForANewSend) {
  TransferRate rate;
  EXPECT_EQ(rate.bytesPerSecond(), 0.0);
  rate.sample(0, 0);
  EXPECT_EQ(rate.bytesPerSecond(), 0.0);  // one reading has no rate yet
  // 1.2 MB/s for 2 s, then a stall: the rate follows within a second.
  for (std::int64_t ms = 250; ms <= 2000; ms += 250) {
    rate.sample(ms, static_cast<std::uint64_t>(ms) * 1200);
  }
  EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 1.2e6);
  for (std::int64_t ms = 2250; ms <= 3000; ms += 250) {
    rate.sample(ms, 2'400'000);
  }
  EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 0.0);
  rate.sample(3250, 1000);  // a count that went back: the next printer's send
  EXPECT_EQ(rate.bytesPerSecond(), 0.0);
  rate.sample(3500, 251'000);
  EXPECT_DOUBLE_EQ(rate.bytesPerSecond(), 1e6);
}

}  // namespace
}  // namespace nobrix::firmware
