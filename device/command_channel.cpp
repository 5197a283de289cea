// Talking to the printer at the current device path: the connection test, framed command writes,
// draining the printer's reply by quiet time, and the two-command switch into flash mode.
#include <algorithm>

#include "device/command_envelope.h"
#include "device/device_layer.h"
#include "device/device_session.h"

namespace nobrix::device {

namespace {

// The printer needs this long after a command before it takes the next one.
constexpr std::uint32_t kAfterCommandMs = 200;
// A printer with nothing to say is given this long to start answering...
constexpr std::uint32_t kNothingCameMs = 1000;
// ...and an answer counts as complete after this long without a further byte.
constexpr std::uint32_t kAfterLastByteMs = 500;

// A write counts only when the device took every byte; a call that takes none fails rather than
// being repeated without end.
bool writeAll(platform::Platform& platform, platform::DeviceHandle handle, const std::uint8_t* data,
              std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const platform::IoResult result = platform.write(handle, data + done, size - done);
    if (!result.ok || result.bytes == 0) {
      return false;
    }
    done += std::min(result.bytes, size - done);
  }
  return true;
}

}  // namespace

int PrinterDeviceLayer::Lib_IsConnectionValid() {
  const detail::DeviceSession device(platform_, currentDevicePath());
  return device.isOpen() ? 1 : 0;
}

int PrinterDeviceLayer::WritePrinterCommand(std::string_view command) {
  if (command.size() > kMaxCommandBytes) {
    return 0;
  }
  detail::DeviceSession device(platform_, currentDevicePath());
  if (!device.isOpen()) {
    return 0;
  }
  const std::size_t size = buildCommandEnvelope(command, envelope_);
  if (!writeAll(platform_, device.handle(), envelope_, size)) {
    return 0;
  }
  platform_.sleep(kAfterCommandMs);
  return 1;
}

int PrinterDeviceLayer::ReadPrinterReply() {
  replyLength_ = 0;
  detail::DeviceSession device(platform_, currentDevicePath());
  if (!device.isOpen()) {
    return 0;
  }
  // Tick differences are unsigned 32-bit, so they stay right across a wrap of the counter.
  std::uint32_t mark = platform_.tickCount();
  bool stop = false;
  for (;;) {
    const platform::IoResult read = platform_.read(device.handle(), readBuffer_, kReplyBytes);
    if (!read.ok) {
      stop = true;
    } else if (read.bytes > 0) {
      keepReplyBytes(std::min(read.bytes, kReplyBytes));
      mark = platform_.tickCount();
      stop = replyLength_ >= kReplyBytes;
    }
    const std::uint32_t quiet = platform_.tickCount() - mark;
    if (quiet > kNothingCameMs && replyLength_ == 0) {
      stop = true;
    }
    if (stop || (quiet > kAfterLastByteMs && replyLength_ > 0)) {
      break;
    }
  }
  return static_cast<int>(replyLength_);
}

void PrinterDeviceLayer::keepReplyBytes(std::size_t count) {
  // The reply buffer keeps the first kReplyBytes bytes; the rest of an overlong read is dropped.
  const std::size_t kept = std::min(count, kReplyBytes - replyLength_);
  std::copy_n(readBuffer_, kept, reply_ + replyLength_);
  replyLength_ += kept;
}

int PrinterDeviceLayer::Lib_SendFlashCommand() {
  // Neither the first command's result nor the reply matters: the drain spaces the commands, and
  // the second command gets its own state check.
  SendPrinterCommand(kFlashCommandSet);
  ReadPrinterReply();
  return SendPrinterCommand(kFlashCommandDownload);
}

}  // namespace nobrix::device
