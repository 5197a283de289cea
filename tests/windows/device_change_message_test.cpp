// The device-change filter against messages that went through a real message queue: only the
// "device nodes changed" broadcast asks for a new listing. Events whose wParam has bit 15 set
// (arrival, removal) carry a pointer and the system refuses to post them; they are handed to the
// filter as a window procedure would receive them.
#include "platform/windows/device_change_message.h"

#include <dbt.h>
#include <gtest/gtest.h>
#include <windows.h>

namespace nobrix::platform::win32 {
namespace {

TEST(DeviceChangeMessage, OnlyTheDeviceNodesChangeAsksForAListing) {
  struct Case {
    UINT message;
    WPARAM wParam;
    bool listsAgain;
  };
  const Case cases[] = {
      {WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, true},
      {WM_DEVICECHANGE, DBT_CONFIGCHANGED, false},
      {WM_DEVICECHANGE, DBT_QUERYCHANGECONFIG, false},
      {WM_USER, DBT_DEVNODES_CHANGED, false},
      {WM_DEVICECHANGE, DBT_DEVICEARRIVAL, false},
      {WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, false},
  };
  for (const Case& sent : cases) {
    SCOPED_TRACE(testing::Message() << "message " << sent.message << ", wParam " << sent.wParam);
    MSG received{};
    if ((sent.wParam & 0x8000) == 0) {
      ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), sent.message, sent.wParam, 0));
      ASSERT_TRUE(PeekMessageW(&received, nullptr, sent.message, sent.message, PM_REMOVE));
    } else {
      EXPECT_FALSE(PostThreadMessageW(GetCurrentThreadId(), sent.message, sent.wParam, 0));
      received.message = sent.message;
      received.wParam = sent.wParam;
    }
    EXPECT_EQ(isDeviceNodesChange(received), sent.listsAgain);
  }
}

}  // namespace
}  // namespace nobrix::platform::win32
