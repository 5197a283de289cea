// Win32Platform: synchronous device I/O on usbprint interfaces. The driver applies its own read
// and write time-outs, so no call here waits without end.
#include "platform/windows/windows_platform.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "platform/windows/system_error_text.h"
#include "platform/windows/usbprint_enumeration.h"

namespace nobrix::platform::win32 {

namespace {

// IOCTL_PAR_QUERY_DEVICE_ID: CTL_CODE(FILE_DEVICE_PARALLEL_PORT, 3, METHOD_BUFFERED,
// FILE_ANY_ACCESS). The reply is the ID text itself, without the 1284 length prefix.
constexpr DWORD kQueryDeviceId = 0x0016000C;

// More than the longest ID a printer may report (the 1284 length field is 16 bits, but printers
// keep to a few hundred bytes); a longer reply is cut here, never overrun.
constexpr std::size_t kDeviceIdReplySize = 1024;

HANDLE handleOf(DeviceHandle handle) {
  return reinterpret_cast<HANDLE>(handle);
}

DWORD clampedSize(std::size_t size) {
  return static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
}

// usbprint reports a printer that left the bus as not connected, or as a general failure of
// the request in flight; a request the printer never completes ends as a time-out.
IoFailure failureOf(DWORD error) {
  switch (error) {
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_REMOVED:
      return IoFailure::Gone;
    case ERROR_SEM_TIMEOUT:
    case ERROR_TIMEOUT:
      return IoFailure::Stalled;
    default:
      return IoFailure::Other;
  }
}

IoResult failedWithLastError() {
  const DWORD error = GetLastError();
  return {false, 0, systemErrorText(error), failureOf(error)};
}

}  // namespace

std::vector<std::u16string> Win32Platform::printerInterfacePaths() {
  return usbPrintInterfacePaths();
}

// Shared: read and write, others may open the printer too (device ID, commands, connection
// test). Exclusive: write only, no sharing (the firmware image). Both synchronous.
DeviceHandle Win32Platform::open(std::u16string_view path, OpenMode mode) {
  if (path.empty() || path.find(u'\0') != std::u16string_view::npos)
    return kInvalidHandle;
  const std::wstring widePath(path.begin(), path.end());
  const bool shared = mode == OpenMode::SharedReadWrite;
  const HANDLE device = CreateFileW(
      widePath.c_str(), shared ? GENERIC_READ | GENERIC_WRITE : GENERIC_WRITE,
      shared ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (device == INVALID_HANDLE_VALUE)
    return kInvalidHandle;
  return reinterpret_cast<DeviceHandle>(device);
}

bool Win32Platform::queryDeviceId(DeviceHandle handle, char* buffer, std::size_t capacity,
                                  std::size_t& length) {
  length = 0;
  // Zeroed so that a reply without terminator still ends inside the buffer.
  std::array<char, kDeviceIdReplySize> reply{};
  DWORD returned = 0;
  if (!DeviceIoControl(handleOf(handle), kQueryDeviceId, nullptr, 0, reply.data(),
                       static_cast<DWORD>(reply.size()), &returned, nullptr)) {
    return false;
  }
  // The text ends at its terminator or at the bytes the driver reported, whichever comes first.
  const std::size_t available = std::min<std::size_t>(returned, reply.size());
  const auto* terminator = static_cast<const char*>(std::memchr(reply.data(), '\0', available));
  const std::size_t textLength =
      terminator == nullptr ? available : static_cast<std::size_t>(terminator - reply.data());
  length = buffer == nullptr ? 0 : std::min(textLength, capacity);
  if (length > 0)
    std::memcpy(buffer, reply.data(), length);
  return true;
}

IoResult Win32Platform::write(DeviceHandle handle, const std::uint8_t* data, std::size_t size) {
  DWORD written = 0;
  if (!WriteFile(handleOf(handle), data, clampedSize(size), &written, nullptr)) {
    return failedWithLastError();
  }
  return {true, written, {}};
}

IoResult Win32Platform::read(DeviceHandle handle, std::uint8_t* buffer, std::size_t capacity) {
  DWORD received = 0;
  if (!ReadFile(handleOf(handle), buffer, clampedSize(capacity), &received, nullptr)) {
    return failedWithLastError();
  }
  return {true, received, {}};
}

void Win32Platform::close(DeviceHandle handle) {
  if (handle != kInvalidHandle)
    CloseHandle(handleOf(handle));
}

std::uint32_t Win32Platform::tickCount() {
  return GetTickCount();
}

void Win32Platform::sleep(std::uint32_t milliseconds) {
  Sleep(milliseconds);
}

}  // namespace nobrix::platform::win32
