// The in-memory image resource: one entry, id 111 of the raw-data type.
#include "tests/support/image_resources.h"

#include "platform/sim/sim_bus.h"

namespace nobrix::testing {

ImageResources::ImageResources(std::size_t bytes) : bytes_(bytes) {
  std::uint32_t state = 0x2545F491U;
  for (auto& byte : bytes_) {
    state = state * 1664525U + 1013904223U;
    byte = static_cast<std::uint8_t>(state >> 24);
  }
}

std::uint64_t ImageResources::checksum() const {
  return platform::sim::imageChecksum(bytes_.data(), bytes_.size());
}

firmware::ModuleHandle ImageResources::ownModule() {
  return firmware::ModuleHandle{this};
}

firmware::ResourceEntry ImageResources::find(firmware::ModuleHandle module, std::uint16_t id,
                                             std::uint16_t type) {
  if (module.value != this || id != firmware::kFirmwareImageResourceId ||
      type != firmware::kRawDataResourceType) {
    return {};
  }
  return firmware::ResourceEntry{this};
}

firmware::LoadedResource ImageResources::load(firmware::ModuleHandle module,
                                              firmware::ResourceEntry entry) {
  return module.value == this && entry.value == this ? firmware::LoadedResource{this}
                                                     : firmware::LoadedResource{};
}

std::size_t ImageResources::size(firmware::ModuleHandle module, firmware::ResourceEntry entry) {
  return module.value == this && entry.value == this ? bytes_.size() : 0;
}

const std::uint8_t* ImageResources::lock(firmware::LoadedResource loaded) {
  return loaded.value == this ? bytes_.data() : nullptr;
}

void ImageResources::free(firmware::LoadedResource) {}

}  // namespace nobrix::testing
