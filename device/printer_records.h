// The printer records every layer shares: a table of up to six USB printer-class interfaces and
// the printers of one update. Text lives in fixed UTF-16 slots, terminated inside the slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nobrix::device {

inline constexpr int MaxPrinterDevices = 6;
inline constexpr std::size_t kSlotChars = 256;  // wide characters, terminator included

using TextSlot = char16_t[kSlotChars];

struct USBPrinterClassDeviceInfo {
  std::int32_t deviceCount;
  std::int32_t selected[MaxPrinterDevices];
  TextSlot description[MaxPrinterDevices];
  TextSlot devicePath[MaxPrinterDevices];
  TextSlot serialNumber[MaxPrinterDevices];
};

struct PrinterInfo {
  USBPrinterClassDeviceInfo idlePrinters;
  USBPrinterClassDeviceInfo flashPrinters;
  std::int32_t printerStatus[MaxPrinterDevices];
};

// The text of a slot up to its terminator (or the whole slot if a terminator is missing).
std::u16string_view slotText(const TextSlot& slot);

// Copies text into a slot, shortened to 255 characters so the terminator always fits.
// Returns false when the text had to be shortened.
bool copyToSlot(TextSlot& slot, std::u16string_view text);

}  // namespace nobrix::device
