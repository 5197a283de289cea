// A ResourceModule holding a small firmware image in memory, so whole runs send a few hundred
// kilobytes instead of the real image. The bytes follow a fixed pattern that is not periodic in
// the transfer's piece size, so a piece sent twice or out of order changes the checksum.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "firmware/resource_module.h"

namespace nobrix::testing {

class ImageResources final : public firmware::ResourceModule {
 public:
  explicit ImageResources(std::size_t bytes);

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::uint64_t checksum() const;  // the simulated bus's checksum over the whole image

  firmware::ModuleHandle ownModule() override;
  firmware::ResourceEntry find(firmware::ModuleHandle module, std::uint16_t id,
                               std::uint16_t type) override;
  firmware::LoadedResource load(firmware::ModuleHandle module,
                                firmware::ResourceEntry entry) override;
  std::size_t size(firmware::ModuleHandle module, firmware::ResourceEntry entry) override;
  const std::uint8_t* lock(firmware::LoadedResource loaded) override;
  void free(firmware::LoadedResource loaded) override;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace nobrix::testing
