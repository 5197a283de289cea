// SetupDiGetClassDevsW over GUID_DEVINTERFACE_USBPRINT, one detail query per interface.
#include "platform/windows/usbprint_enumeration.h"

// setupapi.h needs the types of windows.h before it.
// clang-format off
#include <windows.h>
#include <setupapi.h>
// clang-format on

#include <optional>
#include <vector>

namespace nobrix::platform::win32 {

namespace {

// GUID_DEVINTERFACE_USBPRINT, {28d78fad-5a12-11d1-ae5b-0000f803a8c2}. Spelled out because not
// every SDK's usbprint.h defines it.
const GUID kUsbPrintInterface = {
    0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};

// The detail record has a fixed header and a path of variable length; the first call only asks
// for the size and must fail with ERROR_INSUFFICIENT_BUFFER.
std::optional<std::u16string> interfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData) {
  DWORD required = 0;
  if (SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, nullptr, 0, &required, nullptr) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
      required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
    return std::nullopt;
  }
  // DWORD-sized elements keep the record suitably aligned.
  std::vector<DWORD> storage((required + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, detail, required, nullptr, nullptr)) {
    return std::nullopt;
  }
  // Bounded by the buffer, in case the system ever hands back a path without its terminator.
  const auto headerSize = static_cast<std::size_t>(
      reinterpret_cast<const char*>(detail->DevicePath) - reinterpret_cast<const char*>(detail));
  const std::size_t maxLength = (required - headerSize) / sizeof(wchar_t);
  std::u16string path;
  for (std::size_t i = 0; i < maxLength && detail->DevicePath[i] != L'\0'; ++i) {
    path += static_cast<char16_t>(detail->DevicePath[i]);
  }
  if (path.empty()) {
    return std::nullopt;
  }
  return path;
}

}  // namespace

std::vector<std::u16string> usbPrintInterfacePaths() {
  std::vector<std::u16string> paths;
  const HDEVINFO set = SetupDiGetClassDevsW(&kUsbPrintInterface, nullptr, nullptr,
                                            DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE)
    return paths;
  // A false result ends the list (ERROR_NO_MORE_ITEMS); an interface whose detail cannot be read
  // is skipped and the index moves on, so no index is asked for twice.
  for (DWORD index = 0;; ++index) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof(interfaceData);
    if (!SetupDiEnumDeviceInterfaces(set, nullptr, &kUsbPrintInterface, index, &interfaceData))
      break;
    if (std::optional<std::u16string> path = interfacePath(set, interfaceData)) {
      paths.push_back(std::move(*path));
    }
  }
  SetupDiDestroyDeviceInfoList(set);
  return paths;
}

}  // namespace nobrix::platform::win32
