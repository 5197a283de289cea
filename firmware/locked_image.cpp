// Module, entry, load, size, lock: in this order, each step only when the one before succeeded.
#include "firmware/locked_image.h"

namespace nobrix::firmware {

LockedImage::LockedImage(ResourceModule& resources) : resources_(resources) {
  const ModuleHandle module = resources_.ownModule();
  if (!module) {
    return;
  }
  const ResourceEntry entry =
      resources_.find(module, kFirmwareImageResourceId, kRawDataResourceType);
  if (!entry) {
    failureKey_ = kImageNotFoundKey;
    return;
  }
  loaded_ = resources_.load(module, entry);
  if (!loaded_) {
    failureKey_ = kImageLoadFailKey;
    return;
  }
  // The size is known here, before any device is opened.
  const std::size_t size = resources_.size(module, entry);
  if (size == 0) {
    failureKey_ = kImageEmptyKey;
    return;
  }
  if (const std::uint8_t* image = resources_.lock(loaded_)) {
    bytes_ = {image, size};
  }
}

LockedImage::~LockedImage() {
  if (loaded_) {
    resources_.free(loaded_);
  }
}

}  // namespace nobrix::firmware
