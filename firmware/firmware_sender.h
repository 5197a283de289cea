// What the flash sequence needs from the firmware layer: send the built-in image to one printer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "firmware/transfer_progress.h"

namespace nobrix::firmware {

class FirmwareSender {
 public:
  virtual ~FirmwareSender() = default;
  // 1 when every byte of the image reached the device at `devicePath`, else 0. Shows its own
  // messages for the failures the user must hear about, naming the printer as `printer` says
  // ("SALVENOR LRX5303 [SN#:...]"; empty: unnamed).
  virtual std::int32_t sendImage(const char16_t* devicePath, std::u16string_view printer) = 0;
  std::int32_t sendImage(const char16_t* devicePath) { return sendImage(devicePath, {}); }

  // Whether there is an image to send at all, asked before any printer is switched to flash
  // mode: a printer switched for nothing would be left waiting in flash mode. False with the
  // text to show the user. Touches no device and shows nothing itself.
  virtual bool firmwareImageReady(std::u16string& problem) {
    problem.clear();
    return true;
  }

  // The send under way, for the window to show; null when the sender does not tell.
  virtual const TransferProgress* progress() const { return nullptr; }
};

}  // namespace nobrix::firmware
