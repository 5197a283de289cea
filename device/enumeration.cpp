// Listing the present USB printer-class interfaces into a table, and picking the entries of one
// description out of it.
#include <algorithm>
#include <exception>

#include "device/device_layer.h"
#include "device/device_session.h"

namespace nobrix::device {

namespace {

// A path is stored whole or not at all: a shortened path, or one cut at an embedded NUL, would
// open a different device. An empty path cannot be opened.
bool isStorablePath(std::u16string_view path) {
  return !path.empty() && path.size() < kSlotChars && path.find(u'\0') == std::u16string_view::npos;
}

}  // namespace

int PrinterDeviceLayer::Lib_EnumeratePrinterClassPnPDevices(USBPrinterClassDeviceInfo* table) {
  if (table == nullptr) {
    return 0;
  }
  ClearDeviceInfo(table);
  try {
    int stored = 0;
    for (const std::u16string& path : platform_.printerInterfacePaths()) {
      if (stored == MaxPrinterDevices) {
        break;
      }
      if (isStorablePath(path)) {
        copyToSlot(table->devicePath[stored], path);
        ++stored;
      }
    }
    table->deviceCount = stored;
    FillDeviceIdentity(table);
    return stored;
  } catch (const std::exception& error) {
    detail::showLayerError(errorBox_, error);
    return 0;
  }
}

int PrinterDeviceLayer::Lib_GetSupportedPrinterDeviceInfo(const char16_t* name,
                                                          USBPrinterClassDeviceInfo* destination,
                                                          const USBPrinterClassDeviceInfo* source) {
  if (destination == nullptr) {
    return 0;
  }
  // No name or no source: nothing matches, and the destination says so.
  int copied = 0;
  if (name != nullptr && source != nullptr) {
    const std::u16string_view wanted(name);
    const int count = std::clamp(source->deviceCount, 0, MaxPrinterDevices);
    for (int entry = 0; entry < count; ++entry) {
      if (slotText(source->description[entry]) != wanted) {
        continue;
      }
      // Slot-to-slot copies; the move in copyToSlot keeps this right when both tables are one.
      copyToSlot(destination->description[copied], slotText(source->description[entry]));
      copyToSlot(destination->devicePath[copied], slotText(source->devicePath[entry]));
      copyToSlot(destination->serialNumber[copied], slotText(source->serialNumber[entry]));
      ++copied;
    }
  }
  destination->deviceCount = copied;
  return copied;
}

}  // namespace nobrix::device
