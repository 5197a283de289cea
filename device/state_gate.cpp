// The printer's state from the status field of its device ID, and the gate that lets a command
// through only while the printer is idle or in manufacturing mode.
#include <exception>

#include "device/bounded_text.h"
#include "device/device_layer.h"
#include "device/device_session.h"

namespace nobrix::device {

namespace {

// The state code sits in two hex digits at this offset of the status value.
constexpr std::size_t kStateDigitsOffset = 16;

constexpr int kStateIdle = 0;
constexpr int kStateManufacturingMode = 3;

int hexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') {
    return c - u'0';
  }
  if (c >= u'a' && c <= u'f') {
    return c - u'a' + 10;
  }
  if (c >= u'A' && c <= u'F') {
    return c - u'A' + 10;
  }
  return -1;
}

bool isBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Base-16 reading with the usual string-to-long rules: leading blanks, an optional sign, an
// optional "0x" before a digit, then digits up to the first non-digit; no digits read as 0.
int parseHexCode(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  if (i + 2 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
      hexDigitValue(text[i + 2]) >= 0) {
    i += 2;
  }
  int value = 0;
  for (; i < text.size() && hexDigitValue(text[i]) >= 0; ++i) {
    value = value * 16 + hexDigitValue(text[i]);
  }
  return negative ? -value : value;
}

}  // namespace

int PrinterDeviceLayer::GetPrinterState() {
  try {
    // The key carries the leading ";" so that only a real field boundary counts: an ID that
    // starts with "S:" has no status field here.
    if (ReadDeviceId() == 0 || GetDeviceIdField(u";S:", statusValue_) == 0) {
      return -1;
    }
    // At most two characters, stopping at the value's end (the buffer is zero past it): a value
    // of 17 characters gives one digit, one of 16 or fewer none.
    const std::u16string_view digits = detail::boundedText(statusValue_ + kStateDigitsOffset, 2);
    detail::copyBounded(stateDigits_, digits);
    return parseHexCode(detail::boundedText(stateDigits_, 3));
  } catch (const std::exception& error) {
    detail::showLayerError(errorBox_, error);
    return -1;
  }
}

int PrinterDeviceLayer::SendPrinterCommand(std::string_view command) {
  try {
    const int state = GetPrinterState();
    if (state != kStateIdle && state != kStateManufacturingMode) {
      return 0;
    }
    return WritePrinterCommand(command);
  } catch (const std::exception& error) {
    detail::showLayerError(errorBox_, error);
    return 0;
  }
}

}  // namespace nobrix::device
