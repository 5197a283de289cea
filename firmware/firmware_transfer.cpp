// The image transfer. The order of acquisition is fixed (module, entry, loaded resource, working
// copy, device); guards release in reverse on every path, and a message is only shown once
// everything is released, so a printer is never held open behind a modal dialog.
#include "firmware/firmware_transfer.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <string_view>

#include "platform/text_encoding.h"

namespace nobrix::firmware {
namespace {

constexpr std::string_view kImageNotFoundKey = "StrRes_FiirmwareNotFound";
constexpr std::string_view kImageLoadFailKey = "StrRes_FirmwareLoadFail";
constexpr std::string_view kImageEmptyKey = "StrRes_FirmwareZeroBytes";
// For a write that fails without the platform's own wording, or that the device takes no byte
// of: either way the printer would otherwise be reported as updated with a truncated image.
constexpr std::string_view kWriteRefusedKey = "StrRes_FirmwareNotAccepted";

class LoadedResourceGuard {
 public:
  LoadedResourceGuard(ResourceModule& resources, LoadedResource loaded)
      : resources_(resources), loaded_(loaded) {}
  ~LoadedResourceGuard() {
    if (loaded_) {
      resources_.free(loaded_);
    }
  }
  LoadedResourceGuard(const LoadedResourceGuard&) = delete;
  LoadedResourceGuard& operator=(const LoadedResourceGuard&) = delete;
  LoadedResource get() const { return loaded_; }
  explicit operator bool() const { return static_cast<bool>(loaded_); }

 private:
  ResourceModule& resources_;
  LoadedResource loaded_;
};

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

std::unique_ptr<std::uint8_t[]> makeWorkingCopy(const std::uint8_t* image, std::size_t size) {
  auto copy = std::make_unique_for_overwrite<std::uint8_t[]>(size);
  std::memcpy(copy.get(), image, size);
  return copy;
}

}  // namespace

FirmwareTransfer::FirmwareTransfer(platform::Platform& platform, ResourceModule& resources,
                                   const ui::TextSource& texts, ui::MessageSink& messages)
    : platform_(platform), resources_(resources), texts_(texts), messages_(messages) {}

std::int32_t FirmwareTransfer::App_CopyFirmwareRCDATAResourceToPrinter(const char16_t* devicePath) {
  std::u16string message;
  std::int32_t result = 0;
  try {
    result = copyImageToPrinter(devicePath, message);
  } catch (const std::exception& error) {
    result = 0;
    try {
      message = platform::fromUtf8(error.what());
    } catch (...) {
      message.clear();
    }
  } catch (...) {
    result = 0;
  }
  showQuietly(message);
  return result;
}

template <typename UseImage>
std::int32_t FirmwareTransfer::withLockedImage(const UseImage& use, std::u16string& message) {
  const ModuleHandle module = resources_.ownModule();
  if (!module) {
    return 0;
  }
  const ResourceEntry entry =
      resources_.find(module, kFirmwareImageResourceId, kRawDataResourceType);
  if (!entry) {
    message = texts_.text(kImageNotFoundKey);
    return 0;
  }
  const LoadedResourceGuard loaded{resources_, resources_.load(module, entry)};
  if (!loaded) {
    message = texts_.text(kImageLoadFailKey);
    return 0;
  }
  // The size is known here, before any device is opened.
  const std::size_t size = resources_.size(module, entry);
  if (size == 0) {
    message = texts_.text(kImageEmptyKey);
    return 0;
  }
  const std::uint8_t* image = resources_.lock(loaded.get());
  if (image == nullptr) {
    return 0;
  }
  return use(image, size);
}

std::int32_t FirmwareTransfer::copyImageToPrinter(const char16_t* devicePath,
                                                  std::u16string& message) {
  return withLockedImage(
      [&](const std::uint8_t* image, std::size_t size) -> std::int32_t {
        const auto workingCopy = makeWorkingCopy(image, size);
        const DeviceGuard device{platform_, devicePath};
        if (!device) {
          return 0;
        }
        return sendImage(device.get(), workingCopy.get(), size, message);
      },
      message);
}

bool FirmwareTransfer::firmwareImageReady(std::u16string& problem) {
  problem.clear();
  std::int32_t ready = 0;
  try {
    ready = withLockedImage([](const std::uint8_t*, std::size_t) { return 1; }, problem);
  } catch (const std::exception& error) {
    problem = platform::fromUtf8(error.what());
  }
  // A module or image that cannot be reached has no keyed text of its own.
  if (ready == 0 && problem.empty()) {
    problem = texts_.text(kImageLoadFailKey);
  }
  return ready == 1;
}

std::int32_t FirmwareTransfer::sendImage(platform::DeviceHandle device, const std::uint8_t* image,
                                         std::size_t size, std::u16string& message) {
  for (std::size_t offset = 0; offset < size; offset += kPieceBytes) {
    const std::size_t piece = std::min(kPieceBytes, size - offset);
    if (!writePiece(device, image + offset, piece, message)) {
      return 0;
    }
  }
  return 1;
}

// A piece counts only when the device has taken all of it: a short write is continued with the
// rest, and a write that takes nothing ends the transfer rather than spinning.
bool FirmwareTransfer::writePiece(platform::DeviceHandle device, const std::uint8_t* piece,
                                  std::size_t size, std::u16string& message) {
  std::size_t written = 0;
  while (written < size) {
    const platform::IoResult outcome = platform_.write(device, piece + written, size - written);
    if (!outcome.ok || outcome.bytes == 0) {
      message = outcome.ok || outcome.errorText.empty() ? texts_.text(kWriteRefusedKey)
                                                        : platform::fromUtf8(outcome.errorText);
      return false;
    }
    written += std::min(outcome.bytes, size - written);
  }
  return true;
}

// The dialog may fail too; that must not turn a reported failure into an escaping exception.
void FirmwareTransfer::showQuietly(const std::u16string& message) {
  if (message.empty()) {
    return;
  }
  try {
    messages_.App_ShowUIMessage_Handler(ui::kPlainMessage, message, 0, 0);
  } catch (...) {
  }
}

}  // namespace nobrix::firmware
