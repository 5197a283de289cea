// The SetupAPI part of enumeration: the present USB printer-class interface paths, in the order
// the system reports them, at most six (the device layer's slots).
#pragma once

// setupapi.h needs the types of windows.h before it.
// clang-format off
#include <windows.h>
#include <setupapi.h>
// clang-format on

#include <cstddef>
#include <string>
#include <vector>

namespace nobrix::platform::win32 {

// No interface beyond the sixth is asked for its details: the device layer has six slots.
inline constexpr std::size_t kMaxInterfacePaths = 6;

// The SetupAPI calls the enumeration makes, replaceable so that tests can count what it asks for
// and whether it releases the set, whatever happens in between.
struct SetupApi {
  decltype(&SetupDiGetClassDevsW) getClassDevs = &SetupDiGetClassDevsW;
  decltype(&SetupDiEnumDeviceInterfaces) enumDeviceInterfaces = &SetupDiEnumDeviceInterfaces;
  decltype(&SetupDiGetDeviceInterfaceDetailW) getDeviceInterfaceDetail =
      &SetupDiGetDeviceInterfaceDetailW;
  decltype(&SetupDiDestroyDeviceInfoList) destroyDeviceInfoList = &SetupDiDestroyDeviceInfoList;
};

// GUID_DEVINTERFACE_USBPRINT, {28d78fad-5a12-11d1-ae5b-0000f803a8c2}. Spelled out because not
// every SDK's usbprint.h defines it.
inline constexpr GUID kUsbPrintInterface = {
    0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};

std::vector<std::u16string> usbPrintInterfacePaths(const SetupApi& api = {});

}  // namespace nobrix::platform::win32
