// The program's resources on Windows: the firmware image is a real RCDATA resource (id 111) of
// the executable, reached through the Win32 resource calls. Compiled on Windows only.
#include <windows.h>

#include "firmware/embedded/program_resources.h"

namespace nobrix::firmware {
namespace {

HMODULE asModule(ModuleHandle module) {
  return static_cast<HMODULE>(const_cast<void*>(module.value));
}
HRSRC asEntry(ResourceEntry entry) {
  return static_cast<HRSRC>(const_cast<void*>(entry.value));
}
HGLOBAL asLoaded(LoadedResource loaded) {
  return static_cast<HGLOBAL>(const_cast<void*>(loaded.value));
}

class Win32Resources final : public ResourceModule {
 public:
  // Flags 0 and no name: the executable that started the process. Its reference count is of no
  // concern, since the executable stays loaded until the process ends.
  ModuleHandle ownModule() override {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(0, nullptr, &module)) {
      return {};
    }
    return ModuleHandle{module};
  }

  // Only type and id name the resource; the default language lookup applies. A null module is
  // refused here because FindResourceW, LoadResource and SizeofResource would take it to mean
  // the executable itself, and a null handle means "not obtained".
  ResourceEntry find(ModuleHandle module, std::uint16_t id, std::uint16_t type) override {
    if (!module) {
      return {};
    }
    return ResourceEntry{
        FindResourceW(asModule(module), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type))};
  }

  LoadedResource load(ModuleHandle module, ResourceEntry entry) override {
    if (!module || !entry) {
      return {};
    }
    return LoadedResource{LoadResource(asModule(module), asEntry(entry))};
  }

  std::size_t size(ModuleHandle module, ResourceEntry entry) override {
    if (!module || !entry) {
      return 0;
    }
    return SizeofResource(asModule(module), asEntry(entry));
  }

  const std::uint8_t* lock(LoadedResource loaded) override {
    if (!loaded) {
      return nullptr;
    }
    return static_cast<const std::uint8_t*>(LockResource(asLoaded(loaded)));
  }

  // Obsolete on 32- and 64-bit Windows, but kept as the pairing call of LoadResource.
  void free(LoadedResource loaded) override {
    if (loaded) {
      FreeResource(asLoaded(loaded));
    }
  }
};

}  // namespace

std::unique_ptr<ResourceModule> makeProgramResourceModule() {
  return std::make_unique<Win32Resources>();
}

}  // namespace nobrix::firmware
