// The shared printer records: slot text access and clearing a table.
#include "device/printer_records.h"

#include <algorithm>

#include "device/bounded_text.h"
#include "device/device_layer.h"

namespace nobrix::device {

std::u16string_view slotText(const TextSlot& slot) {
  return detail::boundedText(slot, kSlotChars);
}

bool copyToSlot(TextSlot& slot, std::u16string_view text) {
  return detail::copyBounded(slot, text);
}

int PrinterDeviceLayer::ClearDeviceInfo(USBPrinterClassDeviceInfo* table) {
  if (table == nullptr) {
    return 0;
  }
  table->deviceCount = 0;
  std::fill(std::begin(table->selected), std::end(table->selected), 0);
  for (int i = 0; i < MaxPrinterDevices; ++i) {
    std::fill(std::begin(table->description[i]), std::end(table->description[i]), u'\0');
    std::fill(std::begin(table->devicePath[i]), std::end(table->devicePath[i]), u'\0');
    std::fill(std::begin(table->serialNumber[i]), std::end(table->serialNumber[i]), u'\0');
  }
  return 1;
}

}  // namespace nobrix::device
