// The built-in firmware image, found, loaded and locked for as long as this holder lives, or
// the reason it could not be. The bytes stay in the program's read-only resource (or the checked
// copy of the image file), so a transfer writes them from there: they cannot change while it runs.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "firmware/resource_module.h"

namespace nobrix::firmware {

// The text keys of LockedImage::failureKey().
inline constexpr std::string_view kImageNotFoundKey = "StrRes_FiirmwareNotFound";
inline constexpr std::string_view kImageLoadFailKey = "StrRes_FirmwareLoadFail";
inline constexpr std::string_view kImageEmptyKey = "StrRes_FirmwareZeroBytes";

class LockedImage {
 public:
  explicit LockedImage(ResourceModule& resources);
  ~LockedImage();
  LockedImage(const LockedImage&) = delete;
  LockedImage& operator=(const LockedImage&) = delete;

  explicit operator bool() const { return !bytes_.empty(); }
  std::span<const std::uint8_t> bytes() const { return bytes_; }
  // The text key of what failed; empty when the image is there, or when the failure has no
  // text of its own (the module or the bytes could not be reached).
  std::string_view failureKey() const { return failureKey_; }

 private:
  ResourceModule& resources_;
  LoadedResource loaded_;
  std::span<const std::uint8_t> bytes_;
  std::string_view failureKey_;
};

}  // namespace nobrix::firmware
