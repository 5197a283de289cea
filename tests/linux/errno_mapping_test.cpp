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

// usblp fails the write in flight with EIO when the printer leaves the bus, then ENODEV.
TEST(ErrnoMapping, DeviceErrorsFailWithTheSystemsWordingAndTellAPrinterThatLeft) {
  const struct {
    int error;
    const char* text;
    IoFailure failure;
  } cases[] = {
      {EIO, "Input/output error", IoFailure::Gone},
      {ENODEV, "No such device", IoFailure::Gone},
      {EBADF, "Bad file descriptor", IoFailure::Other},
      {EPIPE, "Broken pipe", IoFailure::Other},
  };
  for (const auto& c : cases) {
    const IoResult read = readOutcomeForErrno(c.error);
    EXPECT_FALSE(read.ok) << c.text;
    EXPECT_EQ(read.bytes, 0u) << c.text;
    EXPECT_EQ(read.errorText, c.text);
    EXPECT_EQ(read.failure, c.failure) << c.text;
    EXPECT_EQ(failedIo(c.error).errorText, c.text);
    EXPECT_FALSE(isRetryableWriteError(c.error)) << c.text;
  }
  EXPECT_EQ(stalledIo(0).failure, IoFailure::Stalled);
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
