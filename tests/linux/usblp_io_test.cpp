// The backend's open, read, write and close against FIFOs standing in for printer nodes: the
// same descriptor calls, poll() waits and errno mapping as on /dev/usb/lpN. Tests against real
// usblp hardware live elsewhere.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/usblp_platform.h"
#include "platform/text_encoding.h"

namespace nobrix::platform::usblp {
namespace {

// No real waiting: reads look for data once, and a write that cannot go on fails at once.
constexpr UsblpTimings kImmediate{0, 0};

class UsblpIo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "usblp_io_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    node_ = directory_ + "/lp0";
    ASSERT_EQ(::mkfifo(node_.c_str(), 0600), 0);
  }

  void TearDown() override {
    for (const int fd : peers_) {
      ::close(fd);
    }
    ::unlink(node_.c_str());
    ::rmdir(directory_.c_str());
  }

  // The far end of the node, as the printer would be.
  int peer(int flags) {
    const int fd = ::open(node_.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      peers_.push_back(fd);
    }
    return fd;
  }

  std::u16string path() const { return fromUtf8(node_); }

  static std::string drain(int fd) {
    std::string received;
    char chunk[4096];
    ssize_t count = 0;
    while ((count = ::read(fd, chunk, sizeof chunk)) > 0) {
      received.append(chunk, count);
    }
    return received;
  }

  UsblpPlatform platform_{kImmediate};
  std::string directory_;
  std::string node_;
  std::vector<int> peers_;
};

TEST_F(UsblpIo, OpenFailsForPathsThatAreNoWritableNode) {
  EXPECT_EQ(platform_.open(u"", OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(platform_.open(fromUtf8(directory_ + "/lp9"), OpenMode::SharedReadWrite),
            kInvalidHandle);  // ENOENT: the printer left
  EXPECT_EQ(platform_.open(fromUtf8(directory_), OpenMode::SharedReadWrite),
            kInvalidHandle);  // EISDIR
  EXPECT_EQ(platform_.open(fromUtf8(directory_), OpenMode::ExclusiveWriteOnly), kInvalidHandle);
  // ENXIO: a FIFO nobody reads cannot be opened for writing only.
  EXPECT_EQ(platform_.open(path(), OpenMode::ExclusiveWriteOnly), kInvalidHandle);
  // A NUL inside the path would open a different, shorter path.
  EXPECT_EQ(platform_.open(path() + u'\0' + u"x", OpenMode::SharedReadWrite), kInvalidHandle);
}

TEST_F(UsblpIo, OpenFailsWithoutAccessRights) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root is never refused for permissions";
  }
  ASSERT_EQ(::chmod(node_.c_str(), 0), 0);
  EXPECT_EQ(platform_.open(path(), OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(platform_.open(path(), OpenMode::ExclusiveWriteOnly), kInvalidHandle);
}

TEST_F(UsblpIo, ReadGivesNothingAsAnEmptySuccessThenTheBytesThatCame) {
  const DeviceHandle handle = platform_.open(path(), OpenMode::SharedReadWrite);
  ASSERT_NE(handle, kInvalidHandle);
  const int printer = peer(O_WRONLY);
  ASSERT_GE(printer, 0);

  std::uint8_t buffer[8] = {};
  IoResult result = platform_.read(handle, buffer, sizeof buffer);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.bytes, 0u);

  ASSERT_EQ(::write(printer, "@PJL OK\r\n\f", 10), 10);
  result = platform_.read(handle, buffer, sizeof buffer);
  EXPECT_TRUE(result.ok);
  ASSERT_EQ(result.bytes, 8u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 8), "@PJL OK\r");
  result = platform_.read(handle, buffer, sizeof buffer);
  ASSERT_EQ(result.bytes, 2u);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 2), "\n\f");
  EXPECT_EQ(platform_.read(handle, buffer, sizeof buffer).bytes, 0u);
  platform_.close(handle);
}

TEST_F(UsblpIo, WriteHandsEveryByteToTheNode) {
  const int printer = peer(O_RDONLY);
  ASSERT_GE(printer, 0);
  const DeviceHandle handle = platform_.open(path(), OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(handle, kInvalidHandle);

  std::vector<std::uint8_t> image(10'000);
  for (std::size_t i = 0; i < image.size(); ++i) {
    image[i] = static_cast<std::uint8_t>(i * 7);
  }
  const IoResult result = platform_.write(handle, image.data(), image.size());
  EXPECT_TRUE(result.ok) << result.errorText;
  EXPECT_EQ(result.bytes, image.size());
  EXPECT_EQ(drain(printer), std::string(image.begin(), image.end()));

  const IoResult empty = platform_.write(handle, image.data(), 0);
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.bytes, 0u);
  platform_.close(handle);
}

TEST_F(UsblpIo, WriteToANodeThatTakesNothingFailsAfterTheStallLimitWithWhatWentOut) {
  const int printer = peer(O_RDONLY);
  ASSERT_GE(printer, 0);
  const DeviceHandle handle = platform_.open(path(), OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(handle, kInvalidHandle);
  // The smallest queue the kernel allows: the node takes this much, then nothing more.
  const int queue = ::fcntl(printer, F_SETPIPE_SZ, 4096);
  ASSERT_GT(queue, 0);

  const std::vector<std::uint8_t> image(static_cast<std::size_t>(queue) + 1000, 0x5A);
  IoResult result = platform_.write(handle, image.data(), image.size());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.bytes, static_cast<std::size_t>(queue));
  EXPECT_EQ(result.errorText, "Write stalled: the printer accepted no data for 0 ms");

  result = platform_.write(handle, image.data(), 1);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.bytes, 0u);

  EXPECT_EQ(drain(printer).size(), static_cast<std::size_t>(queue));
  platform_.close(handle);
}

