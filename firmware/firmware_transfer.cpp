// The image transfer. The order of acquisition is fixed (module, entry, loaded resource, device);
// guards release in reverse on every path, and a message is only shown once everything is
// released, so a printer is never held open behind a modal dialog. The pieces are written
// straight from the locked image: it lies in the program's read-only resource, or in the checked
// copy of the image file, and cannot change during a send, so a working copy would cost the
// image's size in memory and time for nothing.
#include "firmware/firmware_transfer.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "firmware/locked_image.h"
#include "platform/text_encoding.h"

namespace nobrix::firmware {
namespace {

// For a write that fails without the platform's own wording, or that the device takes no byte
// of: either way the printer would otherwise be reported as updated with a truncated image.
constexpr std::string_view kWriteRefusedKey = "StrRes_FirmwareNotAccepted";
constexpr std::string_view kPrinterGoneKey = "StrRes_FirmwarePrinterGone";
constexpr std::string_view kPrinterStalledKey = "StrRes_FirmwarePrinterStalled";
// The system's own words, in whatever language the system speaks, come last and as a detail.
constexpr std::string_view kSystemDetailKey = "StrRes_SystemMessageDetail";

std::string_view refusalKey(const platform::IoResult& write) {
  if (write.ok) {
    return kWriteRefusedKey;
  }
  switch (write.failure) {
    case platform::IoFailure::Gone:
      return kPrinterGoneKey;
    case platform::IoFailure::Stalled:
      return kPrinterStalledKey;
    case platform::IoFailure::Other:
      break;
  }
  return kWriteRefusedKey;
}

std::u16string withValue(std::u16string pattern, std::u16string_view value) {
  const std::size_t at = pattern.find(u"%1");
  return at == std::u16string::npos ? pattern : pattern.replace(at, 2, value);
}

class DeviceGuard {
 public:
  DeviceGuard(platform::Platform& platform, const char16_t* path) : platform_(platform) {
    if (path != nullptr) {
      handle_ = platform_.open(path, platform::OpenMode::ExclusiveWriteOnly);
    }
  }
  ~DeviceGuard() {
    if (handle_ != platform::kInvalidHandle) {
      platform_.close(handle_);
    }
  }
  DeviceGuard(const DeviceGuard&) = delete;
  DeviceGuard& operator=(const DeviceGuard&) = delete;
  platform::DeviceHandle get() const { return handle_; }
  explicit operator bool() const { return handle_ != platform::kInvalidHandle; }

 private:
  platform::Platform& platform_;
  platform::DeviceHandle handle_ = platform::kInvalidHandle;
};

// The progress the window reads says "sending" exactly while the device is open for the image.
class SendingFlag {
 public:
  SendingFlag(TransferProgress& progress, std::uint64_t imageBytes) : progress_(progress) {
    progress_.acceptedBytes.store(0, std::memory_order_relaxed);
    progress_.imageBytes.store(imageBytes, std::memory_order_relaxed);
    progress_.sending.store(true, std::memory_order_release);
  }
  ~SendingFlag() { progress_.sending.store(false, std::memory_order_release); }
  SendingFlag(const SendingFlag&) = delete;
  SendingFlag& operator=(const SendingFlag&) = delete;

 private:
  TransferProgress& progress_;
};

}  // namespace

FirmwareTransfer::FirmwareTransfer(platform::Platform& platform, ResourceModule& resources,
                                   const ports::TextSource& texts, ports::MessageSink& messages)
    : platform_(platform), resources_(resources), texts_(texts), messages_(messages) {}

std::int32_t FirmwareTransfer::sendImage(const char16_t* devicePath, std::u16string_view printer) {
  Outcome outcome;
  try {
    outcome = copyImageToPrinter(devicePath, printer);
  } catch (const std::exception& error) {
    outcome.result = 0;
    try {
      outcome.message = platform::fromUtf8(error.what());
    } catch (...) {
      outcome.message.clear();
    }
  } catch (...) {
    outcome.result = 0;
  }
  showQuietly(outcome.message);
  return outcome.result;
}

// Image, then device, then the pieces straight from the locked image; both are released when
// this returns, before any message is shown.
FirmwareTransfer::Outcome FirmwareTransfer::copyImageToPrinter(const char16_t* devicePath,
                                                               std::u16string_view printer) {
  // A send that never opens its device took nothing, rather than what the one before took.
  progress_.acceptedBytes.store(0, std::memory_order_relaxed);
  const LockedImage image(resources_);
  if (!image) {
    return {0, keyedText(image.failureKey())};
  }
  const DeviceGuard device{platform_, devicePath};
  if (!device) {
    return {};
  }
  const SendingFlag sending{progress_, image.bytes().size()};
  return sendImage(device.get(), image.bytes(), printer);
}

bool FirmwareTransfer::firmwareImageReady(std::u16string& problem) {
  problem.clear();
  bool ready = false;
  try {
    const LockedImage image(resources_);
    ready = static_cast<bool>(image);
    problem = keyedText(image.failureKey());
  } catch (const std::exception& error) {
    problem = platform::fromUtf8(error.what());
  }
  // A module or image that cannot be reached has no keyed text of its own.
  if (!ready && problem.empty()) {
    problem = texts_.text(kImageLoadFailKey);
  }
  return ready;
}

std::u16string FirmwareTransfer::keyedText(std::string_view key) const {
  return key.empty() ? std::u16string() : texts_.text(key);
}

FirmwareTransfer::Outcome FirmwareTransfer::sendImage(platform::DeviceHandle device,
                                                      std::span<const std::uint8_t> image,
                                                      std::u16string_view printer) {
  for (std::size_t offset = 0; offset < image.size(); offset += kPieceBytes) {
    const std::size_t piece = std::min(kPieceBytes, image.size() - offset);
    if (auto refused = writePiece(device, image.subspan(offset, piece))) {
      return {0, refusalText(*refused, printer)};
    }
  }
  return {1, {}};
}

// The product's sentence, the printer on a line of its own, then the system's text if any.
std::u16string FirmwareTransfer::refusalText(const platform::IoResult& write,
                                             std::u16string_view printer) const {
  std::u16string text = texts_.text(refusalKey(write));
  if (!printer.empty()) {
    text.append(u"\r\n").append(printer);
  }
  if (!write.ok && !write.errorText.empty()) {
    text.append(u"\r\n\r\n")
        .append(withValue(texts_.text(kSystemDetailKey), platform::fromUtf8(write.errorText)));
  }
  return text;
}

// A piece counts only when the device has taken all of it: a short write is continued with the
// rest, and a write that takes nothing ends the transfer rather than spinning. What a failing
// write still took counts as accepted: the printer has those bytes.
std::optional<platform::IoResult> FirmwareTransfer::writePiece(
    platform::DeviceHandle device, std::span<const std::uint8_t> piece) {
  std::size_t written = 0;
  while (written < piece.size()) {
    platform::IoResult outcome =
        platform_.write(device, piece.data() + written, piece.size() - written);
    const std::size_t accepted = std::min(outcome.bytes, piece.size() - written);
    progress_.acceptedBytes.fetch_add(accepted, std::memory_order_relaxed);
    written += accepted;
    if (!outcome.ok || outcome.bytes == 0) {
      return outcome;
    }
  }
  return std::nullopt;
}

// The dialog may fail too; that must not turn a reported failure into an escaping exception.
void FirmwareTransfer::showQuietly(const std::u16string& message) {
  if (message.empty()) {
    return;
  }
  try {
    messages_.showMessage(ports::kPlainMessage, message, 0, 0);
  } catch (...) {
  }
}

}  // namespace nobrix::firmware
