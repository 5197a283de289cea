// The system runs a console event's handlers on a thread it starts for the event, newest handler
// first, each passing it on by returning FALSE. The witness here is registered after the
// program's own handler, so it sees the event first, passes it on and lets the caller wait until
// that thread, and with it the program's handler, is done.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/cli/stop_requests.h"

namespace nobrix::testing {

namespace {

constexpr DWORD kDeliveryTimeoutMs = 10'000;

HANDLE arrived = nullptr;
HANDLE deliveringThread = nullptr;

BOOL WINAPI witness(DWORD) {
  deliveringThread = OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId());
  SetEvent(arrived);
  return FALSE;
}

bool raised(DWORD event) {
  ResetEvent(arrived);
  return GenerateConsoleCtrlEvent(event, 0) != FALSE;
}

void awaitDelivery() {
  ASSERT_EQ(WaitForSingleObject(arrived, kDeliveryTimeoutMs), WAIT_OBJECT_0);
  ASSERT_EQ(WaitForSingleObject(deliveringThread, kDeliveryTimeoutMs), WAIT_OBJECT_0);
  CloseHandle(deliveringThread);
  deliveringThread = nullptr;
}

}  // namespace

StopRequests::StopRequests() {
  FreeConsole();
  EXPECT_TRUE(AllocConsole()) << GetLastError();
  SetConsoleCtrlHandler(nullptr, FALSE);  // Ctrl+C is not ignored, whatever the parent said
  arrived = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(&witness, TRUE);
}

StopRequests::~StopRequests() {
  SetConsoleCtrlHandler(&witness, FALSE);
  CloseHandle(arrived);
  FreeConsole();
}

// Group 0 is every process on this console, which is the test's own.
void StopRequests::interrupt() {
  ASSERT_TRUE(raised(CTRL_C_EVENT)) << GetLastError();
  awaitDelivery();
}

void StopRequests::terminate() {
  if (!raised(CTRL_BREAK_EVENT)) {
    ASSERT_TRUE(raised(CTRL_C_EVENT)) << GetLastError();
  }
  awaitDelivery();
}

}  // namespace nobrix::testing