// A one-page queue holds one piece at a time and reports room only once the reader has taken
// it, as usblp does with its single piece in flight.
TEST_F(UsblpIo, WriteGoesOnPieceByPieceWhileThePrinterKeepsTaking) {
  const int printer = peer(O_RDONLY);
  ASSERT_GE(printer, 0);
  ASSERT_GT(::fcntl(printer, F_SETPIPE_SZ, 4096), 0);
  // The limit only bounds a broken run; the reader below keeps the write moving.
  UsblpPlatform platform{{0, 10'000}};
  const DeviceHandle handle = platform.open(path(), OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(handle, kInvalidHandle);

  std::string image(81'920, '\0');
  for (std::size_t i = 0; i < image.size(); ++i) {
    image[i] = static_cast<char>(i % 251);
  }
  std::string received;
  std::thread reader([&] {
    char chunk[1024];
    pollfd entry{printer, POLLIN, 0};
    while (received.size() < image.size() && ::poll(&entry, 1, 10'000) > 0) {
      const ssize_t count = ::read(printer, chunk, sizeof chunk);
      if (count <= 0) {
        break;
      }
      received.append(chunk, static_cast<std::size_t>(count));
    }
  });
  const IoResult result =
      platform.write(handle, reinterpret_cast<const std::uint8_t*>(image.data()), image.size());
  // Closing ends the reader's wait at once, should the write have given up early.
  platform.close(handle);
  reader.join();

  EXPECT_TRUE(result.ok) << result.errorText;
  EXPECT_EQ(result.bytes, image.size());
  EXPECT_EQ(received, image);
}

TEST_F(UsblpIo, WriteIsNotDoneWhileThePrinterHasNotTakenTheLastPiece) {
  const int printer = peer(O_RDONLY);
  ASSERT_GE(printer, 0);
  ASSERT_GT(::fcntl(printer, F_SETPIPE_SZ, 4096), 0);
  const DeviceHandle handle = platform_.open(path(), OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(handle, kInvalidHandle);

  const std::uint8_t command[75] = {0x1B, '%', '-', '1', '2', '3', '4', '5', 'X'};
  const IoResult result = platform_.write(handle, command, sizeof command);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.bytes, sizeof command);
  EXPECT_EQ(result.errorText, "Write stalled: the printer accepted no data for 0 ms");
  platform_.close(handle);
}

TEST_F(UsblpIo, WriteAfterThePrinterWentAwayFailsWithTheSystemsText) {
  struct sigaction ignore {};
  struct sigaction previous {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(::sigaction(SIGPIPE, &ignore, &previous), 0);
  const int printer = peer(O_RDONLY);
  ASSERT_GE(printer, 0);
  const DeviceHandle handle = platform_.open(path(), OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(handle, kInvalidHandle);
  ::close(printer);
  peers_.clear();

  const std::uint8_t piece[4] = {1, 2, 3, 4};
  const IoResult result = platform_.write(handle, piece, sizeof piece);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.bytes, 0u);
  EXPECT_EQ(result.errorText, "Broken pipe");
  platform_.close(handle);
  ::sigaction(SIGPIPE, &previous, nullptr);
}

TEST_F(UsblpIo, InvalidOrClosedHandlesFailInsteadOfLookingIdle) {
  std::uint8_t buffer[4] = {};
  for (const DeviceHandle handle : {kInvalidHandle, DeviceHandle{-7}, DeviceHandle{1} << 40}) {
    const IoResult read = platform_.read(handle, buffer, sizeof buffer);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.errorText, "Bad file descriptor");
    EXPECT_FALSE(platform_.write(handle, buffer, sizeof buffer).ok);
  }

  const DeviceHandle handle = platform_.open(path(), OpenMode::SharedReadWrite);
  ASSERT_NE(handle, kInvalidHandle);
  platform_.close(handle);
  EXPECT_FALSE(platform_.read(handle, buffer, sizeof buffer).ok);
  EXPECT_FALSE(platform_.write(handle, buffer, sizeof buffer).ok);
}

TEST_F(UsblpIo, DeviceIdQueryOnANodeThatIsNoPrinterFails) {
  const DeviceHandle handle = platform_.open(path(), OpenMode::SharedReadWrite);
  ASSERT_NE(handle, kInvalidHandle);
  char id[512];
  std::size_t length = 99;
  EXPECT_FALSE(platform_.queryDeviceId(handle, id, sizeof id, length));
  EXPECT_EQ(length, 0u);
  EXPECT_FALSE(platform_.queryDeviceId(kInvalidHandle, id, sizeof id, length));
  platform_.close(handle);
}

}  // namespace
}  // namespace nobrix::platform::usblp
