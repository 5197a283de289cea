// Streams the built-in firmware image to one printer: finds and locks the image among the
// program's own resources, opens the printer's flash-mode path exclusively for writing and writes
// the image in fixed pieces. Runs on the send worker's thread; keeps nothing between calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "firmware/firmware_sender.h"
#include "firmware/resource_module.h"
#include "platform/platform.h"
#include "ports/message_sink.h"
#include "ports/text_source.h"

namespace nobrix::firmware {

class FirmwareTransfer final : public FirmwareSender {
 public:
  // Each write hands the device at most this many bytes.
  static constexpr std::size_t kPieceBytes = 81'920;

  FirmwareTransfer(platform::Platform& platform, ResourceModule& resources,
                   const ports::TextSource& texts, ports::MessageSink& messages);

  // 1 only when the device accepted every byte of the image, in order. A missing, unloadable
  // or empty image and a failed write are shown to the user, a write in the product's words
  // with the printer and the system's text as a detail; an unopenable path is not (the flash
  // sequence reports that printer). Everything acquired is released before a message is
  // shown and before it returns; no exception leaves it.
  std::int32_t sendImage(const char16_t* devicePath, std::u16string_view printer) override;
  using FirmwareSender::sendImage;

  bool firmwareImageReady(std::u16string& problem) override;

  const TransferProgress* progress() const override { return &progress_; }

 private:
  struct Outcome {
    std::int32_t result = 0;
    std::u16string message;  // shown once everything is released; empty: nothing to show
  };
  Outcome copyImageToPrinter(const char16_t* devicePath, std::u16string_view printer);
  Outcome sendImage(platform::DeviceHandle device, std::span<const std::uint8_t> image,
                    std::u16string_view printer);
  // Nullopt when the device took the whole piece; else the write that failed or took nothing.
  std::optional<platform::IoResult> writePiece(platform::DeviceHandle device,
                                               std::span<const std::uint8_t> piece);
  std::u16string refusalText(const platform::IoResult& write, std::u16string_view printer) const;
  std::u16string keyedText(std::string_view key) const;
  void showQuietly(const std::u16string& message);

  platform::Platform& platform_;
  ResourceModule& resources_;
  TransferProgress progress_;
  const ports::TextSource& texts_;
  ports::MessageSink& messages_;
};

}  // namespace nobrix::firmware
