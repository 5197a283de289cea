// The program's own raw-data resources, as the firmware transfer reaches its image: own module,
// find by id and type, load, size, lock, free. On Windows these are real resources of the
// executable; elsewhere the image is a file of the package, looked up by the same identity.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nobrix::firmware {

inline constexpr std::uint16_t kFirmwareImageResourceId = 111;
inline constexpr std::uint16_t kRawDataResourceType = 10;  // RCDATA

// An opaque handle of one kind; null means "not obtained".
template <typename Tag>
struct ResourceHandle {
  const void* value = nullptr;
  explicit operator bool() const { return value != nullptr; }
};

using ModuleHandle = ResourceHandle<struct ModuleTag>;
using ResourceEntry = ResourceHandle<struct EntryTag>;
using LoadedResource = ResourceHandle<struct LoadedTag>;

class ResourceModule {
 public:
  virtual ~ResourceModule() = default;

  // The program's own module; null when it cannot be obtained.
  virtual ModuleHandle ownModule() = 0;
  // Null when the module holds no resource of that id and type.
  virtual ResourceEntry find(ModuleHandle module, std::uint16_t id, std::uint16_t type) = 0;
  // Null when the resource cannot be loaded.
  virtual LoadedResource load(ModuleHandle module, ResourceEntry entry) = 0;
  virtual std::size_t size(ModuleHandle module, ResourceEntry entry) = 0;
  // Address of the first byte; null when the bytes cannot be reached.
  virtual const std::uint8_t* lock(LoadedResource loaded) = 0;
  virtual void free(LoadedResource loaded) = 0;
};

}  // namespace nobrix::firmware
