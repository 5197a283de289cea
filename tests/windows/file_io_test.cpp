// Win32Platform's open, read, write and device-ID query against ordinary files, which
// CreateFileW, ReadFile and WriteFile treat the way they treat a usbprint interface: the share
// modes of the two opens, the byte counts, and failures carrying the system's text.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windows/windows_platform.h"

namespace nobrix::platform::win32 {
namespace {

class Win32FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    file_ = std::filesystem::temp_directory_path() /
            ("nobrix_" + std::string(test->name()) + "_" + std::to_string(GetCurrentProcessId()));
    const HANDLE created = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);
  }

  void TearDown() override {
    for (const DeviceHandle handle : open_)
      platform_.close(handle);
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
  }

  std::u16string path() const { return file_.u16string(); }

  // Closed at the end of the test, whatever it asserted.
  DeviceHandle openTracked(OpenMode mode) {
    const DeviceHandle handle = platform_.open(path(), mode);
    if (handle != kInvalidHandle)
      open_.push_back(handle);
    return handle;
  }

  IoResult writeText(DeviceHandle handle, std::string_view text) {
    return platform_.write(handle, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  }

  Win32Platform platform_;
  std::filesystem::path file_;
  std::vector<DeviceHandle> open_;
};

TEST_F(Win32FileIo, PathsThatCannotNameADeviceAreRefused) {
  EXPECT_EQ(platform_.open(u"", OpenMode::SharedReadWrite), kInvalidHandle);
  std::u16string withNul = path();
  withNul.insert(withNul.size() - 1, 1, u'\0');
  EXPECT_EQ(platform_.open(withNul, OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(platform_.open(path() + u".absent", OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(platform_.open(path() + u".absent", OpenMode::ExclusiveWriteOnly), kInvalidHandle);
}

TEST_F(Win32FileIo, SharedOpensCoexistAndExcludeTheFirmwareOpen) {
  ASSERT_NE(openTracked(OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_NE(openTracked(OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(openTracked(OpenMode::ExclusiveWriteOnly), kInvalidHandle);
}

TEST_F(Win32FileIo, TheFirmwareOpenKeepsEveryOtherOpenOutUntilClosed) {
  const DeviceHandle exclusive = platform_.open(path(), OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(exclusive, kInvalidHandle);
  EXPECT_EQ(openTracked(OpenMode::SharedReadWrite), kInvalidHandle);
  EXPECT_EQ(openTracked(OpenMode::ExclusiveWriteOnly), kInvalidHandle);
  platform_.close(exclusive);
  EXPECT_NE(openTracked(OpenMode::SharedReadWrite), kInvalidHandle);
}

TEST_F(Win32FileIo, WrittenBytesArriveWithTheirCountAndAnEmptyReadIsNoFailure) {
  const DeviceHandle writer = openTracked(OpenMode::SharedReadWrite);
  const DeviceHandle reader = openTracked(OpenMode::SharedReadWrite);
  ASSERT_NE(writer, kInvalidHandle);
  ASSERT_NE(reader, kInvalidHandle);

  const IoResult written = writeText(writer, std::string_view("\x1B%-12345X@PJL\r\n\0end", 19));
  EXPECT_TRUE(written.ok) << written.errorText;
  EXPECT_EQ(written.bytes, 19U);

  std::uint8_t buffer[64] = {};
  const IoResult got = platform_.read(reader, buffer, sizeof buffer);
  ASSERT_TRUE(got.ok) << got.errorText;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer), got.bytes),
            std::string("\x1B%-12345X@PJL\r\n\0end", 19));

  const IoResult nothing = platform_.read(reader, buffer, sizeof buffer);
  EXPECT_TRUE(nothing.ok);
  EXPECT_EQ(nothing.bytes, 0U);
}

TEST_F(Win32FileIo, FailedCallsCarryTheSystemText) {
  const DeviceHandle writeOnly = openTracked(OpenMode::ExclusiveWriteOnly);
  ASSERT_NE(writeOnly, kInvalidHandle);
  std::uint8_t buffer[8] = {};
  const IoResult refused = platform_.read(writeOnly, buffer, sizeof buffer);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.bytes, 0U);
  EXPECT_FALSE(refused.errorText.empty());

  const IoResult unwritable = writeText(kInvalidHandle, "x");
  EXPECT_FALSE(unwritable.ok);
  EXPECT_FALSE(unwritable.errorText.empty());
}

TEST_F(Win32FileIo, AHandleThatIsNoPrinterHasNoDeviceId) {
  const DeviceHandle handle = openTracked(OpenMode::SharedReadWrite);
  ASSERT_NE(handle, kInvalidHandle);
  char id[64];
  std::size_t length = 99;
  EXPECT_FALSE(platform_.queryDeviceId(handle, id, sizeof id, length));
  EXPECT_EQ(length, 0U);
}

}  // namespace
}  // namespace nobrix::platform::win32
