// SetupDiGetClassDevsW over GUID_DEVINTERFACE_USBPRINT, one detail query per interface.
#include "platform/windows/usbprint_enumeration.h"

#include <optional>
#include <utility>

namespace nobrix::platform::win32 {

namespace {

// Releases the device information set however the enumeration ends, an exception included
// (a path that cannot be stored throws std::bad_alloc).
class DeviceInfoSet {
 public:
  DeviceInfoSet(const SetupApi& api, HDEVINFO set) : api_(api), set_(set) {}
  ~DeviceInfoSet() {
    if (valid())
      api_.destroyDeviceInfoList(set_);
  }
  DeviceInfoSet(const DeviceInfoSet&) = delete;
  DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;

  bool valid() const { return set_ != INVALID_HANDLE_VALUE; }
  HDEVINFO get() const { return set_; }

 private:
  const SetupApi& api_;
  HDEVINFO set_;
};

// The detail record has a fixed header and a path of variable length; the first call only asks
// for the size and must fail with ERROR_INSUFFICIENT_BUFFER.
std::optional<std::u16string> interfacePath(const SetupApi& api, HDEVINFO set,
                                            SP_DEVICE_INTERFACE_DATA& interfaceData) {
  DWORD required = 0;
  if (api.getDeviceInterfaceDetail(set, &interfaceData, nullptr, 0, &required, nullptr) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER ||
      required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
    return std::nullopt;
  }
  // DWORD-sized elements keep the record suitably aligned.
  std::vector<DWORD> storage((required + sizeof(DWORD) - 1) / sizeof(DWORD));
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!api.getDeviceInterfaceDetail(set, &interfaceData, detail, required, nullptr, nullptr)) {
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

std::vector<std::u16string> usbPrintInterfacePaths(const SetupApi& api) {
  std::vector<std::u16string> paths;
  const DeviceInfoSet set(api, api.getClassDevs(&kUsbPrintInterface, nullptr, nullptr,
                                                DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  if (!set.valid())
    return paths;
  // A false result ends the list (ERROR_NO_MORE_ITEMS); an interface whose detail cannot be read
  // is skipped and the index moves on, so no index is asked for twice.
  for (DWORD index = 0; paths.size() < kMaxInterfacePaths; ++index) {
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof(interfaceData);
    if (!api.enumDeviceInterfaces(set.get(), nullptr, &kUsbPrintInterface, index, &interfaceData))
      break;
    if (std::optional<std::u16string> path = interfacePath(api, set.get(), interfaceData)) {
      paths.push_back(std::move(*path));
    }
  }
  return paths;
}

}  // namespace nobrix::platform::win32
