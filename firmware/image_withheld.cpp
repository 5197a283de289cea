// The module itself is still reached; only the image is not found.
#include "firmware/image_withheld.h"

namespace nobrix::firmware {
namespace {

class WithoutImage final : public ResourceModule {
 public:
  explicit WithoutImage(std::unique_ptr<ResourceModule> inner) : inner_(std::move(inner)) {}

  ModuleHandle ownModule() override { return inner_ ? inner_->ownModule() : ModuleHandle{this}; }
  ResourceEntry find(ModuleHandle, std::uint16_t, std::uint16_t) override { return {}; }
  LoadedResource load(ModuleHandle, ResourceEntry) override { return {}; }
  std::size_t size(ModuleHandle, ResourceEntry) override { return 0; }
  const std::uint8_t* lock(LoadedResource) override { return nullptr; }
  void free(LoadedResource) override {}

 private:
  std::unique_ptr<ResourceModule> inner_;
};

}  // namespace

std::unique_ptr<ResourceModule> withholdImage(std::unique_ptr<ResourceModule> programResources) {
  return std::make_unique<WithoutImage>(std::move(programResources));
}

}  // namespace nobrix::firmware
