// The printer device layer: records, identity, enumeration and the command channel. It keeps one
// current device path and fixed module buffers, opens and closes the printer in every operation,
// and must be used by one thread at a time (the workflow guarantees it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/printer_records.h"
#include "platform/platform.h"
#include "ports/error_box.h"

namespace nobrix::device {

inline constexpr std::size_t kDeviceIdBytes = 512;
inline constexpr std::size_t kFieldChars = 128;
inline constexpr std::size_t kEnvelopeBytes = 256;
inline constexpr std::size_t kReplyBytes = 1024;
inline constexpr std::size_t kMaxCommandBytes = 198;  // 256 - 58 bytes of envelope

// Modes of Lib_SetUSBDeviceFilePath: forget the current path, or make the given one current.
inline constexpr int kClearDevicePath = 0;
inline constexpr int kSelectDevicePath = 1;

inline constexpr std::u16string_view kFlashModeDescription = u"NOBRIX reflash";
inline constexpr std::string_view kFlashCommandSet = "ds2.set 79744, 1;";
inline constexpr std::string_view kFlashCommandDownload = "udw.srec_download;";

using FieldBuffer = char16_t[kFieldChars];

// Description ("MFG MDL") and serial number of a device ID obtained without opening the printer,
// by the rules the listing applies; both empty when the ID has no "MFG:" field.
struct DeviceIdentity {
  std::u16string description;
  std::u16string serialNumber;
};
DeviceIdentity identityOfDeviceId(std::string_view deviceId);

// The printer's name for a state code 0..54, or empty for codes that have none.
std::string_view printerStateName(int code);

class PrinterDeviceLayer {
 public:
  // Errors the layer catches are shown in `errorBox` ("VUZ App").
  explicit PrinterDeviceLayer(platform::Platform& platform,
                              ports::ErrorBox& errorBox = ports::standardErrorBox());

  // Records and identity.
  void Lib_SetUSBDeviceFilePath(int mode, const char16_t* path);
  static int ClearDeviceInfo(USBPrinterClassDeviceInfo* table);
  int ReadDeviceId();
  int GetDeviceIdField(std::u16string_view key, FieldBuffer& value);
  void FillDeviceIdentity(USBPrinterClassDeviceInfo* table);

  // Enumeration.
  int Lib_EnumeratePrinterClassPnPDevices(USBPrinterClassDeviceInfo* table);
  static int Lib_GetSupportedPrinterDeviceInfo(const char16_t* name,
                                               USBPrinterClassDeviceInfo* destination,
                                               const USBPrinterClassDeviceInfo* source);

  // Command channel.
  int Lib_IsConnectionValid();
  int Lib_SendFlashCommand();
  int GetPrinterState();
  int SendPrinterCommand(std::string_view command);
  int WritePrinterCommand(std::string_view command);
  int ReadPrinterReply();

  // For tests and diagnostics.
  std::u16string_view currentDevicePath() const;
  std::string_view lastDeviceIdText() const;
  std::string_view lastReply() const;

  platform::Platform& platform() { return platform_; }

 private:
  void fillEntryIdentity(USBPrinterClassDeviceInfo& table, int entry);
  void keepReplyBytes(std::size_t count);

  platform::Platform& platform_;
  ports::ErrorBox& errorBox_;

  // Module state, zero at start.
  TextSlot currentDevicePath_{};
  char deviceIdText_[kDeviceIdBytes]{};
  char16_t deviceIdWide_[kDeviceIdBytes]{};
  FieldBuffer manufacturerValue_{};
  FieldBuffer modelValue_{};
  FieldBuffer serialValue_{};
  FieldBuffer statusValue_{};
  FieldBuffer descriptionBuffer_{};
  std::uint8_t envelope_[kEnvelopeBytes]{};
  std::uint8_t reply_[kReplyBytes]{};
  std::uint8_t readBuffer_[kReplyBytes]{};
  std::size_t replyLength_ = 0;
  char16_t stateDigits_[3]{};
};

}  // namespace nobrix::device
