// The system's wording of Win32 errors, as the firmware transfer shows it: the text without the
// line break FormatMessageW appends, and a plain fallback where the system has no text.
#include "platform/windows/system_error_text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace nobrix::platform::win32 {
namespace {

TEST(SystemErrorText, KnownCodesHaveTheSystemWordingWithoutTrailingBreak) {
  for (const DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
    const std::string text = systemErrorText(code);
    ASSERT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find("System error"), std::string::npos) << code << ": " << text;
    const char last = text.back();
    EXPECT_TRUE(last != '\r' && last != '\n' && last != ' ') << code << ": [" << text << "]";
  }
}

TEST(SystemErrorText, CodesWithoutSystemTextFallBackToTheNumber) {
  EXPECT_EQ(systemErrorText(0xDEADBEEFU), "System error 3735928559");
}

}  // namespace
}  // namespace nobrix::platform::win32
