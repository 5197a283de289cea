// The device-change filter against messages that went through a real message queue: only the
// "device nodes changed" broadcast asks for a new listing.
#include "platform/windows/device_change_message.h"

#include <dbt.h>
#include <gtest/gtest.h>
#include <windows.h>

namespace nobrix::platform::win32 {
namespace {

TEST(DeviceChangeMessage, OnlyTheDeviceNodesChangeAsksForAListing) {
  struct Posted {
    UINT message;
    WPARAM wParam;
    bool listsAgain;
  };
  const Posted posted[] = {
      {WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, true},
      {WM_DEVICECHANGE, DBT_DEVICEARRIVAL, false},
      {WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, false},
      {WM_DEVICECHANGE, DBT_CONFIGCHANGED, false},
      {WM_USER, DBT_DEVNODES_CHANGED, false},
  };
  for (const Posted& sent : posted) {
    SCOPED_TRACE(testing::Message() << "message " << sent.message << ", wParam " << sent.wParam);
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), sent.message, sent.wParam, 0));
    MSG received{};
    ASSERT_TRUE(PeekMessageW(&received, nullptr, sent.message, sent.message, PM_REMOVE));
    EXPECT_EQ(isDeviceNodesChange(received), sent.listsAgain);
  }
}

}  // namespace
}  // namespace nobrix::platform::win32
