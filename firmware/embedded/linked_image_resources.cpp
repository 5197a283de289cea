// The program's resources where the firmware image is linked in as read-only data (ELF builds):
// one raw-data resource, id 111, whose bytes lie between two symbols of the program itself.
#include <cstddef>
#include <cstdint>

#include "firmware/embedded/program_resources.h"

extern "C" {
extern const std::uint8_t nobrix_firmware_image_begin[];
extern const std::uint8_t nobrix_firmware_image_end[];
}

namespace nobrix::firmware {
namespace {

// The image's own address serves as the module, entry and loaded handle: there is one program,
// one resource, and nothing to load or free.
const void* imageToken() {
  return nobrix_firmware_image_begin;
}

class LinkedImageResources final : public ResourceModule {
 public:
  ModuleHandle ownModule() override { return ModuleHandle{imageToken()}; }

  ResourceEntry find(ModuleHandle module, std::uint16_t id, std::uint16_t type) override {
    if (module.value != imageToken() || id != kFirmwareImageResourceId ||
        type != kRawDataResourceType) {
      return {};
    }
    return ResourceEntry{imageToken()};
  }

  LoadedResource load(ModuleHandle module, ResourceEntry entry) override {
    if (module.value != imageToken() || entry.value != imageToken()) {
      return {};
    }
    return LoadedResource{imageToken()};
  }

  std::size_t size(ModuleHandle module, ResourceEntry entry) override {
    if (module.value != imageToken() || entry.value != imageToken()) {
      return 0;
    }
    return static_cast<std::size_t>(nobrix_firmware_image_end - nobrix_firmware_image_begin);
  }

  const std::uint8_t* lock(LoadedResource loaded) override {
    return loaded.value == imageToken() ? nobrix_firmware_image_begin : nullptr;
  }

  void free(LoadedResource) override {}
};

}  // namespace

std::unique_ptr<ResourceModule> makeProgramResourceModule() {
  return std::make_unique<LinkedImageResources>();
}

}  // namespace nobrix::firmware
