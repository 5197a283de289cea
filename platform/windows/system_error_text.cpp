// FormatMessageW into a fixed buffer, without the line break the system appends.
#include "platform/windows/system_error_text.h"

#include <windows.h>

#include <array>

#include "platform/text_encoding.h"

namespace nobrix::platform::win32 {

std::string systemErrorText(std::uint32_t error) {
  std::array<wchar_t, 512> text{};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text.data(), static_cast<DWORD>(text.size()), nullptr);
  while (length > 0 &&
         (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ')) {
    --length;
  }
  if (length == 0)
    return "System error " + std::to_string(error);
  std::u16string wide;
  wide.reserve(length);
  for (DWORD i = 0; i < length; ++i)
    wide += static_cast<char16_t>(text[i]);
  return toUtf8(wide);
}

}  // namespace nobrix::platform::win32
