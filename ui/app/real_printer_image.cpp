// A resource module that hides the stand-in image: every lookup finds nothing.
#include "ui/app/real_printer_image.h"

namespace nobrix::ui::app {
namespace {

class WithoutImage final : public firmware::ResourceModule {
 public:
  explicit WithoutImage(std::unique_ptr<firmware::ResourceModule> inner)
      : inner_(std::move(inner)) {}

  firmware::ModuleHandle ownModule() override { return inner_->ownModule(); }
  firmware::ResourceEntry find(firmware::ModuleHandle, std::uint16_t, std::uint16_t) override {
    return {};
  }
  firmware::LoadedResource load(firmware::ModuleHandle, firmware::ResourceEntry) override {
    return {};
  }
  std::size_t size(firmware::ModuleHandle, firmware::ResourceEntry) override { return 0; }
  const std::uint8_t* lock(firmware::LoadedResource) override { return nullptr; }
  void free(firmware::LoadedResource) override {}

 private:
  std::unique_ptr<firmware::ResourceModule> inner_;
};

}  // namespace

std::unique_ptr<firmware::ResourceModule> realPrinterImage(
    std::unique_ptr<firmware::ResourceModule> programResources, bool imageIsStandIn) {
  if (!imageIsStandIn) {
    return programResources;
  }
  return std::make_unique<WithoutImage>(std::move(programResources));
}

}  // namespace nobrix::ui::app
