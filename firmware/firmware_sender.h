// What the flash sequence needs from the firmware layer: send the built-in image to one printer.
#pragma once

#include <cstdint>

namespace nobrix::firmware {

class FirmwareSender {
 public:
  virtual ~FirmwareSender() = default;
  // 1 when every byte of the image reached the device at `devicePath`, else 0. Shows its own
  // messages for the failures the user must hear about.
  virtual std::int32_t App_CopyFirmwareRCDATAResourceToPrinter(const char16_t* devicePath) = 0;
};

}  // namespace nobrix::firmware
