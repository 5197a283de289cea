// errno values as the printer layers see them: empty reads, failures with the system's wording.
#include "platform/linux/errno_mapping.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace nobrix::platform::usblp {
namespace {

TEST(ErrnoMapping, NothingToReadIsAnEmptySuccessfulRead) {
  for (const int error : {EAGAIN, EWOULDBLOCK, EINTR}) {
    const IoResult result = readOutcomeForErrno(error);
    EXPECT_TRUE(result.ok) << error;
    EXPECT_EQ(result.bytes, 0u) << error;
    EXPECT_TRUE(result.errorText.empty()) << error;
  }
}

TEST(ErrnoMapping, DeviceErrorsFailWithTheSystemsWording) {
  const struct {
    int error;
    const char* text;
  } cases[] = {
      {EIO, "Input/output error"},
      {ENODEV, "No such device"},
      {EBADF, "Bad file descriptor"},
      {EPIPE, "Broken pipe"},
  };
  for (const auto& c : cases) {
    const IoResult read = readOutcomeForErrno(c.error);
    EXPECT_FALSE(read.ok) << c.text;
    EXPECT_EQ(read.bytes, 0u) << c.text;
    EXPECT_EQ(read.errorText, c.text);
    EXPECT_EQ(failedIo(c.error).errorText, c.text);
    EXPECT_FALSE(isRetryableWriteError(c.error)) << c.text;
  }
}

TEST(ErrnoMapping, OnlyAFullQueueOrASignalLetsAWriteTryAgain) {
  EXPECT_TRUE(isRetryableWriteError(EAGAIN));
  EXPECT_TRUE(isRetryableWriteError(EINTR));
  EXPECT_FALSE(isRetryableWriteError(ENOSPC));
}

TEST(ErrnoMapping, StallTextNamesTheSpanInItsOwnUnit) {
  EXPECT_EQ(writeStallText(60'000), "Write stalled: the printer accepted no data for 60 seconds");
  EXPECT_EQ(writeStallText(250), "Write stalled: the printer accepted no data for 250 ms");
  EXPECT_EQ(writeStallText(1500), "Write stalled: the printer accepted no data for 1500 ms");
  EXPECT_EQ(writeStallText(0), "Write stalled: the printer accepted no data for 0 ms");
}

}  // namespace
}  // namespace nobrix::platform::usblp
