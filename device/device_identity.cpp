// A printer's identity from its IEEE 1284 device ID: reading the ID, extracting fields by key and
// filling description and serial number of every entry of a table.
#include <algorithm>
#include <exception>
#include <optional>
#include <string>

#include "device/bounded_text.h"
#include "device/device_layer.h"
#include "device/device_session.h"

namespace nobrix::device {

namespace {

constexpr std::u16string_view kUnknown = u"unknown";

// Appends as much of `part` as fits while keeping room for the terminator.
void appendBounded(FieldBuffer& buffer, std::size_t& length, std::u16string_view part) {
  const std::size_t room = kFieldChars - 1 - length;
  const std::size_t count = std::min(part.size(), room);
  std::copy_n(part.begin(), count, buffer + length);
  length += count;
  buffer[length] = u'\0';
}

// A plain substring search, not anchored to a field start: "SN:" also matches the tail of a
// longer key such as "XSN:", and the first occurrence wins. Nullopt when the key is absent or
// ends the ID.
std::optional<std::u16string_view> fieldValue(std::u16string_view id, std::u16string_view key) {
  const std::size_t at = id.find(key);
  if (at == std::u16string_view::npos || at + key.size() >= id.size()) {
    return std::nullopt;
  }
  const std::u16string_view rest = id.substr(at + key.size());
  return rest.substr(0, rest.find(u';'));
}

std::u16string widened(std::string_view text) {
  std::u16string wide(text.size(), u'\0');
  // Byte for byte, no code page: 0xE9 becomes U+00E9.
  std::transform(text.begin(), text.end(), wide.begin(),
                 [](char byte) { return static_cast<char16_t>(static_cast<unsigned char>(byte)); });
  return wide;
}

// Field values keep at most 127 characters, as the layer's field buffers do.
std::u16string boundedField(std::u16string_view id, std::u16string_view key) {
  const auto value = fieldValue(id, key);
  return value ? std::u16string(value->substr(0, kFieldChars - 1)) : std::u16string();
}

}  // namespace

DeviceIdentity identityOfDeviceId(std::string_view deviceId) {
  const std::u16string id = widened(deviceId.substr(0, kDeviceIdBytes - 1));
  if (id.find(u"MFG:") == std::u16string::npos) {
    return {};
  }
  std::u16string description = boundedField(id, u"MFG:") + u" " + boundedField(id, u"MDL:");
  description.resize(std::min(description.size(), kFieldChars - 1));
  return {std::move(description), boundedField(id, u"SN:")};
}

int PrinterDeviceLayer::ReadDeviceId() {
  detail::DeviceSession device(platform_, currentDevicePath());
  if (!device.isOpen()) {
    return 0;
  }
  // One byte stays free for the terminator: the platform sends none, and an ID of 512 bytes or
  // more arrives shortened to the first 511.
  std::size_t length = 0;
  const bool answered =
      platform_.queryDeviceId(device.handle(), deviceIdText_, kDeviceIdBytes - 1, length);
  deviceIdText_[answered ? std::min(length, kDeviceIdBytes - 1) : 0] = '\0';

  const std::string_view text = lastDeviceIdText();
  if (text.empty() || text.find("MFG:") == std::string_view::npos) {
    return 0;
  }
  const std::u16string wide = widened(text);
  std::copy(wide.begin(), wide.end(), deviceIdWide_);
  deviceIdWide_[text.size()] = u'\0';
  return 1;
}

int PrinterDeviceLayer::GetDeviceIdField(std::u16string_view key, FieldBuffer& value) {
  std::fill(std::begin(value), std::end(value), u'\0');
  const std::u16string_view id = detail::boundedText(deviceIdWide_, kDeviceIdBytes);
  if (id.empty()) {
    return 0;
  }
  const auto found = fieldValue(id, key);
  if (!found) {
    return 0;
  }
  // A value of 128 characters or more keeps its first 127.
  detail::copyBounded(value, *found);
  return 1;
}

void PrinterDeviceLayer::FillDeviceIdentity(USBPrinterClassDeviceInfo* table) {
  if (table == nullptr) {
    return;
  }
  const int count = std::clamp(table->deviceCount, 0, MaxPrinterDevices);
  try {
    for (int entry = 0; entry < count; ++entry) {
      fillEntryIdentity(*table, entry);
    }
  } catch (const std::exception& error) {
    detail::showLayerError(errorBox_, error);
  }
}

void PrinterDeviceLayer::fillEntryIdentity(USBPrinterClassDeviceInfo& table, int entry) {
  const std::u16string_view path = slotText(table.devicePath[entry]);
  Lib_SetUSBDeviceFilePath(kSelectDevicePath, table.devicePath[entry]);
  // A path the layer cannot select would leave the previous printer current and describe this
  // entry with that printer's identity.
  const bool selectable = !path.empty() && path.size() < kSlotChars;
  if (!selectable || ReadDeviceId() == 0) {
    copyToSlot(table.description[entry], kUnknown);
    copyToSlot(table.serialNumber[entry], kUnknown);
    return;
  }
  GetDeviceIdField(u"MFG:", manufacturerValue_);
  GetDeviceIdField(u"MDL:", modelValue_);
  std::size_t length = 0;
  appendBounded(descriptionBuffer_, length, detail::boundedText(manufacturerValue_, kFieldChars));
  appendBounded(descriptionBuffer_, length, u" ");
  appendBounded(descriptionBuffer_, length, detail::boundedText(modelValue_, kFieldChars));
  GetDeviceIdField(u"SN:", serialValue_);

  copyToSlot(table.description[entry], detail::boundedText(descriptionBuffer_, kFieldChars));
  copyToSlot(table.serialNumber[entry], detail::boundedText(serialValue_, kFieldChars));
}

}  // namespace nobrix::device
